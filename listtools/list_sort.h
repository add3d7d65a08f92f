// Sorting the channel list: by name, by provider (then name) or by transponder (satellite position,
// frequency, polarization, then name), stable, the TV and the radio block each on their own.
#pragma once

#include <optional>
#include <string_view>

#include "database/channel_database.h"

namespace vizud {

enum class SortKey { Name, Provider, Transponder };

std::optional<SortKey> sortKeyNamed(std::string_view name);  // "name", "provider", "transponder"

// Sorts the program table; the favourite lists follow their programs. 0, or -1 with nothing changed.
int sortPrograms(ChannelDatabase& db, SortKey key);

// Sorts the entries of favourite list `list` (0..8) only, its TV part and its radio part each on their
// own; the table stays. 0, or -1 for a list that does not exist.
int sortListEntries(ChannelDatabase& db, int list, SortKey key);

}  // namespace vizud
