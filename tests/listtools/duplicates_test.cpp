// Duplicates: which programs group, and what their removal leaves in the favourite lists.
#include <gtest/gtest.h>

#include <string>

#include "listtools/duplicates.h"
#include "tests/support/database_fixture.h"

namespace vizud {
namespace {

struct Small : test::DatabaseFixture {
    Small() {
        build.satellite(1, "Astra", 192);
        build.satellite(2, "Hotbird", 130);
        build.transponder(1, 11000);
        build.transponder(1, 11000, 1);  // the other polarization
        build.transponder(2, 11000);     // the same frequency on another satellite
        build.transponder(9, 12000);     // a satellite key nobody has
        build.provider("P");
    }
    // The list's programs by name ("?" beyond the table), "|" before its radio part.
    std::string list(int l) const {
        const st_fav& fav = state->image.favourites[l];
        std::string out;
        for (int e = 0; e < fav.favCount; ++e) {
            const int p = fav.favEntries[e];
            out += std::string(e == fav.favTvCount ? "|"
                               : e > 0             ? ","
                                                   : "") +
                   (p < state->image.programCount ? state->image.programs[p].name : "?");
        }
        return out + (fav.favCount == fav.favTvCount ? "|" : "");
    }
};

TEST(Duplicates, SameKeyAndClassGroupFirstInTableOrderKept) {
    Small f;
    f.build.program("nine", 0, 0, true, 9);        // 0
    f.build.program("one", 0, 0, true, 1);         // 1
    f.build.program("one'", 0, 0, true, 1);        // 2: duplicate of 1, whatever its name
    f.build.program("pol", 1, 0, true, 1);         // 3
    f.build.program("hotbird", 2, 0, true, 1);     // 4
    f.build.program("nowhere", 3, 0, true, 5);     // 5: no key
    f.build.program("nowhere'", 3, 0, true, 5);    // 6
    f.build.program("beyond", 40, 0, true, 5);     // 7: no key
    f.build.program("nine'", 0, 0, true, 9);       // 8: duplicate of 0
    f.build.program("nine''", 0, 0, true, 9);      // 9
    f.build.program("radio one", 0, 0, false, 1);  // 10: not TV's "one"
    f.build.program("radio one'", 0, 0, false, 1);
    const std::vector<DuplicateGroup> groups = findDuplicates(f.image());
    ASSERT_EQ(groups.size(), 3u);
    const std::tuple<bool, int, std::vector<int>> expected[] = {{true, 0, {8, 9}}, {true, 1, {2}}, {false, 10, {11}}};
    for (std::size_t g = 0; g < groups.size(); ++g)
        EXPECT_EQ(std::tie(groups[g].tv, groups[g].keep, groups[g].duplicates),
                  std::tie(std::get<0>(expected[g]), std::get<1>(expected[g]), std::get<2>(expected[g])))
            << "group " << g;
}

// The kept program takes its duplicate's entry, or the entry goes when the list already names it: a full
// list stays full, a list with several members of a group keeps one entry, the TV part stays in front.
TEST(Duplicates, RemovalPutsTheKeptProgramInTheListsOnce) {
    Small f;
    for (int i = 0; i < 410; ++i)
        f.build.program("t" + std::to_string(i), 0, 0, true, i);
    f.build.program("d5", 0, 0, true, 5);    // 410: t5 is in no list
    f.build.program("d7a", 0, 0, true, 7);   // 411
    f.build.program("d7b", 0, 0, true, 7);   // 412
    f.build.program("r0", 0, 0, false, 0);   // 413
    f.build.program("r0'", 0, 0, false, 0);  // 414
    st_fav& full = f.image().favourites[0];
    for (int i = 0; i < 397; ++i)
        full.favEntries[i] = static_cast<std::uint16_t>(10 + i);
    full.favEntries[397] = 410;
    full.favEntries[398] = 412;
    full.favEntries[399] = 414;
    full.favCount = 400;
    full.favTvCount = 399;
    f.build.favourites(1, {411, 7, 412}, {414});
    f.build.favourites(2, {412, 3, 411}, {});
    f.image().programs[100].programFlags = 0x55;
    const std::string fullBefore = f.list(0);

    const DuplicateRemoval removal = removeDuplicates(f.db);
    EXPECT_EQ(removal.removed, 4);
    EXPECT_EQ(removal.stepName, "Remove 4 duplicates");
    EXPECT_EQ(f.image().programCount, 411);
    EXPECT_EQ(f.image().tvCount, 410);
    EXPECT_STREQ(f.image().programs[410].name, "r0");
    EXPECT_EQ(f.image().programs[100].programFlags, 0x55);
    EXPECT_EQ(f.list(0), fullBefore.substr(0, fullBefore.find(",d5")) + ",t5,t7|r0");
    EXPECT_EQ(f.image().favourites[0].favCount, 400);
    EXPECT_EQ(f.list(1), "t7|r0");
    EXPECT_EQ(f.list(2), "t7,t3|");
    EXPECT_TRUE(findDuplicates(f.image()).empty());
    EXPECT_EQ(removeDuplicates(f.db).stepName, "") << "nothing left to remove";
}

}  // namespace
}  // namespace vizud
