// Consistent channel images for tests, fuzz seeds and benchmarks: every count within capacity, TV before
// radio, favourite TV entries before radio entries, transponders grouped by satellite with ascending
// frequencies (none twice), every reference in range. Free slots and reserved bytes hold random bytes, as
// in real images.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string_view>

#include "database/image_layout.h"

namespace vizud::test {

struct ImageShape {
    int satellites = 8;
    int transponders = 40;
    int providers = 12;
    int unusedProviders = 3;  // providers that no program refers to, spread over the table
    int programs = 120;
    int tv = 70;
    int favouriteEntries = 20;  // per list; about half TV
};

// The shape of a full database: 200 satellites, 3000 transponders, 400 providers of which half unused,
// 20000 programs half TV, nine lists of 400 entries.
ImageShape fullShape();

// A random shape within the capacities; small counts (including 0) are likely.
ImageShape randomShape(std::mt19937& rng);

void makeImage(all_tables_block& image, std::uint32_t seed, const ImageShape& shape);
std::unique_ptr<all_tables_block> makeImage(std::uint32_t seed, const ImageShape& shape);

// Stores up to 16 bytes of `name`, NUL-padding the rest.
void setName(char (&field)[16], std::string_view name);

}  // namespace vizud::test
