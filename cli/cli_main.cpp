// vizud-cli: the channel editor's work from a terminal.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
};

const Command kCommands[] = {
    {"info", vizud::cli::runInfo, "info [--json] FILE.si      counts, CRC check and favourite lists of a channel file"},
    {"dump", vizud::cli::runDump, "dump [-o OUT] FILE.si      the program table as the editor writes programs.nfo"},
};

void printHelp(std::ostream& out) {
    out << "Usage: vizud-cli COMMAND [OPTIONS] ARGS\n\nCommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.usage << "\n";
    }
    out << "\nExit status: 0 success, 1 the file or the transfer failed, 2 usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printHelp(std::cerr);
        return vizud::cli::kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(std::cout);
        return vizud::cli::kExitOk;
    }
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::cerr << "vizud-cli: unknown command '" << name << "'\n";
    printHelp(std::cerr);
    return vizud::cli::kExitUsage;
}
