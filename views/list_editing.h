// Cut, copy, paste and delete on the program list's selected rows, over the engine's batch forms: the
// rows are named by their place in the list's row vector, and a command on 10000 rows is one pass.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"
#include "views/list_rows.h"

namespace vizud {

inline constexpr const char* kMixedClipboardText = "You have together TV and Radio programs in clipboard!";

struct EditRules {
    bool cut = false, copy = false, paste = false, remove = false;
};
// What the browse state's edit mask, the clipboard and the first selected row (-1: none) allow.
EditRules editRules(const ChannelDatabase& db, const ListFill& fill, int firstSelectedRow);

// Copy (and the first half of Cut): the clipboard is emptied and refilled with the programs of `rows`
// (ascending), and paste is allowed. A cut marks programs that leave the table (not when a favourite
// list or the "Favs" root is shown) so that paste re-creates them. True when TV and radio programs are
// now mixed in the clipboard (the caller shows kMixedClipboardText).
bool fillClipboard(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, bool cut);

// What a delete did: deleted the programs from the table, or took them out of the list shown or (the
// "Favs" root) out of every favourite list, the programs staying in the table.
struct Removal {
    enum Kind { FromTable, FromList, FromEveryList } kind = FromTable;
    std::string listName;  // FromList: the list's name as the tree shows it (UTF-8)
    bool operator==(const Removal&) const = default;
};

// Delete (and the second half of Cut): the programs of `rows` (ascending) leave the view shown: the
// table, the lists of the "Favs" root, or the list shown.
Removal removeRows(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows);

// The row selected after removing `rows` (ascending) from a list that now has `rowsLeft` rows: the
// row after the removed block, or the last row.
int rowAfterRemoval(const std::vector<int>& rows, int rowsLeft);

// Paste before row `row`. True when the clipboard was placed; refusals have shown their messages.
bool pasteBefore(ChannelDatabase& db, const ListFill& fill, int row);

}  // namespace vizud
