#include "tests/database/editing_checks.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>

#include "database/image_access.h"
#include "tests/support/image_factory.h"

namespace vizud::test {
namespace {

std::string at(const char* what, int index) {
    return std::string(what) + " " + std::to_string(index);
}

}  // namespace

std::string brokenRule(const all_tables_block& img, bool sortedTransponders) {
    if (img.satCount > kMaxSatellites || img.programCount > kMaxPrograms || img.tpCount > kMaxTransponders ||
        img.providerCount > kMaxProviders)
        return "a count beyond its capacity";
    if (img.tvCount > img.programCount)
        return "tvCount above programCount";
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
            if ((i < list.favTvCount) != (e < img.tvCount))
                return at("program of the other kind in a part of list", l);
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
    std::map<int, int> lastIndex;
    for (int t = 0; sortedTransponders && t < img.tpCount; ++t) {
        const st_ts& tp = img.transponders[t];
        const auto it = lastIndex.find(tp.satId);
        if (it != lastIndex.end() && it->second != t - 1)
            return at("transponders of a satellite apart at", t);
        if (it != lastIndex.end() && img.transponders[t - 1].frequency > tp.frequency)
            return at("transponders unsorted at", t);
        lastIndex[tp.satId] = t;
    }
    return "";
}

std::string untouchedBytesDiffer(const all_tables_block& before, const all_tables_block& after) {
    if (std::memcmp(before.imageLead, after.imageLead, sizeof(before.imageLead)) != 0)
        return "imageLead changed";
    if (before.imageCrc != after.imageCrc)
        return "CRC field changed";
    // Every byte of the box's parameters but the one the CRC rule clears.
    const std::size_t cleared = kClearedFlashByte - offsetof(all_tables_block, flashParams);
    const std::uint8_t* a = before.flashParams.bytes;
    const std::uint8_t* b = after.flashParams.bytes;
    if (std::memcmp(a, b, cleared) != 0 ||
        std::memcmp(a + cleared + 1, b + cleared + 1, sizeof(FlashParams_s) - cleared - 1) != 0)
        return "FlashParams_s changed";
    return before.reserved10586 != after.reserved10586 ? "reserved count word changed" : "";
}

long firstDifference(const all_tables_block& a, const all_tables_block& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    // Block by block with memcmp (the fuzzers call this after every step), byte by byte only in the block
    // that differs.
    constexpr std::size_t kBlock = 4096;
    for (std::size_t start = 0; start < kImageSize; start += kBlock) {
        const std::size_t end = std::min(start + kBlock, kImageSize);
        if (std::memcmp(x + start, y + start, end - start) != 0)
            return static_cast<long>(std::mismatch(x + start, x + end, y + start).first - x);
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

void SnapshotList::putTvFirst() {
    std::stable_sort(nodes.begin(), nodes.end(), [](const auto& a, const auto& b) { return a->isTv > b->isTv; });
    for (std::size_t i = 0; i < nodes.size(); ++i)
        nodes[i]->next = i + 1 < nodes.size() ? nodes[i + 1].get() : nullptr;
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

RecordView words(std::initializer_list<std::pair<int, std::uint32_t>> values, const char* name) {
    RecordView view;
    for (const auto& [word, value] : values)
        view.word[word] = value;
    view.word16 = name;
    return view;
}

Channels::Channels() {
    build.satellite(7, "Astra");
    build.satellite(9, "Hotbird");
    for (const int frequency : {10700, 11720, 12500})
        build.transponder(7, frequency);
    build.transponder(9, 10992);
    build.provider("ARD");
    build.provider("ZDF");
    for (int p = 0; p < 9; ++p)
        build.program("P" + std::to_string(p), p % 4, p % 2, p < 5, 100 + p);
}

Channels& Channels::tpMove(int t, std::uint32_t satId, std::uint32_t frequency) {
    RecordView view;
    db.getRecord(kTableTransponders, t, view);
    view.word[0] = satId;
    view.word[7] = frequency;
    return edit(kTableTransponders, kOpUpdate, t, view);
}

Channels& Channels::motor(int s, std::uint32_t on, std::uint32_t number) {
    RecordView view;
    db.getRecord(kTableSatellites, s, view);
    view.word[7] = on;
    view.word[8] = number;
    return value(db.setSatellite(s, view)).value(image().satellites[s].positionerNo);
}

Channels& Channels::deleteShown(int p) {
    std::uint32_t mask = 0;
    db.getFavMembership(p, mask);
    return deleteInView(p, mask);
}

Channels& Channels::paste(int position) {
    state->pasteActive = 1;
    const int result = db.pasteClipboard(position);
    state->pasteActive = 0;
    return value(result);
}

Channels& Channels::retune(int from, int to) {
    for (int p = 0; p < image().programCount; ++p) {
        if (image().programs[p].tpIndex == from)
            image().programs[p].tpIndex = static_cast<std::uint16_t>(to);
    }
    return *this;
}

Channels& Channels::copy(int p, bool cut) {
    ProgramSnapshot** link = &state->programClipboard;
    while (*link != nullptr)
        link = &(*link)->next;
    *link = new ProgramSnapshot;
    (*link)->pasted = 1;
    db.getClipSnapshot(p, **link);
    (*link)->programIndex = cut ? -1 : p;
    return *this;
}

Channels& Channels::snap(int p) {
    ProgramSnapshot node;
    db.getProgramSnapshot(0, p, node);
    node.programIndex = p;
    nodes.append(node);
    return *this;
}

Channels& Channels::row(const char* label, int count, int boundary, const std::function<std::string(int)>& at) {
    log += std::string(" |") + label;
    for (int i = 0; i < count; ++i)
        text((i == boundary ? "/ " : "") + at(i));
    log += boundary == count ? " /" : "";
    return *this;
}

Channels& Channels::programs() {
    return row("", image().programCount, image().tvCount, [&](int p) { return nameText(image().programs[p].name); });
}

Channels& Channels::list(int l) {
    const st_fav& fav = image().favourites[l];
    return row("", fav.favCount, fav.favTvCount, [&](int i) { return std::to_string(fav.favEntries[i]); });
}

Channels& Channels::transponders() {
    row("", image().tpCount, -1, [&](int t) {
        const st_ts& tp = image().transponders[t];
        return std::to_string(tp.frequency) + (tp.polarization ? "/" + std::to_string(tp.polarization) : "");
    });
    for (int s = 0; s < image().satCount; ++s)
        log += (s == 0 ? " [" : " ") + std::to_string(image().satellites[s].tpCount);
    log += "]";
    return *this;
}

Channels& Channels::tpRefs() {
    return row("", image().programCount, -1, [&](int p) { return std::to_string(image().programs[p].tpIndex); });
}

Channels& Channels::providers() {
    row("", image().providerCount, -1, [&](int i) { return nameText(image().providers[i].name); });
    return row("", image().programCount, -1, [&](int p) { return std::to_string(image().programs[p].providerIndex); });
}

Channels& Channels::clipboard() {
    std::vector<int> named;
    for (const ProgramSnapshot* node = state->programClipboard; node != nullptr; node = node->next)
        named.push_back(node->programIndex);
    return row(" clipboard", static_cast<int>(named.size()), -1, [&](int i) { return std::to_string(named[i]); });
}

Channels& Channels::pasted() {
    return row(" pasted", static_cast<int>(nodes.nodes.size()), -1,
               [&](int i) { return std::to_string(static_cast<int>(nodes.nodes[i]->pasted)); });
}

std::string runCase(const Case& c) {
    Channels e;
    c.run(e);
    std::string out = e.log.empty() ? "" : e.log.substr(1);
    const std::string broken = brokenRule(e.image(), true);
    if (!broken.empty())
        out += " | broken: " + broken;
    for (std::size_t i = 0; i < e.messages.shown.size(); ++i)
        out += (i == 0 ? " | said: " : "; ") + e.messages.shown[i].text;
    return out;
}

}  // namespace vizud::test
