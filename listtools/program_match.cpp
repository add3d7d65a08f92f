#include "listtools/program_match.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "listtools/program_place.h"

namespace vizud {
namespace {

// The programs of one file with the same key, in table order, and the first one not yet taken.
struct Candidates {
    std::vector<int> programs;
    std::size_t next = 0;
};

// Takes for every reference program still without a match (matchOf[r] < 0) the first program of the file
// with the same key that nothing took yet.
template <typename Key, typename KeyOf>
void matchBy(const std::vector<ProgramKeys>& fileKeys, const std::vector<ProgramKeys>& referenceKeys, KeyOf keyOf,
             std::vector<int>& matchOf, std::vector<char>& taken) {
    std::unordered_map<Key, Candidates> byKey;
    byKey.reserve(fileKeys.size());
    for (std::size_t p = 0; p < fileKeys.size(); ++p) {
        if (fileKeys[p].placed && !taken[p])
            byKey[keyOf(fileKeys[p])].programs.push_back(static_cast<int>(p));
    }
    for (std::size_t r = 0; r < referenceKeys.size(); ++r) {
        if (matchOf[r] >= 0 || !referenceKeys[r].placed)
            continue;
        const auto found = byKey.find(keyOf(referenceKeys[r]));
        if (found == byKey.end())
            continue;
        Candidates& candidates = found->second;
        if (candidates.next < candidates.programs.size()) {
            const int program = candidates.programs[candidates.next++];
            matchOf[r] = program;
            taken[static_cast<std::size_t>(program)] = 1;
        }
    }
}

}  // namespace

std::string namedKey(std::uint16_t position, char direction, std::string_view name) {
    std::string key;
    key.reserve(3 + name.size());
    key += static_cast<char>(position & 0xFF);
    key += static_cast<char>(position >> 8);
    key += direction;
    key.append(name);
    return key;
}

std::vector<ProgramKeys> programKeys(const all_tables_block& img, bool shownNames) {
    const ProgramPlaces places(img);
    const int programs = programCount(img);
    std::vector<ProgramKeys> keys(static_cast<std::size_t>(programs));
    for (int p = 0; p < programs; ++p) {
        const st_program& prog = img.programs[p];
        const ProgramPlace place = places.of(prog);
        const std::optional<std::uint64_t> placed = placeKey(place, prog);
        if (!placed)
            continue;
        ProgramKeys& key = keys[static_cast<std::size_t>(p)];
        std::string_view name(prog.name, strnlen(prog.name, kNameLength));
        char direction = static_cast<char>(place.satellite->eastWest);
        if (shownNames) {
            if (!name.empty() && static_cast<unsigned char>(name[0]) >= 1 && static_cast<unsigned char>(name[0]) <= 31)
                name.remove_prefix(1);
            direction = direction == 'E' ? 'E' : 'W';
        }
        key.placed = true;
        // As shown, a direction other than 'E' is west, as the export writes it.
        key.place = shownNames ? placeKey(place.satellite->position, static_cast<std::uint8_t>(direction),
                                          place.transponder->frequency, place.transponder->polarization, prog.serviceId)
                               : *placed;
        key.named = namedKey(place.satellite->position, direction, name);
    }
    return keys;
}

std::vector<int> matchKeys(const std::vector<ProgramKeys>& fileKeys, const std::vector<ProgramKeys>& referenceKeys) {
    std::vector<int> matchOf(referenceKeys.size(), -1);
    std::vector<char> taken(fileKeys.size(), 0);
    matchBy<std::uint64_t>(
        fileKeys, referenceKeys, [](const ProgramKeys& k) { return k.place; }, matchOf, taken);
    matchBy<std::string>(
        fileKeys, referenceKeys, [](const ProgramKeys& k) -> const std::string& { return k.named; }, matchOf, taken);
    return matchOf;
}

std::vector<int> matchPrograms(const all_tables_block& file, const all_tables_block& reference) {
    return matchKeys(programKeys(file), programKeys(reference));
}

}  // namespace vizud
