#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/config_record.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

// A record as the file holds it: port, options, two reserved bytes, the baud rate and the last path.
std::string recordBytes(std::uint8_t port, std::uint8_t options, std::uint32_t baud, const std::string& path) {
    std::string bytes(264, '\0');
    bytes[0] = static_cast<char>(port);
    bytes[1] = static_cast<char>(options);
    bytes[2] = 0x11;
    bytes[3] = 0x22;
    std::memcpy(&bytes[4], &baud, 4);
    std::memcpy(&bytes[8], path.data(), path.size());
    return bytes;
}

TEST(ConfigRecordFile, AWholeRecordIsTakenAsIsAnythingLessGivesTheDefaults) {
    struct Case {
        std::string bytes;  // empty: no file at all
        std::uint8_t port, options;
        std::uint32_t baud;
        std::string path;
        std::uint8_t reserved;
        bool writtenBackAsRead;
    };
    const std::string astra = recordBytes(3, 0x01, 57600, "/data/astra.si");
    std::string unterminated = recordBytes(1, 1, 115200, "");
    std::memset(&unterminated[8], 'z', 256);
    const Case cases[] = {
        {astra, 3, 0x01, 57600, "/data/astra.si", 0x11, true},
        // Only the first 264 bytes are read; a foreign port is corrected by the port dialog, not here.
        {recordBytes(7, 0, 9600, "") + "extra", 7, 0, 9600, "", 0x11, true},
        {unterminated, 1, 1, 115200, std::string(255, 'z'), 0x11, false},
        // Defaults: COM1, 115200, no re-opening; the other option bits and the reserved bytes stay.
        {astra.substr(0, 263), 1, 0x02, 115200, "", 9, false},
        {"", 1, 0x02, 115200, "", 9, false},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        const std::string file = dir.file(c.bytes.empty() ? "missing.cfg" : "veravaravo.cfg");
        if (!c.bytes.empty())
            test::writeFile(file, c.bytes.data(), c.bytes.size());
        ConfigRecord config{.port = 4, .options = 0x03, .reserved = {9, 0}, .baudRate = 57600};
        config.setLastPath("/old.si");
        readConfiguration(config, file);
        EXPECT_EQ(config.port, c.port) << c.bytes.size();
        EXPECT_EQ(config.options, c.options);
        EXPECT_EQ(config.baudRate, c.baud);
        EXPECT_EQ(config.lastPathText(), c.path);
        EXPECT_EQ(config.reserved[0], c.reserved);
        ASSERT_TRUE(saveConfiguration(config, file));
        const std::string written = test::readFile(file);
        EXPECT_EQ(written.size(), 264u);
        if (c.writtenBackAsRead) {
            EXPECT_EQ(written, c.bytes.substr(0, 264)) << "written back byte for byte";
        }
    }
    EXPECT_FALSE(saveConfiguration(ConfigRecord{}, dir.file("no/such/dir/veravaravo.cfg")));
    // A path too long for the field is not remembered.
    ConfigRecord config;
    config.setLastPath(std::string(255, 'a'));
    EXPECT_EQ(config.lastPathText().size(), 255u);
    config.setLastPath(std::string(256, 'b'));
    EXPECT_EQ(config.lastPathText(), "");
    EXPECT_EQ(config.lastPath[255], '\0');
}

}  // namespace
}  // namespace vizud
