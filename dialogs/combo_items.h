// The entries of the dialogs' satellite, transponder and provider lists: the text shown and the table
// index it stands for, read from the image when a dialog is prepared.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

struct ComboItem {
    std::string text;  // as shown (UTF-8)
    int index = -1;    // table index
};
using ComboItems = std::vector<ComboItem>;

// An editable drop-down: the entry chosen, or -1 with the text the user typed (UTF-8).
struct EditableChoice {
    int selection = -1;
    std::string text;
};

// Every satellite in table order, named without a leading character-table byte, as the list shows it.
ComboItems satelliteItems(const ChannelDatabase& db);
// The transponders of the satellite with this key, in table order, named by their frequency in MHz.
ComboItems transponderItems(const ChannelDatabase& db, int satId);
// Every provider in table order, named without a leading character-table byte.
ComboItems providerItems(const ChannelDatabase& db);

// The position of the first item for this table index; -1 when there is none.
int positionOfIndex(const ComboItems& items, int index);
// The position of the first item with this text; -1 when there is none.
int positionOfText(const ComboItems& items, const std::string& text);
// The table index behind a position; -1 for a position with no item.
int indexAt(const ComboItems& items, int position);

}  // namespace vizud
