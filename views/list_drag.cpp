#include "views/list_drag.h"

#include <algorithm>

#include "database/image_access.h"

namespace vizud {
namespace {

bool wholeTable(const ListFill& fill) {
    return fill.favouriteList < 0;
}

int rowCount(const ListFill& fill) {
    return static_cast<int>(fill.rows.size());
}

// Whole-table rows stand in table order: the first row whose program is at or after `program`.
int lowerRow(const ListFill& fill, int program) {
    const auto it = std::lower_bound(fill.rows.begin(), fill.rows.end(), program,
                                     [](const ListRow& row, int p) { return row.program < p; });
    return static_cast<int>(it - fill.rows.begin());
}

}  // namespace

int firstBlockSize(const ChannelDatabase& db, const ListFill& fill) {
    if ((fill.viewMode & kViewTvAndRadio) == 0)
        return rowCount(fill);
    if (wholeTable(fill))
        return lowerRow(fill, std::min<int>(db.image().tvCount, programCount(db.image())));
    return std::min(favouriteTvCount(db.image().favourites[fill.favouriteList]), rowCount(fill));
}

DragStart beginListDrag(const ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, ListDrag& drag) {
    if (rows.empty() || fill.rows.empty() || rows.front() < 0 || rows.back() >= rowCount(fill))
        return DragStart::Ignored;
    ListDrag started;
    started.rows = rows;
    started.rowCount = rowCount(fill);
    started.firstBlockSize = firstBlockSize(db, fill);
    started.split = (fill.viewMode & kViewTvAndRadio) != 0;
    const bool first = rows.front() < started.firstBlockSize;
    const bool second = rows.back() >= started.firstBlockSize;
    if (first && second)
        return DragStart::Mixed;
    started.block = first ? 0 : 1;
    drag = std::move(started);
    return DragStart::Started;
}

int dropRow(const ListDrag& drag, int row) {
    int d = row < 0 || row >= drag.rowCount ? drag.rowCount - 1 : row;
    if (drag.block == 0 && d > drag.firstBlockSize)
        d = drag.firstBlockSize;
    if (drag.block == 1 && d <= drag.firstBlockSize)
        d = drag.firstBlockSize;
    return d;
}

DropPlace dropPlace(int x, int y, int width, int height, bool overWindow) {
    if (!overWindow || x < 0 || x >= width)
        return DropPlace::Outside;
    return y < 0 ? DropPlace::Above : y >= height ? DropPlace::Below : DropPlace::Inside;
}

int autoScrollTop(const ListDrag& drag, bool wholeTableView, int top, int rowsPerPage, int direction) {
    const bool keepBlock = wholeTableView && drag.split;
    if (direction < 0) {
        if (drag.rowCount <= rowsPerPage || top <= 0)
            return -1;
        if (keepBlock && drag.block == 1 && top <= drag.firstBlockSize)
            return -1;
        return top - 1;
    }
    const int bottom = top + rowsPerPage;
    if (bottom >= drag.rowCount)
        return -1;
    if (keepBlock && drag.block == 0 && bottom > drag.firstBlockSize)
        return -1;
    return top + 1;
}

DropResult dropListDrag(ChannelDatabase& db, const ListFill& fill, const ListDrag& drag, int d) {
    DropResult result;
    const int n = static_cast<int>(drag.rows.size());
    if (n == 0 || d < 0 || d >= rowCount(fill) || drag.rows.back() >= rowCount(fill))
        return result;
    const bool contiguous = drag.rows.back() - drag.rows.front() == n - 1;
    if (wholeTable(fill)) {
        std::vector<int> sources;
        sources.reserve(drag.rows.size());
        for (const int row : drag.rows)
            sources.push_back(fill.rows[static_cast<std::size_t>(row)].program);
        // Before the program of row d; a TV block released on the first radio row goes after its last
        // TV row, which in a filtered view need not be the program just before that radio program.
        const bool endOfFirstBlock = drag.split && drag.block == 0 && d == drag.firstBlockSize && d > 0;
        const int before = endOfFirstBlock ? fill.rows[static_cast<std::size_t>(d) - 1].program + 1
                                           : fill.rows[static_cast<std::size_t>(d)].program;
        const int below = static_cast<int>(std::lower_bound(sources.begin(), sources.end(), before) - sources.begin());
        const int position = before - below;
        const bool stays = contiguous && position == sources.front();
        if (db.movePrograms(sources, position) != 0)
            return result;
        result = {true, !stays, position, n};
        return result;
    }
    int below = 0;
    for (const int row : drag.rows)
        below += row < d ? 1 : 0;
    const int target = d - below;
    const bool radioRelative = (fill.viewMode & kViewRadioOnly) != 0;
    const bool stays = contiguous && target == drag.rows.front();
    if (db.moveListEntries(fill.favouriteList, radioRelative, drag.rows, target) != 0)
        return result;
    result = {true, !stays, target, n};
    return result;
}

DropResult moveRowsToNumber(ChannelDatabase& db, const ListFill& fill, const ListDrag& drag, int number) {
    DropResult result;
    const int n = static_cast<int>(drag.rows.size());
    if (n == 0 || drag.rows.back() >= rowCount(fill))
        return result;
    std::vector<int> places;  // table or list positions of the rows, ascending
    places.reserve(drag.rows.size());
    for (const int row : drag.rows) {
        const ListRow& shown = fill.rows[static_cast<std::size_t>(row)];
        places.push_back(wholeTable(fill) ? shown.program : shown.sequence);
    }
    const all_tables_block& img = db.image();
    int low = 0;
    int high = 0;
    if (wholeTable(fill)) {
        const int tv = std::min<int>(img.tvCount, programCount(img));
        const bool tvBlock = places.front() < tv;
        low = tvBlock ? 0 : tv;
        high = tvBlock ? tv - n : programCount(img) - n;
    } else {
        const st_fav& list = img.favourites[fill.favouriteList];
        const int tvEntries = favouriteTvCount(list);
        const bool tvPart = places.front() < tvEntries;
        low = tvPart ? 0 : tvEntries;
        high = tvPart ? tvEntries - n : favouriteCount(list) - n;
    }
    const int position = std::clamp(number - 1, low, std::max(low, high));
    const bool contiguous = places.back() - places.front() == n - 1;
    const bool stays = contiguous && position == places.front();
    const int moved = wholeTable(fill) ? db.movePrograms(places, position)
                                       : db.moveListEntries(fill.favouriteList, false, places, position);
    if (moved != 0)
        return result;
    // A list position becomes a row of the list shown (its radio rows start after its TV entries).
    int at = position;
    if (!wholeTable(fill) && (fill.viewMode & kViewRadioOnly))
        at -= favouriteTvCount(img.favourites[fill.favouriteList]);
    result = {true, !stays, at, n};
    return result;
}

int firstDroppedRow(const ListFill& fill, const DropResult& drop) {
    if (!drop.placed)
        return -1;
    const int row = wholeTable(fill) ? lowerRow(fill, drop.position) : drop.position;
    return std::min(row, rowCount(fill) - 1);
}

}  // namespace vizud
