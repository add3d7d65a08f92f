// Find in the program list: the rows of the list shown whose program names contain a text, ignoring case
// and the name's leading character-table byte. One pass over the row vector.
#pragma once

#include <string_view>
#include <vector>

#include "database/channel_database.h"
#include "views/list_rows.h"

namespace vizud {

// The matching rows, ascending. `text` is what the user typed (UTF-8); an empty text, or one with a
// character no name can hold, matches nothing.
std::vector<int> findRows(const ChannelDatabase& db, const ListFill& fill, std::string_view text);

// The match to go to from `current` (an index into `matches`, -1 for none yet) one step forward or back,
// wrapping round; -1 when there are no matches.
int nextMatch(int current, int count, bool forward);

}  // namespace vizud
