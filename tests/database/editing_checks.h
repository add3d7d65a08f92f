// Checks shared by the editing tests: the consistency rules every edit keeps, the bytes no edit may touch,
// and copies of snapshot lists so two databases can be fed the same nodes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/image_layout.h"
#include "database/program_snapshot.h"

namespace vizud::test {

// The first broken rule of a consistent image, or "" when every rule holds: counts within capacity, TV
// programs before radio ones, favourite TV entries before radio entries, every reference in range, each
// satellite's tpCount equal to its transponders and, when `sortedTransponders`, the transponders grouped
// by satellite and ascending by frequency.
std::string brokenRule(const all_tables_block& img, bool sortedTransponders);

// "" when no byte outside the tables and counts differs (the lead, the CRC field, the box's parameters
// apart from byte 10079, the reserved count word); else what differs.
std::string untouchedBytesDiffer(const all_tables_block& before, const all_tables_block& after);

// The index of the first differing byte, or -1.
long firstDifference(const all_tables_block& a, const all_tables_block& b);

// The entries of a list in use, in order.
inline std::vector<int> entries(const st_fav& list) {
    return std::vector<int>(list.favEntries, list.favEntries + list.favCount);
}

// Snapshot lists owned by a vector, linked in order.
struct SnapshotList {
    std::vector<std::unique_ptr<ProgramSnapshot>> nodes;

    ProgramSnapshot* head() { return nodes.empty() ? nullptr : nodes.front().get(); }
    void append(const ProgramSnapshot& node);
    SnapshotList clone() const;
};

// Copies a raw clipboard list (allocated with new, as the list view does) and back.
ProgramSnapshot* cloneRawList(const ProgramSnapshot* head);

}  // namespace vizud::test
