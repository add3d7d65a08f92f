#include "app/kept_downloads.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/file_type_registration.h"
#include "database/atomic_file.h"

namespace vizud {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPrefix = "box-";
constexpr const char* kSuffix = ".si";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

// The stamp of a kept copy's name ("20261207-213005" of box-20261207-213005-2.si), or empty when the name
// is not one of ours.
std::string stampOf(const std::string& name) {
    const std::size_t prefix = std::strlen(kPrefix);
    if (name.size() < prefix + kStampLength + std::strlen(kSuffix) || name.rfind(kPrefix, 0) != 0 ||
        name.compare(name.size() - std::strlen(kSuffix), std::string::npos, kSuffix) != 0)
        return {};
    const std::string stamp = name.substr(prefix, kStampLength);
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (i == 8 ? stamp[i] != '-' : !digit)
            return {};
    }
    return stamp;
}

// The copies' names, newest first: by stamp, then by the number a second copy of the same second got.
std::vector<std::string> keptNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!stampOf(name).empty() && it->is_regular_file(error))
            names.push_back(name);
    }
    const auto order = [](const std::string& name) {
        const std::size_t tail = std::strlen(kPrefix) + kStampLength;
        const std::string rest = name.substr(tail, name.size() - tail - std::strlen(kSuffix));
        return std::make_pair(stampOf(name), rest.empty() ? 1 : std::atoi(rest.c_str() + 1));
    };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) { return order(a) > order(b); });
    return names;
}

}  // namespace

std::string keptDownloadsFolder() {
    const std::string data = userDataHome();
    return data.empty() ? std::string() : data + "/vizud/downloads";
}

std::string keepDownload(const all_tables_block& image, std::time_t when, const std::string& folder,
                         std::string* why, int keep) {
    std::error_code error;
    if (folder.empty() || (fs::create_directories(folder, error), error)) {
        if (why != nullptr)
            *why = folder.empty() ? "no folder for downloads (neither XDG_DATA_HOME nor HOME is set)"
                                  : folder + ": " + error.message();
        return {};
    }
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string path = folder + "/" + kPrefix + stamp + kSuffix;
    for (int n = 2; fs::exists(path, error); ++n)
        path = folder + "/" + kPrefix + stamp + "-" + std::to_string(n) + kSuffix;
    if (!writeFileAtomically(path, &image, kImageSize, why))
        return {};
    const std::vector<std::string> names = keptNames(folder);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < names.size(); ++i)
        fs::remove(folder + "/" + names[i], error);
    return path;
}

std::vector<KeptDownload> keptDownloads(const std::string& folder) {
    std::vector<KeptDownload> kept;
    for (const std::string& name : keptNames(folder)) {
        KeptDownload copy;
        copy.path = folder + "/" + name;
        std::error_code error;
        if (fs::file_size(copy.path, error) != kImageSize || error)
            continue;
        // The counts stand at fixed places in the image's header: the rest of the file is not read.
        char header[offsetof(all_tables_block, tvCount) + sizeof(std::uint16_t)];
        std::ifstream in(copy.path, std::ios::binary);
        if (!in.read(header, sizeof header))
            continue;
        std::uint16_t programs = 0;
        std::uint16_t tv = 0;
        std::memcpy(&programs, header + offsetof(all_tables_block, programCount), sizeof programs);
        std::memcpy(&tv, header + offsetof(all_tables_block, tvCount), sizeof tv);
        copy.tv = std::min<int>(tv, programs);
        copy.radio = programs - copy.tv;
        const std::string s = stampOf(name);
        copy.when = s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " + s.substr(9, 2) + ":" +
                    s.substr(11, 2) + ":" + s.substr(13, 2);
        kept.push_back(std::move(copy));
    }
    return kept;
}

}  // namespace vizud
