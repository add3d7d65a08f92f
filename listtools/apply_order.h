// Putting a channel list back in the order of another file, typically after a new scan: each program of
// the reference finds its counterpart here, first by (satellite position, direction, transponder
// frequency, polarization, service id), then by (satellite position, direction, name).
#pragma once

#include <optional>
#include <string>
#include <vector>

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

struct CsvReference;

// What a list edited in a spreadsheet brings besides its order.
struct CsvApplyOptions {
    bool names = false;          // a matched program whose shown name differs takes the row's
    bool flags = false;          // scrambled, scpc, locked, user
    bool favourites = false;     // list membership follows the favourites column
    bool deleteMissing = false;  // programs no row matched are deleted
};

struct CsvOrderResult {
    OrderMatch match;
    std::vector<int> unmatchedLines;  // the lines of the rows that matched nothing
    std::string error;                // why nothing was changed; empty when applied
};

// Orders the table like the rows of `reference`, matched as a .si reference's programs are (the second
// key with shown names), and takes what `options` asks. Names are checked (Latin-1, 16 bytes) and the
// favourite lists counted (400 entries) before anything changes: a refusal leaves the image as it was.
// With `favourites` list d keeps, in its order, the entries whose program's row still holds d (an entry
// of a program no row matched goes) and takes the matched programs newly marked with d after them in
// row order, TV ones at the end of its TV part; the list names stay.
CsvOrderResult applyOrderFromCsv(ChannelDatabase& db, const CsvReference& reference, const CsvApplyOptions& options);

// "3 rows matched nothing (lines 5, 9, 12)", the first few lines only; empty when every row matched.
std::string unmatchedRowsText(const std::vector<int>& lines);

}  // namespace vizud
