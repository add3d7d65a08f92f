#include "views/row_texts.h"

#include <cstdio>

#include "database/image_access.h"
#include "dialogs/field_rules.h"

namespace vizud {
namespace {

// A name as the box shows it: without a leading character-table byte.
std::string shownName(const char (&field)[16]) {
    return showName(nameText(field)).text;
}

}  // namespace

const std::array<ColumnSpec, kListColumns> kListColumnSpecs = {{
    {"Ch Index", 75},
    {"Channel Name", 130},
    {"Ch Status", 75},
    {"Provider", 130},
    {"Satellite", 130},
    {"Tr. Frequency", 80},
    {"Symbolrate", 65},
    {"Pol.", 40},
    {"FEC", 50},
    {"FAVs", 70},
}};

std::array<int, kListColumns> fitColumnWidths(const std::array<int, kListColumns>& minimums, int total) {
    std::array<int, kListColumns> widths{};
    std::array<bool, kListColumns> atMinimum{};
    // Each round fixes the columns the proportional share leaves too narrow; at most one round per column.
    for (int round = 0; round <= kListColumns; ++round) {
        long long room = total;
        long long weight = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (atMinimum[c])
                room -= minimums[c];
            else
                weight += kListColumnSpecs[c].width;
        }
        bool fixedMore = false;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (atMinimum[c]) {
                widths[c] = minimums[c];
                continue;
            }
            widths[c] = weight > 0 && room > 0 ? static_cast<int>(kListColumnSpecs[c].width * room / weight) : 0;
            if (widths[c] < minimums[c]) {
                atMinimum[c] = true;
                fixedMore = true;
            }
        }
        if (!fixedMore)
            break;
    }
    return widths;
}

void RowFormatter::refresh() {
    const all_tables_block& img = m_db.image();
    m_satelliteOfKey.fill(-1);
    for (int s = satelliteCount(img) - 1; s >= 0; --s) {
        // Walking down, the first satellite with a key is the one left standing.
        if (img.satellites[s].satId < m_satelliteOfKey.size())
            m_satelliteOfKey[img.satellites[s].satId] = s;
    }
    m_favouriteMasks.assign(kMaxPrograms, 0);
    for (int k = 0; k < kFavouriteLists; ++k) {
        const st_fav& list = img.favourites[k];
        for (int i = 0; i < favouriteCount(list); ++i) {
            if (list.favEntries[i] < kMaxPrograms)
                m_favouriteMasks[list.favEntries[i]] |= static_cast<std::uint16_t>(1u << k);
        }
    }
}

std::string RowFormatter::text(const ListRow& row, int column) const {
    const all_tables_block& img = m_db.image();
    if (column == kColumnIndex) {
        char index[16];
        std::snprintf(index, sizeof(index), "%04d", row.sequence + 1);
        return index;
    }
    const int p = row.program;
    if (p < 0 || p >= programCount(img))
        return {};
    const st_program& prog = img.programs[p];
    switch (column) {
        case kColumnName:
            return shownName(prog.name);
        case kColumnStatus: {
            std::string status = "     ";
            status[0] = p < img.tvCount ? 'T' : 'R';
            if (prog.programFlags & 4)
                status[2] = 'L';
            if (prog.programFlags & 2)
                status[3] = 'S';
            if (prog.programFlags & 1)
                status[4] = 'C';
            return status;
        }
        default:
            break;
    }
    // The later texts stop at the first record that cannot be read: the provider, then the transponder.
    if (prog.providerIndex >= providerCount(img))
        return {};
    if (column == kColumnProvider)
        return shownName(img.providers[prog.providerIndex].name);
    if (prog.tpIndex >= kMaxTransponders)
        return {};
    const st_ts& tp = img.transponders[prog.tpIndex];
    switch (column) {
        case kColumnFrequency:
            return std::to_string(tp.frequency);
        case kColumnSymbolRate:
            return std::to_string(tp.symbolRate);
        case kColumnPolarisation: {
            static constexpr char kLetters[] = "HVLR";
            return std::string(1, tp.polarization < 4 ? kLetters[tp.polarization] : ' ');
        }
        case kColumnSystem:
            return tp.fec == 0 ? "DVBS" : tp.fec <= 7 ? "DVBS2" : "    ";
        case kColumnSatellite: {
            const int s = m_satelliteOfKey[tp.satId];
            return s < 0 ? std::string() : shownName(img.satellites[s].name);
        }
        case kColumnFavourites: {
            std::string favourites(kFavouriteLists, ' ');
            const std::uint16_t mask = static_cast<std::size_t>(p) < m_favouriteMasks.size() ? m_favouriteMasks[p] : 0;
            for (int k = 0; k < kFavouriteLists; ++k) {
                if (mask & (1u << k))
                    favourites[static_cast<std::size_t>(k)] = static_cast<char>('1' + k);
            }
            return favourites;
        }
        default:
            return {};
    }
}

}  // namespace vizud
