// Read-only queries: counts, records, program snapshots, lookups by key and name, on a small hand-made image,
// also with references that point beyond the tables.
#include <gtest/gtest.h>

#include <string>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

// The channel table of the editing tests, with list 1 holding P0 P1 P2 / P5 P6 and list 4 P1 / P6.
class Queries : public ::testing::Test, public test::Channels {
protected:
    void SetUp() override {
        fav(0, {0, 1, 2}, {5, 6}).fav(3, {1}, {6});
        for (int l = 0; l < kFavouriteLists; ++l)
            test::setName(image().favourites[l].favName, "Fav_" + std::to_string(l + 1));
    }
};

TEST_F(Queries, InfoCodesReadCountsAndListSplits) {
    // 506 + 2l: TV entries of list l; 507 + 2l: its radio entries.
    const struct {
        int code, result;
        std::uint32_t value;
    } cases[] = {{kInfoSatCount, 0, 2}, {kInfoProgramCount, 0, 9},
                 {kInfoTpCount, 0, 4},  {kInfoProviderCount, 0, 2},
                 {kInfoTvCount, 0, 5},  {kInfoFavouriteLists, 0, 9},
                 {506, 0, 3},           {507, 0, 2},
                 {512, 0, 1},           {513, 0, 1},
                 {523, 0, 0},           {524, -1, 77},
                 {499, -1, 77}};
    for (const auto& c : cases) {
        std::uint32_t value = 77;  // a bad code leaves the out value alone
        EXPECT_EQ(db.getInfo(c.code, value), c.result) << c.code;
        EXPECT_EQ(value, c.value) << c.code;
    }
}

TEST_F(Queries, GetRecordChecksCapacityBeforeCountAndSignExtends) {
    const struct {
        int table, index, result;
    } cases[] = {{499, 0, -1},
                 {505, 0, -1},
                 {kTableSatellites, 200, -2},
                 {kTableSatellites, 2, -3},
                 {kTablePrograms, 20000, -2},
                 {kTablePrograms, 9, -3},
                 {kTableProviders, 400, -2},
                 {kTableProviders, 2, -3},
                 {kTableFavourites, 9, -2},
                 {kTableTransponders, 3000, -4},
                 {kTableTransponders, -1, -4},
                 {kTableTransponders, 2999, 0}};
    // (A free transponder slot is read all the same.)
    for (const auto& c : cases) {
        RecordView view;
        EXPECT_EQ(db.getRecord(c.table, c.index, view), c.result) << c.table << " " << c.index;
    }
    // A satellite's record sign-extends its signed bytes.
    st_sat& sat = image().satellites[1];
    sat.diseqcMode = -1;
    sat.tone22k = 2;
    sat.eastWest = 'W';
    sat.diseqc11Port = 0x12;
    sat.positionerNo = 200;
    sat.motorEnabled = 1;
    sat.auxByte = 0x5A;
    RecordView view;
    view.word[12] = 0xDEAD;  // unused words keep what the caller left
    ASSERT_EQ(db.getRecord(kTableSatellites, 1, view), 0);
    const std::vector<std::uint32_t> words(view.word, view.word + 13);
    EXPECT_EQ(words,
              (std::vector<std::uint32_t>{9, 192, 1, 9750, 10600, 0xFFFFFFFF, 2, 1, 200, 0x5A, 'W', 0x12, 0xDEAD}));
    EXPECT_EQ(view.word16, image().satellites[1].name);
}

TEST_F(Queries, FavouriteRecordReadsAnEntryTheCountsAndTheNamesOfTheNextLists) {
    const auto read = [&](int list, int position) {
        RecordView view;
        view.word[0] = static_cast<std::uint32_t>(position);
        const int result = db.getRecord(kTableFavourites, list, view);
        std::string out = std::to_string(result);
        if (result == 0) {
            out += " " + std::to_string(view.word[1]) + " " + std::to_string(view.word[2]) + " " +
                   std::to_string(view.word[3]) + " " + view.word16;
            for (const char* next : {view.word17, view.word18})
                out += next != nullptr ? std::string(" ") + next : " -";
        }
        return out;
    };
    image().favourites[2].favCount = 400;
    EXPECT_EQ(read(0, 4), "0 6 5 3 Fav_1 Fav_2 Fav_3");
    EXPECT_EQ(read(0, 5), "-3") << "position at favCount";
    EXPECT_EQ(read(5, 0), "0 0 0 0 Fav_6 Fav_7 Fav_8") << "position 0 of an empty list is read";
    EXPECT_EQ(read(7, 0), "0 0 0 0 Fav_8 Fav_9 -");
    EXPECT_EQ(read(8, 0), "0 0 0 0 Fav_9 - -");
    EXPECT_EQ(read(2, 400), "-3");
    EXPECT_EQ(read(2, -1), "-4");
}

TEST_F(Queries, SnapshotsOfTheWholeTableOfListViewsAndForTheClipboard) {
    ProgramSnapshot snap;
    snap.providerIndex = 99;  // not filled by this query
    st_sat& astra = image().satellites[0];
    astra.eastWest = 'W';  // values no default shares, so a field left uncopied shows
    astra.auxByte = 0x5A;
    image().transponders[2].originalNetworkId = 0x3344;
    ASSERT_EQ(db.getProgramSnapshot(0, 6, snap), 0);
    EXPECT_EQ(std::tuple(snap.satTpCount, snap.eastWest, snap.auxByte, snap.originalNetworkId),
              std::tuple(3, 'W', 0x5A, 0x3344));
    EXPECT_EQ(std::string(snap.name) + "|" + snap.providerName + "|" + snap.satName + "|" + std::to_string(snap.satId) +
                  "|" + std::to_string(snap.frequency) + "|" + std::to_string(snap.isTv) + "|" +
                  std::to_string(snap.providerIndex) + "|" + std::to_string(snap.favPlace[0].position) +
                  std::to_string(snap.favPlace[3].entries) + std::to_string(snap.favPlace[1].entries),
              "P6|ARD|Astra|7|12500|0|99|410");
    EXPECT_EQ(db.getProgramSnapshot(0, 9, snap), -3);

    const struct {
        std::uint32_t mode;
        int row;
        const char* name;
    } views[] = {{(1u << 8) | kViewRadioOnly, 0, "P6"},  // list 4's radio part: counted from its first radio entry
                 {kViewTvOnly, 2, "P2"},                 // no list bit: list 1
                 {(1u << 5) | (1u << 8), 1, "P1"}};      // two list bits: the first
    for (const auto& v : views) {
        ProgramSnapshot row;
        ASSERT_EQ(db.getProgramSnapshot(v.mode, v.row, row), 0);
        EXPECT_STREQ(row.name, v.name);
    }

    // The clipboard's snapshot and the membership mask record the favourite places.
    fav(5, {}, {6, 7, 6});  // a damaged list naming P6 twice
    image().programs[6].pcrPid = 0x1ABC;
    snap = ProgramSnapshot{};
    ASSERT_EQ(db.getClipSnapshot(6, snap), 0);
    EXPECT_EQ(snap.pcrPid, 0x1ABC);
    std::string places;
    for (const ListPlace& place : snap.favPlace)
        places += " " + std::to_string(place.entries) + "@" + std::to_string(place.position);
    EXPECT_EQ(std::to_string(snap.providerIndex) + " " + std::to_string(snap.tpIndex) + " " +
                  std::to_string(snap.isTv) + " |" + places,
              "0 2 0 | 1@4 0@0 0@0 1@1 0@0 2@2 0@0 0@0 0@0");
    EXPECT_EQ(std::vector<int>({db.getClipSnapshot(9, snap), db.getClipSnapshot(-1, snap)}),
              std::vector<int>({-1, -1}));
    // The membership mask uses the view mode's list bits.
    st_fav& last = image().favourites[8];
    last.favCount = last.favTvCount = 32;  // 32 entries of P0, and P5 beyond favCount, which does not count
    last.favEntries[32] = 5;
    std::uint32_t one = 0xFFFFFFFF, five = 0;
    EXPECT_EQ(std::vector<int>({db.getFavMembership(1, one), db.getFavMembership(5, five)}), std::vector<int>({0, 0}));
    EXPECT_EQ(std::pair(one, five), std::pair(0x20u | 0x100u, 0x20u));
}

TEST_F(Queries, LookupsByKeyAndName) {
    int index = -7;
    test::setName(image().satellites[0].name, "ABCDEFGHIJKLMNOP");
    image().satellites[0].tpCount = 0x5151;  // the next field would read as "QQ" if the name ran on
    const struct {
        int found, expected;
    } cases[] = {{db.findSatByName("Hotbird", &index), 9},
                 {index, 1},
                 {db.findSatIndexById(9), 1},
                 {db.findSatIndexById(8), -1},
                 {db.findSatByName("hotbird"), -1},  // names compare case-sensitively
                 {db.findSatByName("ABCDEFGHIJKLMNOP"), 7},
                 {db.findSatByName("ABCDEFGHIJKLMNO"), -1},
                 {db.findSatByName("ABCDEFGHIJKLMNOPQQ"), 7},  // only the field's 16 bytes take part
                 {db.findTransponder(7, 11720), 1},
                 {db.findTransponder(9, 11720), -1},
                 {db.findIndexByName(kTableProviders, "ZDF"), 1},
                 {db.findIndexByName(kTableProviders, "RTL"), -1},
                 {db.findIndexByName(kTableFavourites, "Fav_4"), 3},
                 {db.findIndexByName(kTableSatellites, "Astra"), -5}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].found, cases[i].expected) << "case " << i;
    EXPECT_EQ(nameText(image().satellites[0].name), "ABCDEFGHIJKLMNOP");
    image().tpCount = 3;  // 9:10992 is left behind the table
    EXPECT_EQ(db.findTransponder(9, 10992), -1);
}

// A program whose transponder has no satellite, or whose references point beyond the tables, has no
// snapshot and is shown by no filter; and nothing is read beyond a table for it.
TEST_F(Queries, ReferencesWithoutTheirRecordsAreNeverFollowed) {
    build.transponder(42, 11000);  // no satellite 42
    image().programs[1].tpIndex = 4;
    image().programs[2].providerIndex = image().programs[2].tpIndex = 65535;
    image().favourites[0].favCount = 400;
    image().favourites[0].favEntries[399] = 65535;
    ProgramSnapshot snap, beyond;
    EXPECT_EQ(db.getProgramSnapshot(0, 1, snap), -2);
    EXPECT_EQ(db.getProgramSnapshot(0, 2, beyond), -2);
    EXPECT_STREQ(beyond.providerName, "");
    for (const std::uint32_t mode : {1u << 5, kViewRadioOnly | (1u << 5)})
        EXPECT_EQ(db.getProgramSnapshot(mode, 399, snap), -3) << mode;
    for (const auto& [kind, text] : {std::pair{kFilterProvider, "ARD"}, std::pair{kFilterSatellite, "Astra"}}) {
        state->browse.filterKind = kind;
        state->browse.selectedText = text;
        EXPECT_EQ(db.isFilteredOut(2), 1) << text;
    }
}

// Arguments just outside the tables, and records behind them, find nothing.
TEST_F(Queries, NothingIsFoundOutsideTheTables) {
    test::setName(image().providers[2].name, "RTL");  // behind the provider table
    image().favourites[0].favEntries[4] = 0xFFFF;     // a damaged entry
    std::uint32_t mask = 1;
    ProgramSnapshot snap;
    EXPECT_EQ(std::vector<int>({db.findIndexByName(kTableProviders, "RTL"), db.findIndexByName(kTableFavourites, "Fav"),
                                db.getProgramSnapshot(1u << 5, -1, snap), db.getFavMembership(-1, mask)}),
              std::vector<int>({-1, -1, -3, 0}));
    EXPECT_EQ(mask, 0u);
}

}  // namespace
}  // namespace vizud
