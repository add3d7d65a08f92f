#include "database/edit_support.h"

#include <climits>
#include <string_view>

namespace vizud::edit {
namespace {

std::string_view fieldText(const char (&field)[16]) {
    return std::string_view(field, strnlen(field, kNameLength));
}

// Every deleted or inserted program passes over all nine lists, so these loops run a fixed 400 times with
// the entries in use masked in: the compiler turns them into vector code. Entries beyond the count are
// rewritten with the value they already hold.
bool listHolds(const st_fav& list, int count, std::uint16_t value) {
    unsigned found = 0;
    for (int i = 0; i < kMaxFavouriteEntries; ++i) {
        found |= static_cast<unsigned>(list.favEntries[i] == value) & static_cast<unsigned>(i < count);
    }
    return found != 0;
}

}  // namespace

int listOfMode(std::uint32_t mode) {
    for (int list = 0; list < kFavouriteLists; ++list) {
        if (mode & (1u << (kViewFirstFavouriteBit + list))) {
            return list;
        }
    }
    return 0;
}

void removeListEntry(st_fav& list, int pos) {
    const int count = favouriteCount(list);
    const int tv = favouriteTvCount(list);
    if (pos < 0 || pos >= count) {
        return;
    }
    closeGap(list.favEntries, count, pos);
    list.favCount = static_cast<std::uint16_t>(count - 1);
    list.favTvCount = static_cast<std::uint16_t>(pos < tv ? tv - 1 : tv);
}

void insertListEntry(st_fav& list, int pos, std::uint16_t value, bool tv) {
    const int count = favouriteCount(list);
    const int tvCount = favouriteTvCount(list);
    if (count >= kMaxFavouriteEntries || pos < 0 || pos > count) {
        return;
    }
    openGap(list.favEntries, count, pos, 1);
    list.favEntries[pos] = value;
    list.favCount = static_cast<std::uint16_t>(count + 1);
    list.favTvCount = static_cast<std::uint16_t>(tvCount + (tv ? 1 : 0));
}

int removeProgramFromList(st_fav& list, int program) {
    if (program < 0 || program > 0xFFFF) {
        return 0;
    }
    const auto value = static_cast<std::uint16_t>(program);
    if (!listHolds(list, favouriteCount(list), value)) {
        return 0;
    }
    int removed = 0;
    int pos = 0;
    while (pos < favouriteCount(list)) {
        if (list.favEntries[pos] == value) {
            removeListEntry(list, pos);  // the entry that moved into pos is examined next
            ++removed;
        } else {
            ++pos;
        }
    }
    return removed;
}

void renumberFavouritesAfterInsert(all_tables_block& img, int p) {
    if (p < 0 || p > 0xFFFF) {
        return;
    }
    const auto from = static_cast<std::uint16_t>(p);
    for (st_fav& list : img.favourites) {
        const int count = favouriteCount(list);
        for (int i = 0; i < kMaxFavouriteEntries; ++i) {
            const std::uint16_t e = list.favEntries[i];
            const unsigned step = static_cast<unsigned>(e >= from) & static_cast<unsigned>(e != 0xFFFF) &
                                  static_cast<unsigned>(i < count);
            list.favEntries[i] = static_cast<std::uint16_t>(e + step);
        }
    }
}

void renumberFavouritesAfterDelete(all_tables_block& img, int p) {
    if (p < 0 || p > 0xFFFF) {
        return;
    }
    const auto deleted = static_cast<std::uint16_t>(p);
    for (st_fav& list : img.favourites) {
        removeProgramFromList(list, p);
        const int count = favouriteCount(list);
        for (int i = 0; i < kMaxFavouriteEntries; ++i) {
            const std::uint16_t e = list.favEntries[i];
            const unsigned step = static_cast<unsigned>(e > deleted) & static_cast<unsigned>(i < count);
            list.favEntries[i] = static_cast<std::uint16_t>(e - step);
        }
    }
}

st_program programFromSnapshot(const ProgramSnapshot& node) {
    st_program prog{};
    prog.serviceId = node.serviceId;
    prog.providerIndex = node.providerIndex;
    prog.tpIndex = node.tpIndex;
    prog.videoPid = node.videoPid;
    prog.audioPid = node.audioPid;
    prog.pcrPid = node.pcrPid;
    prog.programFlags = node.programFlags;
    std::memcpy(prog.name, node.name, kNameLength);
    return prog;
}

int createProgramFromSnapshot(all_tables_block& img, const ProgramSnapshot& node) {
    const int count = programCount(img);
    int at = count;
    if (node.isTv == 1) {
        at = tvCountOf(img);
        openGap(img.programs, count, at, 1);
        img.tvCount = static_cast<std::uint16_t>(at + 1);
    }
    img.programs[at] = programFromSnapshot(node);
    img.programCount = static_cast<std::uint16_t>(count + 1);
    renumberFavouritesAfterInsert(img, at);
    return at;
}

bool programMatchesSnapshot(const st_program& prog, const ProgramSnapshot& node, int providerIndex, int tpIndex) {
    return prog.serviceId == node.serviceId && prog.providerIndex == providerIndex && prog.tpIndex == tpIndex &&
           prog.videoPid == node.videoPid && prog.audioPid == node.audioPid && prog.pcrPid == node.pcrPid &&
           prog.programFlags == node.programFlags && std::memcmp(prog.name, node.name, kNameLength) == 0;
}

void renumberClipboardAfterProgramInsert(EditorState& state, int p, const ProgramSnapshot* except) {
    for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
        if (node != except && node->programIndex >= p && node->programIndex < INT32_MAX) {
            ++node->programIndex;
        }
    }
}

// ---- SnapshotResolver ------------------------------------------------------------------------------

SnapshotResolver::SnapshotResolver(all_tables_block& img, Messages& messages, bool indexed)
    : m_img(img), m_messages(messages), m_indexed(indexed) {
    if (!m_indexed) {
        return;
    }
    const int providers = providerCount(img);
    for (int i = 0; i < providers; ++i) {
        m_providers.emplace(std::string(fieldText(img.providers[i].name)), i);
    }
    const int transponders = transponderCount(img);
    m_transponders.reserve(static_cast<std::size_t>(transponders) * 2);
    for (int i = 0; i < transponders; ++i) {
        const st_ts& tp = img.transponders[i];
        m_transponders.emplace(
            keyOf(tp.polarization, tp.fec, tp.tsId, tp.networkId, tp.originalNetworkId, tp.frequency, tp.symbolRate),
            i);
    }
}

TransponderKey SnapshotResolver::keyOf(std::uint8_t polarization, std::uint8_t fec, std::uint16_t tsId,
                                       std::uint16_t networkId, std::uint16_t originalNetworkId,
                                       std::uint16_t frequency, std::uint16_t symbolRate) {
    TransponderKey key;
    key.high = (std::uint64_t{tsId} << 48) | (std::uint64_t{networkId} << 32) |
               (std::uint64_t{originalNetworkId} << 16) | frequency;
    key.low = (std::uint32_t{symbolRate} << 16) | (std::uint32_t{polarization} << 8) | fec;
    return key;
}

int SnapshotResolver::findSatellite(int satId) const {
    const int count = satelliteCount(m_img);
    for (int i = 0; i < count; ++i) {
        if (m_img.satellites[i].satId == satId)
            return i;
    }
    return -1;
}

int SnapshotResolver::findProvider(const char (&name)[16]) const {
    const std::string_view wanted = fieldText(name);
    if (m_indexed) {
        const auto it = m_providers.find(std::string(wanted));
        return it == m_providers.end() ? -1 : it->second;
    }
    const int count = providerCount(m_img);
    for (int i = 0; i < count; ++i) {
        if (nameEquals(m_img.providers[i].name, wanted))
            return i;
    }
    return -1;
}

int SnapshotResolver::findTransponder(const ProgramSnapshot& node) const {
    if (m_indexed) {
        const auto it = m_transponders.find(keyOf(node.polarization, node.fec, node.tsId, node.networkId,
                                                  node.originalNetworkId, node.frequency, node.symbolRate));
        return it == m_transponders.end() ? -1 : it->second;
    }
    const int count = transponderCount(m_img);
    for (int i = 0; i < count; ++i) {
        const st_ts& tp = m_img.transponders[i];
        if (tp.polarization == node.polarization && tp.fec == node.fec && tp.tsId == node.tsId &&
            tp.networkId == node.networkId && tp.originalNetworkId == node.originalNetworkId &&
            tp.frequency == node.frequency && tp.symbolRate == node.symbolRate) {
            return i;
        }
    }
    return -1;
}

bool SnapshotResolver::lookup(const ProgramSnapshot& node, int& provider, int& transponder) const {
    provider = findProvider(node.providerName);
    transponder = findTransponder(node);
    return provider >= 0 && transponder >= 0;
}

int SnapshotResolver::resolve(ProgramSnapshot& node, const char* providerFullText, bool programMustFit) {
    const int satIndex = findSatellite(node.satId);
    int provider = findProvider(node.providerName);
    int transponder = findTransponder(node);
    if (satIndex < 0 && satelliteCount(m_img) >= kMaxSatellites) {
        m_messages.show("Sat table if full", MessageIcon::None);
        return -1;
    }
    if (provider < 0 && providerCount(m_img) >= kMaxProviders) {
        m_messages.show(providerFullText, MessageIcon::None);
        return -2;
    }
    if (transponder < 0 && transponderCount(m_img) >= kMaxTransponders) {
        m_messages.show("Transponder table is full. Can't add next transponder!", MessageIcon::None);
        return -3;
    }
    if (programMustFit && programCount(m_img) >= kMaxPrograms) {
        m_messages.show("Program table is full. Can't add program!", MessageIcon::None);
        return -4;
    }

    if (satIndex < 0) {
        const int index = satelliteCount(m_img);
        st_sat& sat = m_img.satellites[index];
        sat = st_sat{};
        sat.satId = node.satId;
        sat.position = node.satPosition;
        std::memcpy(sat.name, node.satName, kNameLength);
        sat.lnbLowLo = node.lnbLowLo;
        sat.lnbHighLo = node.lnbHighLo;
        sat.diseqcMode = node.diseqcMode;
        sat.tone22k = node.tone22k;
        sat.motorEnabled = node.motorEnabled;
        sat.positionerNo = node.positionerNo;
        sat.auxByte = node.auxByte;
        sat.eastWest = node.eastWest;
        sat.diseqc11Port = node.diseqc11Port;
        // The new satellite owns the transponders of this image that carry its key, not the count it had
        // in the image the node came from.
        int owned = 0;
        const int transponders = transponderCount(m_img);
        for (int t = 0; t < transponders; ++t) {
            owned += m_img.transponders[t].satId == node.satId ? 1 : 0;
        }
        sat.tpCount = static_cast<std::uint16_t>(owned);
        m_img.satCount = static_cast<std::uint16_t>(index + 1);
    }
    if (provider < 0) {
        provider = providerCount(m_img);
        std::memcpy(m_img.providers[provider].name, node.providerName, kNameLength);
        m_img.providerCount = static_cast<std::uint16_t>(provider + 1);
        if (m_indexed) {
            m_providers.emplace(std::string(fieldText(node.providerName)), provider);
        }
    }
    if (transponder < 0) {
        transponder = transponderCount(m_img);
        st_ts& tp = m_img.transponders[transponder];
        tp = st_ts{};
        tp.satId = node.tpSatId;
        tp.polarization = node.polarization;
        tp.fec = node.fec;
        tp.tsId = node.tsId;
        tp.networkId = node.networkId;
        tp.originalNetworkId = node.originalNetworkId;
        tp.frequency = node.frequency;
        tp.symbolRate = node.symbolRate;
        m_img.tpCount = static_cast<std::uint16_t>(transponder + 1);
        const int owner = findSatellite(node.tpSatId);
        if (owner >= 0) {
            ++m_img.satellites[owner].tpCount;
        }
        if (m_indexed) {
            m_transponders.emplace(keyOf(tp.polarization, tp.fec, tp.tsId, tp.networkId, tp.originalNetworkId,
                                         tp.frequency, tp.symbolRate),
                                   transponder);
        }
    }
    node.providerIndex = static_cast<std::uint16_t>(provider);
    node.tpIndex = static_cast<std::uint16_t>(transponder);
    return 0;
}

// ---- Checks before a paste into the program table ---------------------------------------------------

PasteCheck checkProgramTablePaste(EditorState& state, Messages& messages, int position, ProgramSnapshot* first) {
    const all_tables_block& img = state.image;
    PasteCheck check;
    bool hasTv = false;
    bool hasRadio = false;
    bool radioBeforeTv = false;
    for (ProgramSnapshot* node = first; node != nullptr; node = node->next) {
        node->pasted = 0;
        ++check.count;
        if (node->isTv == 1) {
            radioBeforeTv = radioBeforeTv || hasRadio;
            hasTv = true;
        } else {
            hasRadio = true;
        }
    }
    const int count = programCount(img);
    const int tv = tvCountOf(img);
    auto refuse = [&](const char* text, int result) {
        if (text != nullptr)
            messages.show(text, MessageIcon::None);
        check.result = result;
        return check;
    };
    if (count + check.count > kMaxPrograms) {
        return refuse("Not enought free space in programs table", -100);
    }
    if (position < 0) {
        return refuse(count > 0 ? "Select position!" : nullptr, 0);
    }
    if (hasRadio && position < tv) {
        return refuse("Can't put Radio program among TV program", -7);
    }
    // A TV program may not land behind the first radio program, nor behind a radio node of the same paste.
    if ((hasTv && position > tv) || radioBeforeTv) {
        return refuse("Can't put TV program among Radio program", -8);
    }
    if (position > count) {
        return refuse(nullptr, -2);
    }
    check.position = position;
    check.proceed = true;
    return check;
}

}  // namespace vizud::edit
