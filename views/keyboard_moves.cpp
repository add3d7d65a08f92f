#include "views/keyboard_moves.h"

#include "database/image_access.h"

namespace vizud {
namespace {

struct Plan {
    bool moves = false;
    std::vector<int> places;  // the rows' table positions (whole table) or list entries, ascending
    int position = 0;         // where the first of them goes, as movePrograms / moveListEntries take it
};

int placeOf(const ListFill& fill, int row) {
    const ListRow& shown = fill.rows[static_cast<std::size_t>(row)];
    return fill.favouriteList < 0 ? shown.program : shown.sequence;
}

Plan plan(const ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, KeyMove move) {
    Plan result;
    ListDrag drag;
    if (beginListDrag(db, fill, rows, drag) != DragStart::Started)
        return result;
    // The rows of the block the selection is in: [start, end).
    const int start = drag.block == 1 ? drag.firstBlockSize : 0;
    const int end = drag.block == 0 ? drag.firstBlockSize : drag.rowCount;
    const int n = static_cast<int>(rows.size());
    const bool together = rows.back() - rows.front() == n - 1;
    // Before the row `before` (nothing of the selection ahead of it), or after the row `after` (all of it
    // ahead): the place a drop there gives the first moved row.
    int before = -1, after = -1;
    switch (move) {
        case KeyMove::Up:
            before = rows.front() > start ? rows.front() - 1 : -1;
            break;
        case KeyMove::Down:
            after = rows.back() < end - 1 ? rows.back() + 1 : -1;
            break;
        case KeyMove::ToStart:
            before = together && rows.front() == start ? -1 : start;
            break;
        case KeyMove::ToEnd:
            after = together && rows.back() == end - 1 ? -1 : end - 1;
            break;
    }
    if (before < 0 && after < 0)
        return result;
    result.places.reserve(rows.size());
    for (const int row : rows)
        result.places.push_back(placeOf(fill, row));
    result.position = before >= 0 ? placeOf(fill, before) : placeOf(fill, after) + 1 - n;
    result.moves = true;
    return result;
}

}  // namespace

bool keyMoveAllowed(const ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, KeyMove move) {
    return plan(db, fill, rows, move).moves;
}

KeyMoveResult moveRowsByKey(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, KeyMove move) {
    KeyMoveResult result;
    const Plan p = plan(db, fill, rows, move);
    if (!p.moves)
        return result;
    const bool wholeTable = fill.favouriteList < 0;
    const int moved = wholeTable ? db.movePrograms(p.places, p.position)
                                 : db.moveListEntries(fill.favouriteList, false, p.places, p.position);
    if (moved != 0)
        return result;
    // A list position becomes a row of the list shown (its radio rows start after its TV entries).
    int at = p.position;
    if (!wholeTable && (fill.viewMode & kViewRadioOnly))
        at -= favouriteTvCount(db.image().favourites[fill.favouriteList]);
    const int n = static_cast<int>(rows.size());
    result.drop = {true, true, at, n};
    if (n == 1) {
        result.stepName = "Move 1 program";
    } else {
        std::string text = "Move %1 programs";
        result.stepName = text.replace(text.find("%1"), 2, std::to_string(n));
    }
    return result;
}

}  // namespace vizud
