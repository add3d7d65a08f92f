#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

class Queries : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.satellite(9, "Hotbird");
        build.transponder(7, 11778, 1);
        build.transponder(7, 12245, 0);
        build.transponder(9, 10992, 1);
        build.provider("ARD");
        build.provider("ZDF");
        build.program("Das Erste", 0, 0, true, 28106);
        build.program("ZDF", 1, 1, true, 28006);
        build.program("Rai 1", 2, 1, true);
        build.program("Bayern 3", 0, 0, false);
        build.program("Deutschlandfunk", 1, 0, false);
        build.favourites(0, {0, 1, 2}, {3, 4});
        build.favourites(3, {1}, {4});
        for (int l = 0; l < kFavouriteLists; ++l) {
            test::setName(image().favourites[l].favName, "Fav_" + std::to_string(l + 1));
        }
    }
};

TEST_F(Queries, InfoCodesReadCountsAndListSplits) {
    std::uint32_t value = 0;
    EXPECT_EQ(db.getInfo(kInfoSatCount, value), 0);
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(db.getInfo(kInfoTvCount, value), 0);
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(db.getInfo(kInfoFavouriteLists, value), 0);
    EXPECT_EQ(value, 9u);
    EXPECT_EQ(db.getInfo(506, value), 0);
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(db.getInfo(507, value), 0);  // list 1: 3 TV + 2 radio
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(db.getInfo(512, value), 0);  // list 4 TV entries
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(db.getInfo(523, value), 0);
    EXPECT_EQ(value, 0u);
    value = 77;
    EXPECT_EQ(db.getInfo(524, value), -1);
    EXPECT_EQ(db.getInfo(499, value), -1);
    EXPECT_EQ(value, 77u) << "a bad code leaves the out value alone";
}

TEST_F(Queries, GetRecordChecksCapacityBeforeCount) {
    RecordView view;
    EXPECT_EQ(db.getRecord(499, 0, view), -1);
    EXPECT_EQ(db.getRecord(505, 0, view), -1);
    EXPECT_EQ(db.getRecord(kTableSatellites, 200, view), -2);
    EXPECT_EQ(db.getRecord(kTableSatellites, 2, view), -3);
    EXPECT_EQ(db.getRecord(kTablePrograms, 20000, view), -2);
    EXPECT_EQ(db.getRecord(kTablePrograms, 5, view), -3);
    EXPECT_EQ(db.getRecord(kTableProviders, 400, view), -2);
    EXPECT_EQ(db.getRecord(kTableProviders, 2, view), -3);
    EXPECT_EQ(db.getRecord(kTableFavourites, 9, view), -2);
    EXPECT_EQ(db.getRecord(kTableTransponders, 3000, view), -4);
    EXPECT_EQ(db.getRecord(kTableTransponders, -1, view), -4);
    // A free transponder slot is read all the same.
    EXPECT_EQ(db.getRecord(kTableTransponders, 2999, view), 0);
}

TEST_F(Queries, SatelliteRecordSignExtendsTheSignedBytes) {
    st_sat& sat = image().satellites[1];
    sat.diseqcMode = -1;
    sat.tone22k = 2;
    sat.eastWest = 'W';
    sat.diseqc11Port = 0x12;
    sat.positionerNo = 200;
    RecordView view;
    view.word[12] = 0xDEAD;
    ASSERT_EQ(db.getRecord(kTableSatellites, 1, view), 0);
    EXPECT_EQ(view.word[0], 9u);
    EXPECT_EQ(view.word[2], 1u);
    EXPECT_EQ(view.word[5], 0xFFFFFFFFu);
    EXPECT_EQ(view.word[6], 2u);
    EXPECT_EQ(view.word[8], 200u);
    EXPECT_EQ(view.word[10], static_cast<std::uint32_t>('W'));
    EXPECT_EQ(view.word[11], 0x12u);
    EXPECT_EQ(view.word[12], 0xDEADu) << "unused words keep what the caller left";
    EXPECT_EQ(view.word16, image().satellites[1].name);
}

TEST_F(Queries, FavouriteRecordReadsPositionAndNamesOfNextLists) {
    RecordView view;
    view.word[0] = 4;
    ASSERT_EQ(db.getRecord(kTableFavourites, 0, view), 0);
    EXPECT_EQ(view.word[1], 4u);
    EXPECT_EQ(view.word[2], 5u);
    EXPECT_EQ(view.word[3], 3u);
    EXPECT_STREQ(view.word16, "Fav_1");
    EXPECT_STREQ(view.word17, "Fav_2");
    EXPECT_STREQ(view.word18, "Fav_3");

    view.word[0] = 5;
    EXPECT_EQ(db.getRecord(kTableFavourites, 0, view), -3) << "position at favCount";
    view.word[0] = 0;
    EXPECT_EQ(db.getRecord(kTableFavourites, 5, view), 0) << "position 0 of an empty list is read";
    EXPECT_EQ(view.word[2], 0u);

    // The last two lists have no following lists to name.
    ASSERT_EQ(db.getRecord(kTableFavourites, 7, view), 0);
    EXPECT_STREQ(view.word17, "Fav_9");
    EXPECT_EQ(view.word18, nullptr);
    ASSERT_EQ(db.getRecord(kTableFavourites, 8, view), 0);
    EXPECT_EQ(view.word17, nullptr);
    EXPECT_EQ(view.word18, nullptr);

    image().favourites[2].favCount = 400;
    view.word[0] = 400;
    EXPECT_EQ(db.getRecord(kTableFavourites, 2, view), -3);
    view.word[0] = static_cast<std::uint32_t>(-1);
    EXPECT_EQ(db.getRecord(kTableFavourites, 2, view), -4);
}

TEST_F(Queries, ProgramSnapshotOfWholeTableAndOfListViews) {
    auto snap = std::make_unique<ProgramSnapshot>();
    snap->providerIndex = 99;
    ASSERT_EQ(db.getProgramSnapshot(0, 4, *snap), 0);
    EXPECT_EQ(std::string(snap->name), "Deutschlandfunk");
    EXPECT_EQ(std::string(snap->providerName), "ARD");
    EXPECT_EQ(std::string(snap->satName), "Astra");
    EXPECT_EQ(snap->satId, 7);
    EXPECT_EQ(snap->frequency, 12245);
    EXPECT_EQ(snap->isTv, 0u);
    EXPECT_EQ(snap->providerIndex, 99) << "not filled by this query";
    EXPECT_EQ(snap->favMember[0][4], 1u);
    EXPECT_EQ(snap->favMember[3][1], 1u);
    EXPECT_EQ(snap->favMember[0][3], 0u);

    // List 4 in radio-only view: position 0 counts from the first radio entry (program 4).
    auto fromList = std::make_unique<ProgramSnapshot>();
    ASSERT_EQ(db.getProgramSnapshot((1u << 8) | kViewRadioOnly, 0, *fromList), 0);
    EXPECT_EQ(std::string(fromList->name), "Deutschlandfunk");
    // No list bit set: list 1.
    ASSERT_EQ(db.getProgramSnapshot(kViewTvOnly, 2, *fromList), 0);
    EXPECT_EQ(std::string(fromList->name), "Rai 1");
    EXPECT_EQ(fromList->isTv, 1u);
    EXPECT_EQ(std::string(fromList->satName), "Hotbird");

    EXPECT_EQ(db.getProgramSnapshot(0, 5, *snap), -3);
}

TEST_F(Queries, SnapshotOfProgramWhoseSatelliteIsMissingIsRefused) {
    build.transponder(42, 11000);  // no satellite 42
    image().programs[1].tpIndex = 3;
    auto snap = std::make_unique<ProgramSnapshot>();
    EXPECT_EQ(db.getProgramSnapshot(0, 1, *snap), -2);
    image().programs[1].tpIndex = 60000;  // beyond the table: checked, not read
    EXPECT_EQ(db.getProgramSnapshot(0, 1, *snap), -2);
}

TEST_F(Queries, ClipSnapshotRecordsFavouritePositions) {
    auto snap = std::make_unique<ProgramSnapshot>();
    ASSERT_EQ(db.getClipSnapshot(4, *snap), 0);
    EXPECT_EQ(snap->providerIndex, 0);
    EXPECT_EQ(snap->tpIndex, 1);
    EXPECT_EQ(snap->favPos[0], 4);
    EXPECT_EQ(snap->favPos[3], 1);
    EXPECT_EQ(snap->isTv, 0u);
    EXPECT_EQ(db.getClipSnapshot(5, *snap), -1);
    EXPECT_EQ(db.getClipSnapshot(-1, *snap), -1);
}

TEST_F(Queries, FavouriteMembershipUsesViewModeBits) {
    std::uint32_t mask = 0xFFFFFFFF;
    EXPECT_EQ(db.getFavMembership(1, mask), 0);
    EXPECT_EQ(mask, 0x20u | 0x100u);
    EXPECT_EQ(db.getFavMembership(3, mask), 0);
    EXPECT_EQ(mask, 0x20u);
    // An entry beyond favCount does not count.
    image().favourites[8].favEntries[0] = 3;
    EXPECT_EQ(db.getFavMembership(3, mask), 0);
    EXPECT_EQ(mask, 0x20u);
}

TEST_F(Queries, LookupsByKeyAndName) {
    EXPECT_EQ(db.findSatIndexById(9), 1);
    EXPECT_EQ(db.findSatIndexById(8), -1);
    int index = -7;
    EXPECT_EQ(db.findSatByName("Hotbird", &index), 9);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(db.findSatByName("hotbird"), -1) << "names compare case-sensitively";
    EXPECT_EQ(db.findTransponder(7, 12245), 1);
    EXPECT_EQ(db.findTransponder(9, 12245), -1);
    EXPECT_EQ(db.findIndexByName(kTableProviders, "ZDF"), 1);
    EXPECT_EQ(db.findIndexByName(kTableProviders, "RTL"), -1);
    EXPECT_EQ(db.findIndexByName(kTableFavourites, "Fav_4"), 3);
    EXPECT_EQ(db.findIndexByName(kTableSatellites, "Astra"), -5);
}

TEST_F(Queries, SixteenByteNamesHaveNoTerminatorAndStayInTheirField) {
    test::setName(image().satellites[0].name, "ABCDEFGHIJKLMNOP");
    image().satellites[0].tpCount = 0x5151;  // the next field would read as "QQ" if the name ran on
    EXPECT_EQ(nameText(image().satellites[0].name), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(db.findSatByName("ABCDEFGHIJKLMNOP"), 7);
    EXPECT_EQ(db.findSatByName("ABCDEFGHIJKLMNO"), -1);
    // Only the field's 16 bytes take part, as with strncmp over 16.
    EXPECT_EQ(db.findSatByName("ABCDEFGHIJKLMNOPQQ"), 7);
}

TEST(QueriesOnDamagedImages, ReferencesBeyondTheTablesAreNeverFollowed) {
    test::DatabaseFixture f;
    f.build.satellite(1, "S");
    f.build.transponder(1, 11000);
    f.build.provider("P");
    f.build.program("X", 0, 0, true);
    f.image().programs[0].providerIndex = 65535;
    f.image().programs[0].tpIndex = 65535;
    f.image().favourites[0].favCount = 400;
    f.image().favourites[0].favEntries[399] = 65535;
    auto snap = std::make_unique<ProgramSnapshot>();
    EXPECT_EQ(f.db.getProgramSnapshot(0, 0, *snap), -2);
    EXPECT_EQ(std::string(snap->providerName), "");
    EXPECT_EQ(f.db.getProgramSnapshot(1u << 5, 399, *snap), -3);
    EXPECT_EQ(f.db.getProgramSnapshot(kViewRadioOnly | (1u << 5), 399, *snap), -3);
    f.state->browse.filterKind = kFilterProvider;
    f.state->browse.selectedText = "P";
    EXPECT_EQ(f.db.isFilteredOut(0), 1);
    f.state->browse.filterKind = kFilterSatellite;
    f.state->browse.selectedText = "S";
    EXPECT_EQ(f.db.isFilteredOut(0), 1);
}

}  // namespace
}  // namespace vizud
