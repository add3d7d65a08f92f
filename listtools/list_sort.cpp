#include "listtools/list_sort.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "database/image_access.h"
#include "listtools/program_place.h"

namespace vizud {
namespace {

// Latin-1 lower case: A-Z and the accented capitals (not the multiplication sign).
unsigned char lower(unsigned char c) {
    const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return static_cast<unsigned char>(capital ? c + 0x20 : c);
}

// A name as it is compared: without its character-table byte, in lower case.
std::string folded(const char (&name)[16]) {
    std::size_t length = strnlen(name, sizeof name);
    std::size_t start =
        length > 0 && static_cast<unsigned char>(name[0]) >= 1 && static_cast<unsigned char>(name[0]) <= 31 ? 1 : 0;
    std::string text;
    for (std::size_t i = start; i < length; ++i)
        text += static_cast<char>(lower(static_cast<unsigned char>(name[i])));
    return text;
}

struct ProgramKey {
    std::string provider;
    int position = 0, frequency = 0, polarization = 0;
    std::string name;
};

std::vector<ProgramKey> keysOf(const all_tables_block& img) {
    const int programs = programCount(img);
    const ProgramPlaces places(img);
    std::vector<ProgramKey> keys(static_cast<std::size_t>(programs));
    for (int p = 0; p < programs; ++p) {
        const st_program& prog = img.programs[p];
        ProgramKey& key = keys[static_cast<std::size_t>(p)];
        key.name = folded(prog.name);
        if (prog.providerIndex < providerCount(img))
            key.provider = folded(img.providers[prog.providerIndex].name);
        const ProgramPlace place = places.of(prog);
        if (const st_ts* tp = place.transponder) {
            const st_sat* sat = place.satellite;
            // A transponder without a satellite sorts last; west positions count as negative.
            key.position = sat == nullptr ? 1 << 20 : (sat->eastWest == 'E' ? 1 : -1) * sat->position;
            key.frequency = tp->frequency;
            key.polarization = tp->polarization;
        } else {
            key.position = 1 << 21;
        }
    }
    return keys;
}

// Sorts [first, last) of `indices` (program indices) stably by `key`.
void sortRange(std::vector<int>& indices, std::size_t first, std::size_t last, const std::vector<ProgramKey>& keys,
               SortKey key) {
    const auto of = [&keys](int p) -> const ProgramKey& { return keys[static_cast<std::size_t>(p)]; };
    std::stable_sort(indices.begin() + static_cast<std::ptrdiff_t>(first),
                     indices.begin() + static_cast<std::ptrdiff_t>(last), [&](int a, int b) {
                         const ProgramKey& x = of(a);
                         const ProgramKey& y = of(b);
                         switch (key) {
                             case SortKey::Name:
                                 return x.name < y.name;
                             case SortKey::Provider:
                                 return std::tie(x.provider, x.name) < std::tie(y.provider, y.name);
                             case SortKey::Transponder:
                                 return std::tie(x.position, x.frequency, x.polarization, x.name) <
                                        std::tie(y.position, y.frequency, y.polarization, y.name);
                         }
                         return false;
                     });
}

}  // namespace

std::optional<SortKey> sortKeyNamed(std::string_view name) {
    if (name == "name")
        return SortKey::Name;
    if (name == "provider")
        return SortKey::Provider;
    if (name == "transponder")
        return SortKey::Transponder;
    return std::nullopt;
}

int sortPrograms(ChannelDatabase& db, SortKey key) {
    const all_tables_block& img = db.image();
    const int programs = programCount(img);
    const auto tv = static_cast<std::size_t>(std::min<int>(img.tvCount, programs));
    std::vector<int> order(static_cast<std::size_t>(programs));
    for (int p = 0; p < programs; ++p)
        order[static_cast<std::size_t>(p)] = p;
    const std::vector<ProgramKey> keys = keysOf(img);
    sortRange(order, 0, tv, keys, key);
    sortRange(order, tv, order.size(), keys, key);
    return db.reorderPrograms(order);
}

int sortListEntries(ChannelDatabase& db, int list, SortKey key) {
    if (list < 0 || list >= kFavouriteLists)
        return -1;
    st_fav& fav = db.image().favourites[list];
    const int count = favouriteCount(fav);
    const auto tvEntries = static_cast<std::size_t>(favouriteTvCount(fav));
    std::vector<int> entries(fav.favEntries, fav.favEntries + count);
    const int programs = programCount(db.image());
    if (std::any_of(entries.begin(), entries.end(), [programs](int e) { return e >= programs; }))
        return -1;  // an entry beyond the table has no key to sort by
    const std::vector<ProgramKey> keys = keysOf(db.image());
    sortRange(entries, 0, tvEntries, keys, key);
    sortRange(entries, tvEntries, entries.size(), keys, key);
    for (int i = 0; i < count; ++i)
        fav.favEntries[i] = static_cast<std::uint16_t>(entries[static_cast<std::size_t>(i)]);
    return 0;
}

}  // namespace vizud
