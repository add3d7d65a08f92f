// The same service found twice: the box's scan appends what it finds, so after a rescan a list holds a
// service two or three times. Programs of one class (TV or radio) with the same key (satellite position,
// direction, transponder frequency, polarization, service id) form a group; the first in table order is
// kept, the later ones are its duplicates. A program whose transponder or satellite points nowhere has no
// key and is never a duplicate.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

struct DuplicateGroup {
    bool tv = true;
    int keep = 0;                 // table index of the program kept
    std::vector<int> duplicates;  // table indices of the later ones, ascending
};

// Every group of the image with at least one duplicate, ordered by the program kept.
std::vector<DuplicateGroup> findDuplicates(const all_tables_block& img);

// A program of a group as the tools show it.
struct DuplicateLine {
    int number = 0;  // 1-based table number, as in the CSV export
    std::string name;
    std::string satellite;  // "Astra 19.2E"
    int frequency = 0;
    std::string polarization;  // H, V, L, R
    int serviceId = 0;
    std::string lists;  // the favourite lists holding it, "139"
};

// For each group, its kept program then its duplicates.
std::vector<std::vector<DuplicateLine>> describeGroups(const all_tables_block& img,
                                                       const std::vector<DuplicateGroup>& groups);

struct DuplicateRemoval {
    int removed = 0;
    std::string stepName;  // "Remove N duplicates"; empty when nothing was removed
};

// Deletes every duplicate through the editor's delete of many programs, so the favourite lists and the
// clipboard follow. First, a favourite list that holds a duplicate holds its kept program at that entry
// instead, unless the list holds the kept program already (then the entry goes); the kept program has the
// duplicate's class, so the list's TV entries stay before its radio entries.
DuplicateRemoval removeDuplicates(ChannelDatabase& db);

}  // namespace vizud
