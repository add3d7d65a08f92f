// The consistency check: generated images have no finding; each kind of damage gives its own finding and
// no other; the repair sets right every repairable finding and touches nothing else.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>

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

// Generated images, a full one among them, have no finding; each kind of damage gives its own.
TEST(DatabaseCheck, SoundImagesHaveNoFindingAndEachDamageItsOwn) {
    std::mt19937 rng(22);
    for (int round = 0; round < 50; ++round) {
        const test::ImageShape shape = round == 0 ? test::fullShape() : test::randomShape(rng);
        EXPECT_EQ(reportText(checkImage(*cleanImage(static_cast<std::uint32_t>(rng()), shape))), "no problems found\n")
            << "round " << round;
    }
    using K = FindingKind;
    const struct {
        void (*damage)(all_tables_block&);
        FindingKind kind;
        const char* text;
    } cases[] = {
        {[](auto& i) { i.imageCrc ^= 1; }, K::Crc, "stored 0x"},
        {[](auto& i) { i.programCount = 20001; }, K::Capacity, "20001 programs, the table has room for 20000"},
        {[](auto& i) { i.tpCount = 3001; }, K::Capacity, "3001 transponders, the table has room for 3000"},
        {[](auto& i) { i.tvCount = i.programCount + 1; }, K::Capacity, "TV programs of"},
        {[](auto& i) { i.favourites[3].favCount = 401; }, K::Capacity, "list 4 \""},
        {[](auto& i) { i.programs[4].tpIndex = i.tpCount; }, K::Transponder, "program 5 "},
        {[](auto& i) { i.programs[0].providerIndex = 999; }, K::Provider, "names provider 1000"},
        {[](auto& i) {
             i.transponders[2].satId = 250, i.transponders[2].frequency = 12000, i.transponders[2].polarization = 4;
         },
         K::Satellite, "transponder 3 (12000 MHz ?)"},
        {[](auto& i) { i.transponders[1] = i.transponders[0]; }, K::DuplicateTransponder, "transponder 2 ("},
        {[](auto& i) { i.favourites[0].favEntries[0] = i.programCount; }, K::Favourite,
         "entry 1 names program 121, the table has 120"},
        {[](auto& i) { i.favourites[8].favEntries[1] = i.favourites[8].favEntries[0]; }, K::Favourite,
         "entry 2 repeats program"},
        {[](auto& i) { i.favourites[2].favEntries[0] = i.tvCount; }, K::Favourite,
         "is a TV entry naming radio program"},
        {[](auto& i) { i.satellites[0].tpCount++; }, K::Count, "satellite 1 \""},
        // The first satellite of a key owns its transponders, a later one none.
        {[](auto& i) { i.satellites[1] = i.satellites[0], i.satCount = 2; }, K::Count, "satellite 2 \""},
    };
    // One satellite, so that a changed satellite key of a transponder names no satellite; the factory
    // keeps every frequency of it apart.
    test::ImageShape shape;
    shape.satellites = 1;
    for (const auto& c : cases) {
        auto img = cleanImage(5, shape);
        c.damage(*img);
        if (c.kind != FindingKind::Crc)
            refreshCrc(*img);
        const std::vector<Finding> findings = checkImage(*img);
        ASSERT_FALSE(findings.empty()) << c.text;
        // A count beyond its table lets the check read the slots behind it, whatever they hold; a
        // transponder that left its satellite also leaves the satellite's count wrong.
        if (c.kind != FindingKind::Capacity) {
            const bool countFollows = c.kind == FindingKind::Satellite;
            EXPECT_EQ(findings.size(), countFollows ? 2u : 1u) << c.text << ": " << reportText(findings);
        }
        EXPECT_EQ(findings[0].kind, c.kind) << c.text;
        EXPECT_NE(findings[0].text.find(c.text), std::string::npos) << c.text << ": " << findings[0].text;
    }
}

// Entries that name no program or repeat one in their list go (a program may be in several lists), the others
// move to the part of their class in their order; the satellites' counts and the CRC are set right, and
// nothing else changes.
TEST(DatabaseCheck, RepairSetsRightListsCountsAndTheCrcAndNothingElse) {
    const auto img = cleanImage(5, test::ImageShape{});                 // TV programs 0 to 69, radio 70 to 119
    const std::uint16_t damaged[] = {3, 200, 5, 3, 80, 7, 90, 9, 120};  // the first six in the TV part
    st_fav& list = img->favourites[4];
    std::copy(std::begin(damaged), std::end(damaged), list.favEntries);
    list.favCount = 9;
    list.favTvCount = 6;
    img->favourites[5].favEntries[0] = 3;
    img->favourites[5].favCount = img->favourites[5].favTvCount = 1;
    const int transponders = img->satellites[0].tpCount;
    img->satellites[0].tpCount += 2;
    const auto before = std::make_unique<all_tables_block>(*img);
    for (const Finding& finding : checkImage(*img))
        EXPECT_TRUE(isRepairable(finding)) << finding.text;

    const Repair repair = repairImage(*img);
    EXPECT_EQ(std::tuple(repair.favouriteEntriesDropped, repair.favouriteEntriesMoved, repair.countsFixed),
              std::tuple(3, 2, 1));
    EXPECT_TRUE(repair.crcRefreshed);
    EXPECT_EQ(std::vector<int>(list.favEntries, list.favEntries + list.favCount), (std::vector{3, 5, 7, 9, 80, 90}));
    EXPECT_EQ(list.favTvCount, 4);
    EXPECT_EQ(img->favourites[5].favCount, 1);
    EXPECT_EQ(img->satellites[0].tpCount, transponders);
    EXPECT_EQ(reportText(checkImage(*img)), "no problems found\n");
    std::memcpy(&before->favourites[4], &list, sizeof list);
    before->satellites[0].tpCount = static_cast<std::uint16_t>(transponders);
    refreshCrc(*before);
    EXPECT_EQ(std::memcmp(before.get(), img.get(), sizeof *img), 0) << "nothing else changed";
}

}  // namespace
}  // namespace vizud
