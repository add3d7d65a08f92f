// Dragging list rows: the drop on random views of random images (whole table, filtered, favourite lists,
// every category) against what the user sees afterwards, and what those drops do not reach: mixed blocks,
// the auto-scroll bounds, the programs a filtered view hides, a refused drop and Move To.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/image_factory.h"
#include "tests/views/random_views.h"
#include "views/keyboard_moves.h"
#include "views/list_drag.h"

namespace vizud {
namespace {

using Strings = std::vector<std::string>;

std::string bytesOf(const all_tables_block& img, int p) {
    return std::string(reinterpret_cast<const char*>(&img.programs[p]), sizeof(st_program));
}
// What the rows show (their programs' bytes), every list as the programs it names, the table as a bag.
Strings shown(const all_tables_block& img, const ListFill& fill) {
    Strings out;
    for (const ListRow& row : fill.rows)
        out.push_back(bytesOf(img, row.program));
    return out;
}
std::vector<Strings> listsAndBag(const all_tables_block& img) {
    std::vector<Strings> lists(kFavouriteLists + 1);
    for (int l = 0; l < kFavouriteLists; ++l) {
        for (const int e : test::entries(img.favourites[l]))
            lists[l].push_back(bytesOf(img, e));
    }
    for (int p = 0; p < img.programCount; ++p)
        lists.back().push_back(bytesOf(img, p));
    std::sort(lists.back().begin(), lists.back().end());
    return lists;
}

TEST(ListDrag, EveryDropPutsTheRowsBeforeTheRowDroppedOnAndLosesNothing) {
    std::mt19937 rng(44);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int drops = 0;
    for (int round = 0; round < 250; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        test::DatabaseFixture fx;
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        test::randomView(rng, fx);
        const ListFill fill = fillRows(fx.db);
        const int rows = static_cast<int>(fill.rows.size()), firstBlock = firstBlockSize(fx.db, fill);
        const bool second = firstBlock < rows && (firstBlock == 0 || pick(0, 1) == 1);
        std::vector<int> selected;
        for (int r = second ? firstBlock : 0; r < (second ? rows : firstBlock); ++r) {
            if (pick(0, 99) < 25)
                selected.push_back(r);
        }
        ListDrag drag;
        if (rows == 0 || beginListDrag(fx.db, fill, selected, drag) != DragStart::Started)
            continue;
        const int d = dropRow(drag, pick(-1, rows - 1));
        const auto before = std::make_unique<all_tables_block>(fx.image());
        const DropResult drop = dropListDrag(fx.db, fill, drag, d);
        ASSERT_TRUE(drop.placed);
        ++drops;
        EXPECT_EQ(test::brokenRule(fx.image(), true), "");
        EXPECT_EQ(drop.changed, test::firstDifference(*before, fx.image()) != -1);
        // The table holds the same programs; every list but the one whose entries moved names the same
        // programs in the same order; a drag in a favourite list leaves the table as it was.
        std::vector<Strings> now = listsAndBag(fx.image()), then = listsAndBag(*before);
        if (fill.favouriteList >= 0) {
            now[fill.favouriteList] = then[fill.favouriteList];
            EXPECT_EQ(std::memcmp(before->programs, fx.image().programs, sizeof before->programs), 0);
        }
        EXPECT_TRUE(now == then) << "the lists follow their programs";

        // The list refilled: the dragged rows together in their order, the others in theirs, and the
        // block before the row dropped on (or at the end of the TV rows when dropped on the first radio row).
        const ListFill after = fillRows(fx.db);
        ASSERT_EQ(after.rows.size(), fill.rows.size());
        const Strings rowsBefore = shown(*before, fill), rowsAfter = shown(fx.image(), after);
        const int first = firstDroppedRow(after, drop);
        Strings dragged, others, othersAfter;
        for (int r = 0; r < rows; ++r) {
            (std::binary_search(selected.begin(), selected.end(), r) ? dragged : others).push_back(rowsBefore[r]);
            if (r < first || r >= first + drop.count)
                othersAfter.push_back(rowsAfter[r]);
        }
        EXPECT_TRUE(Strings(rowsAfter.begin() + first, rowsAfter.begin() + first + drop.count) == dragged)
            << "the dragged rows stand together from row " << first;
        EXPECT_TRUE(othersAfter == others) << "the other rows keep their order";
        if (drag.split && drag.block == 0 && d == drag.firstBlockSize) {
            EXPECT_EQ(first + drop.count, firstBlock) << "dropped on the first radio row: the end of the TV rows";
        } else if (!std::binary_search(selected.begin(), selected.end(), d)) {
            EXPECT_TRUE(rowsAfter[first + drop.count] == rowsBefore[d]) << "the row dropped on follows the block";
        }
    }
    EXPECT_GT(drops, 100);
}

// Ten TV programs T0..T9 and three radio programs R0..R2 on one transponder; list 0 holds T2, T3, T8, R1.
class ListDragCases : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.transponder(7, 11778);
        build.provider("ARD");
        build.provider("ZDF");
        for (int p = 0; p < 10; ++p)
            build.program("T" + std::to_string(p), 0, p % 2, true, p);
        for (int p = 0; p < 3; ++p)
            build.program("R" + std::to_string(p), 0, 0, false, 100 + p);
        build.favourites(0, {2, 3, 8}, {11});
        db.setLoaded(1);
        state->browse.selectedText = "Satellites";
        opened = image();
    }
    // The whole table, provider ZDF's programs (T1 T3 T5 T7 T9) or list 0, both categories.
    enum View { Whole, Zdf, List };
    void show(View view) {
        state->browse.filterKind = view == Zdf ? kFilterProvider : 0;
        state->browse.selectedText = view == Zdf ? "ZDF" : "Satellites";
        state->browse.viewMode =
            kViewTvAndRadio | (view == List ? 1u << kViewFirstFavouriteBit : std::uint32_t{kViewWholeTable});
    }
    // The names the rows show, one space apart.
    std::string names() {
        std::string out;
        for (const ListRow& row : fillRows(db).rows)
            out += (out.empty() ? "" : " ") + nameText(image().programs[row.program].name);
        return out;
    }
    ListDrag begin(const std::vector<int>& rows, DragStart expected = DragStart::Started) {
        ListDrag started;
        EXPECT_EQ(beginListDrag(db, fillRows(db), rows, started), expected);
        return started;
    }
    bool tableAsOpened() { return std::memcmp(opened.programs, image().programs, sizeof opened.programs) == 0; }

    all_tables_block opened;
};

// Where the drop row is kept in its block (a drop below the rows, TV rows on the first radio row) the random
// drops above pin down; a drag needs rows of one block, and a drop the engine refuses changes nothing (a
// drop in place changing nothing: the random drops above).
TEST_F(ListDragCases, MixedBlocksAndThePlaceholderDoNotDragAndTheWholeRadioTableIsOneBlock) {
    begin({9, 10}, DragStart::Mixed);
    begin({}, DragStart::Ignored);
    ListDrag none;
    EXPECT_EQ(beginListDrag(db, ListFill{}, {0}, none), DragStart::Ignored) << "the placeholder row";
    EXPECT_FALSE(dropListDrag(db, fillRows(db), begin({2, 3}), 12).placed) << "a row no drop of TV rows may reach";
    EXPECT_EQ(test::firstDifference(opened, image()), -1);
    state->browse.viewMode = kViewRadioOnly | kViewWholeTable;
    EXPECT_EQ(dropRow(begin({0, 2}), 1), 1);
}

TEST_F(ListDragCases, AutoScrollStopsAtTheEndsAndAtItsBlockInTheWholeTable) {
    const ListDrag tv = begin({1}), radio = begin({11});
    const struct {
        const ListDrag& drag;
        bool wholeTable;
        int top, direction, expected;
    } cases[] = {
        {tv, true, 3, -1, 2},      {tv, true, 0, -1, -1},     {tv, true, 4, +1, 5},
        {tv, true, 6, +1, -1},     {tv, false, 6, +1, 7},     {tv, false, 8, +1, -1},
        {radio, true, 11, -1, 10}, {radio, true, 10, -1, -1}, {radio, false, 10, -1, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(autoScrollTop(c.drag, c.wholeTable, c.top, 5, c.direction), c.expected)
            << "top " << c.top << " direction " << c.direction << " whole table " << c.wholeTable;
    }
}

// A release over the rows drops there, just above or below them the clamped row does; beside them (the tree,
// the list's side, another window) nothing drops.
TEST(ListDrag, OnlyAReleaseInTheListsColumnsAndWindowDrops) {
    const struct {
        int x, y;
        bool overWindow;
        DropPlace expected;
    } cases[] = {
        {0, 0, true, DropPlace::Inside},     {99, 49, true, DropPlace::Inside},   {50, -1, true, DropPlace::Above},
        {50, 50, true, DropPlace::Below},    {-1, 20, true, DropPlace::Outside},  {100, 20, true, DropPlace::Outside},
        {50, 80, false, DropPlace::Outside}, {50, 20, false, DropPlace::Outside},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dropPlace(c.x, c.y, 100, 50, c.overWindow), c.expected) << c.x << "," << c.y << " " << c.overWindow;
}

// In provider ZDF's view T7 and T9 dropped on T3 go before it; the ARD programs between them stay in place.
TEST_F(ListDragCases, AFilteredViewMovesTheProgramsBeforeTheProgramDroppedOnAndLeavesHiddenOnesInPlace) {
    show(Zdf);
    const ListDrag started = begin({3, 4});
    EXPECT_TRUE(dropListDrag(db, fillRows(db), started, dropRow(started, 1)).placed);
    EXPECT_EQ(names(), "T1 T7 T9 T3 T5");
    show(Whole);
    EXPECT_EQ(names(), "T0 T1 T2 T7 T9 T3 T4 T5 T6 T8 R0 R1 R2");
}

// Move To: the first moved row takes the number, kept inside its block; in a favourite list the entries move
// and the table stays.
TEST_F(ListDragCases, MoveToANumberPutsTheFirstRowThereInsideItsBlock) {
    const struct {
        View view;
        std::vector<int> rows;
        int number, firstRow;
        const char* after;
    } cases[] = {
        {Whole, {8}, 3, 2, "T0 T1 T8 T2 T3 T4 T5 T6 T7 T9 R0 R1 R2"},
        {Whole, {1, 2}, 99, 8, "T0 T3 T4 T5 T6 T7 T8 T9 T1 T2 R0 R1 R2"},  // beyond the TV block: to its end
        {Whole, {12}, 1, 10, "T0 T1 T2 T3 T4 T5 T6 T7 T8 T9 R2 R0 R1"},    // not before the TV programs
        {Whole, {4}, 5, 4, "T0 T1 T2 T3 T4 T5 T6 T7 T8 T9 R0 R1 R2"},      // where it is already
        {List, {2}, 1, 0, "T8 T2 T3 R1"},
    };
    for (const auto& c : cases) {
        image() = opened;
        show(c.view);
        SCOPED_TRACE("number " + std::to_string(c.number));
        const DropResult moved = moveRowsToNumber(db, fillRows(db), begin(c.rows), c.number);
        ASSERT_TRUE(moved.placed);
        EXPECT_EQ(firstDroppedRow(fillRows(db), moved), c.firstRow);
        EXPECT_EQ(names(), c.after);
        EXPECT_EQ(moved.changed, c.number != 5);
        EXPECT_TRUE(c.view == Whole || tableAsOpened());
    }
}

// Moves from the keyboard, in the whole table, provider ZDF's view and list 0: one place, gathered when apart,
// to the ends of the block; rows at the edge of their block stay.
TEST_F(ListDragCases, KeyMovesPassTheRowShownAndStopAtTheEdgeOfTheBlock) {
    const struct {
        View view;
        std::vector<int> rows;
        KeyMove move;
        const char* after;  // the rows shown afterwards; empty: the move is not offered and nothing changes
        int firstRow;
    } cases[] = {
        {Whole, {2, 3}, KeyMove::Up, "T0 T2 T3 T1 T4 T5 T6 T7 T8 T9 R0 R1 R2", 1},
        {Whole, {1, 3}, KeyMove::Down, "T0 T2 T4 T1 T3 T5 T6 T7 T8 T9 R0 R1 R2", 3},
        {Whole, {0, 2}, KeyMove::ToStart, "T0 T2 T1 T3 T4 T5 T6 T7 T8 T9 R0 R1 R2", 0},
        {Whole, {11}, KeyMove::ToEnd, "T0 T1 T2 T3 T4 T5 T6 T7 T8 T9 R0 R2 R1", 12},
        {Whole, {0, 1}, KeyMove::Up, "", 0},
        {Whole, {0, 1}, KeyMove::ToStart, "", 0},
        {Whole, {9}, KeyMove::Down, "", 0},
        {Whole, {10}, KeyMove::Up, "", 0},
        {Whole, {9, 10}, KeyMove::Up, "", 0},
        {Zdf, {3}, KeyMove::Up, "T1 T3 T7 T5 T9", 2},
        {Zdf, {0}, KeyMove::ToEnd, "T3 T5 T7 T9 T1", 4},
        {Zdf, {4}, KeyMove::Down, "", 0},
        {List, {0}, KeyMove::Down, "T3 T2 T8 R1", 1},
        {List, {2}, KeyMove::Down, "", 0},
        {List, {3}, KeyMove::Up, "", 0},
    };
    for (const auto& c : cases) {
        image() = opened;
        show(c.view);
        const ListFill fill = fillRows(db);
        SCOPED_TRACE(nameText(image().programs[fill.rows.at(c.rows.front()).program].name));
        const bool moves = *c.after != 0;
        EXPECT_EQ(keyMoveAllowed(db, fill, c.rows, c.move), moves);
        const KeyMoveResult moved = moveRowsByKey(db, fill, c.rows, c.move);
        EXPECT_EQ(moved.drop.changed, moves);
        if (!moves) {
            EXPECT_EQ(test::firstDifference(opened, image()), -1);
            continue;
        }
        EXPECT_EQ(names(), c.after);
        EXPECT_EQ(firstDroppedRow(fillRows(db), moved.drop), c.firstRow);
        EXPECT_EQ(moved.stepName, c.rows.size() == 1 ? "Move 1 program" : "Move 2 programs");
        EXPECT_EQ(test::brokenRule(image(), true), "");
    }
}

}  // namespace
}  // namespace vizud
