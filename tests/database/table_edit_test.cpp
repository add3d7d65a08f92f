// Satellites, transponders, providers and favourite lists: sorted inserts, renumbering of the programs'
// references, the refusals at exactly the capacities, and a damaged image that must not be overrun.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;
using test::entries;

// Satellite A (7): 10700, 11720, 12500; satellite B (9): 10992. Programs on transponders 3, 2, 1.
class TableEdits : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.satellite(9, "Hotbird");
        build.transponder(7, 10700);
        build.transponder(7, 11720);
        build.transponder(7, 12500);
        build.transponder(9, 10992);
        build.provider("ARD");
        build.provider("ZDF");
        build.program("Das Erste", 3, 0, true);
        build.program("ZDF", 2, 1, true);
        build.program("Bayern 3", 1, 1, false);
    }

    RecordView transponder(int satId, int frequency, int polarization = 1) {
        RecordView view;
        view.word[0] = static_cast<std::uint32_t>(satId);
        view.word[2] = static_cast<std::uint32_t>(polarization);
        view.word[7] = static_cast<std::uint32_t>(frequency);
        view.word[8] = 27500;
        return view;
    }
    std::vector<int> frequencies() {
        std::vector<int> out;
        for (int t = 0; t < image().tpCount; ++t)
            out.push_back(image().transponders[t].frequency);
        return out;
    }
};

TEST_F(TableEdits, TransponderInsertGoesAfterEqualFrequenciesAndMovesReferences) {
    RecordView view = transponder(7, 11720);
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpInsert, 0, view), 0);
    EXPECT_EQ(frequencies(), (std::vector<int>{10700, 11720, 11720, 12500, 10992}));
    EXPECT_EQ(image().transponders[2].polarization, 1);
    EXPECT_EQ(image().satellites[0].tpCount, 4);
    EXPECT_EQ(image().satellites[1].tpCount, 1);
    EXPECT_EQ(image().programs[0].tpIndex, 4);
    EXPECT_EQ(image().programs[1].tpIndex, 3);
    EXPECT_EQ(image().programs[2].tpIndex, 1);
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

TEST_F(TableEdits, DuplicateTransponderIsRefusedOnlyOnItsOwnSatellite) {
    RecordView same = transponder(7, 11720, 0);
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpInsert, 0, same), -10);
    EXPECT_EQ(messages.texts(), (Texts{"Transponder with entered values exist"}));
    EXPECT_EQ(image().tpCount, 4);
    RecordView elsewhere = transponder(9, 11720, 0);
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpInsert, 0, elsewhere), 0);
    EXPECT_EQ(frequencies(), (std::vector<int>{10700, 11720, 12500, 10992, 11720}));
}

TEST_F(TableEdits, TheThreeThousandthTransponderFitsAndTheNextDoesNot) {
    for (int f = 0; image().tpCount < kMaxTransponders - 1; ++f)
        build.transponder(9, 11000 + f);
    RecordView view = transponder(7, 12000);
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpInsert, 0, view), 0);
    EXPECT_EQ(image().tpCount, kMaxTransponders);
    const auto full = std::make_unique<all_tables_block>(image());
    RecordView next = transponder(7, 12100);
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpInsert, 0, next), -1);
    EXPECT_EQ(messages.texts(), (Texts{"Not enought free space in transponder table."}));
    EXPECT_EQ(test::firstDifference(*full, image()), -1);
}

TEST_F(TableEdits, DeletingATransponderLowersItsOwnSatelliteAndLaterReferences) {
    RecordView view;
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 1, view), -8) << "Bayern 3 uses it";
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 4, view), -3);
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 3000, view), -2);
    image().programs[1].tpIndex = 3;
    // The last transponder of A (12500) is followed by B's: A loses it, B keeps its count.
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 2, view), 0);
    EXPECT_EQ(frequencies(), (std::vector<int>{10700, 11720, 10992}));
    EXPECT_EQ(image().satellites[0].tpCount, 2);
    EXPECT_EQ(image().satellites[1].tpCount, 1);
    EXPECT_EQ(image().programs[0].tpIndex, 2);
    EXPECT_EQ(image().programs[2].tpIndex, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TableEdits, ACutProgramInTheClipboardKeepsItsTransponder) {
    auto* node = new ProgramSnapshot;
    node->tpIndex = 0;
    node->programIndex = -1;
    state->programClipboard = node;
    RecordView view;
    EXPECT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 0, view), -8);
    node->tpIndex = 2;
    image().programs[1].tpIndex = 3;
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpDelete, 0, view), 0);
    EXPECT_EQ(node->tpIndex, 1) << "clipboard nodes follow the table like programs do";
}

TEST_F(TableEdits, ChangingAFrequencyMovesTheTransponderToItsPlace) {
    RecordView view;
    ASSERT_EQ(db.getRecord(kTableTransponders, 0, view), 0);
    view.word[7] = 12000;
    image().programs[1].tpIndex = 0;
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpUpdate, 0, view), 0);
    EXPECT_EQ(frequencies(), (std::vector<int>{11720, 12000, 12500, 10992}));
    EXPECT_EQ(image().programs[1].tpIndex, 1);
    EXPECT_EQ(image().programs[2].tpIndex, 0);
    // Moving it to the other satellite moves the counts too.
    view.word[0] = 9;
    ASSERT_EQ(db.modifyRecord(kTableTransponders, kOpUpdate, 1, view), 0);
    EXPECT_EQ(frequencies(), (std::vector<int>{11720, 12500, 10992, 12000}));
    EXPECT_EQ(image().satellites[0].tpCount, 2);
    EXPECT_EQ(image().satellites[1].tpCount, 2);
    EXPECT_EQ(image().programs[1].tpIndex, 3);
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

TEST_F(TableEdits, PositionerNumberIsChosenWhenLeftAtZero) {
    image().satellites[1].positionerNo = 29;
    RecordView view;
    ASSERT_EQ(db.getRecord(kTableSatellites, 0, view), 0);
    view.word[7] = 1;
    view.word[8] = 0;
    image().satellites[0].positionerNo = 30;
    ASSERT_EQ(db.setSatellite(0, view), 0);
    EXPECT_EQ(image().satellites[0].positionerNo, 31) << "its own 30 counts as taken";
    view.word[8] = 45;
    ASSERT_EQ(db.setSatellite(0, view), 0);
    EXPECT_EQ(image().satellites[0].positionerNo, 45);
}

TEST_F(TableEdits, ANewSatelliteIsAppendedRightAfterTheLast) {
    RecordView view;
    view.word[0] = 300;
    view.word[10] = 'W';
    view.word16 = "Eutelsat 5 West A";
    ASSERT_EQ(db.setSatellite(150, view), 0);
    EXPECT_EQ(image().satCount, 3);
    EXPECT_EQ(image().satellites[2].satId, 300);
    EXPECT_EQ(nameText(image().satellites[2].name), "Eutelsat 5 West ");
    EXPECT_EQ(image().satellites[2].eastWest, 'W');
    EXPECT_EQ(db.setSatellite(200, view), -2);
    EXPECT_EQ(db.setSatellite(-1, view), -2);
}

TEST_F(TableEdits, TheTwoHundredthSatelliteFitsAndTheNextDoesNot) {
    for (int s = 2; s < kMaxSatellites - 1; ++s)
        build.satellite(1000 + s, "Filler");
    RecordView view;
    view.word[0] = 500;
    view.word16 = "Last";
    ASSERT_EQ(db.setSatellite(kMaxSatellites - 1, view), 0);
    EXPECT_EQ(image().satCount, kMaxSatellites);
    const auto full = std::make_unique<all_tables_block>(image());
    EXPECT_EQ(db.setSatellite(kMaxSatellites, view), -2);
    EXPECT_EQ(test::firstDifference(*full, image()), -1);
}

TEST_F(TableEdits, AnAddedSatelliteTakesAFreeKeyAndTheTableStopsAtTwoHundred) {
    image().transponders[3].satId = 2;  // a transponder whose satellite is missing keeps key 2 taken
    st_sat sat{};
    sat.satId = 7;
    EXPECT_EQ(db.addSatellite(sat), 2);
    EXPECT_EQ(image().satellites[2].satId, 0) << "not its own index 2 (taken), the lowest free key";
    EXPECT_EQ(db.addSatellite(sat), 3);
    EXPECT_EQ(image().satellites[3].satId, 3) << "its own index when free";
    for (int s = 4; s < kMaxSatellites; ++s)
        ASSERT_EQ(db.addSatellite(sat), s);
    const auto full = std::make_unique<all_tables_block>(image());
    EXPECT_EQ(db.addSatellite(sat), -1);
    EXPECT_EQ(test::firstDifference(*full, image()), -1);
}

TEST_F(TableEdits, ASatelliteGoesWithItsTranspondersAndProgramsUnlessTheClipboardNeedsThem) {
    build.favourites(0, {1, 0}, {2});
    auto* node = new ProgramSnapshot;
    node->tpIndex = 2;
    node->programIndex = -1;
    state->programClipboard = node;
    const auto contents = db.satelliteContents(0);
    EXPECT_EQ(contents.transponders, 3);
    EXPECT_EQ(contents.programs, 2);
    EXPECT_TRUE(contents.neededByClipboard);
    const auto before = std::make_unique<all_tables_block>(image());
    EXPECT_EQ(db.deleteSatellite(0), -8);
    EXPECT_EQ(test::firstDifference(*before, image()), -1);
    node->tpIndex = 3;
    ASSERT_EQ(db.deleteSatellite(0), 0);
    EXPECT_EQ(image().satCount, 1);
    EXPECT_STREQ(image().satellites[0].name, "Hotbird");
    EXPECT_EQ(image().tpCount, 1);
    ASSERT_EQ(image().programCount, 1);
    EXPECT_STREQ(image().programs[0].name, "Das Erste");
    EXPECT_EQ(image().programs[0].tpIndex, 0);
    EXPECT_EQ(node->tpIndex, 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0}));
    EXPECT_EQ(db.deleteSatellite(1), -1);
}

TEST_F(TableEdits, ProviderInsertAndRename) {
    RecordView view;
    view.word16 = "Sky Deutschland!";
    ASSERT_EQ(db.modifyRecord(kTableProviders, kOpInsert, 2, view), 0);
    EXPECT_EQ(nameText(image().providers[2].name), "Sky Deutschland!");
    // Put in before ZDF: the programs of ZDF follow it.
    ASSERT_EQ(db.modifyRecord(kTableProviders, kOpInsert, 1, view), 0);
    EXPECT_EQ(image().programs[1].providerIndex, 2);
    EXPECT_EQ(image().programs[0].providerIndex, 0);
    view.word16 = "ORF";
    ASSERT_EQ(db.modifyRecord(kTableProviders, kOpUpdate, 3, view), 0);
    EXPECT_EQ(nameText(image().providers[3].name), "ORF");
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpUpdate, 4, view), -3);
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpInsert, 5, view), -3);
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpInsert, 400, view), -2);
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpDelete, 0, view), -1);
    while (image().providerCount < kMaxProviders - 1)
        build.provider("Filler");
    ASSERT_EQ(db.modifyRecord(kTableProviders, kOpInsert, kMaxProviders - 1, view), 0);
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpInsert, kMaxProviders, view), -2);
    EXPECT_EQ(db.modifyRecord(kTableProviders, kOpInsert, 0, view), -4);
    EXPECT_EQ(messages.texts(), (Texts{"Provider table is full."}));
}

TEST_F(TableEdits, FavouriteAddKeepsTvBeforeRadio) {
    for (int p = 0; p < 8; ++p)
        build.program("Radio", 0, 0, false);
    image().tvCount = 3;  // programs 0..2 TV, 3..10 radio
    build.favourites(0, {0}, {7, 9});
    RecordView view;
    view.word[1] = 2;
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 0, view), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0, 2, 7, 9}));
    EXPECT_EQ(image().favourites[0].favTvCount, 2);
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 0, view), 0) << "already there";
    EXPECT_EQ(image().favourites[0].favCount, 4);
    view.word[1] = 3;
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 0, view), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0, 2, 7, 9, 3}));
    view.word[1] = 7;
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpDelete, 0, view), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0, 2, 9, 3}));
    EXPECT_EQ(image().favourites[0].favTvCount, 2);
    view.word[1] = 5;
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpDelete, 0, view), 0);
    EXPECT_EQ(image().favourites[0].favCount, 4);
    view.word[1] = 11;
    EXPECT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 0, view), -3) << "no program 11";
    EXPECT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 9, view), -4);
    EXPECT_EQ(db.modifyRecord(kTableFavourites, kOpDelete, 9, view), -4);
    EXPECT_EQ(db.modifyRecord(kTableFavourites, 553, 0, view), -1);
}

TEST_F(TableEdits, AListTakesItsThreeHundredNinetyNinthButNotItsFourHundredthByAdd) {
    for (int p = 0; p < 500; ++p)
        build.program("Radio", 0, 0, false);
    st_fav& list = image().favourites[2];
    for (int i = 0; i < 398; ++i)
        list.favEntries[i] = static_cast<std::uint16_t>(3 + i);
    list.favCount = 398;
    RecordView view;
    view.word[1] = 450;
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 2, view), 0);
    EXPECT_EQ(list.favCount, 399);
    view.word[1] = 451;
    EXPECT_EQ(db.modifyRecord(kTableFavourites, kOpInsert, 2, view), -6);
    EXPECT_EQ(list.favCount, 399);
}

TEST_F(TableEdits, RenamingAListStoresSixteenBytes) {
    RecordView view;
    view.word16 = "A twenty char name!!";
    ASSERT_EQ(db.modifyRecord(kTableFavourites, kOpUpdate, 8, view), 0);
    EXPECT_EQ(std::memcmp(image().favourites[8].favName, "A twenty char na", 16), 0);
    EXPECT_EQ(nameText(image().favourites[8].favName), "A twenty char na");
    EXPECT_EQ(image().favourites[8].favEntries[0], 0) << "the entries behind the name are untouched";
    EXPECT_EQ(db.modifyRecord(kTableFavourites, kOpUpdate, 9, view), -2);
}

// References that point anywhere: no edit may read or write outside the image for them.
TEST(DamagedImage, EditsStayInsideTheTables) {
    test::DatabaseFixture fx;
    test::makeImage(fx.image(), 9, test::fullShape());
    all_tables_block& img = fx.image();
    for (int p = 0; p < img.programCount; p += 3) {
        img.programs[p].tpIndex = 0xFFFF;
        img.programs[p].providerIndex = 0xFFF0;
    }
    for (st_fav& list : img.favourites) {
        for (int i = 0; i < list.favCount; i += 2)
            list.favEntries[i] = 0xFFFF;
    }
    img.satellites[0].satId = 0xFFFF;
    ProgramSnapshot snap;
    fx.db.getProgramSnapshot(0, 1, snap);
    RecordView view;
    view.word[0] = 0xFFFFFFFF;
    view.word[1] = 0xFFFFFFFF;
    for (const int table : {500, 501, 502, 503, 504}) {
        for (const int op : {550, 551, 552, 553}) {
            for (const int index : {-1, 0, 399, 19999, 20000, 65535}) {
                fx.db.modifyRecord(table, op, index, view);
            }
        }
    }
    std::uint32_t mask = 0xFFFFFFFF;
    fx.db.deleteInView(0, mask);
    int position = 65535;
    fx.db.pasteClipboard(position);
    test::SnapshotList nodes;
    nodes.append(snap);
    fx.db.pasteSnapshots(501, -1, 19999, nodes.head(), kViewWholeTable);
    fx.db.pasteSnapshotsBatch(504, 8, 3, nodes.head(), 1u << 13);
    fx.db.renumberAfterDrop(-5);
    EXPECT_TRUE(countsWithinCapacity(img));
}

}  // namespace
}  // namespace vizud
