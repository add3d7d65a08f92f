#include "tests/database/editing_checks.h"

#include <cstddef>
#include <cstring>
#include <map>

namespace vizud::test {
namespace {

std::string at(const char* what, int index) {
    return std::string(what) + " " + std::to_string(index);
}

}  // namespace

std::string brokenRule(const all_tables_block& img, bool sortedTransponders) {
    if (img.satCount > kMaxSatellites)
        return "satCount beyond capacity";
    if (img.programCount > kMaxPrograms)
        return "programCount beyond capacity";
    if (img.tvCount > img.programCount)
        return "tvCount above programCount";
    if (img.tpCount > kMaxTransponders)
        return "tpCount beyond capacity";
    if (img.providerCount > kMaxProviders)
        return "providerCount beyond capacity";
    for (int p = 0; p < img.programCount; ++p) {
        if (img.programs[p].tpIndex >= img.tpCount)
            return at("tpIndex out of range at program", p);
        if (img.programs[p].providerIndex >= img.providerCount)
            return at("providerIndex out of range at program", p);
    }
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        if (list.favCount > kMaxFavouriteEntries)
            return at("favCount beyond capacity in list", l);
        if (list.favTvCount > list.favCount)
            return at("favTvCount above favCount in list", l);
        for (int i = 0; i < list.favCount; ++i) {
            const int e = list.favEntries[i];
            if (e >= img.programCount)
                return at("entry names no program in list", l) + at(" position", i);
            if (i < list.favTvCount && e >= img.tvCount)
                return at("radio program in TV part of list", l);
            if (i >= list.favTvCount && e < img.tvCount)
                return at("TV program in radio part of list", l);
        }
    }
    for (int s = 0; s < img.satCount; ++s) {
        int owned = 0;
        for (int t = 0; t < img.tpCount; ++t)
            owned += img.transponders[t].satId == img.satellites[s].satId;
        bool first = true;
        for (int o = 0; o < s; ++o)
            first = first && img.satellites[o].satId != img.satellites[s].satId;
        if (first && img.satellites[s].tpCount != owned)
            return at("tpCount wrong at satellite", s);
    }
    if (sortedTransponders) {
        std::map<int, int> lastIndex;
        for (int t = 0; t < img.tpCount; ++t) {
            const st_ts& tp = img.transponders[t];
            const auto it = lastIndex.find(tp.satId);
            if (it != lastIndex.end()) {
                if (it->second != t - 1)
                    return at("transponders of a satellite apart at", t);
                if (img.transponders[t - 1].frequency > tp.frequency)
                    return at("transponders unsorted at", t);
            }
            lastIndex[tp.satId] = t;
        }
    }
    return "";
}

std::string untouchedBytesDiffer(const all_tables_block& before, const all_tables_block& after) {
    if (std::memcmp(before.imageLead, after.imageLead, sizeof(before.imageLead)) != 0)
        return "imageLead changed";
    if (before.imageCrc != after.imageCrc)
        return "CRC field changed";
    for (std::size_t i = 0; i < sizeof(FlashParams_s); ++i) {
        if (i + offsetof(all_tables_block, flashParams) == kClearedFlashByte)
            continue;
        if (before.flashParams.bytes[i] != after.flashParams.bytes[i])
            return "FlashParams_s changed";
    }
    if (before.reserved10586 != after.reserved10586)
        return "reserved count word changed";
    return "";
}

long firstDifference(const all_tables_block& a, const all_tables_block& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (x[i] != y[i])
            return static_cast<long>(i);
    }
    return -1;
}

void SnapshotList::append(const ProgramSnapshot& node) {
    nodes.push_back(std::make_unique<ProgramSnapshot>(node));
    nodes.back()->next = nullptr;
    if (nodes.size() > 1)
        nodes[nodes.size() - 2]->next = nodes.back().get();
}

SnapshotList SnapshotList::clone() const {
    SnapshotList copy;
    for (const auto& node : nodes)
        copy.append(*node);
    return copy;
}

ProgramSnapshot* cloneRawList(const ProgramSnapshot* head) {
    ProgramSnapshot* first = nullptr;
    ProgramSnapshot** link = &first;
    for (; head != nullptr; head = head->next) {
        *link = new ProgramSnapshot(*head);
        (*link)->next = nullptr;
        link = &(*link)->next;
    }
    return first;
}

}  // namespace vizud::test
