// The list's drops as permutations: in the whole table every program and favourite entry moves at most once,
// so a block of 10000 programs crosses the table in one pass; in a favourite list the entries are reordered.
#include <algorithm>
#include <vector>

#include "database/channel_database.h"
#include "database/edit_support.h"

namespace vizud {

int ChannelDatabase::movePrograms(std::span<const int> sources, int position) {
    all_tables_block& img = m_state.image;
    const int count = programCount(img);
    const int tv = edit::tvCountOf(img);
    const int n = static_cast<int>(sources.size());
    if (n == 0)
        return -1;
    const bool tvBlock = sources.front() < tv;
    for (int k = 0; k < n; ++k) {
        const int s = sources[static_cast<std::size_t>(k)];
        if (s < 0 || s >= count || (s < tv) != tvBlock || (k > 0 && s <= sources[static_cast<std::size_t>(k) - 1]))
            return -1;
    }
    // The block in the table without the moved programs: TV [0, tv - n], radio [tv, count - n].
    const int low = tvBlock ? 0 : tv;
    const int high = tvBlock ? tv - n : count - n;
    if (position < low || position > high)
        return -1;

    // newIndex[old]: where each program stands after the move.
    std::vector<int> newIndex(static_cast<std::size_t>(count));
    std::vector<bool> moved(static_cast<std::size_t>(count), false);
    for (int k = 0; k < n; ++k) {
        const int s = sources[static_cast<std::size_t>(k)];
        moved[static_cast<std::size_t>(s)] = true;
        newIndex[static_cast<std::size_t>(s)] = position + k;
    }
    int rest = 0;
    for (int p = 0; p < count; ++p) {
        if (moved[static_cast<std::size_t>(p)])
            continue;
        newIndex[static_cast<std::size_t>(p)] = rest < position ? rest : rest + n;
        ++rest;
    }

    std::vector<st_program> programs(img.programs, img.programs + count);
    for (int p = 0; p < count; ++p)
        img.programs[newIndex[static_cast<std::size_t>(p)]] = programs[static_cast<std::size_t>(p)];
    for (st_fav& list : img.favourites) {
        const int entries = favouriteCount(list);
        for (int i = 0; i < entries; ++i) {
            const std::uint16_t e = list.favEntries[i];
            if (e < count)
                list.favEntries[i] = static_cast<std::uint16_t>(newIndex[e]);
        }
    }
    // Copied programs keep naming the programs they were copied from.
    for (ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next) {
        if (node->programIndex >= 0 && node->programIndex < count)
            node->programIndex = newIndex[static_cast<std::size_t>(node->programIndex)];
    }
    return 0;
}

}  // namespace vizud

namespace vizud {

int ChannelDatabase::moveListEntries(int list, bool radioRelative, std::span<const int> positions, int position) {
    if (list < 0 || list >= kFavouriteLists || positions.empty())
        return -1;
    st_fav& fav = m_state.image.favourites[list];
    const int count = favouriteCount(fav);
    const int tvEntries = favouriteTvCount(fav);
    const int offset = radioRelative ? tvEntries : 0;
    const int n = static_cast<int>(positions.size());
    const bool tvPart = positions.front() + offset < tvEntries;
    for (int k = 0; k < n; ++k) {
        const int s = positions[static_cast<std::size_t>(k)] + offset;
        if (s < offset || s >= count || (s < tvEntries) != tvPart ||
            (k > 0 && s <= positions[static_cast<std::size_t>(k) - 1] + offset))
            return -1;
    }
    const int at = position + offset;
    const int low = tvPart ? 0 : tvEntries;
    const int high = tvPart ? tvEntries - n : count - n;
    if (at < low || at > high)
        return -1;

    std::vector<std::uint16_t> movedEntries;
    std::vector<std::uint16_t> rest;
    movedEntries.reserve(static_cast<std::size_t>(n));
    rest.reserve(static_cast<std::size_t>(count));
    std::size_t next = 0;
    for (int i = 0; i < count; ++i) {
        if (next < positions.size() && positions[next] + offset == i) {
            movedEntries.push_back(fav.favEntries[i]);
            ++next;
        } else {
            rest.push_back(fav.favEntries[i]);
        }
    }
    rest.insert(rest.begin() + at, movedEntries.begin(), movedEntries.end());
    std::copy(rest.begin(), rest.end(), fav.favEntries);
    return 0;
}

int ChannelDatabase::reorderPrograms(std::span<const int> order) {
    all_tables_block& img = m_state.image;
    const int count = programCount(img);
    const int tv = edit::tvCountOf(img);
    if (static_cast<int>(order.size()) != count)
        return -1;
    std::vector<int> newIndex(static_cast<std::size_t>(count), -1);
    for (int i = 0; i < count; ++i) {
        const int old = order[static_cast<std::size_t>(i)];
        if (old < 0 || old >= count || newIndex[static_cast<std::size_t>(old)] >= 0 || (old < tv) != (i < tv))
            return -1;
        newIndex[static_cast<std::size_t>(old)] = i;
    }
    std::vector<st_program> programs(img.programs, img.programs + count);
    for (int i = 0; i < count; ++i)
        img.programs[i] = programs[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
    for (st_fav& list : img.favourites) {
        for (int e = 0; e < favouriteCount(list); ++e) {
            if (list.favEntries[e] < count)
                list.favEntries[e] = static_cast<std::uint16_t>(newIndex[list.favEntries[e]]);
        }
    }
    for (ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next) {
        if (node->programIndex >= 0 && node->programIndex < count)
            node->programIndex = newIndex[static_cast<std::size_t>(node->programIndex)];
    }
    return 0;
}

}  // namespace vizud
