// Program edits, the list's delete and paste, drag repair: the cases that break renumbering and the
// TV/radio boundary, and the refusals at exactly the capacities.
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

// Two satellites, four transponders, two providers, programs 0..4 TV and 5..8 radio.
class ProgramEdits : public ::testing::Test, public test::DatabaseFixture {
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
        for (int p = 0; p < 9; ++p)
            build.program("P" + std::to_string(p), p % 4, p % 2, p < 5, 100 + p);
    }

    RecordView record(const char* name, int tp = 1) {
        RecordView view;
        view.word[0] = 4711;
        view.word[1] = 1;
        view.word[2] = static_cast<std::uint32_t>(tp);
        view.word[3] = 101;
        view.word[4] = 102;
        view.word[5] = 103;
        view.word16 = name;
        return view;
    }

    std::string programName(int p) { return nameText(image().programs[p].name); }

    // A node for program p as the list's Copy makes it; cut nodes name no program.
    ProgramSnapshot* clipNode(int p, bool cut) {
        auto* node = new ProgramSnapshot;
        node->pasted = 1;
        db.getClipSnapshot(p, *node);
        node->programIndex = cut ? -1 : p;
        return node;
    }
    void setClipboard(std::vector<ProgramSnapshot*> nodes) {
        freeSnapshotList(state->programClipboard);
        for (std::size_t i = 0; i + 1 < nodes.size(); ++i)
            nodes[i]->next = nodes[i + 1];
        state->programClipboard = nodes.empty() ? nullptr : nodes.front();
    }
};

TEST_F(ProgramEdits, DeletingTheOnlyTvProgramEmptiesTheTvPart) {
    image().tvCount = 1;
    build.favourites(0, {0}, {2, 3});
    build.favourites(1, {}, {1, 8});
    RecordView view;
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 0, view), 0);
    EXPECT_EQ(image().tvCount, 0);
    EXPECT_EQ(image().programCount, 8);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 2}));
    EXPECT_EQ(image().favourites[0].favTvCount, 0);
    EXPECT_EQ(entries(image().favourites[1]), (std::vector<int>{0, 7}));
    EXPECT_EQ(programName(0), "P1");
}

TEST_F(ProgramEdits, DeletingTheFirstRadioEntryKeepsTheTvPart) {
    build.favourites(0, {1, 3}, {5, 7});
    RecordView view;
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 5, view), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 3, 6}));
    EXPECT_EQ(image().favourites[0].favTvCount, 2);
    EXPECT_EQ(image().tvCount, 5);
}

TEST_F(ProgramEdits, DeleteDuringADragLeavesTheListsAlone) {
    build.favourites(0, {1, 3}, {5, 7});
    state->dragActive = 1;
    RecordView view;
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 1, view), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 8, view), -3);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 20000, view), -2);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, -1, view), -2);
}

TEST_F(ProgramEdits, InsertingATvProgramMovesEveryLaterReference) {
    build.favourites(0, {1, 3, 4}, {5, 8});
    state->newProgramKind = 0;
    RecordView view = record("New TV");
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 3, view), 0);
    EXPECT_EQ(state->newProgramKind, -1);
    EXPECT_EQ(image().tvCount, 6);
    EXPECT_EQ(image().programCount, 10);
    EXPECT_EQ(programName(3), "New TV");
    EXPECT_EQ(programName(4), "P3");
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 4, 5, 6, 9}));
    EXPECT_EQ(image().programs[3].serviceId, 4711);
}

TEST_F(ProgramEdits, InsertsOnTheWrongSideOfTheBoundaryAreRefused) {
    const auto before = std::make_unique<all_tables_block>(image());
    RecordView view = record("X");
    state->newProgramKind = 0;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 6, view), -8);
    state->newProgramKind = 1;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 4, view), -7);
    EXPECT_EQ(messages.texts(),
              (Texts{"Can't put TV program among Radio program", "Can't put Radio program among TV program"}));
    EXPECT_EQ(test::firstDifference(*before, image()), -1);
    // At the boundary both kinds are accepted: TV at 5 becomes the last TV program, radio the first radio.
    state->newProgramKind = 0;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 5, view), 0);
    state->newProgramKind = 1;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 6, view), 0);
    EXPECT_EQ(image().tvCount, 6);
}

TEST_F(ProgramEdits, InsertWithoutAKindStillRenumbersTheLists) {
    build.favourites(2, {4}, {6});
    RecordView view = record("Old style");
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 2, view), 0);
    EXPECT_EQ(image().tvCount, 6);
    EXPECT_EQ(entries(image().favourites[2]), (std::vector<int>{5, 7}));
}

TEST_F(ProgramEdits, TheTwentyThousandthProgramFitsAndTheNextDoesNot) {
    auto img = test::makeImage(3, test::fullShape());
    std::memcpy(&image(), img.get(), kImageSize);
    RecordView view = record("Last", 0);
    view.word[1] = 0;
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 0, view), 0);
    state->newProgramKind = 0;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 0, view), 0);
    EXPECT_EQ(image().programCount, kMaxPrograms);
    const auto full = std::make_unique<all_tables_block>(image());
    for (const int kind : {0, -1}) {
        state->newProgramKind = kind;
        EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpInsert, 0, view), -4);
    }
    EXPECT_EQ(messages.texts(), (Texts{"Database is full.", "Database is full."}));
    EXPECT_EQ(test::firstDifference(*full, image()), -1);
}

TEST_F(ProgramEdits, UpdateWritesTheFieldsInPlace) {
    image().programs[2].reserved12[0] = 0xAB;
    RecordView view = record("Renamed but much longer than sixteen");
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpUpdate, 2, view), 0);
    EXPECT_EQ(programName(2), "Renamed but much");
    EXPECT_EQ(image().programs[2].reserved12[0], 0xAB);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpUpdate, 9, view), -3);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpUpdate, 20000, view), -2);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, 554, 0, view), -1);
    EXPECT_EQ(db.modifyRecord(505, kOpUpdate, 0, view), -1);
}

TEST_F(ProgramEdits, RemovingAListEntryByViewPosition) {
    build.favourites(4, {0, 2}, {5, 6, 8});
    RecordView view;
    view.word[0] = 4;
    view.word[1] = 1;  // counted from the first radio entry
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpRemoveListEntry, 1, view), 0);
    EXPECT_EQ(entries(image().favourites[4]), (std::vector<int>{0, 2, 5, 8}));
    EXPECT_EQ(image().favourites[4].favTvCount, 2);
    view.word[1] = 0;
    ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpRemoveListEntry, 0, view), 0);
    EXPECT_EQ(entries(image().favourites[4]), (std::vector<int>{2, 5, 8}));
    EXPECT_EQ(image().favourites[4].favTvCount, 1);
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpRemoveListEntry, 3, view), -3);
    view.word[0] = 9;
    EXPECT_EQ(db.modifyRecord(kTablePrograms, kOpRemoveListEntry, 0, view), -2);
}

TEST_F(ProgramEdits, DeleteInTheWholeTableFollowsListsAndClipboard) {
    build.favourites(0, {1, 3}, {5});
    setClipboard({clipNode(2, false), clipNode(3, false), clipNode(7, false)});
    state->browse.selectedText = "Satellites";
    std::uint32_t mask = 0;
    db.getFavMembership(3, mask);
    ASSERT_EQ(db.deleteInView(3, mask), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 4}));
    EXPECT_EQ(image().favourites[0].favTvCount, 1);
    const ProgramSnapshot* node = state->programClipboard;
    EXPECT_EQ(node->programIndex, 2);
    EXPECT_EQ(node->next->programIndex, -1) << "a node of the deleted program names none";
    EXPECT_EQ(node->next->next->programIndex, 6);
    EXPECT_EQ(db.deleteInView(8, 0), -1);
}

TEST_F(ProgramEdits, DeleteUnderFavsAndInAListKeepsTheProgram) {
    build.favourites(0, {1, 3}, {5});
    build.favourites(3, {3}, {});
    build.favourites(5, {3}, {6});
    state->browse.selectedText = "Favs";
    ASSERT_EQ(db.deleteInView(3, (1u << 5) | (1u << 8)), 0);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{1, 5}));
    EXPECT_EQ(entries(image().favourites[3]), (std::vector<int>{}));
    EXPECT_EQ(entries(image().favourites[5]), (std::vector<int>{3, 6}));
    EXPECT_EQ(image().programCount, 9);

    state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 5));
    EXPECT_EQ(db.deleteInView(6, 0), 0);
    EXPECT_EQ(entries(image().favourites[5]), (std::vector<int>{3}));
    EXPECT_EQ(db.deleteInView(6, 0), -1);
}

TEST_F(ProgramEdits, PastePositionIsCheckedAgainstTheBoundary) {
    setClipboard({clipNode(1, false)});
    EXPECT_EQ(db.checkPastePosition(5), 1);
    EXPECT_EQ(db.checkPastePosition(6), 0);
    setClipboard({clipNode(6, false)});
    EXPECT_EQ(db.checkPastePosition(5), 1);
    EXPECT_EQ(db.checkPastePosition(4), 0);
    EXPECT_EQ(messages.texts(),
              (Texts{"Can't put TV program among radio program.", "Can't put radio program among TV program."}));
}

TEST_F(ProgramEdits, ACutProgramPastedBackReturnsToItsLists) {
    build.favourites(0, {0, 2, 4}, {6});
    build.favourites(1, {2}, {});
    build.favourites(2, {}, {6, 7, 8});
    state->browse.selectedText = "Satellites";
    setClipboard({clipNode(2, true), clipNode(6, true)});
    for (const int p : {6, 2}) {
        std::uint32_t mask = 0;
        db.getFavMembership(p, mask);
        ASSERT_EQ(db.deleteInView(p, mask), 0);
    }
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0, 3}));
    // Paste both back in front of the first radio program.
    int target = image().tvCount;
    // Mixed TV and radio: the TV node goes to the end of the TV part, the radio node starts the radio part.
    ASSERT_EQ(db.checkPastePosition(target), 1);
    state->pasteActive = 1;
    ASSERT_EQ(db.pasteClipboard(target), 0);
    state->pasteActive = 0;
    EXPECT_EQ(programName(4), "P2");
    EXPECT_EQ(programName(5), "P6");
    EXPECT_EQ(image().tvCount, 5);
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{0, 4, 3, 5}));
    EXPECT_EQ(image().favourites[0].favTvCount, 3);
    EXPECT_EQ(entries(image().favourites[1]), (std::vector<int>{4}));
    EXPECT_EQ(entries(image().favourites[2]), (std::vector<int>{5, 7, 8}));
    EXPECT_EQ(state->programClipboard->programIndex, 4);
    EXPECT_EQ(state->programClipboard->next->programIndex, 5);
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

TEST_F(ProgramEdits, PasteIntoAFullTableIsRefusedWithoutAMessage) {
    auto img = test::makeImage(4, test::fullShape());
    std::memcpy(&image(), img.get(), kImageSize);
    setClipboard({clipNode(1, false)});
    int target = 1;
    EXPECT_EQ(db.pasteClipboard(target), -1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(test::firstDifference(*img, image()), -1);
    EXPECT_EQ(state->programClipboard->pasted, 0u);
}

TEST_F(ProgramEdits, AClipboardNodeNamingAMissingTransponderIsNotPasted) {
    ProgramSnapshot* node = clipNode(1, true);
    node->tpIndex = 4;  // the table has four transponders
    setClipboard({node});
    const auto before = std::make_unique<all_tables_block>(image());
    int target = 2;
    EXPECT_EQ(db.pasteClipboard(target), -1);
    state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 2));
    target = 0;
    EXPECT_EQ(db.pasteClipboard(target), -1);
    EXPECT_EQ(test::firstDifference(*before, image()), -1);
    EXPECT_EQ(node->pasted, 0u);
}

TEST_F(ProgramEdits, ClipboardPasteIntoAListStopsAtTwoHundred) {
    st_fav& list = image().favourites[6];
    list.favCount = 199;
    list.favTvCount = 199;
    for (int i = 0; i < 199; ++i)
        list.favEntries[i] = static_cast<std::uint16_t>(i % 5);
    state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 6));
    setClipboard({clipNode(1, false), clipNode(2, false)});
    int target = 199;
    EXPECT_EQ(db.pasteClipboard(target), -1);
    setClipboard({clipNode(1, false)});
    EXPECT_EQ(db.pasteClipboard(target), 0);
    EXPECT_EQ(list.favCount, 200);
    EXPECT_EQ(list.favEntries[199], 1);
    EXPECT_EQ(list.favTvCount, 200);
}

TEST_F(ProgramEdits, ClipboardPasteIntoAListCreatesCutPrograms) {
    build.favourites(6, {0}, {5});
    state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 6));
    ProgramSnapshot* tv = clipNode(3, true);
    ProgramSnapshot* copied = clipNode(7, false);
    setClipboard({tv, copied});
    int target = 1;
    ASSERT_EQ(db.pasteClipboard(target), 0);
    // The cut TV program is created at the end of the TV programs, which moves program 7 to 8.
    EXPECT_EQ(image().tvCount, 6);
    EXPECT_EQ(programName(5), "P3");
    EXPECT_EQ(entries(image().favourites[6]), (std::vector<int>{0, 5, 8, 6}));
    EXPECT_EQ(image().favourites[6].favTvCount, 2);
    EXPECT_EQ(copied->programIndex, 8);
    EXPECT_EQ(test::brokenRule(image(), true), "");
}

// Snapshots carry their satellite, provider and transponder: as a drop, or into another image.
class SnapshotPaste : public ProgramEdits {
protected:
    ProgramSnapshot node(int p) {
        ProgramSnapshot snap;
        EXPECT_EQ(db.getProgramSnapshot(0, p, snap), 0);
        snap.programIndex = p;
        return snap;
    }
};

TEST_F(SnapshotPaste, TvNodesGoAtTheBoundaryAndNotBehindIt) {
    test::SnapshotList nodes;
    nodes.append(node(0));
    nodes.append(node(1));
    EXPECT_EQ(db.pasteSnapshots(kTablePrograms, -1, 6, nodes.head(), kViewWholeTable | kViewTvAndRadio), -8);
    EXPECT_EQ(messages.texts(), (Texts{"Can't put TV program among Radio program"}));
    ASSERT_EQ(db.pasteSnapshots(kTablePrograms, -1, 5, nodes.head(), kViewWholeTable | kViewTvAndRadio), 0);
    EXPECT_EQ(image().tvCount, 7);
    EXPECT_EQ(programName(5), "P0");
    EXPECT_EQ(programName(6), "P1");
    EXPECT_EQ(nodes.nodes[0]->pasted, 1u);
}

TEST_F(SnapshotPaste, ARadioNodeBeforeATvNodeIsRefused) {
    test::SnapshotList nodes;
    nodes.append(node(6));
    nodes.append(node(0));
    const auto before = std::make_unique<all_tables_block>(image());
    EXPECT_EQ(db.pasteSnapshotsBatch(kTablePrograms, -1, 5, nodes.head(), kViewWholeTable | kViewTvAndRadio), -8);
    EXPECT_EQ(messages.texts(), (Texts{"Can't put TV program among Radio program"}));
    EXPECT_EQ(test::firstDifference(*before, image()), -1);
}

TEST_F(SnapshotPaste, AFullTableRefusesTheWholeList) {
    auto img = test::makeImage(5, test::fullShape());
    std::memcpy(&image(), img.get(), kImageSize);
    test::SnapshotList nodes;
    nodes.append(node(20));
    EXPECT_EQ(db.pasteSnapshots(kTablePrograms, -1, 5, nodes.head(), kViewWholeTable | kViewTvAndRadio), -100);
    EXPECT_EQ(messages.texts(), (Texts{"Not enought free space in programs table"}));
    EXPECT_EQ(nodes.nodes[0]->pasted, 0u);
}

TEST_F(SnapshotPaste, MissingSatelliteProviderAndTransponderAreCreated) {
    test::SnapshotList nodes;
    ProgramSnapshot foreign = node(6);
    foreign.satId = 42;
    test::setName(foreign.satName, "Thor");
    foreign.satTpCount = 17;
    foreign.tpSatId = 42;
    foreign.frequency = 11216;
    test::setName(foreign.providerName, "Telenor");
    nodes.append(foreign);
    ASSERT_EQ(db.pasteSnapshots(kTablePrograms, -1, 9, nodes.head(), kViewWholeTable | kViewTvAndRadio), 0);
    EXPECT_EQ(image().satCount, 3);
    EXPECT_EQ(nameText(image().satellites[2].name), "Thor");
    EXPECT_EQ(image().satellites[2].tpCount, 1) << "its transponders in this image, not the count it came with";
    EXPECT_EQ(image().tpCount, 5);
    EXPECT_EQ(image().transponders[4].frequency, 11216);
    EXPECT_EQ(image().programs[9].tpIndex, 4);
    EXPECT_EQ(image().programs[9].providerIndex, 2);
    EXPECT_EQ(nameText(image().providers[2].name), "Telenor");
    EXPECT_EQ(test::brokenRule(image(), false), "");
}

TEST_F(SnapshotPaste, StoppingPartWayTellsWhichNodesWerePlaced) {
    for (int s = 2; s < kMaxSatellites; ++s)
        build.satellite(1000 + s, "Filler");
    test::SnapshotList nodes;
    nodes.append(node(6));
    ProgramSnapshot stranger = node(7);
    stranger.satId = 77;
    nodes.append(stranger);
    nodes.append(node(8));
    const int result = db.pasteSnapshots(kTablePrograms, -1, 9, nodes.head(), kViewWholeTable | kViewTvAndRadio);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(messages.texts(), (Texts{"Sat table if full"}));
    EXPECT_EQ(nodes.nodes[0]->pasted, 1u);
    EXPECT_EQ(nodes.nodes[1]->pasted, 0u);
    EXPECT_EQ(nodes.nodes[2]->pasted, 0u);
    EXPECT_EQ(image().programCount, 10);
}

TEST_F(SnapshotPaste, IntoAnEmptyListWithoutPositionTvComesFirst) {
    test::SnapshotList nodes;
    nodes.append(node(7));
    nodes.append(node(2));
    nodes.append(node(6));
    nodes.append(node(3));
    const std::uint32_t mode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 8));
    ASSERT_EQ(db.pasteSnapshots(kTableFavourites, 8, -1, nodes.head(), mode), 0);
    EXPECT_EQ(entries(image().favourites[8]), (std::vector<int>{2, 3, 7, 6}));
    EXPECT_EQ(image().favourites[8].favTvCount, 2);
    EXPECT_EQ(db.pasteSnapshots(kTableFavourites, 8, -1, nodes.head(), mode), -6);
    EXPECT_EQ(messages.texts(), (Texts{"Select position to paste Your data!"}));
}

TEST_F(SnapshotPaste, ListCapacityAndPlacementRules) {
    test::SnapshotList radio;
    radio.append(node(6));
    const std::uint32_t mode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 3));
    build.favourites(3, {0, 1}, {5});
    EXPECT_EQ(db.pasteSnapshots(kTableFavourites, 3, 1, radio.head(), mode), -7);
    // Already in the list at a position: not added again, and its flag says so.
    test::SnapshotList again;
    again.append(node(5));
    EXPECT_EQ(db.pasteSnapshots(kTableFavourites, 3, 3, again.head(), mode), 0);
    EXPECT_EQ(again.nodes[0]->pasted, 0u);
    st_fav& list = image().favourites[3];
    list.favCount = 400;
    EXPECT_EQ(db.pasteSnapshots(kTableFavourites, 3, 2, radio.head(), mode), -100);
    list.favCount = 399;
    EXPECT_EQ(db.pasteSnapshots(kTableFavourites, 3, 399, radio.head(), mode), 0);
    EXPECT_EQ(list.favCount, 400);
    EXPECT_EQ(messages.texts(),
              (Texts{"Can't put Radio program among TV program", "Not enought free space in programs table"}));
}

TEST_F(ProgramEdits, DraggingProgramsFiveAndSixToOne) {
    image().tvCount = 7;  // 0..6 TV, so 5 and 6 move inside the TV block
    build.favourites(0, {2, 5, 6}, {});
    build.favourites(1, {6}, {8});
    state->dragActive = 1;
    ProgramSnapshot** link = &state->dragBuffer;
    for (const int row : {5, 6}) {
        auto* node = new ProgramSnapshot;
        ASSERT_EQ(db.getProgramSnapshot(0, 5, *node), 0);  // the second is at 5 after the first left
        node->programIndex = row;
        RecordView view;
        ASSERT_EQ(db.modifyRecord(kTablePrograms, kOpDelete, 5, view), 0);
        *link = node;
        link = &node->next;
    }
    RecordView view;
    ASSERT_EQ(db.modifyRecord(kTableSatellites, 0, 1, view), 0);  // renumberAfterDrop
    ASSERT_EQ(db.pasteSnapshots(kTablePrograms, -1, 1, state->dragBuffer, state->browse.viewMode), 0);
    state->dragActive = 0;
    EXPECT_EQ(entries(image().favourites[0]), (std::vector<int>{4, 1, 2}));
    EXPECT_EQ(entries(image().favourites[1]), (std::vector<int>{2, 8}));
    EXPECT_EQ(programName(1), "P5");
    EXPECT_EQ(programName(2), "P6");
    EXPECT_EQ(programName(4), "P2");
}

}  // namespace
}  // namespace vizud
