// Writing a satellite: the satellite dialog's OK and the tree's rename.
#include "database/channel_database.h"
#include "database/edit_support.h"

namespace vizud {
namespace {

inline constexpr int kFirstFreePositioner = 29;
inline constexpr int kLastPositioner = 199;

// The lowest DiSEqC 1.2 position from 29 to 199 that no satellite in use stores; -1 when all are taken.
int freePositionerNumber(const all_tables_block& img) {
    bool taken[256] = {};
    const int count = satelliteCount(img);
    for (int s = 0; s < count; ++s) {
        const std::uint8_t number = img.satellites[s].positionerNo;
        if (number >= kFirstFreePositioner)
            taken[number] = true;
    }
    for (int number = kFirstFreePositioner; number <= kLastPositioner; ++number) {
        if (!taken[number])
            return number;
    }
    return -1;
}

}  // namespace

int ChannelDatabase::setSatellite(int index, const RecordView& view) {
    all_tables_block& img = m_state.image;
    if (index < 0 || index >= kMaxSatellites)
        return -2;
    const int count = satelliteCount(img);
    if (index >= count) {
        // A new satellite goes right after the last one, with clean reserved bytes.
        index = count;
        img.satellites[index] = st_sat{};
        img.satCount = static_cast<std::uint16_t>(count + 1);
    }
    st_sat& sat = img.satellites[index];
    sat.satId = static_cast<std::uint16_t>(view.word[0]);
    sat.position = static_cast<std::uint16_t>(view.word[1]);
    sat.tpCount = static_cast<std::uint16_t>(view.word[2]);
    sat.lnbLowLo = static_cast<std::uint16_t>(view.word[3]);
    sat.lnbHighLo = static_cast<std::uint16_t>(view.word[4]);
    sat.diseqcMode = static_cast<std::int8_t>(view.word[5]);
    sat.tone22k = static_cast<std::int8_t>(view.word[6]);
    sat.motorEnabled = static_cast<std::uint8_t>(view.word[7]);
    if (sat.motorEnabled == 1 && view.word[8] == 0) {
        // The positioner needs a stored position: take the first one nobody uses.
        const int number = freePositionerNumber(img);
        if (number >= 0)
            sat.positionerNo = static_cast<std::uint8_t>(number);
    } else {
        sat.positionerNo = static_cast<std::uint8_t>(view.word[8]);
    }
    sat.auxByte = static_cast<std::uint8_t>(view.word[9]);
    sat.eastWest = static_cast<std::int8_t>(view.word[10]);
    sat.diseqc11Port = static_cast<std::uint16_t>(view.word[11]);
    storeName(sat.name, view.word16);
    return 0;
}

}  // namespace vizud
