// Moving the selected rows from the keyboard: Ctrl+Up / Ctrl+Down one place, Ctrl+Home / Ctrl+End to the
// start or end of their block (TV or radio; in a favourite list of the list's TV or radio part). A move is
// the drop the user would make with the mouse: the rows are let in before the previous row shown (or after
// the next one, the first, the last), gathered in their order, through the same engine moves, so that
// favourite lists and the clipboard follow. In a filtered view (provider, satellite, transponder) the rows
// thus pass the previous or next row shown. Rows at the edge of their block stay.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"
#include "views/list_drag.h"
#include "views/list_rows.h"

namespace vizud {

enum class KeyMove { Up, Down, ToStart, ToEnd };

struct KeyMoveResult {
    DropResult drop;       // where the rows stand now (firstDroppedRow finds them in the refilled list)
    std::string stepName;  // "Move 3 programs" (UTF-8); empty when nothing moved
};

// Whether `move` of the selected `rows` (ascending) would change anything: the command is offered only
// then. Rows of both blocks, the placeholder row and rows at the edge the move heads for cannot move.
bool keyMoveAllowed(const ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, KeyMove move);

// Carries out `move`; nothing changes (and `drop.changed` is false) where keyMoveAllowed says no.
KeyMoveResult moveRowsByKey(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, KeyMove move);

}  // namespace vizud
