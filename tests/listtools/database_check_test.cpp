// The consistency check: generated images have no finding; each kind of damage gives its own finding and
// no other; the repair sets right every repairable finding on randomly damaged images and touches
// nothing else.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "database/image_access.h"
#include "database/image_crc.h"
#include "listtools/database_check.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

std::unique_ptr<all_tables_block> cleanImage(std::uint32_t seed, const test::ImageShape& shape) {
    auto img = test::makeImage(seed, shape);
    refreshCrc(*img);
    return img;
}

TEST(DatabaseCheck, EachDamageGivesItsOwnFinding) {
    struct Case {
        const char* what;
        std::function<void(all_tables_block&)> damage;
        FindingKind kind;
        const char* text;
    };
    const Case cases[] = {
        {"crc", [](all_tables_block& i) { i.imageCrc ^= 1; }, FindingKind::Crc, "stored 0x"},
        {"programs", [](all_tables_block& i) { i.programCount = 20001; }, FindingKind::Capacity,
         "20001 programs, the table has room for 20000"},
        {"tv", [](all_tables_block& i) { i.tvCount = i.programCount + 1; }, FindingKind::Capacity, "TV programs of"},
        {"list", [](all_tables_block& i) { i.favourites[3].favCount = 401; }, FindingKind::Capacity, "list 4 \""},
        {"tp index", [](all_tables_block& i) { i.programs[4].tpIndex = i.tpCount; }, FindingKind::Transponder,
         "program 5 "},
        {"provider", [](all_tables_block& i) { i.programs[0].providerIndex = 999; }, FindingKind::Provider,
         "names provider 1000"},
        {"satellite", [](all_tables_block& i) { i.transponders[2].satId = 250; }, FindingKind::Satellite,
         "transponder 3 ("},
        {"duplicate", [](all_tables_block& i) { i.transponders[1] = i.transponders[0]; },
         FindingKind::DuplicateTransponder, "transponder 2 ("},
        {"entry beyond", [](all_tables_block& i) { i.favourites[0].favEntries[0] = i.programCount; },
         FindingKind::Favourite, "entry 1 names program 121, the table has 120"},
        {"repeated", [](all_tables_block& i) { i.favourites[8].favEntries[1] = i.favourites[8].favEntries[0]; },
         FindingKind::Favourite, "entry 2 repeats program"},
        {"radio in tv part", [](all_tables_block& i) { i.favourites[2].favEntries[0] = i.tvCount; },
         FindingKind::Favourite, "is a TV entry naming radio program"},
        {"count", [](all_tables_block& i) { i.satellites[0].tpCount++; }, FindingKind::Count, "satellite 1 \""},
        {"second of a key",  // the first satellite of a key owns its transponders, a later one none
         [](all_tables_block& i) {
             i.satellites[1] = i.satellites[0];
             i.satCount = 2;
         },
         FindingKind::Count, "satellite 2 \""},
    };
    // One satellite, so that a changed satellite key of a transponder names no satellite; the factory
    // keeps every frequency of it apart.
    test::ImageShape shape;
    shape.satellites = 1;
    for (const Case& c : cases) {
        auto img = cleanImage(5, shape);
        c.damage(*img);
        if (c.kind != FindingKind::Crc)
            refreshCrc(*img);
        const std::vector<Finding> findings = checkImage(*img);
        ASSERT_FALSE(findings.empty()) << c.what;
        // A count beyond its table lets the check read the slots behind it, whatever they hold; a
        // transponder that left its satellite also leaves the satellite's count wrong.
        if (c.kind != FindingKind::Capacity) {
            const bool countFollows = c.kind == FindingKind::Satellite;
            EXPECT_EQ(findings.size(), countFollows ? 2u : 1u) << c.what << ": " << reportText(findings);
        }
        EXPECT_EQ(findings[0].kind, c.kind) << c.what;
        EXPECT_NE(findings[0].text.find(c.text), std::string::npos) << c.what << ": " << findings[0].text;
    }
}

// Generated images have no finding; randomly damaged, the repair sets them right.
TEST(DatabaseCheck, RepairSetsRightListsCountsAndTheCrcAndNothingElse) {
    std::mt19937 rng(22);
    for (int round = 0; round < 50; ++round) {
        const auto img =
            cleanImage(static_cast<std::uint32_t>(rng()), round == 0 ? test::fullShape() : test::randomShape(rng));
        ASSERT_EQ(reportText(checkImage(*img)), "no problems found\n") << "round " << round;
        const auto within = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        for (int d = 0; d < 6; ++d) {
            st_fav& list = img->favourites[within(kFavouriteLists)];
            if (list.favCount > 0)
                list.favEntries[within(list.favCount)] = static_cast<std::uint16_t>(within(img->programCount + 3));
            if (img->satCount > 0)
                img->satellites[within(img->satCount)].tpCount += static_cast<std::uint16_t>(within(3));
        }
        const auto before = std::make_unique<all_tables_block>(*img);
        const Repair repair = repairImage(*img);
        for (const Finding& finding : checkImage(*img))
            EXPECT_FALSE(isRepairable(finding)) << "round " << round << ": " << finding.text;
        // Only the lists, the counts and the CRC changed; each list keeps its entries that name a program,
        // once, in their order within each part.
        for (int s = 0; s < img->satCount; ++s)
            before->satellites[s].tpCount = img->satellites[s].tpCount;
        int dropped = 0;
        for (int l = 0; l < kFavouriteLists; ++l) {
            const st_fav& was = before->favourites[l];
            std::vector<int> expected[2];
            std::vector<char> seen(img->programCount, 0);
            for (int e = 0; e < was.favCount; ++e) {
                const int p = was.favEntries[e];
                if (p >= img->programCount || seen[p]++) {
                    ++dropped;
                    continue;
                }
                expected[p >= img->tvCount].push_back(p);
            }
            const st_fav& now = img->favourites[l];
            EXPECT_EQ(std::vector<int>(now.favEntries, now.favEntries + now.favTvCount), expected[0]);
            EXPECT_EQ(std::vector<int>(now.favEntries + now.favTvCount, now.favEntries + now.favCount), expected[1]);
            std::memcpy(&before->favourites[l], &now, sizeof now);
        }
        EXPECT_EQ(repair.favouriteEntriesDropped, dropped);
        refreshCrc(*before);
        EXPECT_EQ(std::memcmp(before.get(), img.get(), sizeof *img), 0) << "round " << round;
    }
}

}  // namespace
}  // namespace vizud
