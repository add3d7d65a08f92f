// Dragging list rows: the drop on random views of random images (whole table, filtered, favourite lists,
// every category) against what the user sees afterwards, and the cases that can really break: the
// block rules, the drop row kept in its block, the auto-scroll bounds, a filtered view and a refused drop.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "views/list_drag.h"

namespace vizud {
namespace {

std::string bytesOf(const st_program& prog) {
    return std::string(reinterpret_cast<const char*>(&prog), sizeof prog);
}

// What a row shows: its program's bytes.
std::vector<std::string> shown(const ChannelDatabase& db, const ListFill& fill) {
    std::vector<std::string> out;
    for (const ListRow& row : fill.rows)
        out.push_back(bytesOf(db.image().programs[row.program]));
    return out;
}

// Every list as the programs it names, and the table as a sorted bag of programs.
std::vector<std::vector<std::string>> listsByContent(const all_tables_block& img) {
    std::vector<std::vector<std::string>> lists(kFavouriteLists);
    for (int l = 0; l < kFavouriteLists; ++l) {
        for (const int e : test::entries(img.favourites[l]))
            lists[l].push_back(bytesOf(img.programs[e]));
    }
    return lists;
}
std::vector<std::string> tableBag(const all_tables_block& img) {
    std::vector<std::string> bag;
    for (int p = 0; p < img.programCount; ++p)
        bag.push_back(bytesOf(img.programs[p]));
    std::sort(bag.begin(), bag.end());
    return bag;
}

TEST(ListDrag, EveryDropPutsTheRowsBeforeTheRowDroppedOnAndLosesNothing) {
    std::mt19937 rng(44);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int drops = 0;
    for (int round = 0; round < 250; ++round) {
        test::DatabaseFixture fx;
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        BrowseState& browse = fx.state->browse;
        const int source = pick(0, 12);
        browse.viewMode =
            (1u << pick(0, 2)) | (source >= 9 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + source));
        if (source == 10 && fx.image().providerCount > 0) {
            browse.filterKind = kFilterProvider;
            browse.selectedText = nameText(fx.image().providers[pick(0, fx.image().providerCount - 1)].name);
        } else if (source == 11) {
            browse.filterKind = kFilterFavs;
            browse.selectedText = "Favs";
        }
        const ListFill fill = fillRows(fx.db);
        const int rows = static_cast<int>(fill.rows.size());
        if (rows == 0)
            continue;
        const int firstBlock = firstBlockSize(fx.db, fill);
        const bool second = firstBlock < rows && (firstBlock == 0 || pick(0, 1) == 1);
        std::vector<int> selected;
        for (int r = second ? firstBlock : 0; r < (second ? rows : firstBlock); ++r) {
            if (pick(0, 99) < 25)
                selected.push_back(r);
        }
        ListDrag drag;
        if (beginListDrag(fx.db, fill, selected, drag) != DragStart::Started)
            continue;
        const int d = dropRow(drag, pick(-1, rows - 1));
        const auto before = std::make_unique<all_tables_block>(fx.image());
        const std::vector<std::string> rowsBefore = shown(fx.db, fill);

        const DropResult drop = dropListDrag(fx.db, fill, drag, d);
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(drop.placed);
        ++drops;
        EXPECT_EQ(test::brokenRule(fx.image(), true), "");
        EXPECT_TRUE(tableBag(fx.image()) == tableBag(*before)) << "the table holds the same programs";
        // Every list but the one whose entries moved names the same programs in the same order.
        std::vector<std::vector<std::string>> listsNow = listsByContent(fx.image());
        std::vector<std::vector<std::string>> listsThen = listsByContent(*before);
        if (fill.favouriteList >= 0)
            listsNow[fill.favouriteList] = listsThen[fill.favouriteList];
        EXPECT_TRUE(listsNow == listsThen) << "the lists follow their programs";
        EXPECT_EQ(drop.changed, test::firstDifference(*before, fx.image()) != -1);

        // The list refilled: the dragged rows together in their order, the others in theirs, and the
        // block before the row dropped on (or at the end of the TV rows when dropped on the first radio row).
        const ListFill after = fillRows(fx.db);
        ASSERT_EQ(after.rows.size(), fill.rows.size());
        const std::vector<std::string> rowsAfter = shown(fx.db, after);
        const int first = firstDroppedRow(after, drop);
        std::vector<std::string> dragged, others, othersAfter;
        for (int r = 0; r < rows; ++r) {
            const bool isDragged = std::binary_search(selected.begin(), selected.end(), r);
            (isDragged ? dragged : others).push_back(rowsBefore[static_cast<std::size_t>(r)]);
            if (r < first || r >= first + drop.count)
                othersAfter.push_back(rowsAfter[static_cast<std::size_t>(r)]);
        }
        EXPECT_TRUE(std::vector<std::string>(rowsAfter.begin() + first, rowsAfter.begin() + first + drop.count) ==
                    dragged)
            << "the dragged rows stand together from row " << first;
        EXPECT_TRUE(othersAfter == others) << "the other rows keep their order";
        const bool droppedOnDragged = std::binary_search(selected.begin(), selected.end(), d);
        const bool endOfTv = drag.split && drag.block == 0 && d == drag.firstBlockSize;
        if (!droppedOnDragged && !endOfTv) {
            EXPECT_TRUE(rowsAfter[static_cast<std::size_t>(first + drop.count)] ==
                        rowsBefore[static_cast<std::size_t>(d)])
                << "the row dropped on follows the block";
        }
        if (endOfTv) {
            EXPECT_EQ(first + drop.count, firstBlock);
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
    }
    std::vector<std::string> names(const ListFill& fill) {
        std::vector<std::string> out;
        for (const ListRow& row : fill.rows)
            out.push_back(nameText(image().programs[row.program].name));
        return out;
    }
    DropResult drag(std::vector<int> rows, int pointerRow) {
        const ListFill fill = fillRows(db);
        ListDrag started;
        EXPECT_EQ(beginListDrag(db, fill, rows, started), DragStart::Started);
        return dropListDrag(db, fill, started, dropRow(started, pointerRow));
    }
};

TEST_F(ListDragCases, TvRowsTwoAndThreeDroppedOnRowEightLandInRowsSixAndSeven) {
    const DropResult drop = drag({2, 3}, 8);
    const ListFill fill = fillRows(db);
    EXPECT_EQ(firstDroppedRow(fill, drop), 6);
    EXPECT_EQ(names(fill),
              (std::vector<std::string>{"T0", "T1", "T4", "T5", "T6", "T7", "T2", "T3", "T8", "T9", "R0", "R1", "R2"}));
    state->browse.viewMode = kViewTvAndRadio | (1u << kViewFirstFavouriteBit);
    EXPECT_EQ(names(fillRows(db)), (std::vector<std::string>{"T2", "T3", "T8", "R1"})) << "list 0 still holds them";
}

TEST_F(ListDragCases, TheDropRowStaysInTheDraggedBlock) {
    // Radio rows dropped on a TV row start the radio block; TV rows dropped below the first radio row end
    // the TV block; released over no row, the last row.
    drag({11, 12}, 3);
    EXPECT_EQ(names(fillRows(db)).at(10), "R1");
    drag({0}, 12);
    EXPECT_EQ(names(fillRows(db)).at(9), "T0");
    const ListFill fill = fillRows(db);
    ListDrag radio;
    ASSERT_EQ(beginListDrag(db, fill, {10}, radio), DragStart::Started);
    EXPECT_EQ(dropRow(radio, -1), 12);
    EXPECT_EQ(beginListDrag(db, fill, {9, 10}, radio), DragStart::Mixed);
    EXPECT_EQ(beginListDrag(db, fill, {}, radio), DragStart::Ignored);
    EXPECT_EQ(beginListDrag(db, ListFill{}, {0}, radio), DragStart::Ignored) << "the placeholder row";

    // The radio category of the whole table is one block: any rows go anywhere in it.
    state->browse.viewMode = kViewRadioOnly | kViewWholeTable;
    ListDrag any;
    ASSERT_EQ(beginListDrag(db, fillRows(db), {0, 2}, any), DragStart::Started);
    EXPECT_EQ(dropRow(any, 1), 1);
}

TEST_F(ListDragCases, AutoScrollStopsAtTheEndsAndAtItsBlockInTheWholeTable) {
    const ListFill fill = fillRows(db);
    ListDrag tv, radio;
    beginListDrag(db, fill, {1}, tv);
    beginListDrag(db, fill, {11}, radio);
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

TEST_F(ListDragCases, AFilteredViewMovesTheProgramsBeforeTheProgramDroppedOnAndLeavesHiddenOnesInPlace) {
    // Provider ZDF shows T1, T3, T5, T7, T9; drag T7 and T9 onto T3.
    state->browse.filterKind = kFilterProvider;
    state->browse.selectedText = "ZDF";
    drag({3, 4}, 1);
    EXPECT_EQ(names(fillRows(db)), (std::vector<std::string>{"T1", "T7", "T9", "T3", "T5"}));
    state->browse.filterKind = 0;
    state->browse.selectedText = "Satellites";
    EXPECT_EQ(names(fillRows(db)).at(2), "T2") << "the ARD program between them stays where it was";
    EXPECT_EQ(names(fillRows(db)).at(3), "T7");
}

TEST_F(ListDragCases, InAFavouriteListTheEntriesMoveAndTheTableStays) {
    const all_tables_block table = image();
    state->browse.viewMode = kViewRadioOnly | (1u << kViewFirstFavouriteBit);
    build.favourites(0, {2, 3, 8}, {10, 11, 12});
    drag({2}, 0);
    EXPECT_EQ(names(fillRows(db)), (std::vector<std::string>{"R2", "R0", "R1"}));
    EXPECT_EQ(std::memcmp(table.programs, image().programs, sizeof table.programs), 0);
}

TEST_F(ListDragCases, ADropTheEngineRefusesLeavesTheImageAsItWasAndADropInPlaceChangesNothing) {
    const all_tables_block before = image();
    const ListFill fill = fillRows(db);
    ListDrag tv;
    ASSERT_EQ(beginListDrag(db, fill, {2, 3}, tv), DragStart::Started);
    EXPECT_FALSE(dropListDrag(db, fill, tv, 12).placed) << "a row no drop of TV rows may reach";
    EXPECT_EQ(test::firstDifference(before, image()), -1);
    const DropResult inPlace = dropListDrag(db, fill, tv, 4);
    EXPECT_TRUE(inPlace.placed);
    EXPECT_FALSE(inPlace.changed);
    EXPECT_EQ(test::firstDifference(before, image()), -1);
}

TEST_F(ListDragCases, MoveToANumberPutsTheFirstRowThereInsideItsBlock) {
    const struct {
        std::vector<int> rows;
        int number;
        int firstRow;
        const char* name;
    } cases[] = {
        {{8}, 3, 2, "T8"},      // a program to number 3
        {{1, 2}, 99, 8, "T1"},  // beyond the TV block: to its end
        {{12}, 1, 10, "R2"},    // a radio program cannot go before the TV ones
        {{4}, 5, 4, "T4"},      // where it is already
    };
    for (const auto& c : cases) {
        std::memset(&image(), 0, kImageSize);
        SetUp();
        ListFill fill = fillRows(db);
        ListDrag drag;
        ASSERT_EQ(beginListDrag(db, fill, c.rows, drag), DragStart::Started);
        const DropResult moved = moveRowsToNumber(db, fill, drag, c.number);
        ASSERT_TRUE(moved.placed) << "number " << c.number;
        fill = fillRows(db);
        const int first = firstDroppedRow(fill, moved);
        EXPECT_EQ(first, c.firstRow) << "number " << c.number;
        EXPECT_EQ(names(fill).at(static_cast<std::size_t>(first)), c.name);
        EXPECT_EQ(moved.changed, c.number != 5);
    }
    // In a favourite list: the entries move, the table stays.
    state->browse.viewMode = kViewTvAndRadio | (1u << kViewFirstFavouriteBit);
    const ListFill list = fillRows(db);
    ListDrag drag;
    ASSERT_EQ(beginListDrag(db, list, {2}, drag), DragStart::Started);
    ASSERT_TRUE(moveRowsToNumber(db, list, drag, 1).placed);
    EXPECT_EQ(names(fillRows(db)), (std::vector<std::string>{"T8", "T2", "T3", "R1"}));
}

}  // namespace
}  // namespace vizud
