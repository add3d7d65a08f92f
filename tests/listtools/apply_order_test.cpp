// Order from a reference list: random-image properties, then by hand the second key, equal keys in both
// files, a reference with fewer or more programs, empty blocks, a full list taken over.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

std::string bytesOf(const st_program& prog) {
    return std::string(reinterpret_cast<const char*>(&prog), sizeof prog);
}

// The programs each list names, by their bytes.
std::vector<std::vector<std::string>> listsOf(const all_tables_block& img) {
    std::vector<std::vector<std::string>> lists(kFavouriteLists);
    for (int l = 0; l < kFavouriteLists; ++l)
        for (int e = 0; e < img.favourites[l].favCount; ++e)
            lists[l].push_back(bytesOf(img.programs[img.favourites[l].favEntries[e]]));
    return lists;
}

// A random order of each block.
std::vector<int> shuffledBlocks(const all_tables_block& img, std::mt19937& rng) {
    std::vector<int> order(img.programCount);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.begin() + img.tvCount, rng);
    std::shuffle(order.begin() + img.tvCount, order.end(), rng);
    return order;
}

// Each round a shuffled copy of the reference: kept as it is, with its lists lost (they come back from the
// reference), or rescanned: some programs got a new service id (found by name), some a new name too (lost).
TEST(ApplyOrder, OnRandomImagesNothingIsLostAndMatchedProgramsComeFirstInReferenceOrder) {
    std::mt19937 rng(12);
    for (int round = 0; round < 60; ++round) {
        test::DatabaseFixture reference, file;
        const auto seed = static_cast<std::uint32_t>(rng());
        const test::ImageShape shape = test::randomShape(rng);
        test::makeImage(reference.image(), seed, shape);
        test::makeImage(file.image(), seed, shape);
        ASSERT_EQ(file.db.reorderPrograms(shuffledBlocks(file.image(), rng)), 0);
        all_tables_block& img = file.image();
        const bool favourites = round % 3 == 1, rescan = round % 3 == 2;
        if (favourites) {
            for (st_fav& list : img.favourites)
                list.favCount = list.favTvCount = 0;
        }
        std::vector<char> expectMatch(img.programCount, 1);
        for (int p = 0; rescan && p < img.programCount; ++p) {
            const int fate = static_cast<int>(rng() % 8);
            img.programs[p].serviceId ^= fate < 2 ? 0x5555 : 0;
            if (fate == 1) {
                img.programs[p].name[0] = img.programs[p].name[1] = '\x7E';
                expectMatch[p] = 0;
            }
        }
        std::map<std::string, int> before;
        for (int p = 0; p < img.programCount; ++p)
            before[bytesOf(img.programs[p])] = p;
        const auto lists = listsOf(img);
        const int tv = img.tvCount;

        const auto match = applyOrder(file.db, reference.image(), favourites);
        ASSERT_TRUE(match);
        EXPECT_EQ(img.tvCount, tv);
        if (!rescan) {
            EXPECT_EQ(match->tvMatched, tv);
            EXPECT_EQ(match->radioMatched, img.programCount - tv);
            // Programs with equal keys may trade places; their keys then still stand in reference order.
            EXPECT_TRUE(listsOf(img) == listsOf(reference.image())) << "round " << round;
            int traded = 0;
            for (int p = 0; p < img.programCount; ++p)
                traded += bytesOf(img.programs[p]) != bytesOf(reference.image().programs[p]);
            EXPECT_LE(traded, img.programCount / 50) << "round " << round;
            continue;
        }
        EXPECT_TRUE(listsOf(img) == lists) << "the lists follow their programs";
        int matched = 0;
        for (int p = 0; p < img.programCount; ++p) {
            const auto it = before.find(bytesOf(img.programs[p]));
            ASSERT_NE(it, before.end()) << "round " << round;
            EXPECT_EQ(it->second < tv, p < tv) << "no program changes class";
            matched += expectMatch[it->second];
            if (p == tv - 1 || p == img.programCount - 1) {
                // Each block: the matched ones first, then the others in their old order.
                const int first = p < tv ? 0 : tv;
                const int hits = p < tv ? match->tvMatched : match->radioMatched;
                for (int q = first + hits + 1; q <= p; ++q)
                    EXPECT_LT(before.at(bytesOf(img.programs[q - 1])), before.at(bytesOf(img.programs[q])));
            }
        }
        EXPECT_EQ(match->tvMatched + match->radioMatched, matched) << "round " << round;
    }
}

struct Small : test::DatabaseFixture {
    Small() {
        build.satellite(1, "Astra", 192);
        build.satellite(2, "Hotbird", 130);
        build.transponder(1, 11000);
        build.transponder(2, 11000);
        build.provider("P");
    }
    std::string order() const {
        std::string out;
        for (int p = 0; p < state->image.programCount; ++p)
            out += std::string(state->image.programs[p].name) + (p + 1 == state->image.tvCount ? "|" : ";");
        return out;
    }
};

TEST(ApplyOrder, KeysFirstByServiceThenByNameOnTheSameSatellite) {
    Small ref, file;
    ref.build.program("A", 0, 0, true, 1);
    ref.build.program("B", 0, 0, true, 2);
    ref.build.program("\xC4rzte", 0, 0, true, 3);  // Latin-1 name
    ref.build.program("E", 0, 0, true, 5);
    ref.build.program("D", 1, 0, true, 4);
    ref.build.program("R1", 0, 0, false, 9);
    ref.build.program("R2", 0, 0, false, 10);
    file.build.program("D", 0, 0, true, 40);         // name of D, but on Astra: not D
    file.build.program("\xC4rzte", 0, 0, true, 33);  // service id changed: found by name
    file.build.program("B", 0, 0, true, 2);
    file.build.program("X", 0, 0, true, 1);  // renamed, same service: found by the first key
    file.build.program("E", 0, 0, true, 55);
    file.build.program("Y", 0, 0, true, 5);  // the first key wins over the name
    file.build.program("R2", 0, 0, false, 10);
    file.build.program("R1", 0, 0, false, 9);
    file.build.program("R3", 0, 0, false, 11);
    file.build.favourites(0, {0, 3}, {6});  // D, X, R2
    const auto match = applyOrder(file.db, ref.image(), false);
    ASSERT_TRUE(match);
    EXPECT_EQ(file.order(), "X;B;\xC4rzte;Y;D;E|R1;R2;R3;");
    EXPECT_EQ(match->tvMatched, 4);
    EXPECT_EQ(match->tvPrograms, 6);
    EXPECT_EQ(match->radioMatched, 2);
    EXPECT_EQ(match->radioPrograms, 3);
    EXPECT_EQ(listsOf(file.image())[0],
              (std::vector<std::string>{bytesOf(file.image().programs[4]), bytesOf(file.image().programs[0]),
                                        bytesOf(file.image().programs[7])}));
}

TEST(ApplyOrder, EqualKeysPairInTableOrderAndSizesMayDiffer) {
    Small ref, file;
    for (const char* name : {"a1", "a2", "a3"})
        ref.build.program(name, 0, 0, true, 7);
    file.build.program("b2", 0, 0, true, 7);
    file.build.program("c", 0, 0, true, 8);
    file.build.program("b1", 0, 0, true, 7);
    file.build.program("r", 0, 0, false, 7);  // the reference's third "7" goes to the radio program
    ASSERT_TRUE(applyOrder(file.db, ref.image(), false));
    EXPECT_EQ(file.order(), "b2;b1;c|r;");

    Small empty;
    ASSERT_TRUE(applyOrder(file.db, empty.image(), true)) << "an empty reference matches nothing";
    EXPECT_EQ(file.order(), "b2;b1;c|r;");
    for (const st_fav& list : file.image().favourites)
        EXPECT_EQ(list.favCount, 0);
    ASSERT_TRUE(applyOrder(empty.db, file.image(), false)) << "an empty file has nothing to order";
    EXPECT_EQ(empty.image().programCount, 0);
}

TEST(ApplyOrder, FavouritesComeFromTheReferenceByClassHereAndOnlyMatched) {
    Small ref, file;
    for (int i = 0; i < 420; ++i)
        ref.build.program("t" + std::to_string(i), 0, 0, i < 410, i);
    for (int i = 0; i < 420; ++i)
        file.build.program((i == 3 ? "x" : "t") + std::to_string(i), 0, 0, i < 405, i == 3 ? 999 : i);  // a stranger
    std::vector<int> all(400);
    std::iota(all.begin(), all.end(), 10);  // t10..t409, all TV in the reference
    st_fav& full = ref.image().favourites[2];
    std::copy(all.begin(), all.end(), full.favEntries);
    full.favCount = full.favTvCount = 400;
    test::setName(full.favName, "Alles");
    ref.build.favourites(5, {3, 4, 4}, {415});
    ASSERT_TRUE(applyOrder(file.db, ref.image(), true));
    const st_fav& taken = file.image().favourites[2];
    EXPECT_STREQ(taken.favName, "Alles");
    EXPECT_EQ(taken.favCount, 400);
    EXPECT_EQ(taken.favTvCount, 395) << "t405..t409 are radio here and go to the radio part";
    EXPECT_STREQ(file.image().programs[taken.favEntries[395]].name, "t405");
    const st_fav& small = file.image().favourites[5];
    ASSERT_EQ(small.favCount, 2) << "t3 matched nothing, t4 once";
    EXPECT_STREQ(file.image().programs[small.favEntries[0]].name, "t4");
    EXPECT_STREQ(file.image().programs[small.favEntries[1]].name, "t415");
    EXPECT_EQ(small.favTvCount, 1);
}

}  // namespace
}  // namespace vizud
