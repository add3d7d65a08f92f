// The consistency check of a channel image as it is read: every count, reference, favourite entry and
// the CRC, each problem a finding of its own. And the repair of what can be set right without deciding
// anything for the user: favourite entries that name no program, name one twice or stand in the wrong
// part; a satellite's transponder count; the CRC.
#pragma once

#include <string>
#include <vector>

#include "database/image_layout.h"

namespace vizud {

enum class FindingKind { Crc, Capacity, Transponder, Provider, Satellite, DuplicateTransponder, Favourite, Count };

struct Finding {
    FindingKind kind;
    std::string text;  // what is wrong, with the numbers a user needs to find it (1-based, as the list shows)
};

// "crc", "capacity", "transponder", "provider", "satellite", "duplicate-transponder", "favourite", "count".
const char* findingKindName(FindingKind kind);

// Every finding, in the order of the kinds above. Counts beyond a table are findings; the rest of the
// check then looks only at what lies within the table.
std::vector<Finding> checkImage(const all_tables_block& img);

// One line per finding, "kind: text", or "no problems found".
std::string reportText(const std::vector<Finding>& findings);

// Whether repairImage would change something the check found.
bool isRepairable(const Finding& finding);

struct Repair {
    int favouriteEntriesDropped = 0;
    int favouriteEntriesMoved = 0;  // into the part of their program's class
    int countsFixed = 0;
    bool crcRefreshed = false;
};

// Sets right what can be repaired safely; needs counts within capacity (else nothing changes). Each list
// keeps its entries that name a program, once each, TV entries before radio entries in their order; each
// satellite's transponder count becomes the number of its transponders; the CRC is refreshed.
Repair repairImage(all_tables_block& img);

}  // namespace vizud
