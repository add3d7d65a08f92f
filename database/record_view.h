// The nineteen words that record reads and writes exchange with ChannelDatabase.
#pragma once

#include <cstdint>

namespace vizud {

// Words 0..15 are plain 32-bit values; words 16..18 are addresses of names, kept as real pointers so
// that a 64-bit build never squeezes an address into 32 bits. Which words a table uses is fixed by
// getRecord; words a call does not fill keep what the caller left in them.
struct RecordView {
    std::uint32_t word[16] = {};
    const char* word16 = nullptr;  // name of the record (or the new name for an update)
    const char* word17 = nullptr;  // favourite lists: name of the next list
    const char* word18 = nullptr;  // favourite lists: name of the list after that
};

}  // namespace vizud
