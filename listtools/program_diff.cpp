#include "listtools/program_diff.h"

#include <cstdio>
#include <cstring>

#include "database/image_access.h"
#include "listtools/program_match.h"
#include "listtools/program_place.h"
#include "listtools/shown_name.h"

namespace vizud {
namespace {

bool sameName(const st_program& a, const st_program& b) {
    const std::size_t length = strnlen(a.name, kNameLength);
    return length == strnlen(b.name, kNameLength) && std::memcmp(a.name, b.name, length) == 0;
}

// The provider's name; a reference beyond the table reads as a name no provider has.
std::string providerOf(const all_tables_block& img, const st_program& prog) {
    return prog.providerIndex < providerCount(img) ? nameText(img.providers[prog.providerIndex].name)
                                                   : std::string(1, '\0');
}

bool sameDetails(const all_tables_block& oldImg, const st_program& was, const all_tables_block& newImg,
                 const st_program& is) {
    return was.videoPid == is.videoPid && was.audioPid == is.audioPid && was.pcrPid == is.pcrPid &&
           was.programFlags == is.programFlags && providerOf(oldImg, was) == providerOf(newImg, is);
}

std::string satelliteText(const all_tables_block& img, const ProgramPlaces& places, int program) {
    const st_sat* sat = places.of(img.programs[program]).satellite;
    if (sat == nullptr)
        return "?";
    char position[16];
    std::snprintf(position, sizeof position, "%d.%d%c", sat->position / 10, sat->position % 10,
                  sat->eastWest == 'E' ? 'E' : 'W');
    return shownName(sat->name) + " " + position;
}

std::string pairText(int was, int is) {
    return std::to_string(was + 1) + "->" + std::to_string(is + 1);
}

void appendList(std::string& out, const char* key, const std::vector<int>& programs) {
    out += std::string("\"") + key + "\":[";
    for (std::size_t i = 0; i < programs.size(); ++i)
        out += (i ? "," : "") + std::to_string(programs[i] + 1);
    out += "]";
}

void appendPairs(std::string& out, const char* key, const std::vector<std::pair<int, int>>& pairs) {
    out += std::string("\"") + key + "\":[";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        out += (i ? ",[" : "[") + std::to_string(pairs[i].first + 1) + "," + std::to_string(pairs[i].second + 1) + "]";
    out += "]";
}

}  // namespace

ProgramDiff diffPrograms(const all_tables_block& oldImg, const all_tables_block& newImg) {
    // The old list is the reference a rescan is put in order like: each old program finds its new one.
    const std::vector<int> newOf = matchPrograms(newImg, oldImg);
    std::vector<int> oldOf(static_cast<std::size_t>(programCount(newImg)), -1);
    ProgramDiff diff;
    for (std::size_t o = 0; o < newOf.size(); ++o) {
        if (newOf[o] < 0)
            diff.removed.push_back(static_cast<int>(o));
        else
            oldOf[static_cast<std::size_t>(newOf[o])] = static_cast<int>(o);
    }
    for (std::size_t n = 0; n < oldOf.size(); ++n) {
        const int o = oldOf[n];
        const int p = static_cast<int>(n);
        if (o < 0) {
            diff.added.push_back(p);
            continue;
        }
        const st_program& was = oldImg.programs[o];
        const st_program& is = newImg.programs[p];
        if (!sameName(was, is))
            diff.renamed.emplace_back(o, p);
        else if (!sameDetails(oldImg, was, newImg, is))
            diff.changed.emplace_back(o, p);
    }
    return diff;
}

std::vector<DiffLine> diffLines(const ProgramDiff& diff, const all_tables_block& oldImg,
                                const all_tables_block& newImg) {
    const ProgramPlaces oldPlaces(oldImg), newPlaces(newImg);
    std::vector<DiffLine> lines;
    lines.reserve(diff.added.size() + diff.removed.size() + diff.renamed.size() + diff.changed.size());
    const auto line = [&](char mark, const all_tables_block& img, const ProgramPlaces& places, int p,
                          std::string number, std::string name) {
        lines.push_back(DiffLine{mark, p >= img.tvCount, std::move(number), std::move(name),
                                 satelliteText(img, places, p), img.programs[p].serviceId});
    };
    for (const int p : diff.added)
        line('+', newImg, newPlaces, p, std::to_string(p + 1), shownName(newImg.programs[p].name));
    for (const int p : diff.removed)
        line('-', oldImg, oldPlaces, p, std::to_string(p + 1), shownName(oldImg.programs[p].name));
    for (const auto& [o, p] : diff.renamed)
        line('~', newImg, newPlaces, p, pairText(o, p),
             shownName(oldImg.programs[o].name) + " -> " + shownName(newImg.programs[p].name));
    for (const auto& [o, p] : diff.changed)
        line('*', newImg, newPlaces, p, pairText(o, p), shownName(newImg.programs[p].name));
    return lines;
}

std::string diffText(const std::vector<DiffLine>& lines, const ProgramDiff& diff) {
    std::string out;
    for (const DiffLine& l : lines) {
        char head[48];
        std::snprintf(head, sizeof head, "%c %-5s %-11s ", l.mark, l.radio ? "Radio" : "TV", l.number.c_str());
        out += head + l.name + "  " + l.satellite + "  sid " + std::to_string(l.serviceId) + "\n";
    }
    return out + diffCounts(diff) + "\n";
}

std::string diffJson(const ProgramDiff& diff) {
    std::string out = "{";
    appendList(out, "added", diff.added);
    out += ",";
    appendList(out, "removed", diff.removed);
    out += ",";
    appendPairs(out, "renamed", diff.renamed);
    out += ",";
    appendPairs(out, "changed", diff.changed);
    return out + "}\n";
}

std::string diffCounts(const ProgramDiff& diff) {
    return std::to_string(diff.added.size()) + " added, " + std::to_string(diff.removed.size()) + " removed, " +
           std::to_string(diff.renamed.size()) + " renamed, " + std::to_string(diff.changed.size()) + " changed";
}

}  // namespace vizud
