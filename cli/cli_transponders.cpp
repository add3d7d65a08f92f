// vizud-cli import-transponders: a channel file's transponders brought up to date from a satellites.xml.
#include <fstream>
#include <iostream>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "listtools/satellites_xml.h"

namespace vizud::cli {

int runImportTransponders(const std::vector<std::string>& args) {
    const Arguments parsed =
        parseArguments(args, {"--xml", "--satellite", "-o", "--output"}, {"--all", "--dry-run"});
    if (!parsed.error.empty() || parsed.operands.size() != 1 || parsed.value("--xml").empty() ||
        (parsed.has("--satellite") && parsed.has("--all")) ||
        (parsed.has("--satellite") && parsed.value("--satellite").empty())) {
        std::cerr << "vizud-cli: "
                  << (parsed.error.empty() ? "usage: vizud-cli import-transponders --xml FILE.xml "
                                             "[--satellite NAME|--all] [--dry-run] [-o OUT] FILE.si"
                                           : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const std::string& xmlPath = parsed.value("--xml");
    std::ifstream in(xmlPath, std::ios::binary);
    if (!in) {
        std::cerr << "vizud-cli: cannot open " << xmlPath << "\n";
        return kExitFailed;
    }
    const SatellitesXml xml = readSatellitesXml(in);
    if (!xml.error.empty()) {
        std::cerr << "vizud-cli: " << xmlPath << ": " << xml.error << "\n";
        return kExitFailed;
    }
    const std::string& path = parsed.operands[0];
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    const std::string only = parsed.value("--satellite");
    const TransponderPlan plan = planTransponderUpdate(loaded->database.image(), xml, only);
    if (!only.empty() && plan.satellites.empty()) {
        std::cerr << "vizud-cli: " << path << ": no satellite named " << only << "\n";
        return kExitFailed;
    }
    std::cout << planText(plan);
    if (parsed.has("--dry-run"))
        return kExitOk;
    if (std::string why; applyTransponderPlan(loaded->database, plan, &why) != 0) {
        std::cerr << "vizud-cli: " << path << ": " << why << " Nothing was changed.\n";
        return kExitFailed;
    }
    return writeBack(loaded->database, parsed, path);
}

}  // namespace vizud::cli
