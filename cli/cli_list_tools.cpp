// vizud-cli sort, apply-order (like a channel file or a spreadsheet list) and check: the channel-list tools on a file.
// The commands that change the list write it back atomically with its CRC refreshed; a file written over keeps its
// first original as FILE.bak, as the editor's saves do.
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>

#include "app/file_backup.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "listtools/apply_order.h"
#include "listtools/csv_reference.h"
#include "listtools/database_check.h"
#include "listtools/list_sort.h"

namespace vizud::cli {
namespace {

int usage(const Arguments& parsed, const char* text) {
    std::cerr << "vizud-cli: " << (parsed.error.empty() ? std::string("usage: ") + text : parsed.error) << "\n";
    return kExitUsage;
}

}  // namespace

int writeBack(ChannelDatabase& db, const Arguments& parsed, const std::string& path) {
    std::string out = parsed.has("-o") ? parsed.value("-o") : parsed.value("--output");
    if (out.empty())
        out = path;
    FileBackups backups;
    if (const std::string why = backups.keepBeforeOverwrite(out); !why.empty()) {
        std::cerr << "vizud-cli: " << why << "\n";
        return kExitFailed;
    }
    if (std::string why; db.save(out, &why) != 0) {
        std::cerr << "vizud-cli: cannot write " << why << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int runSort(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"--by", "--list", "-o", "--output"}, {});
    const std::optional<SortKey> key = sortKeyNamed(parsed.value("--by"));
    const std::string listText = parsed.value("--list");
    const int list = listText.size() == 1 && listText[0] >= '1' && listText[0] <= '9' ? listText[0] - '1' : -1;
    if (!parsed.error.empty() || parsed.operands.size() != 1 || !key || (parsed.has("--list") && list < 0))
        return usage(parsed, "vizud-cli sort --by name|provider|transponder [--list K] [-o OUT] FILE.si");
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
    return writeBack(db, parsed, path);
}

namespace {

int applyCsvOrder(const Arguments& parsed, const std::string& referencePath, const std::string& path) {
    std::ifstream in(referencePath, std::ios::binary);
    if (!in) {
        std::cerr << "vizud-cli: cannot open " << referencePath << "\n";
        return kExitFailed;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const CsvReference reference = readCsvReference(text);
    if (!reference.error.empty()) {
        std::cerr << "vizud-cli: " << referencePath << ": " << reference.error << "\n";
        return kExitFailed;
    }
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    CsvApplyOptions options;
    options.names = parsed.has("--names");
    options.flags = parsed.has("--flags");
    options.favourites = parsed.has("--favourites");
    options.deleteMissing = parsed.has("--delete-missing");
    const CsvOrderResult result = applyOrderFromCsv(loaded->database, reference, options);
    if (!result.error.empty()) {
        std::cerr << "vizud-cli: " << referencePath << ": " << result.error << "\n";
        return kExitFailed;
    }
    std::cout << matchSummary(result.match) << "\n";
    if (!result.unmatchedLines.empty())
        std::cout << unmatchedRowsText(result.unmatchedLines) << "\n";
    return writeBack(loaded->database, parsed, path);
}

}  // namespace

int runApplyOrder(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"--reference", "-o", "--output"},
                                            {"--favourites", "--names", "--flags", "--delete-missing"});
    const std::string referencePath = parsed.value("--reference");
    const bool csv = !referencePath.empty() && isCsvReferenceFile(referencePath);
    const bool csvOnly = parsed.has("--names") || parsed.has("--flags") || parsed.has("--delete-missing");
    if (!parsed.error.empty() || parsed.operands.size() != 1 || referencePath.empty() || (csvOnly && !csv)) {
        return usage(parsed,
                     "vizud-cli apply-order --reference REF.si [--favourites] [-o OUT] FILE.si\n"
                     "       vizud-cli apply-order --reference LIST.csv [--favourites] [--names] [--flags] "
                     "[--delete-missing] [-o OUT] FILE.si");
    }
    const std::string& path = parsed.operands[0];
    if (csv)
        return applyCsvOrder(parsed, referencePath, path);
    const auto reference = loadChannelFile(referencePath);
    if (!reference)
        return kExitFailed;
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    const std::optional<OrderMatch> match =
        applyOrder(loaded->database, reference->database.image(), parsed.has("--favourites"));
    if (!match) {
        std::cerr << "vizud-cli: " << path << ": the list could not be put in order\n";
        return kExitFailed;
    }
    std::cout << matchSummary(*match) << "\n";
    return writeBack(loaded->database, parsed, path);
}

int runCheck(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {}, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1)
        return usage(parsed, "vizud-cli check FILE.si");
    const std::string& path = parsed.operands[0];
    // The file as it is: no provider sweep, and counts beyond the tables are findings, not a refusal.
    auto image = std::make_unique<all_tables_block>();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "vizud-cli: cannot open " << path << "\n";
        return kExitFailed;
    }
    file.read(reinterpret_cast<char*>(image.get()), static_cast<std::streamsize>(kImageSize));
    if (file.gcount() != static_cast<std::streamsize>(kImageSize)) {
        std::cerr << "vizud-cli: " << path << ": not a channel file (" << file.gcount() << " bytes, a channel file has "
                  << kImageSize << ")\n";
        return kExitFailed;
    }
    const std::vector<Finding> findings = checkImage(*image);
    std::cout << reportText(findings);
    return findings.empty() ? kExitOk : kExitFailed;
}

}  // namespace vizud::cli
