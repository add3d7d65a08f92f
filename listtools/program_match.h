// Finding a program of one channel file in another, as after a new scan: first by (satellite position,
// direction, transponder frequency, polarization, service id), then by (satellite position, direction,
// name). Ordering like another file and comparing two files match programs this one way.
#pragma once

#include <vector>

#include "database/image_layout.h"

namespace vizud {

// For every program of `reference` (by table index) the program of `file` it matched, or -1. Each program
// of `file` matches at most one: equal keys pair off in table order. A program whose transponder or
// satellite points nowhere matches nothing.
std::vector<int> matchPrograms(const all_tables_block& file, const all_tables_block& reference);

}  // namespace vizud
