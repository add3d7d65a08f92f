// vizud-cli: the channel editor's work from a terminal.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "vizud_version.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
};

const Command kCommands[] = {
    {"info", vizud::cli::runInfo, "info [--json] FILE.si      counts, CRC check and favourite lists of a channel file"},
    {"dump", vizud::cli::runDump, "dump [-o OUT] FILE.si      the program table as the editor writes programs.nfo"},
    {"export", vizud::cli::runExport, "export [-o OUT] FILE.si    the programs as CSV (UTF-8) for a spreadsheet"},
    {"sort", vizud::cli::runSort,
     "sort --by name|provider|transponder [--list K] [-o OUT] FILE.si\n"
     "                             sort the TV and radio blocks (or the entries of list K)"},
    {"apply-order", vizud::cli::runApplyOrder,
     "apply-order --reference REF.si [--favourites] [-o OUT] FILE.si\n"
     "                             put the programs in the order of REF.si (and take its lists)\n"
     "apply-order --reference LIST.csv [--favourites] [--names] [--flags] [--delete-missing] [-o OUT] FILE.si\n"
     "                             ... or of an exported list edited in a spreadsheet"},
    {"import-transponders", vizud::cli::runImportTransponders,
     "import-transponders --xml FILE.xml [--satellite NAME|--all] [--dry-run] [-o OUT] FILE.si\n"
     "                             add and update transponders from a satellites.xml"},
    {"check", vizud::cli::runCheck, "check FILE.si               the file's consistency, one line per problem"},
    {"duplicates", vizud::cli::runDuplicates,
     "duplicates [--json] [--remove [-o OUT]] FILE.si\n"
     "                             the same service twice in a class (or delete the later ones)"},
    {"diff", vizud::cli::runDiff, "diff [--json] OLD.si NEW.si  what changed from OLD to NEW (exit 1: it differs)"},
    {"download", vizud::cli::runDownload,
     "download -o FILE.si [PORT]  receive the box's database into FILE.si (written only on success)"},
    {"upload", vizud::cli::runUpload, "upload FILE.si [PORT]       send a channel file to the box"},
    {"upgrade", vizud::cli::runUpgrade, "upgrade FILE.dlp [PORT]     send a software image to the box"},
};

void printHelp(std::ostream& out) {
    out << "Usage: vizud-cli COMMAND [OPTIONS] ARGS\n\nCommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.usage << "\n";
    }
    out << "\nPORT: [--device PATH] [--port 1..4] [--baud 115200|57600]. --device wins; --port N uses\n"
           "VIZUD_COMN (default /dev/ttyS<N-1>); without either, the port and baud rate of veravaravo.cfg\n"
           "in the working directory, else COM1 at 115200. Ctrl-C cancels a transfer.\n";
    out << "\nvizud-cli --help and vizud-cli --version print this text and the version.\n";
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
    if (name == "--version") {
        std::cout << "vizud-cli " << vizud::kVersion << "\n";
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
