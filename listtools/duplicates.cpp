#include "listtools/duplicates.h"

#include <algorithm>
#include <tuple>

#include "database/edit_support.h"
#include "database/image_access.h"
#include "listtools/csv_export.h"
#include "listtools/program_place.h"
#include "listtools/shown_name.h"

namespace vizud {

std::vector<DuplicateGroup> findDuplicates(const all_tables_block& img) {
    const ProgramPlaces places(img);
    const int programs = programCount(img);
    const int tv = std::min<int>(img.tvCount, programs);
    // (class, key, index) sorted: equal keys of a class lie together, in table order.
    std::vector<std::tuple<bool, std::uint64_t, int>> keyed;
    keyed.reserve(static_cast<std::size_t>(programs));
    for (int p = 0; p < programs; ++p) {
        const st_program& prog = img.programs[p];
        if (const std::optional<std::uint64_t> key = placeKey(places.of(prog), prog))
            keyed.emplace_back(p >= tv, *key, p);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<DuplicateGroup> groups;
    for (std::size_t i = 0; i < keyed.size();) {
        std::size_t end = i + 1;
        while (end < keyed.size() && std::get<0>(keyed[end]) == std::get<0>(keyed[i]) &&
               std::get<1>(keyed[end]) == std::get<1>(keyed[i]))
            ++end;
        if (end - i > 1) {
            DuplicateGroup& group = groups.emplace_back();
            group.tv = !std::get<0>(keyed[i]);
            group.keep = std::get<2>(keyed[i]);
            for (std::size_t d = i + 1; d < end; ++d)
                group.duplicates.push_back(std::get<2>(keyed[d]));
        }
        i = end;
    }
    std::sort(groups.begin(), groups.end(),
              [](const DuplicateGroup& a, const DuplicateGroup& b) { return a.keep < b.keep; });
    return groups;
}

std::vector<std::vector<DuplicateLine>> describeGroups(const all_tables_block& img,
                                                       const std::vector<DuplicateGroup>& groups) {
    const int programs = programCount(img);
    std::vector<std::string> lists(static_cast<std::size_t>(programs));
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        for (int e = 0; e < favouriteCount(list); ++e) {
            if (list.favEntries[e] >= programs)
                continue;
            std::string& digits = lists[list.favEntries[e]];
            if (digits.empty() || digits.back() != '1' + l)
                digits += static_cast<char>('1' + l);
        }
    }
    const ProgramPlaces places(img);
    const auto line = [&](int p) {
        static constexpr const char* kPolarizations[] = {"H", "V", "L", "R"};
        const st_program& prog = img.programs[p];
        const ProgramPlace place = places.of(prog);  // a member of a group always has both
        return DuplicateLine{p + 1,
                             shownName(prog.name),
                             shownName(place.satellite->name) + " " + satellitePosition(*place.satellite),
                             place.transponder->frequency,
                             place.transponder->polarization < 4 ? kPolarizations[place.transponder->polarization] : "",
                             prog.serviceId,
                             lists[static_cast<std::size_t>(p)]};
    };
    std::vector<std::vector<DuplicateLine>> out;
    out.reserve(groups.size());
    for (const DuplicateGroup& group : groups) {
        std::vector<DuplicateLine>& lines = out.emplace_back();
        lines.push_back(line(group.keep));
        for (const int d : group.duplicates)
            lines.push_back(line(d));
    }
    return out;
}

DuplicateRemoval removeDuplicates(ChannelDatabase& db) {
    all_tables_block& img = db.image();
    const std::vector<DuplicateGroup> groups = findDuplicates(img);
    const int programs = programCount(img);
    std::vector<int> keptOf(static_cast<std::size_t>(programs), -1);
    std::vector<int> doomed;
    for (const DuplicateGroup& group : groups) {
        for (const int d : group.duplicates) {
            keptOf[static_cast<std::size_t>(d)] = group.keep;
            doomed.push_back(d);
        }
    }
    if (doomed.empty())
        return {};

    // Each list names the kept program in place of its duplicates, once.
    std::vector<int> heldBy(static_cast<std::size_t>(programs), -1);  // the last list seen holding it
    for (int l = 0; l < kFavouriteLists; ++l) {
        st_fav& list = img.favourites[l];
        for (int e = 0; e < favouriteCount(list); ++e) {
            if (list.favEntries[e] < programs)
                heldBy[list.favEntries[e]] = l;
        }
        for (int e = 0; e < favouriteCount(list);) {
            const int program = list.favEntries[e];
            const int kept = program < programs ? keptOf[static_cast<std::size_t>(program)] : -1;
            if (kept < 0) {
                ++e;
            } else if (heldBy[static_cast<std::size_t>(kept)] == l) {
                edit::removeListEntry(list, e);
            } else {
                list.favEntries[e++] = static_cast<std::uint16_t>(kept);
                heldBy[static_cast<std::size_t>(kept)] = l;
            }
        }
    }

    // From the last to the first, each index is still the program's own when its turn comes.
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    const int saved = db.state().dragActive;
    db.state().dragActive = 0;  // the lists and the clipboard follow, as a delete outside a drag
    db.deletePrograms(doomed);
    db.state().dragActive = saved;
    const int removed = static_cast<int>(doomed.size());
    return {removed, removed == 1 ? "Remove 1 duplicate" : "Remove " + std::to_string(removed) + " duplicates"};
}

}  // namespace vizud
