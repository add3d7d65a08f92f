// Where a program lies: its transponder and that transponder's satellite, found once per image for every
// program the channel-list tools look at. A reference that points nowhere gives null.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "database/image_access.h"

namespace vizud {

struct ProgramPlace {
    const st_ts* transponder = nullptr;
    const st_sat* satellite = nullptr;
};

class ProgramPlaces {
public:
    explicit ProgramPlaces(const all_tables_block& img) : m_img(img) {
        m_satelliteOfKey.fill(-1);
        // The first satellite with a key wins, as the editor's lookups by key find it.
        for (int s = satelliteCount(img) - 1; s >= 0; --s) {
            if (img.satellites[s].satId < m_satelliteOfKey.size())
                m_satelliteOfKey[img.satellites[s].satId] = s;
        }
    }

    // The satellite whose key the transponder carries, or -1.
    int satelliteIndexOf(const st_ts& tp) const { return m_satelliteOfKey[tp.satId]; }

    ProgramPlace of(const st_program& prog) const {
        ProgramPlace place;
        if (prog.tpIndex < transponderCount(m_img)) {
            place.transponder = &m_img.transponders[prog.tpIndex];
            const int sat = satelliteIndexOf(*place.transponder);
            place.satellite = sat >= 0 ? &m_img.satellites[sat] : nullptr;
        }
        return place;
    }

private:
    const all_tables_block& m_img;
    std::array<int, 256> m_satelliteOfKey;
};

// The key a rescan leaves unchanged and the tools match and group programs by: satellite position,
// direction, transponder frequency, polarization and service id in one number. A program whose
// transponder or satellite points nowhere has none.
inline std::uint64_t placeKey(std::uint16_t position, std::uint8_t direction, std::uint16_t frequency,
                              std::uint8_t polarization, std::uint16_t serviceId) {
    return std::uint64_t{position} << 48 | std::uint64_t{direction} << 40 | std::uint64_t{frequency} << 24 |
           std::uint64_t{polarization} << 16 | serviceId;
}

inline std::optional<std::uint64_t> placeKey(const ProgramPlace& place, const st_program& prog) {
    if (place.satellite == nullptr)
        return std::nullopt;
    return placeKey(place.satellite->position, static_cast<std::uint8_t>(place.satellite->eastWest),
                    place.transponder->frequency, place.transponder->polarization, prog.serviceId);
}

}  // namespace vizud
