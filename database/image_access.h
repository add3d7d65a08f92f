// Bounds-checked views of the image's tables. A count read from a damaged image may exceed its table;
// these clamp to the capacity so no loop ever runs past a table, whatever the image holds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "database/image_layout.h"

namespace vizud {

inline int satelliteCount(const all_tables_block& img) { return std::min<int>(img.satCount, kMaxSatellites); }
inline int programCount(const all_tables_block& img) { return std::min<int>(img.programCount, kMaxPrograms); }
inline int transponderCount(const all_tables_block& img) { return std::min<int>(img.tpCount, kMaxTransponders); }
inline int providerCount(const all_tables_block& img) { return std::min<int>(img.providerCount, kMaxProviders); }
inline int favouriteCount(const st_fav& list) { return std::min<int>(list.favCount, kMaxFavouriteEntries); }
inline int favouriteTvCount(const st_fav& list) {
    return std::min<int>(list.favTvCount, favouriteCount(list));
}

// The bytes of a 16-byte name field up to the first NUL.
inline std::string nameText(const char (&field)[16]) { return std::string(field, strnlen(field, kNameLength)); }

// strncmp(field, name, 16) == 0 as two masked 64-bit compares: the name's bytes and its terminator (when
// shorter than 16) must match; field bytes after the terminator do not matter. Lookups by name run for
// every row the list filters, so the key is made once per lookup.
class NameMatcher {
public:
    explicit NameMatcher(std::string_view name) {
        const std::size_t length = std::min({name.size(), name.find('\0'), kNameLength});
        unsigned char key[16] = {};
        unsigned char mask[16] = {};
        std::memcpy(key, name.data(), length);
        std::memset(mask, 0xFF, std::min(length + 1, kNameLength));
        std::memcpy(m_key, key, 16);
        std::memcpy(m_mask, mask, 16);
    }
    bool matches(const char (&field)[16]) const {
        std::uint64_t value[2];
        std::memcpy(value, field, 16);
        return ((value[0] ^ m_key[0]) & m_mask[0]) == 0 && ((value[1] ^ m_key[1]) & m_mask[1]) == 0;
    }

private:
    std::uint64_t m_key[2];
    std::uint64_t m_mask[2];
};

inline bool nameEquals(const char (&field)[16], std::string_view name) { return NameMatcher(name).matches(field); }

// Copies at most 16 bytes of a NUL-terminated name into a field, NUL-padding the rest (strncpy).
inline void storeName(char (&field)[16], const char* name) {
    std::memset(field, 0, kNameLength);
    if (name != nullptr) {
        std::memcpy(field, name, strnlen(name, kNameLength));
    }
}

// True when every count of the image lies within its table: only such an image is a channel image.
bool countsWithinCapacity(const all_tables_block& img);

}  // namespace vizud
