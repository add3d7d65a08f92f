// Bounds-checked views of the image's tables. A count read from a damaged image may exceed its table;
// these clamp to the capacity so no loop ever runs past a table, whatever the image holds.
#pragma once

#include <algorithm>
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

// strncmp(field, name, 16) == 0: names compare as bytes over at most the 16 bytes of the field.
inline bool nameEquals(const char (&field)[16], std::string_view name) {
    const std::size_t nul = name.find('\0');
    const std::size_t length = std::min({name.size(), nul, kNameLength});
    return std::memcmp(field, name.data(), length) == 0 && (length == kNameLength || field[length] == '\0');
}

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
