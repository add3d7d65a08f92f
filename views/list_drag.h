// Drag and drop of the program list's selected rows: which rows may move together, where a drop lands, how
// far the list scrolls by itself, and the move. Rows are places in the list's row vector; the widget only
// turns the pointer into rows.
#pragma once

#include <vector>

#include "database/channel_database.h"
#include "views/list_rows.h"

namespace vizud {

// Shown (information icon) when the selection holds rows of both blocks.
inline constexpr const char* kMixedDragText = "You can't drag TV and Radio programs together ";

struct ListDrag {
    std::vector<int> rows;   // the dragged rows, ascending
    int block = 0;           // 0: the first block, 1: the second
    int firstBlockSize = 0;  // rows of the first block
    bool split = false;      // TV and radio shown together: the rows from firstBlockSize on are the second block
    int rowCount = 0;
};

enum class DragStart { Started, Ignored, Mixed };

// The rows of the first block of the view shown: its TV rows when TV and radio are shown together (in a
// favourite list the list's TV entries), else every row.
int firstBlockSize(const ChannelDatabase& db, const ListFill& fill);

// Begins a drag of the selected `rows` (ascending). Ignored when there is nothing to drag (no rows, the
// placeholder row, a row beyond the list); Mixed when TV and radio rows are selected together. Nothing
// in the image changes until the drop.
DragStart beginListDrag(const ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, ListDrag& drag);

// The row a release over `row` (-1: over no row, which means the last row) drops on, kept in the dragged
// block: a TV block ends just before the first radio row, a radio block starts at it.
int dropRow(const ListDrag& drag, int row);

// Where the button went up (or the pointer is) during a drag, seen from the list's rows.
enum class DropPlace {
    Inside,   // over the rows: the row under the pointer
    Above,    // above them in the list's columns (its header, the window's top): the first row shown
    Below,    // below them in the list's columns: the last row shown
    Outside,  // beside them (another pane of the window, as the tree) or outside the window: the list gives
              // the drag up and nothing moves; what is under the pointer may give such a release its own
              // meaning (a favourite list node of the tree)
};

// `x` across the list of `width` pixels (its scroll bar included), `y` down the rows' area of `height`
// pixels; `overWindow`: the point lies in the list's own window. Above and Below scroll the list while the
// pointer rests there.
DropPlace dropPlace(int x, int y, int width, int height, bool overWindow);

// One tick of the auto-scroll while the pointer is held above (direction -1) or below (+1) the list with
// rows top.. shown, `rowsPerPage` at a time. The new top row, or -1 when the list stays; in the whole table
// a drag does not scroll out of its block.
int autoScrollTop(const ListDrag& drag, bool wholeTable, int top, int rowsPerPage, int direction);

struct DropResult {
    bool placed = false;   // the programs stand at their new place (false: the image is as before the drag)
    bool changed = false;  // the image differs from before the drag
    // Where the moved rows stand now: a table position (whole table) or a row of the list shown.
    int position = -1;
    int count = 0;
};

// Drops the dragged rows before row `d` (from dropRow). In the whole table the programs move in their
// order with their favourite references, also in a filtered view, before the program of row d; in a
// favourite list the entries move. A drop that cannot be carried out leaves the image byte for byte as
// it was.
DropResult dropListDrag(ChannelDatabase& db, const ListFill& fill, const ListDrag& drag, int d);

// Edit > Move to: the dragged rows move, in their order and with what a drop keeps, so that the first of
// them gets the Ch Index `number` (1-based, counted as the list shows it), kept inside their block: a
// number beyond it moves them to its end or start. In the whole table the number is a place in the
// table, also in a filtered view; in a favourite list a place in the list.
DropResult moveRowsToNumber(ChannelDatabase& db, const ListFill& fill, const ListDrag& drag, int number);

// The first row of the moved block in the list refilled after the drop.
int firstDroppedRow(const ListFill& fill, const DropResult& drop);

}  // namespace vizud
