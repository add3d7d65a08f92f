// Which programs the program list shows, in display order: the whole table or one favourite list, the TV,
// radio or both category, narrowed by the tree's filter. Built in one pass over the image.
#pragma once

#include <cstdint>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

struct ListRow {
    int sequence = 0;  // position in the table or list; the row's number is sequence + 1
    int program = 0;   // index in the program table
};

struct ListFill {
    std::vector<ListRow> rows;
    int favouriteList = -1;    // the list shown, -1 for the whole table
    bool unknownList = false;  // neither the whole table nor a list is selected: nothing is shown
    // The view mode the rows were read under (its category bits decide the TV and radio blocks a drag
    // keeps to); the rules of a fill read it from here, not from the browse state.
    std::uint32_t viewMode = 0;
};

// The rows the browse state selects (the main program list).
ListFill fillRows(const ChannelDatabase& db);
// Every entry of favourite list `list`, TV and radio, unfiltered: the list beside the whole table, which
// has a view of its own and leaves the browse state as it is.
ListFill fillFavouriteRows(const ChannelDatabase& db, int list);

// "Program executing error:\nUnknown FAV list!", shown (error icon) for a fill with `unknownList`.
inline constexpr const char* kUnknownListText = "Program executing error:\nUnknown FAV list!";
inline constexpr const char* kNoChannelsText = "---NO CHANNELS---";

}  // namespace vizud
