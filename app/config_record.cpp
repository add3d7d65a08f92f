#include "app/config_record.h"

#include <cstdio>
#include <cstring>

#include "database/atomic_file.h"

namespace vizud {

std::string ConfigRecord::lastPathText() const {
    return std::string(lastPath, strnlen(lastPath, sizeof(lastPath)));
}

void ConfigRecord::setLastPath(std::string_view path) {
    std::memset(lastPath, 0, sizeof(lastPath));
    if (path.size() < sizeof(lastPath) && path.find('\0') == std::string_view::npos) {
        std::memcpy(lastPath, path.data(), path.size());
    }
}

void readConfiguration(ConfigRecord& config, const std::string& path) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        ConfigRecord read;
        const std::size_t got = std::fread(&read, 1, sizeof(read), file);
        std::fclose(file);
        if (got == sizeof(read)) {
            config = read;
            config.lastPath[sizeof(config.lastPath) - 1] = '\0';
            return;
        }
    }
    config.port = 1;
    config.baudRate = 115200;
    config.options &= static_cast<std::uint8_t>(~kOptionReopenLast);
    config.setLastPath("");
}

bool saveConfiguration(const ConfigRecord& config, const std::string& path) {
    return writeFileAtomically(path, &config, sizeof(config));
}

}  // namespace vizud
