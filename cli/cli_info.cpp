// vizud-cli info and dump: read a channel file the way the editor opens it and describe it.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "database/atomic_file.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "database/channel_database.h"
#include "database/image_access.h"
#include "database/image_crc.h"
#include "listtools/csv_export.h"

namespace vizud::cli {
namespace {

// A name's bytes, each mapped to the Unicode code point of the same value, as UTF-8.
std::string latin1ToUtf8(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string jsonString(const std::string& bytes) {
    std::string out = "\"";
    for (const char c : latin1ToUtf8(bytes)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Whether the CRC stored in the file matches the CRC of its image as read, before the editor changes it.
bool storedCrcMatches(const std::string& path) {
    auto image = std::make_unique<all_tables_block>();
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(image.get()), static_cast<std::streamsize>(kImageSize));
    return file.gcount() == static_cast<std::streamsize>(kImageSize) && image->imageCrc == computeImageCrc(*image);
}

std::string describe(const all_tables_block& img, bool crcOk, bool json) {
    std::ostringstream out;
    const int radio = img.programCount - img.tvCount;
    if (json) {
        out << "{\"satellites\":" << img.satCount << ",\"transponders\":" << img.tpCount
            << ",\"providers\":" << img.providerCount << ",\"programs\":" << img.programCount
            << ",\"tv\":" << img.tvCount << ",\"radio\":" << radio << ",\"crc_ok\":" << (crcOk ? "true" : "false")
            << ",\"favourites\":[";
        for (int l = 0; l < kFavouriteLists; ++l) {
            const st_fav& list = img.favourites[l];
            out << (l ? "," : "") << "{\"name\":" << jsonString(nameText(list.favName)) << ",\"tv\":" << list.favTvCount
                << ",\"radio\":" << (list.favCount - list.favTvCount) << "}";
        }
        out << "]}\n";
        return out.str();
    }
    out << "Satellites:    " << img.satCount << "\n"
        << "Transponders:  " << img.tpCount << "\n"
        << "Providers:     " << img.providerCount << "\n"
        << "Programs:      " << img.programCount << "\n"
        << "TV:            " << img.tvCount << "\n"
        << "Radio:         " << radio << "\n"
        << "CRC:           " << (crcOk ? "ok" : "does not match") << "\n"
        << "Favourite lists:\n";
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& list = img.favourites[l];
        char line[96];
        std::snprintf(line, sizeof(line), "  %d  %-16s  TV:%d, Radio:%d\n", l + 1,
                      latin1ToUtf8(nameText(list.favName)).c_str(), list.favTvCount, list.favCount - list.favTvCount);
        out << line;
    }
    return out.str();
}

}  // namespace

std::unique_ptr<LoadedFile> loadChannelFile(const std::string& path) {
    auto loaded = std::make_unique<LoadedFile>();
    loaded->database.setProgramsDumpPath("");
    if (loaded->database.load(path) != 0) {
        std::cerr << "vizud-cli: " << path << ": not a usable channel file\n";
        return nullptr;
    }
    return loaded;
}

void StderrMessages::show(const std::string& text, MessageIcon /*icon*/) {
    std::cerr << "vizud-cli: " << text << "\n";
}

MessageAnswer StderrMessages::ask(const std::string& text, MessageButtons buttons, MessageIcon /*icon*/) {
    std::cerr << "vizud-cli: " << text << "\n";
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

int runInfo(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {}, {"--json"});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        std::cerr << "vizud-cli: " << (parsed.error.empty() ? "usage: vizud-cli info [--json] FILE.si" : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const std::string& path = parsed.operands[0];
    const bool crcOk = storedCrcMatches(path);
    const auto loaded = loadChannelFile(path);
    if (!loaded)
        return kExitFailed;
    std::cout << describe(loaded->database.image(), crcOk, parsed.has("--json"));
    return std::cout.flush() ? kExitOk : kExitFailed;
}

// Writes `text` to standard output, or atomically to `out`.
int writeOutput(const std::string& text, const std::string& out) {
    if (out.empty()) {
        std::cout << text;
        return std::cout.flush() ? kExitOk : kExitFailed;
    }
    if (std::string why; !writeFileAtomically(out, text.data(), text.size(), &why)) {
        std::cerr << "vizud-cli: cannot write " << why << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int runExport(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"-o", "--output"}, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        std::cerr << "vizud-cli: " << (parsed.error.empty() ? "usage: vizud-cli export [-o OUT] FILE.si" : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const auto loaded = loadChannelFile(parsed.operands[0]);
    if (!loaded)
        return kExitFailed;
    return writeOutput(exportCsv(loaded->database.image()),
                       parsed.has("-o") ? parsed.value("-o") : parsed.value("--output"));
}

int runDump(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(args, {"-o", "--output"}, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        std::cerr << "vizud-cli: " << (parsed.error.empty() ? "usage: vizud-cli dump [-o OUT] FILE.si" : parsed.error)
                  << "\n";
        return kExitUsage;
    }
    const auto loaded = loadChannelFile(parsed.operands[0]);
    if (!loaded)
        return kExitFailed;
    const std::string text = loaded->database.programsDumpText();
    return writeOutput(text, parsed.has("-o") ? parsed.value("-o") : parsed.value("--output"));
}

}  // namespace vizud::cli
