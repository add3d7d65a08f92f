// vizud-cli diff: what changed from one channel file to another, both read as the editor opens them. Exits
// as diff does: 0 no differences, 1 differences, 2 a file that cannot be used or a bad command line.
#include <iostream>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "listtools/program_diff.h"

namespace vizud::cli {

int runDiff(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {}, {"--json"});
    if (!parsed.error.empty() || parsed.operands.size() != 2) {
        std::cerr << "vizud-cli: "
                  << (parsed.error.empty() ? "usage: vizud-cli diff [--json] OLD.si NEW.si" : parsed.error) << "\n";
        return kExitUsage;
    }
    const auto oldFile = loadChannelFile(parsed.operands[0]);
    if (!oldFile)
        return kExitUsage;
    const auto newFile = loadChannelFile(parsed.operands[1]);
    if (!newFile)
        return kExitUsage;
    const all_tables_block& oldImg = oldFile->database.image();
    const all_tables_block& newImg = newFile->database.image();
    const ProgramDiff diff = diffPrograms(oldImg, newImg);
    std::cout << (parsed.has("--json") ? diffJson(diff) : diffText(diffLines(diff, oldImg, newImg), diff));
    if (!std::cout.flush())
        return kExitUsage;
    return diff.empty() ? kExitOk : kExitFailed;
}

}  // namespace vizud::cli
