// Read-only queries: counts, single records, program snapshots, lookups and the list filter.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "database/channel_database.h"
#include "database/image_access.h"

namespace vizud {
namespace {

std::uint32_t signExtend(std::int8_t value) { return static_cast<std::uint32_t>(static_cast<std::int32_t>(value)); }

// The favourite list a viewMode names: the first of bits 5..13 that is set; list 0 when none is.
int favouriteListOfMode(std::uint32_t mode) {
    for (int list = 0; list < kFavouriteLists; ++list) {
        if (mode & (1u << (kViewFirstFavouriteBit + list))) {
            return list;
        }
    }
    return 0;
}

// Compares 32 entries per step without branches, which the compiler turns into one vector compare;
// the list view asks this for each of the nine lists of every row it shows.
bool containsEntry(const std::uint16_t* entries, int count, std::uint16_t wanted) {
    int i = 0;
    for (; i + 32 <= count; i += 32) {
        std::uint16_t found = 0;
        for (int k = 0; k < 32; ++k) {
            found |= static_cast<std::uint16_t>(entries[i + k] == wanted ? 0xFFFF : 0);
        }
        if (found != 0) return true;
    }
    for (; i < count; ++i) {
        if (entries[i] == wanted) return true;
    }
    return false;
}

bool listContains(const st_fav& list, int programIndex) {
    if (programIndex < 0 || programIndex > 0xFFFF) return false;
    return containsEntry(list.favEntries, favouriteCount(list), static_cast<std::uint16_t>(programIndex));
}

// Where a program stands in each favourite list. Most programs are in none: the vector compare finds
// that, and only the lists that name the program are walked for its places.
void readListPlaces(const all_tables_block& img, int programIndex, ListPlace (&places)[kFavouriteLists]) {
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        ListPlace place;
        if (listContains(list, programIndex)) {
            const int count = favouriteCount(list);
            for (int i = 0; i < count; ++i) {
                if (list.favEntries[i] == programIndex) {
                    ++place.entries;
                    place.position = static_cast<std::uint16_t>(i);
                }
            }
        }
        places[l] = place;
    }
}

}  // namespace

int ChannelDatabase::getInfo(int code, std::uint32_t& value) const {
    const all_tables_block& img = m_state.image;
    switch (code) {
        case kInfoSatCount: value = img.satCount; return 0;
        case kInfoProgramCount: value = img.programCount; return 0;
        case kInfoTpCount: value = img.tpCount; return 0;
        case kInfoProviderCount: value = img.providerCount; return 0;
        case kInfoFavouriteLists: value = kFavouriteLists; return 0;
        case kInfoTvCount: value = img.tvCount; return 0;
        default: break;
    }
    if (code < kInfoFavTv || code > kInfoLast) {
        return -1;
    }
    const st_fav& list = img.favourites[(code - kInfoFavTv) / 2];
    const bool radio = (code - kInfoFavTv) % 2 == 1;
    value = radio ? static_cast<std::uint32_t>(list.favCount - list.favTvCount) : list.favTvCount;
    return 0;
}

int ChannelDatabase::getRecord(int table, int index, RecordView& view) const {
    const all_tables_block& img = m_state.image;
    switch (table) {
        case kTableSatellites: {
            if (index < 0 || index >= kMaxSatellites) return -2;
            if (index >= img.satCount) return -3;
            const st_sat& sat = img.satellites[index];
            view.word[0] = sat.satId;
            view.word[1] = sat.position;
            view.word[2] = sat.tpCount;
            view.word[3] = sat.lnbLowLo;
            view.word[4] = sat.lnbHighLo;
            view.word[5] = signExtend(sat.diseqcMode);
            view.word[6] = signExtend(sat.tone22k);
            view.word[7] = sat.motorEnabled;
            view.word[8] = sat.positionerNo;
            view.word[9] = sat.auxByte;
            view.word[10] = signExtend(sat.eastWest);
            view.word[11] = sat.diseqc11Port;
            view.word16 = sat.name;
            return 0;
        }
        case kTablePrograms: {
            if (index < 0 || index >= kMaxPrograms) return -2;
            if (index >= img.programCount) return -3;
            const st_program& prog = img.programs[index];
            view.word[0] = prog.serviceId;
            view.word[1] = prog.providerIndex;
            view.word[2] = prog.tpIndex;
            view.word[3] = prog.videoPid;
            view.word[4] = prog.audioPid;
            view.word[5] = prog.pcrPid;
            view.word[6] = prog.programFlags;
            view.word16 = prog.name;
            return 0;
        }
        case kTableTransponders: {
            if (index < 0 || index >= kMaxTransponders) return -4;
            const st_ts& tp = img.transponders[index];
            view.word[0] = tp.satId;
            view.word[2] = tp.polarization;
            view.word[3] = tp.fec;
            view.word[4] = tp.tsId;
            view.word[5] = tp.networkId;
            view.word[6] = tp.originalNetworkId;
            view.word[7] = tp.frequency;
            view.word[8] = tp.symbolRate;
            return 0;
        }
        case kTableProviders: {
            if (index < 0 || index >= kMaxProviders) return -2;
            if (index >= img.providerCount) return -3;
            view.word16 = img.providers[index].name;
            return 0;
        }
        case kTableFavourites: {
            if (index < 0 || index >= kFavouriteLists) return -2;
            const st_fav& list = img.favourites[index];
            const auto position = static_cast<std::int32_t>(view.word[0]);
            if (position != 0 && position >= list.favCount) return -3;
            if (position < 0 || position >= kMaxFavouriteEntries) return -4;
            view.word[1] = list.favEntries[position];
            view.word[2] = list.favCount;
            view.word[3] = list.favTvCount;
            view.word16 = list.favName;
            // Names of the next two lists; a list beyond the ninth has no name to point at.
            view.word17 = index + 1 < kFavouriteLists ? img.favourites[index + 1].favName : nullptr;
            view.word18 = index + 2 < kFavouriteLists ? img.favourites[index + 2].favName : nullptr;
            return 0;
        }
        default: return -1;
    }
}

int ChannelDatabase::getProgramSnapshot(std::uint32_t mode, int index, ProgramSnapshot& snap) const {
    const all_tables_block& img = m_state.image;
    int programIndex = index;
    if (mode != 0) {
        const st_fav& list = img.favourites[favouriteListOfMode(mode)];
        const int position = (mode & kViewRadioOnly) ? index + list.favTvCount : index;
        if (position < 0 || position >= kMaxFavouriteEntries) return -3;
        programIndex = list.favEntries[position];
    }
    if (programIndex < 0 || programIndex >= img.programCount || programIndex >= kMaxPrograms) return -3;

    const st_program& prog = img.programs[programIndex];
    snap.isTv = programIndex < img.tvCount ? 1 : 0;
    snap.serviceId = prog.serviceId;
    if (prog.providerIndex < kMaxProviders) {
        std::memcpy(snap.providerName, img.providers[prog.providerIndex].name, kNameLength);
    } else {
        std::memset(snap.providerName, 0, kNameLength);
    }
    snap.videoPid = prog.videoPid;
    snap.audioPid = prog.audioPid;
    snap.pcrPid = prog.pcrPid;
    snap.programFlags = prog.programFlags;
    std::memcpy(snap.name, prog.name, kNameLength);

    if (prog.tpIndex >= kMaxTransponders) return -2;
    const st_ts& tp = img.transponders[prog.tpIndex];
    const int satIndex = findSatIndexById(tp.satId);
    if (satIndex < 0) return -2;
    const st_sat& sat = img.satellites[satIndex];
    snap.satId = sat.satId;
    snap.satPosition = sat.position;
    std::memcpy(snap.satName, sat.name, kNameLength);
    snap.satTpCount = sat.tpCount;
    snap.lnbLowLo = sat.lnbLowLo;
    snap.lnbHighLo = sat.lnbHighLo;
    snap.diseqcMode = sat.diseqcMode;
    snap.tone22k = sat.tone22k;
    snap.motorEnabled = sat.motorEnabled;
    snap.positionerNo = sat.positionerNo;
    snap.auxByte = sat.auxByte;
    snap.eastWest = sat.eastWest;
    snap.diseqc11Port = sat.diseqc11Port;
    snap.tpSatId = tp.satId;
    snap.polarization = tp.polarization;
    snap.fec = tp.fec;
    snap.tsId = tp.tsId;
    snap.networkId = tp.networkId;
    snap.originalNetworkId = tp.originalNetworkId;
    snap.frequency = tp.frequency;
    snap.symbolRate = tp.symbolRate;

    if (mode == 0) {
        readListPlaces(img, programIndex, snap.favPlace);
    }
    return 0;
}

int ChannelDatabase::getClipSnapshot(int programIndex, ProgramSnapshot& snap) const {
    const all_tables_block& img = m_state.image;
    if (programIndex < 0 || programIndex >= programCount(img)) return -1;
    const st_program& prog = img.programs[programIndex];
    snap.serviceId = prog.serviceId;
    snap.providerIndex = prog.providerIndex;
    snap.tpIndex = prog.tpIndex;
    snap.videoPid = prog.videoPid;
    snap.audioPid = prog.audioPid;
    snap.pcrPid = prog.pcrPid;
    snap.programFlags = prog.programFlags;
    std::memcpy(snap.name, prog.name, kNameLength);
    snap.isTv = programIndex < img.tvCount ? 1 : 0;
    readListPlaces(img, programIndex, snap.favPlace);
    return 0;
}

int ChannelDatabase::getFavMembership(int programIndex, std::uint32_t& mask) const {
    mask = 0;
    for (int l = 0; l < kFavouriteLists; ++l) {
        if (listContains(m_state.image.favourites[l], programIndex)) {
            mask |= 1u << (kViewFirstFavouriteBit + l);
        }
    }
    return 0;
}

int ChannelDatabase::findSatIndexById(int satId) const {
    const all_tables_block& img = m_state.image;
    const int count = satelliteCount(img);
    for (int i = 0; i < count; ++i) {
        if (img.satellites[i].satId == satId) return i;
    }
    return -1;
}

int ChannelDatabase::findSatByName(std::string_view name, int* outIndex) const {
    const all_tables_block& img = m_state.image;
    const int count = satelliteCount(img);
    const NameMatcher matcher(name);
    for (int i = 0; i < count; ++i) {
        if (matcher.matches(img.satellites[i].name)) {
            if (outIndex != nullptr) *outIndex = i;
            return img.satellites[i].satId;
        }
    }
    return -1;
}

int ChannelDatabase::findTransponder(int satId, int frequency) const {
    const all_tables_block& img = m_state.image;
    const int count = transponderCount(img);
    for (int i = 0; i < count; ++i) {
        if (img.transponders[i].satId == satId && img.transponders[i].frequency == frequency) return i;
    }
    return -1;
}

int ChannelDatabase::findIndexByName(int table, std::string_view name) const {
    const all_tables_block& img = m_state.image;
    if (table == kTableProviders) {
        const int count = providerCount(img);
        const NameMatcher matcher(name);
        for (int i = 0; i < count; ++i) {
            if (matcher.matches(img.providers[i].name)) return i;
        }
        return -1;
    }
    if (table == kTableFavourites) {
        for (int l = 0; l < kFavouriteLists; ++l) {
            if (nameEquals(img.favourites[l].favName, name)) return l;
        }
        return -1;
    }
    return -5;
}

// The tree selection resolved against the image once: which satellite, frequency, provider name or
// favourite membership a program must match to be shown.
struct ChannelDatabase::ResolvedFilter {
    enum class Test { ShowAll, HideAll, Satellite, Transponder, Provider, Favourites } test = Test::ShowAll;
    int satId = -1;
    int frequency = 0;
    char letter = '\0';  // the transponder node's polarisation letter; 0 for any
    std::string_view providerName;
    std::vector<bool> inSomeList;  // by program index, for the "Favs" root
};

ChannelDatabase::ResolvedFilter ChannelDatabase::resolveFilter(bool wholeTable) const {
    const all_tables_block& img = m_state.image;
    const BrowseState& browse = m_state.browse;
    const std::uint8_t kind = browse.filterKind;
    ResolvedFilter filter;
    using Test = ResolvedFilter::Test;
    if (kind & (kFilterSatellite | kFilterTransponder)) {
        const bool satellite = kind & kFilterSatellite;
        int satIndex = -1;
        if (browse.satelliteIndex >= 0 && browse.satelliteIndex < satelliteCount(img)) {
            satIndex = browse.satelliteIndex;
        } else if (findSatByName(satellite ? browse.selectedText : browse.parentText, &satIndex) < 0) {
            filter.test = Test::HideAll;
            return filter;
        }
        filter.test = satellite ? Test::Satellite : Test::Transponder;
        filter.satId = img.satellites[satIndex].satId;
        filter.frequency = std::atoi(browse.selectedText.c_str());
        // A transponder node names its polarisation too ("12245(H)"): two transponders of one frequency
        // are told apart by it.
        const std::size_t open = browse.selectedText.find('(');
        if (!satellite && open != std::string::npos && open + 1 < browse.selectedText.size())
            filter.letter = browse.selectedText[open + 1];
    } else if (kind & kFilterProvider) {
        filter.test = Test::Provider;
        filter.providerName = browse.selectedText;
    } else if (kind & kFilterFavs) {
        filter.test = Test::Favourites;
        if (wholeTable) {
            filter.inSomeList.assign(kMaxPrograms, false);
            for (const st_fav& list : img.favourites) {
                const int count = favouriteCount(list);
                for (int i = 0; i < count; ++i) {
                    if (list.favEntries[i] < kMaxPrograms) filter.inSomeList[list.favEntries[i]] = true;
                }
            }
        }
    }
    return filter;
}

bool ChannelDatabase::hiddenBy(const ResolvedFilter& filter, int programIndex) const {
    const all_tables_block& img = m_state.image;
    if (programIndex < 0 || programIndex >= kMaxPrograms) return true;
    const st_program& prog = img.programs[programIndex];
    using Test = ResolvedFilter::Test;
    switch (filter.test) {
        case Test::ShowAll: return false;
        case Test::HideAll: return true;
        case Test::Satellite:
            return prog.tpIndex >= kMaxTransponders || img.transponders[prog.tpIndex].satId != filter.satId;
        case Test::Transponder: {
            if (prog.tpIndex >= kMaxTransponders) return true;
            const st_ts& tp = img.transponders[prog.tpIndex];
            if (tp.satId != filter.satId || tp.frequency != filter.frequency) return true;
            static constexpr char kLetters[] = "HVL";
            const char letter = tp.polarization < 3 ? kLetters[tp.polarization] : 'R';
            return filter.letter != '\0' && letter != filter.letter;
        }
        case Test::Provider:
            return prog.providerIndex >= kMaxProviders ||
                   !nameEquals(img.providers[prog.providerIndex].name, filter.providerName);
        case Test::Favourites:
            if (!filter.inSomeList.empty()) return !filter.inSomeList[programIndex];
            for (const st_fav& list : img.favourites) {
                if (listContains(list, programIndex)) return false;
            }
            return true;
    }
    return false;
}

int ChannelDatabase::isFilteredOut(int programIndex) const {
    return hiddenBy(resolveFilter(false), programIndex) ? 1 : 0;
}

std::vector<int> ChannelDatabase::shownPrograms() const {
    const ResolvedFilter filter = resolveFilter(true);
    const int count = programCount(m_state.image);
    std::vector<int> shown;
    shown.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        if (!hiddenBy(filter, p)) shown.push_back(p);
    }
    return shown;
}

}  // namespace vizud
