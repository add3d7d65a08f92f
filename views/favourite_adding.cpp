#include "views/favourite_adding.h"

#include <algorithm>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"

namespace vizud {
namespace {

bool validList(int list) {
    return list >= 0 && list < kFavouriteLists;
}

// "Add 1 program to News" / "Add 12 programs to News", as the catalogue holds them.
std::string countedText(const char* one, const char* many, int count, const std::string& name) {
    if (count == 1)
        return std::string(one).replace(std::string(one).find("%1"), 2, name);
    std::string text = many;
    text.replace(text.find("%1"), 2, std::to_string(count));
    return text.replace(text.find("%2"), 2, name);
}

// Marks, by program index, which programs a list's entries name.
std::vector<char> membership(const all_tables_block& img, const st_fav& list) {
    std::vector<char> held(static_cast<std::size_t>(programCount(img)), 0);
    const int count = favouriteCount(list);
    for (int i = 0; i < count; ++i) {
        const int program = list.favEntries[i];
        if (program < static_cast<int>(held.size()))
            held[static_cast<std::size_t>(program)] = 1;
    }
    return held;
}

}  // namespace

std::string favouriteListName(const all_tables_block& img, int list) {
    if (!validList(list))
        return {};
    return latin1ToUtf8(showName(nameText(img.favourites[list].favName)).text);
}

FavouriteEdit addToFavouriteList(ChannelDatabase& db, int list, const std::vector<int>& programs, int position) {
    FavouriteEdit edit;
    if (!validList(list))
        return edit;
    all_tables_block& img = db.image();
    st_fav& fav = img.favourites[list];
    const int tvPrograms = std::min<int>(img.tvCount, programCount(img));
    std::vector<char> held = membership(img, fav);
    std::vector<std::uint16_t> tv, radio;
    for (const int program : programs) {
        if (program < 0 || program >= static_cast<int>(held.size()) || held[static_cast<std::size_t>(program)])
            continue;
        held[static_cast<std::size_t>(program)] = 1;
        (program < tvPrograms ? tv : radio).push_back(static_cast<std::uint16_t>(program));
    }
    const int added = static_cast<int>(tv.size() + radio.size());
    if (added == 0)
        return edit;
    const int count = favouriteCount(fav);
    const int tvEntries = favouriteTvCount(fav);
    const std::string name = favouriteListName(img, list);
    if (count + added > kMaxFavouriteEntries) {
        edit.refusal = "The list " + name + " has room left for " + std::to_string(kMaxFavouriteEntries - count) +
                       " of the " + std::to_string(added) + " programs; nothing was added.";
        return edit;
    }
    const int at = position < 0 ? count : std::min(position, count);
    const int tvAt = std::min(at, tvEntries);
    const int radioAt = std::max(at, tvEntries);
    // One pass: the old entries with the new ones let in at their part's place.
    std::vector<std::uint16_t> entries;
    entries.reserve(static_cast<std::size_t>(count + added));
    entries.insert(entries.end(), fav.favEntries, fav.favEntries + tvAt);
    entries.insert(entries.end(), tv.begin(), tv.end());
    entries.insert(entries.end(), fav.favEntries + tvAt, fav.favEntries + radioAt);
    entries.insert(entries.end(), radio.begin(), radio.end());
    entries.insert(entries.end(), fav.favEntries + radioAt, fav.favEntries + count);
    std::copy(entries.begin(), entries.end(), fav.favEntries);
    fav.favCount = static_cast<std::uint16_t>(count + added);
    fav.favTvCount = static_cast<std::uint16_t>(tvEntries + static_cast<int>(tv.size()));
    edit.changed = true;
    edit.programs = added;
    edit.stepName = countedText("Add 1 program to %1", "Add %1 programs to %2", added, name);
    return edit;
}

FavouriteEdit removeFromFavouriteList(ChannelDatabase& db, int list, const std::vector<int>& programs) {
    FavouriteEdit edit;
    if (!validList(list))
        return edit;
    all_tables_block& img = db.image();
    st_fav& fav = img.favourites[list];
    std::vector<char> chosen(static_cast<std::size_t>(programCount(img)), 0);
    for (const int program : programs) {
        if (program >= 0 && program < static_cast<int>(chosen.size()))
            chosen[static_cast<std::size_t>(program)] = 1;
    }
    const int count = favouriteCount(fav);
    const int tvEntries = favouriteTvCount(fav);
    int kept = 0, keptTv = 0;
    for (int i = 0; i < count; ++i) {
        const int program = fav.favEntries[i];
        if (program < static_cast<int>(chosen.size()) && chosen[static_cast<std::size_t>(program)])
            continue;
        fav.favEntries[kept++] = fav.favEntries[i];
        keptTv += i < tvEntries ? 1 : 0;
    }
    const int removed = count - kept;
    if (removed == 0)
        return edit;
    // The slots the entries left keep no stale program numbers.
    std::fill(fav.favEntries + kept, fav.favEntries + count, std::uint16_t{0});
    fav.favCount = static_cast<std::uint16_t>(kept);
    fav.favTvCount = static_cast<std::uint16_t>(keptTv);
    edit.changed = true;
    edit.programs = removed;
    edit.stepName =
        countedText("Remove 1 program from %1", "Remove %1 programs from %2", removed, favouriteListName(img, list));
    return edit;
}

unsigned listsHolding(const all_tables_block& img, const std::vector<int>& programs) {
    unsigned lists = 0;
    for (int l = 0; l < kFavouriteLists; ++l) {
        const std::vector<char> held = membership(img, img.favourites[l]);
        for (const int program : programs) {
            if (program >= 0 && program < static_cast<int>(held.size()) && held[static_cast<std::size_t>(program)]) {
                lists |= 1u << l;
                break;
            }
        }
    }
    return lists;
}

}  // namespace vizud
