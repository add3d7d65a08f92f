#include "listtools/program_match.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

#include "listtools/program_place.h"

namespace vizud {
namespace {

// The programs of one file with the same key, in table order, and the first one not yet taken.
struct Candidates {
    std::vector<int> programs;
    std::size_t next = 0;
};

// A program's keys; a program whose transponder or satellite points nowhere has neither and matches
// nothing.
struct ProgramKeys {
    bool placed = false;
    std::uint64_t place = 0;  // position, direction, frequency, polarization, service id
    std::string named;        // position, direction, the name's bytes
};

std::vector<ProgramKeys> keysOf(const all_tables_block& img) {
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
        const auto direction = static_cast<std::uint8_t>(place.satellite->eastWest);
        key.placed = true;
        key.place = *placed;
        key.named.reserve(3 + kNameLength);
        key.named += static_cast<char>(place.satellite->position & 0xFF);
        key.named += static_cast<char>(place.satellite->position >> 8);
        key.named += static_cast<char>(direction);
        key.named.append(prog.name, strnlen(prog.name, kNameLength));
    }
    return keys;
}

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

std::vector<int> matchPrograms(const all_tables_block& file, const all_tables_block& reference) {
    const std::vector<ProgramKeys> fileKeys = keysOf(file);
    const std::vector<ProgramKeys> referenceKeys = keysOf(reference);
    std::vector<int> matchOf(referenceKeys.size(), -1);
    std::vector<char> taken(fileKeys.size(), 0);
    matchBy<std::uint64_t>(
        fileKeys, referenceKeys, [](const ProgramKeys& k) { return k.place; }, matchOf, taken);
    matchBy<std::string>(
        fileKeys, referenceKeys, [](const ProgramKeys& k) -> const std::string& { return k.named; }, matchOf, taken);
    return matchOf;
}

}  // namespace vizud
