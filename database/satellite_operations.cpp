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

namespace vizud {
namespace {

// Whether transponders with this key belong to satellite `index`: it carries the key and no other does.
bool ownsKey(const all_tables_block& img, int index) {
    const int key = img.satellites[index].satId;
    if (key > 255)
        return false;
    for (int s = 0; s < satelliteCount(img); ++s) {
        if (s != index && img.satellites[s].satId == key)
            return false;
    }
    return true;
}

}  // namespace

int ChannelDatabase::addSatellite(const st_sat& sat) {
    all_tables_block& img = m_state.image;
    const int count = satelliteCount(img);
    if (count >= kMaxSatellites)
        return -1;
    bool used[256] = {};
    for (int s = 0; s < count; ++s) {
        if (img.satellites[s].satId < 256)
            used[img.satellites[s].satId] = true;
    }
    // A transponder whose satellite is missing would otherwise join the new one.
    for (int t = 0; t < transponderCount(img); ++t)
        used[img.transponders[t].satId] = true;
    int key = count;
    if (used[key]) {
        key = 0;
        while (key < 256 && used[key])
            ++key;
        if (key == 256)
            return -2;
    }
    st_sat& added = img.satellites[count];
    added = sat;
    added.satId = static_cast<std::uint16_t>(key);
    added.tpCount = 0;
    img.satCount = static_cast<std::uint16_t>(count + 1);
    return count;
}

ChannelDatabase::SatelliteContents ChannelDatabase::satelliteContents(int index) const {
    const all_tables_block& img = m_state.image;
    SatelliteContents contents;
    if (index < 0 || index >= satelliteCount(img) || !ownsKey(img, index))
        return contents;
    const int key = img.satellites[index].satId;
    std::vector<char> own(static_cast<std::size_t>(transponderCount(img)), 0);
    for (int t = 0; t < transponderCount(img); ++t) {
        own[static_cast<std::size_t>(t)] = img.transponders[t].satId == key;
        contents.transponders += own[static_cast<std::size_t>(t)];
    }
    for (int p = 0; p < programCount(img); ++p) {
        const int t = img.programs[p].tpIndex;
        contents.programs += t < transponderCount(img) && own[static_cast<std::size_t>(t)];
    }
    for (const ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next) {
        if (node->tpIndex < own.size() && own[node->tpIndex])
            contents.neededByClipboard = true;
    }
    return contents;
}

int ChannelDatabase::deleteSatellite(int index) {
    all_tables_block& img = m_state.image;
    const int satellites = satelliteCount(img);
    if (index < 0 || index >= satellites)
        return -1;
    if (satelliteContents(index).neededByClipboard)
        return -8;
    if (ownsKey(img, index)) {
        const int key = img.satellites[index].satId;
        const int transponders = transponderCount(img);
        // The programs first, one pass; each index is the one it has once those before it are gone.
        std::vector<int> programs;
        for (int p = 0; p < programCount(img); ++p) {
            const int t = img.programs[p].tpIndex;
            if (t < transponders && img.transponders[t].satId == key)
                programs.push_back(p - static_cast<int>(programs.size()));
        }
        deletePrograms(programs);
        // Then the transponders, the table closed up and every reference to a later one moved down.
        std::vector<std::uint16_t> newIndex(static_cast<std::size_t>(transponders));
        int kept = 0;
        for (int t = 0; t < transponders; ++t) {
            newIndex[static_cast<std::size_t>(t)] = static_cast<std::uint16_t>(kept);
            if (img.transponders[t].satId != key)
                img.transponders[kept++] = img.transponders[t];
        }
        img.tpCount = static_cast<std::uint16_t>(kept);
        const auto renumber = [&newIndex, transponders](std::uint16_t& tp) {
            if (tp < transponders)
                tp = newIndex[tp];
        };
        for (int p = 0; p < programCount(img); ++p)
            renumber(img.programs[p].tpIndex);
        for (ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next)
            renumber(node->tpIndex);
    }
    edit::closeGap(img.satellites, satellites, index);
    img.satCount = static_cast<std::uint16_t>(satellites - 1);
    return 0;
}

}  // namespace vizud
