// Transponders (update, delete, insert in sorted place) and providers (rename, insert). Programs and
// clipboard nodes name both by table index, so every move renumbers them in the same step.
#include "database/edit_support.h"
#include "database/table_codes.h"

namespace vizud::edit {
namespace {

// Applies `map` to the transponder index of every program in use and of every clipboard node.
template <typename Map>
void renumberTransponderReferences(EditorState& state, Map map) {
    all_tables_block& img = state.image;
    const int programs = programCount(img);
    for (int p = 0; p < programs; ++p) {
        img.programs[p].tpIndex = map(img.programs[p].tpIndex);
    }
    for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
        node->tpIndex = map(node->tpIndex);
    }
}

// The first satellite with this key gets `delta` transponders more (never below 0).
void adjustSatelliteTpCount(all_tables_block& img, int satId, int delta) {
    const int count = satelliteCount(img);
    for (int s = 0; s < count; ++s) {
        st_sat& sat = img.satellites[s];
        if (sat.satId == satId) {
            if (delta > 0 || sat.tpCount > 0) {
                sat.tpCount = static_cast<std::uint16_t>(sat.tpCount + delta);
            }
            return;
        }
    }
}

// Where a transponder of `satId` and `frequency` belongs among the first `count` transponders: after the
// transponders of its satellite with a frequency up to its own, starting at the satellite's first one.
int sortedPlace(const all_tables_block& img, int count, int satId, int frequency) {
    int pos = 0;
    while (pos < count && img.transponders[pos].satId != satId)
        ++pos;
    while (pos < count && img.transponders[pos].satId == satId && img.transponders[pos].frequency <= frequency) {
        ++pos;
    }
    return pos;
}

void writeTransponderFields(st_ts& tp, const RecordView& view) {
    tp.satId = static_cast<std::uint8_t>(view.word[0]);
    tp.polarization = static_cast<std::uint8_t>(view.word[2]);
    tp.fec = static_cast<std::uint8_t>(view.word[3]);
    tp.tsId = static_cast<std::uint16_t>(view.word[4]);
    tp.networkId = static_cast<std::uint16_t>(view.word[5]);
    tp.originalNetworkId = static_cast<std::uint16_t>(view.word[6]);
    tp.frequency = static_cast<std::uint16_t>(view.word[7]);
    tp.symbolRate = static_cast<std::uint16_t>(view.word[8]);
}

bool sameTransponder(const st_ts& a, const st_ts& b) {
    return a.satId == b.satId && a.polarization == b.polarization && a.fec == b.fec && a.tsId == b.tsId &&
           a.networkId == b.networkId && a.originalNetworkId == b.originalNetworkId && a.frequency == b.frequency &&
           a.symbolRate == b.symbolRate;
}

int updateTransponder(EditorState& state, int t, const RecordView& view) {
    all_tables_block& img = state.image;
    const int count = transponderCount(img);
    st_ts updated = img.transponders[t];
    writeTransponderFields(updated, view);
    const st_ts old = img.transponders[t];
    if (updated.satId == old.satId && updated.frequency == old.frequency) {
        img.transponders[t] = updated;
        return 0;
    }
    // A new satellite or frequency moves the transponder to its sorted place, so the satellites keep
    // their transponders together and their counts stay right.
    closeGap(img.transponders, count, t);
    adjustSatelliteTpCount(img, old.satId, -1);
    const int p = sortedPlace(img, count - 1, updated.satId, updated.frequency);
    openGap(img.transponders, count - 1, p, 1);
    img.transponders[p] = updated;
    adjustSatelliteTpCount(img, updated.satId, +1);
    if (p != t) {
        renumberTransponderReferences(state, [t, p](std::uint16_t x) -> std::uint16_t {
            if (x == t)
                return static_cast<std::uint16_t>(p);
            const int y = x > t ? x - 1 : x;
            return static_cast<std::uint16_t>(y >= p ? y + 1 : y);
        });
    }
    return 0;
}

int deleteTransponder(EditorState& state, int t) {
    all_tables_block& img = state.image;
    const int programs = programCount(img);
    for (int p = 0; p < programs; ++p) {
        if (img.programs[p].tpIndex == t)
            return -8;
    }
    // A cut program waiting in the clipboard still needs its transponder.
    for (const ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
        if (node->tpIndex == t)
            return -8;
    }
    const int count = transponderCount(img);
    const int satId = img.transponders[t].satId;
    closeGap(img.transponders, count, t);
    img.tpCount = static_cast<std::uint16_t>(count - 1);
    adjustSatelliteTpCount(img, satId, -1);
    renumberTransponderReferences(state,
                                  [t](std::uint16_t x) { return static_cast<std::uint16_t>(x > t ? x - 1 : x); });
    return 0;
}

int insertTransponder(EditorState& state, Messages& messages, const RecordView& view) {
    all_tables_block& img = state.image;
    const int count = transponderCount(img);
    if (count >= kMaxTransponders) {
        messages.show("Not enought free space in transponder table.", MessageIcon::None);
        return -1;
    }
    st_ts record{};
    writeTransponderFields(record, view);
    int first = 0;
    while (first < count && img.transponders[first].satId != record.satId)
        ++first;
    for (int i = first; i < count; ++i) {
        if (sameTransponder(img.transponders[i], record)) {
            messages.show("Transponder with entered values exist", MessageIcon::None);
            return -10;
        }
    }
    const int p = sortedPlace(img, count, record.satId, record.frequency);
    openGap(img.transponders, count, p, 1);
    renumberTransponderReferences(
        state, [p](std::uint16_t x) { return static_cast<std::uint16_t>(x >= p && x != 0xFFFF ? x + 1 : x); });
    img.tpCount = static_cast<std::uint16_t>(count + 1);
    adjustSatelliteTpCount(img, record.satId, +1);
    img.transponders[p] = record;
    return 0;
}

}  // namespace

int insertTransponders(EditorState& state, const std::vector<st_ts>& records) {
    all_tables_block& img = state.image;
    const int count = transponderCount(img);
    if (records.size() > static_cast<std::size_t>(kMaxTransponders - count))
        return -1;
    // The table is built aside with each entry's old index (-1 for a new one), so every reference is
    // renumbered once, whatever the number of transponders inserted.
    std::vector<st_ts> table(img.transponders, img.transponders + count);
    std::vector<int> from(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        from[static_cast<std::size_t>(i)] = i;
    for (const st_ts& record : records) {
        std::size_t pos = 0;
        while (pos < table.size() && table[pos].satId != record.satId)
            ++pos;
        while (pos < table.size() && table[pos].satId == record.satId && table[pos].frequency <= record.frequency)
            ++pos;
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(pos), record);
        from.insert(from.begin() + static_cast<std::ptrdiff_t>(pos), -1);
        adjustSatelliteTpCount(img, record.satId, +1);
    }
    std::vector<std::uint16_t> to(static_cast<std::size_t>(count));
    for (std::size_t p = 0; p < table.size(); ++p) {
        img.transponders[p] = table[p];
        if (from[p] >= 0)
            to[static_cast<std::size_t>(from[p])] = static_cast<std::uint16_t>(p);
    }
    img.tpCount = static_cast<std::uint16_t>(table.size());
    renumberTransponderReferences(state, [&to](std::uint16_t x) { return x < to.size() ? to[x] : x; });
    return 0;
}

int modifyTransponder(EditorState& state, Messages& messages, int operation, int index, const RecordView& view) {
    const all_tables_block& img = state.image;
    switch (operation) {
        case kOpUpdate:
        case kOpDelete:
            if (index < 0 || index >= kMaxTransponders)
                return -2;
            if (index >= transponderCount(img))
                return -3;
            return operation == kOpUpdate ? updateTransponder(state, index, view) : deleteTransponder(state, index);
        case kOpInsert:
            return insertTransponder(state, messages, view);
        default:
            return -1;
    }
}

int modifyProvider(EditorState& state, Messages& messages, int operation, int index, const RecordView& view) {
    all_tables_block& img = state.image;
    const int count = providerCount(img);
    switch (operation) {
        case kOpUpdate:
            if (index < 0 || index >= kMaxProviders)
                return -2;
            if (index >= count)
                return -3;
            storeName(img.providers[index].name, view.word16);
            return 0;
        case kOpInsert: {
            if (index < 0 || index >= kMaxProviders)
                return -2;
            if (index > count)
                return -3;
            if (count >= kMaxProviders) {
                messages.show("Provider table is full.", MessageIcon::None);
                return -4;
            }
            openGap(img.providers, count, index, 1);
            storeName(img.providers[index].name, view.word16);
            img.providerCount = static_cast<std::uint16_t>(count + 1);
            // A name put in before the end pushes the others on: their programs follow them.
            if (index < count) {
                auto shift = [index](std::uint16_t x) {
                    return static_cast<std::uint16_t>(x >= index && x != 0xFFFF ? x + 1 : x);
                };
                const int programs = programCount(img);
                for (int p = 0; p < programs; ++p) {
                    img.programs[p].providerIndex = shift(img.programs[p].providerIndex);
                }
                for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
                    node->providerIndex = shift(node->providerIndex);
                }
            }
            return 0;
        }
        default:
            return -1;
    }
}

}  // namespace vizud::edit
