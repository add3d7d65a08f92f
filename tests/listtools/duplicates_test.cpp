// Duplicates: which programs group, and what their removal leaves in the favourite lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "listtools/duplicates.h"
#include "tests/listtools/two_satellites.h"

namespace vizud {
namespace {

using Small = test::TwoSatellites;

// 1 and 3 differ by polarization, 1 and 4 by satellite; 5 and 6 lie on a transponder of no satellite, 7 on none;
// 10, at Astra's position on a satellite whose direction byte is 'D' and at 32768 + 11000 MHz, is not 1's.
TEST(Duplicates, SameKeyAndClassGroupFirstInTableOrderKept) {
    Small f;
    f.build.transponder(1, 11000, 1);  // the other polarization on Astra
    f.build.transponder(9, 12000);     // a satellite key nobody has
    f.image().satellites[f.build.satellite(3, "D", 192)].eastWest = 'D';
    f.build.transponder(3, 43768);
    const std::tuple<int, bool, int> programs[] = {
        {0, true, 9},  {0, true, 1}, {0, true, 1}, {2, true, 1}, {1, true, 1},  {3, true, 5}, {3, true, 5},
        {40, true, 5}, {0, true, 9}, {0, true, 9}, {4, true, 1}, {0, false, 1}, {0, false, 1}};
    for (const auto& [tp, tv, sid] : programs)
        f.build.program("p", tp, 0, tv, sid);
    std::string groups;
    for (const DuplicateGroup& g : findDuplicates(f.image())) {
        groups += (g.tv ? "TV " : "Radio ") + std::to_string(g.keep) + ":";
        for (const int d : g.duplicates)
            groups += " " + std::to_string(d);
        groups += ";";
    }
    EXPECT_EQ(groups, "TV 0: 8 9;TV 1: 2;Radio 11: 12;");
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
    st_fav& full = f.image().favourites[0];  // t10 to t406, d5, d7b, r0'
    std::iota(full.favEntries, full.favEntries + 397, 10);
    std::ranges::copy(std::array<std::uint16_t, 3>{410, 412, 414}, full.favEntries + 397);
    full.favCount = 400;
    full.favTvCount = 399;
    f.build.favourites(1, {7, 411, 412}, {414});
    f.build.favourites(2, {412, 3, 411}, {});
    f.build.favourites(3, {}, {415});  // beyond the table
    const std::string fullBefore = f.list(0);
    EXPECT_EQ(describeGroups(f.image(), findDuplicates(f.image()))[1][2].lists, "123") << "d7b's lists";

    const DuplicateRemoval removal = removeDuplicates(f.db);
    EXPECT_EQ(std::tie(removal.removed, removal.stepName), std::tuple(4, "Remove 4 duplicates"));
    EXPECT_EQ(std::tie(f.image().programCount, f.image().tvCount), std::tuple(411, 410));
    EXPECT_EQ(f.list(0), fullBefore.substr(0, fullBefore.find(",d5")) + ",t5,t7|r0");
    EXPECT_EQ(f.list(1), "t7|r0");
    EXPECT_EQ(f.list(2), "t7,t3|");
    EXPECT_TRUE(findDuplicates(f.image()).empty());
    EXPECT_EQ(removeDuplicates(f.db).stepName, "") << "nothing left to remove";
}

}  // namespace
}  // namespace vizud
