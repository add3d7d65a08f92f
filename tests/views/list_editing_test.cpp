// Cut, copy, paste and delete on list rows: pasting copied rows, cuts that select the row after them, the
// three kinds of view a cut leaves its programs in, and the rules that enable the commands.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "views/favourite_adding.h"
#include "views/list_commands.h"
#include "views/list_drag.h"
#include "views/list_editing.h"
#include "views/program_locks.h"

namespace vizud {
namespace {

// 13 TV programs "P0".."P12" on one transponder; list 0 ("Fav_1" after a character-table byte) holds P2,
// P4 and P6.
class ListEditing : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.transponder(7, 11778);
        build.provider("ARD");
        for (int p = 0; p < 13; ++p)
            build.program("P" + std::to_string(p), 0, 0, true, p);
        build.favourites(0, {2, 4, 6}, {});
        test::setName(image().favourites[0].favName, "\5Fav_1");
        db.setLoaded(1);
        state->browse.selectedText = "Satellites";
        state->browse.editMask = 0x0F;
    }
    ListFill fill() { return fillRows(db); }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (int p = 0; p < image().programCount; ++p)
            out.push_back(nameText(image().programs[p].name));
        return out;
    }
};

TEST_F(ListEditing, CopiedRowsPasteInTheirOrderBeforeTheSelectedRow) {
    EXPECT_FALSE(fillClipboard(db, fill(), {3, 7, 9}, false));
    ASSERT_TRUE(pasteBefore(db, fill(), 5));
    const std::vector<std::string> expected{"P0", "P1", "P2", "P3", "P4", "P3",  "P7",  "P9",
                                            "P5", "P6", "P7", "P8", "P9", "P10", "P11", "P12"};
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{2, 4, 9})) << "P6 moved on by three";
    EXPECT_EQ(countSnapshots(state->programClipboard), 3) << "the clipboard stays for another paste";
    EXPECT_EQ(test::brokenRule(image(), true), "");

    // A radio program is refused among a list's TV entries before anything is pasted.
    build.program("R0", 0, 0, false, 99);
    fillClipboard(db, fill(), {16}, false);
    state->browse.viewMode = kViewTvAndRadio | (1u << kViewFirstFavouriteBit);
    EXPECT_FALSE(pasteBefore(db, fill(), 0));
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{2, 4, 9}));
    fillClipboard(db, fill(), {1}, false);  // the list's P4, pasted again at its top
    ASSERT_TRUE(pasteBefore(db, fill(), 0));
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{4, 2, 4, 9}));
}

// What a removal did names its undo step: only from the whole table is it a delete. The row selected after
// it is the one after the block, else the last row.
TEST_F(ListEditing, ACutLeavesTheTableOnlyFromTheWholeTable) {
    EXPECT_EQ(rowAfterRemoval({10, 11, 12}, 10), 9);
    EXPECT_EQ(rowAfterRemoval({10, 11}, 11), 10);
    // From a favourite list: only the entry goes.
    state->browse.viewMode = kViewTvAndRadio | (1u << kViewFirstFavouriteBit);
    fillClipboard(db, fill(), {1}, true);
    EXPECT_EQ(removeRows(db, fill(), {1}), (Removal{Removal::FromList, "Fav_1"}));
    EXPECT_EQ(image().programCount, 13);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{2, 6}));
    EXPECT_EQ(state->programClipboard->programIndex, 4) << "the node still names its program";

    // From the "Favs" root: every list lets it go, the table keeps it.
    state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
    state->browse.selectedText = "Favs";
    state->browse.filterKind = kFilterFavs;
    build.favourites(3, {6}, {});
    const ListFill favs = fill();
    ASSERT_EQ(favs.rows.size(), 2u);
    fillClipboard(db, favs, {1}, true);
    EXPECT_EQ(removeRows(db, favs, {1}), (Removal{Removal::FromEveryList, ""}));
    EXPECT_EQ(image().programCount, 13);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{2}));
    EXPECT_EQ(image().favourites[3].favCount, 0);

    // From the whole table: the program and its entries go.
    state->browse.selectedText = "Satellites";
    state->browse.filterKind = 0;
    fillClipboard(db, fill(), {2}, true);
    EXPECT_EQ(removeRows(db, fill(), {2}), Removal{});
    EXPECT_EQ(image().programCount, 12);
    EXPECT_EQ(image().favourites[0].favCount, 0);
    EXPECT_EQ(state->programClipboard->programIndex, -1);
}

// The list beside the whole table: its own fill of list 0 whatever the browse state shows, and its rows
// moved and deleted through the main list's rules, which read the view from the fill.
TEST_F(ListEditing, TheListBesideMovesAndDeletesInItsOwnView) {
    build.program("R13", 0, 0, false);
    build.favourites(0, {2, 4, 6, 7}, {13});
    state->browse.viewMode = kViewRadioOnly | kViewWholeTable;  // the main list: the whole table, radio only
    const ListFill beside = fillFavouriteRows(db, 0);
    ASSERT_EQ(beside.rows.size(), 5u) << "TV and radio entries, though the browse state shows radio only";
    ListDrag drag;
    ASSERT_EQ(beginListDrag(db, beside, {2, 3}, drag), DragStart::Started);
    EXPECT_TRUE(dropListDrag(db, beside, drag, 0).changed);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{6, 7, 2, 4, 13}));
    EXPECT_EQ(beginListDrag(db, fillFavouriteRows(db, 0), {3, 4}, drag), DragStart::Mixed);
    EXPECT_EQ(removeRows(db, fillFavouriteRows(db, 0), {0, 4}).kind, Removal::FromList);
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{7, 2, 4}));
    EXPECT_EQ(image().programCount, 14) << "the programs stay in the table";
    EXPECT_EQ(state->browse.viewMode, kViewRadioOnly | kViewWholeTable);
}

TEST_F(ListEditing, TheRulesNeedARealRowTheMaskAndForPasteAClipboard) {
    const ListFill rows = fill();
    EditRules rules = editRules(db, rows, -1);
    EXPECT_FALSE(rules.cut || rules.copy || rules.paste || rules.remove);
    rules = editRules(db, rows, 0);
    EXPECT_TRUE(rules.cut && rules.copy && rules.remove);
    EXPECT_FALSE(rules.paste) << "nothing cut or copied yet";
    fillClipboard(db, rows, {0}, false);
    EXPECT_TRUE(editRules(db, rows, 0).paste);
    fillClipboard(db, rows, {-1}, false);
    EXPECT_EQ(state->programClipboard, nullptr) << "a copy replaces what the clipboard held";
    fillClipboard(db, rows, {0}, false);
    state->browse.editMask = 0x0B;  // a provider node: no paste
    EXPECT_FALSE(editRules(db, rows, 0).paste);
    // An empty list's placeholder row takes the paste.
    state->browse.editMask = 0x0F;
    state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 5));
    EXPECT_TRUE(editRules(db, fill(), -1).paste) << "the placeholder row cannot be selected";
    const ProgramEditorTarget editor = programEditorTarget(fill(), 0, kProgramDialogEdit);
    EXPECT_EQ(std::tuple(editor.programIndex, editor.mode, editor.open), std::tuple(-1, kProgramDialogAdd, true));
    ASSERT_TRUE(pasteBefore(db, fill(), -1));
    EXPECT_EQ(test::entries(image().favourites[5]), (std::vector<int>{0}));
    state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
    build.program("Radio", 0, 0, false);
    EXPECT_TRUE(fillClipboard(db, fill(), {0, 13}, false)) << "TV and radio together are reported";
}

// Adding to a list: each kind at the end of its part (or at a place, within its part) in the order given,
// what the list holds skipped; a list without room for all refuses and nothing changes.
TEST_F(ListEditing, AddingToAListKeepsEachPartInOrderAndRefusesWhenFull) {
    for (int r = 13; r < 16; ++r)
        build.program("R" + std::to_string(r), 0, 0, false);
    struct Case {
        int list, held, position;
        std::vector<int> programs, entries;
        int tvEntries;
        const char* result;  // the step name, else the refusal
    };
    const Case cases[] = {
        {0, 0, -1, {15, 1, 13, 4, 8}, {2, 4, 6, 1, 8, 14, 15, 13}, 5, "Add 4 programs to Fav_1"},
        {0, 0, 1, {15, 1, 13, 4, 8}, {2, 1, 8, 4, 6, 15, 13, 14}, 5, "Add 4 programs to Fav_1"},
        {0, 0, -1, {14, 2}, {2, 4, 6, 14}, 3, ""},
        {1, 399, -1, {3, 13}, {}, 399, "The list Fav_2 has room left for 1 of the 2 programs; nothing was added."},
    };
    for (const Case& c : cases) {
        build.favourites(0, {2, 4, 6}, {14});
        image().favourites[1] = st_fav{};
        test::setName(image().favourites[1].favName, "Fav_2");
        image().favourites[1].favCount = image().favourites[1].favTvCount = static_cast<std::uint16_t>(c.held);
        const all_tables_block before = image();
        const FavouriteEdit edit = addToFavouriteList(db, c.list, c.programs, c.position);
        EXPECT_EQ(edit.changed ? edit.stepName : edit.refusal, c.result);
        if (!edit.changed) {
            EXPECT_EQ(std::memcmp(&before, &image(), sizeof before), 0) << "a refusal changes nothing";
            continue;
        }
        EXPECT_EQ(test::entries(image().favourites[c.list]), c.entries) << c.position;
        EXPECT_EQ(image().favourites[c.list].favTvCount, c.tvEntries);
        EXPECT_EQ(test::brokenRule(image(), true), "");
    }
    // A cut program waiting in the clipboard, pasted back, moves the added entries on with the others.
    fillClipboard(db, fill(), {12}, true);
    removeRows(db, fill(), {12});
    EXPECT_TRUE(addToFavouriteList(db, 0, {0, 1}).changed);
    ASSERT_TRUE(pasteBefore(db, fill(), 0));
    EXPECT_EQ(names().front(), "P12") << "a cut program is created again where it is pasted";
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{3, 5, 7, 1, 2, 14}));
    const FavouriteEdit removal = removeFromFavouriteList(db, 0, {14, 1, 3});
    EXPECT_EQ(removal.stepName, "Remove 3 programs from Fav_1");
    EXPECT_EQ(test::entries(image().favourites[0]), (std::vector<int>{5, 7, 2}));
    EXPECT_FALSE(removeFromFavouriteList(db, 0, {14}).changed) << "no step for a program the list does not hold";
    EXPECT_EQ(listsHolding(image(), {9, 7}), 1u);
    EXPECT_EQ(listsHolding(image(), {9}), 0u);
    build.favourites(0, {0, 2}, {14});
    removeFromFavouriteList(db, 0, {0});  // the first program too; the radio entry kept stays radio
    EXPECT_EQ(std::tuple(test::entries(image().favourites[0]), image().favourites[0].favTvCount),
              std::tuple(std::vector<int>{2, 14}, 1));
}

// Locks change the program itself, keep its other flags, count only the programs whose bit changed (named
// twice or out of the table: once or not at all), and leave the image alone when nothing changes.
TEST_F(ListEditing, LockingCountsOnlyTheProgramsWhoseBitChanges) {
    image().programs[2].programFlags = kProgramLockedFlag | 1;
    image().programs[3].programFlags = 0x21;
    const struct {
        bool lock;
        std::vector<int> programs;
        const char* step;  // empty: nothing changes
        std::uint16_t flags2, flags3;
    } cases[] = {
        {true, {3, 2, 3, 99, -1}, "Lock 1 program", 0x05, 0x25}, {true, {2, 3}, "", 0x05, 0x25},
        {false, {1, 2, 3}, "Unlock 2 programs", 0x01, 0x21},     {false, {2, 3}, "", 0x01, 0x21},
        {true, {1, 2, 3}, "Lock 3 programs", 0x05, 0x25},
    };
    for (const auto& c : cases) {
        const all_tables_block before = image();
        EXPECT_EQ(lockWouldChange(image(), c.programs, c.lock), *c.step != 0) << c.step;
        const LockEdit edit = setProgramsLocked(db, c.programs, c.lock);
        EXPECT_EQ(edit.stepName, c.step);
        EXPECT_EQ(edit.changed, *c.step != 0);
        EXPECT_EQ(image().programs[2].programFlags, c.flags2) << c.step;
        EXPECT_EQ(image().programs[3].programFlags, c.flags3) << c.step;
        if (!edit.changed) {
            EXPECT_EQ(std::memcmp(&before, &image(), sizeof before), 0);
        }
    }
}

}  // namespace
}  // namespace vizud
