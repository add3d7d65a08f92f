// vizud-cli sort: the channel file's programs (or one favourite list) sorted, written back atomically with
// its CRC refreshed; a file written over keeps its first original as FILE.bak, as the editor's saves do.
#include <iostream>

#include "app/file_backup.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "listtools/list_sort.h"

namespace vizud::cli {

int runSort(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"--by", "--list", "-o", "--output"}, {});
    const std::optional<SortKey> key = sortKeyNamed(parsed.value("--by"));
    const std::string listText = parsed.value("--list");
    const int list = listText.size() == 1 && listText[0] >= '1' && listText[0] <= '9' ? listText[0] - '1' : -1;
    if (!parsed.error.empty() || parsed.operands.size() != 1 || !key || (parsed.has("--list") && list < 0)) {
        std::cerr << "vizud-cli: "
                  << (parsed.error.empty()
                          ? "usage: vizud-cli sort --by name|provider|transponder [--list K] [-o OUT] FILE.si"
                          : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const std::string& path = parsed.operands[0];
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    ChannelDatabase& db = loaded->database;
    const int result = parsed.has("--list") ? sortListEntries(db, list, *key) : sortPrograms(db, *key);
    if (result != 0) {
        std::cerr << "vizud-cli: " << path << ": the list could not be sorted (an entry beyond the table)\n";
        return kExitFailed;
    }
    std::string out = parsed.has("-o") ? parsed.value("-o") : parsed.value("--output");
    if (out.empty())
        out = path;
    FileBackups backups;
    if (const std::string why = backups.keepBeforeOverwrite(out); !why.empty()) {
        std::cerr << "vizud-cli: " << why << "\n";
        return kExitFailed;
    }
    db.updateChecksum();
    if (db.save(out) != 0) {
        std::cerr << "vizud-cli: cannot write " << out << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace vizud::cli
