// vizud-cli duplicates: the groups of programs with the same service after a rescan, as text or JSON, and
// with --remove the list without the later programs of each group, written back as the other list tools
// write (atomically, CRC refreshed, FILE.bak kept).
#include <iostream>
#include <sstream>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "listtools/duplicates.h"

namespace vizud::cli {
namespace {

std::string lineText(const DuplicateLine& line) {
    std::ostringstream out;
    out << line.number << " \"" << line.name << "\" " << line.satellite << " " << line.frequency << " "
        << line.polarization << " sid " << line.serviceId;
    return out.str();
}

std::string groupsText(const all_tables_block& img, const std::vector<DuplicateGroup>& groups) {
    std::ostringstream out;
    const std::vector<std::vector<DuplicateLine>> lines = describeGroups(img, groups);
    std::size_t duplicates = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        out << (groups[g].tv ? "TV " : "Radio ") << lineText(lines[g][0]) << ":";
        for (std::size_t d = 1; d < lines[g].size(); ++d)
            out << (d > 1 ? "," : "") << " " << lineText(lines[g][d]);
        out << "\n";
        duplicates += groups[g].duplicates.size();
    }
    if (groups.empty())
        out << "no duplicates found\n";
    else
        out << duplicates << (duplicates == 1 ? " duplicate in " : " duplicates in ") << groups.size()
            << (groups.size() == 1 ? " group\n" : " groups\n");
    return out.str();
}

std::string groupsJson(const std::vector<DuplicateGroup>& groups) {
    std::ostringstream out;
    out << "{\"groups\":[";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        out << (g > 0 ? "," : "") << "{\"class\":\"" << (groups[g].tv ? "TV" : "Radio")
            << "\",\"keep\":" << groups[g].keep + 1 << ",\"duplicates\":[";
        for (std::size_t d = 0; d < groups[g].duplicates.size(); ++d)
            out << (d > 0 ? "," : "") << groups[g].duplicates[d] + 1;
        out << "]}";
    }
    out << "]}\n";
    return out.str();
}

}  // namespace

int runDuplicates(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"-o", "--output"}, {"--json", "--remove"});
    const bool remove = parsed.has("--remove");
    const bool output = parsed.has("-o") || parsed.has("--output");
    if (!parsed.error.empty() || parsed.operands.size() != 1 || (remove && parsed.has("--json")) ||
        (output && !remove)) {
        std::cerr << "vizud-cli: "
                  << (parsed.error.empty()
                          ? "usage: vizud-cli duplicates [--json] FILE.si | duplicates --remove [-o OUT] FILE.si"
                          : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const std::string& path = parsed.operands[0];
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    ChannelDatabase& db = loaded->database;
    if (!remove) {
        const std::vector<DuplicateGroup> groups = findDuplicates(db.image());
        std::cout << (parsed.has("--json") ? groupsJson(groups) : groupsText(db.image(), groups));
        return std::cout.flush() ? kExitOk : kExitFailed;
    }
    const DuplicateRemoval removal = removeDuplicates(db);
    std::cout << removal.removed << " duplicates removed\n";
    return writeBack(db, parsed, path);
}

}  // namespace vizud::cli
