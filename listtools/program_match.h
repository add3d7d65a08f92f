// Finding a program of one channel file in another, as after a new scan: first by (satellite position,
// direction, transponder frequency, polarization, service id), then by (satellite position, direction,
// name). Ordering like another file (or like a list edited in a spreadsheet) and comparing two files
// match programs this one way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/image_layout.h"

namespace vizud {

// A program's two keys; a program whose transponder or satellite points nowhere has neither and matches
// nothing.
struct ProgramKeys {
    bool placed = false;
    std::uint64_t place = 0;  // position, direction, frequency, polarization, service id (placeKey)
    std::string named;        // position (low byte first), direction, the name's bytes
};

// The second key from its parts.
std::string namedKey(std::uint16_t position, char direction, std::string_view name);

// The keys of every program of `img` in table order. With `shownNames` the name loses a leading
// character-table byte (1..31) and the direction is 'E' or 'W', as an exported list writes them.
std::vector<ProgramKeys> programKeys(const all_tables_block& img, bool shownNames = false);

// For every reference key the program of the file it matched, or -1. Each program of the file matches at
// most one: equal keys pair off in order, the first key before the second.
std::vector<int> matchKeys(const std::vector<ProgramKeys>& fileKeys, const std::vector<ProgramKeys>& referenceKeys);

// For every program of `reference` (by table index) the program of `file` it matched, or -1.
std::vector<int> matchPrograms(const all_tables_block& file, const all_tables_block& reference);

}  // namespace vizud
