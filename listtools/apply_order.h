// Putting a channel list back in the order of another file, typically after a new scan: each program of
// the reference finds its counterpart here, first by (satellite position, direction, transponder
// frequency, polarization, service id), then by (satellite position, direction, name).
#pragma once

#include <optional>
#include <string>

#include "database/channel_database.h"

namespace vizud {

struct OrderMatch {
    int tvMatched = 0;
    int tvPrograms = 0;  // the TV programs of the file put in order
    int radioMatched = 0;
    int radioPrograms = 0;
};

// "TV: M of N matched, Radio: M of N matched".
std::string matchSummary(const OrderMatch& match);

// Reorders the table of `db` like `reference`: the TV block becomes its programs matched by the reference
// in the reference's table order, then the unmatched ones in their old order; the radio block likewise.
// No program changes class and the favourite lists follow their programs. With `favourites`, each list
// becomes the reference's list (name included) carried over to the matched programs; entries whose
// reference program matched nothing go, and an entry lands in the TV or radio part by the class its
// program has here. Nothing, with the table unchanged, when the file's own counts lie beyond its tables.
std::optional<OrderMatch> applyOrder(ChannelDatabase& db, const all_tables_block& reference, bool favourites);

}  // namespace vizud
