// The 153 satellites the box knows by name, from which the satellite dialog's "Default" button takes a
// satellite's position, direction, LNB oscillators, DiSEqC settings, tone and positioner number.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vizud {

struct PredefinedSatellite {
    std::int16_t rowNumber;  // the row's position, except three rows that carry a neighbour's number
    std::int16_t position;   // tenths of a degree
    const char* name;        // the lookup key, byte for byte
    std::uint16_t lowerLo;   // MHz
    std::uint16_t upperLo;   // MHz
    std::int8_t tone;        // as tone22k
    std::uint8_t positionerNo;
    std::uint8_t spare;     // 0 in every row but one
    std::int8_t direction;  // 'E' or 'W' (0 in one row)
    std::int8_t diseqcMode;
    std::uint8_t diseqc12;  // as motorEnabled
    std::int16_t diseqc11;  // as diseqc11Port
};

inline constexpr int kPredefinedSatelliteCount = 153;

std::span<const PredefinedSatellite> predefinedSatellites();

// "Astra 1C-1H  19.2E": a row as a chooser lists it, as UTF-8.
std::string predefinedSatelliteLabel(int row);

// The first row whose name equals `name` byte for byte; -1 when none does.
int findPredefinedSatellite(std::string_view name);

}  // namespace vizud
