// The editor's four remembered settings; the record's 264 bytes are exactly the content of veravaravo.cfg.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vizud {

inline constexpr const char* kConfigFileName = "veravaravo.cfg";
inline constexpr std::uint8_t kOptionReopenLast = 0x01;

struct ConfigRecord {
    std::uint8_t port = 1;  // 1..4 for COM1..COM4
    std::uint8_t options = 0;
    std::uint8_t reserved[2] = {0, 0};
    std::uint32_t baudRate = 115200;
    char lastPath[256] = {};  // NUL-terminated

    std::string lastPathText() const;
    // Stores a path that fits with its terminator; a longer path is not remembered (the field is emptied),
    // so the editor never reopens a cut-off path at the next start.
    void setLastPath(std::string_view path);
};

static_assert(sizeof(ConfigRecord) == 264);
static_assert(offsetof(ConfigRecord, options) == 1 && offsetof(ConfigRecord, reserved) == 2);
static_assert(offsetof(ConfigRecord, baudRate) == 4 && offsetof(ConfigRecord, lastPath) == 8);

// Reads the record from `path`. A file that cannot be opened or holds fewer than 264 bytes leaves the
// defaults (port 1, 115200 baud, no reopen, empty path) in place; the reserved bytes keep their value.
void readConfiguration(ConfigRecord& config, const std::string& path = kConfigFileName);

// Writes the 264 bytes to `path` through a temporary file renamed over it, so a failed write keeps the
// previous file. Returns false when any step failed; nothing is shown to the user.
bool saveConfiguration(const ConfigRecord& config, const std::string& path = kConfigFileName);

}  // namespace vizud
