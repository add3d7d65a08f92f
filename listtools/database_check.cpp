#include "listtools/database_check.h"

#include <cstdio>
#include <unordered_map>

#include "database/image_access.h"
#include "database/image_crc.h"
#include "listtools/program_place.h"
#include "listtools/shown_name.h"

namespace vizud {
namespace {

std::string format(const char* pattern, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// `prefix` followed by the name in quotes, made in one string.
std::string quoted(std::string prefix, const char (&name)[16]) {
    prefix += '"';
    prefix += shownName(name);
    prefix += '"';
    return prefix;
}

std::string transponderText(const all_tables_block& img, int t) {
    static constexpr const char* kPolarizations[] = {"H", "V", "L", "R"};
    const st_ts& tp = img.transponders[t];
    return format("transponder %d (%d MHz %s)", t + 1, tp.frequency,
                  tp.polarization < 4 ? kPolarizations[tp.polarization] : "?");
}

std::string programText(const all_tables_block& img, int p) {
    return quoted(format("program %d ", p + 1), img.programs[p].name);
}

std::string listText(const all_tables_block& img, int l) {
    return quoted(format("list %d ", l + 1), img.favourites[l].favName);
}

void checkCapacity(const all_tables_block& img, std::vector<Finding>& out) {
    const auto beyond = [&out](const char* what, int count, int room) {
        if (count > room)
            out.push_back({FindingKind::Capacity, format("%d %s, the table has room for %d", count, what, room)});
    };
    beyond("satellites", img.satCount, kMaxSatellites);
    beyond("programs", img.programCount, kMaxPrograms);
    beyond("transponders", img.tpCount, kMaxTransponders);
    beyond("providers", img.providerCount, kMaxProviders);
    if (img.tvCount > img.programCount)
        out.push_back({FindingKind::Capacity, format("%d TV programs of %d programs", img.tvCount, img.programCount)});
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        if (list.favCount > kMaxFavouriteEntries)
            out.push_back({FindingKind::Capacity, listText(img, l) + format(" holds %d entries, it has room for %d",
                                                                            list.favCount, kMaxFavouriteEntries)});
        if (list.favTvCount > list.favCount)
            out.push_back({FindingKind::Capacity, listText(img, l) + format(" has %d TV entries of %d entries",
                                                                            list.favTvCount, list.favCount)});
    }
}

void checkPrograms(const all_tables_block& img, std::vector<Finding>& out) {
    const int programs = programCount(img);
    for (int p = 0; p < programs; ++p) {
        if (img.programs[p].tpIndex >= transponderCount(img))
            out.push_back({FindingKind::Transponder,
                           programText(img, p) + format(" names transponder %d, the table has %d",
                                                        img.programs[p].tpIndex + 1, transponderCount(img))});
    }
    for (int p = 0; p < programs; ++p) {
        if (img.programs[p].providerIndex >= providerCount(img))
            out.push_back({FindingKind::Provider,
                           programText(img, p) + format(" names provider %d, the table has %d",
                                                        img.programs[p].providerIndex + 1, providerCount(img))});
    }
}

void checkTransponders(const all_tables_block& img, std::vector<Finding>& out) {
    const ProgramPlaces places(img);
    const int transponders = transponderCount(img);
    for (int t = 0; t < transponders; ++t) {
        if (places.satelliteIndexOf(img.transponders[t]) < 0)
            out.push_back({FindingKind::Satellite,
                           transponderText(img, t) +
                               format(" belongs to satellite key %d, no satellite has it", img.transponders[t].satId)});
    }
    std::unordered_map<std::uint32_t, int> first;
    first.reserve(static_cast<std::size_t>(transponders));
    for (int t = 0; t < transponders; ++t) {
        const st_ts& tp = img.transponders[t];
        const std::uint32_t key = std::uint32_t{tp.satId} << 24 | std::uint32_t{tp.frequency} << 8 | tp.polarization;
        const auto [at, isNew] = first.emplace(key, t);
        if (!isNew)
            out.push_back(
                {FindingKind::DuplicateTransponder,
                 transponderText(img, t) + format(" repeats transponder %d of its satellite", at->second + 1)});
    }
}

void checkFavourites(const all_tables_block& img, std::vector<Finding>& out) {
    const int programs = programCount(img);
    const int tv = std::min<int>(img.tvCount, programs);
    std::vector<int> listedIn(static_cast<std::size_t>(programs), -1);
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        const int tvEntries = favouriteTvCount(list);
        for (int e = 0; e < favouriteCount(list); ++e) {
            const int p = list.favEntries[e];
            const std::string entry = listText(img, l) + format(" entry %d", e + 1);
            if (p >= programs) {
                out.push_back(
                    {FindingKind::Favourite, entry + format(" names program %d, the table has %d", p + 1, programs)});
                continue;
            }
            if (listedIn[static_cast<std::size_t>(p)] == l) {
                out.push_back({FindingKind::Favourite, entry + " repeats " + programText(img, p)});
                continue;
            }
            listedIn[static_cast<std::size_t>(p)] = l;
            if (e < tvEntries && p >= tv)
                out.push_back({FindingKind::Favourite, entry + " is a TV entry naming radio " + programText(img, p)});
            else if (e >= tvEntries && p < tv)
                out.push_back({FindingKind::Favourite, entry + " is a radio entry naming TV " + programText(img, p)});
        }
    }
}

// The transponders each satellite owns: those of its key, for the first satellite that carries the key
// (the one every lookup by key finds); a later satellite with the same key owns none.
std::vector<int> ownedTransponders(const all_tables_block& img) {
    std::vector<int> perKey(256, 0);
    for (int t = 0; t < transponderCount(img); ++t)
        ++perKey[img.transponders[t].satId];
    const ProgramPlaces places(img);
    std::vector<int> owned(static_cast<std::size_t>(satelliteCount(img)), 0);
    for (int key = 0; key < 256; ++key) {
        st_ts probe{};
        probe.satId = static_cast<std::uint8_t>(key);
        if (const int s = places.satelliteIndexOf(probe); s >= 0)
            owned[static_cast<std::size_t>(s)] = perKey[static_cast<std::size_t>(key)];
    }
    return owned;
}

void checkCounts(const all_tables_block& img, std::vector<Finding>& out) {
    const std::vector<int> owned = ownedTransponders(img);
    for (int s = 0; s < satelliteCount(img); ++s) {
        const st_sat& sat = img.satellites[s];
        const int own = owned[static_cast<std::size_t>(s)];
        if (sat.tpCount != own)
            out.push_back(
                {FindingKind::Count, quoted(format("satellite %d ", s + 1), sat.name) +
                                         format(" counts %d transponders, %d are its own", sat.tpCount, own)});
    }
}

}  // namespace

const char* findingKindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::Crc:
            return "crc";
        case FindingKind::Capacity:
            return "capacity";
        case FindingKind::Transponder:
            return "transponder";
        case FindingKind::Provider:
            return "provider";
        case FindingKind::Satellite:
            return "satellite";
        case FindingKind::DuplicateTransponder:
            return "duplicate-transponder";
        case FindingKind::Favourite:
            return "favourite";
        case FindingKind::Count:
            return "count";
    }
    return "";
}

std::vector<Finding> checkImage(const all_tables_block& img) {
    std::vector<Finding> out;
    const std::uint32_t crc = computeImageCrc(img);
    if (crc != img.imageCrc)
        out.push_back({FindingKind::Crc, format("stored 0x%08X, the image gives 0x%08X", img.imageCrc, crc)});
    checkCapacity(img, out);
    checkPrograms(img, out);
    checkTransponders(img, out);
    checkFavourites(img, out);
    checkCounts(img, out);
    return out;
}

std::string reportText(const std::vector<Finding>& findings) {
    if (findings.empty())
        return "no problems found\n";
    std::string text;
    for (const Finding& finding : findings)
        text += std::string(findingKindName(finding.kind)) + ": " + finding.text + "\n";
    return text;
}

bool isRepairable(const Finding& finding) {
    return finding.kind == FindingKind::Crc || finding.kind == FindingKind::Favourite ||
           finding.kind == FindingKind::Count;
}

Repair repairImage(all_tables_block& img) {
    Repair repair;
    if (!countsWithinCapacity(img))
        return repair;
    const int programs = img.programCount;
    const int tv = img.tvCount;
    std::vector<int> listedIn(static_cast<std::size_t>(programs), -1);
    for (int l = 0; l < kFavouriteLists; ++l) {
        st_fav& list = img.favourites[l];
        std::vector<std::uint16_t> tvEntries, radioEntries;
        for (int e = 0; e < list.favCount; ++e) {
            const int p = list.favEntries[e];
            if (p >= programs || listedIn[static_cast<std::size_t>(p)] == l) {
                ++repair.favouriteEntriesDropped;
                continue;
            }
            listedIn[static_cast<std::size_t>(p)] = l;
            if ((e < list.favTvCount) != (p < tv))
                ++repair.favouriteEntriesMoved;
            (p < tv ? tvEntries : radioEntries).push_back(list.favEntries[e]);
        }
        std::copy(tvEntries.begin(), tvEntries.end(), list.favEntries);
        std::copy(radioEntries.begin(), radioEntries.end(), list.favEntries + tvEntries.size());
        list.favTvCount = static_cast<std::uint16_t>(tvEntries.size());
        list.favCount = static_cast<std::uint16_t>(tvEntries.size() + radioEntries.size());
    }
    const std::vector<int> owned = ownedTransponders(img);
    for (int s = 0; s < img.satCount; ++s) {
        st_sat& sat = img.satellites[s];
        const int own = owned[static_cast<std::size_t>(s)];
        if (sat.tpCount != own) {
            sat.tpCount = static_cast<std::uint16_t>(own);
            ++repair.countsFixed;
        }
    }
    const std::uint32_t stored = img.imageCrc;
    repair.crcRefreshed = refreshCrc(img) != stored;
    return repair;
}

}  // namespace vizud
