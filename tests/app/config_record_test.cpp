#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/config_record.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

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

TEST(ConfigRecordFile, WholeRecordIsReadAsIs) {
    test::TempDir dir;
    const std::string file = dir.file("veravaravo.cfg");
    const std::string bytes = recordBytes(3, 0x01, 57600, "/data/astra.si");
    test::writeFile(file, bytes.data(), bytes.size());
    ConfigRecord config;
    readConfiguration(config, file);
    EXPECT_EQ(config.port, 3);
    EXPECT_EQ(config.options, 0x01);
    EXPECT_EQ(config.baudRate, 57600u);
    EXPECT_EQ(config.lastPathText(), "/data/astra.si");
    EXPECT_EQ(config.reserved[0], 0x11);
    EXPECT_EQ(config.reserved[1], 0x22);

    ASSERT_TRUE(saveConfiguration(config, file));
    EXPECT_EQ(test::readFile(file), bytes) << "written back byte for byte";
}

TEST(ConfigRecordFile, ShortOrMissingFileGivesDefaultsAndKeepsReservedBytes) {
    test::TempDir dir;
    const std::string file = dir.file("veravaravo.cfg");
    const std::string bytes = recordBytes(3, 0x01, 57600, "/data/astra.si").substr(0, 263);
    test::writeFile(file, bytes.data(), bytes.size());

    ConfigRecord config;
    config.port = 4;
    config.options = 0x03;
    config.baudRate = 57600;
    config.reserved[0] = 9;
    config.setLastPath("/old.si");
    readConfiguration(config, file);
    EXPECT_EQ(config.port, 1);
    EXPECT_EQ(config.baudRate, 115200u);
    EXPECT_EQ(config.options & kOptionReopenLast, 0);
    EXPECT_EQ(config.lastPathText(), "");
    EXPECT_EQ(config.reserved[0], 9);

    ConfigRecord fresh;
    readConfiguration(fresh, dir.file("missing.cfg"));
    EXPECT_EQ(fresh.port, 1);
    EXPECT_EQ(fresh.baudRate, 115200u);
}

TEST(ConfigRecordFile, SavedFileIsAlways264BytesAndPortOutsideRangeIsKept) {
    test::TempDir dir;
    const std::string file = dir.file("veravaravo.cfg");
    const std::string bytes = recordBytes(7, 0, 9600, "") + "extra";
    test::writeFile(file, bytes.data(), bytes.size());
    ConfigRecord config;
    readConfiguration(config, file);
    EXPECT_EQ(config.port, 7) << "corrected by the port dialog, not here";
    EXPECT_EQ(config.baudRate, 9600u);
    ASSERT_TRUE(saveConfiguration(config, file));
    EXPECT_EQ(test::readFile(file).size(), 264u);
    EXPECT_FALSE(saveConfiguration(config, dir.file("no/such/dir/veravaravo.cfg")));
}

TEST(ConfigRecordFile, PathTooLongForTheFieldIsNotRemembered) {
    ConfigRecord config;
    config.setLastPath(std::string(255, 'a'));
    EXPECT_EQ(config.lastPathText().size(), 255u);
    config.setLastPath(std::string(256, 'b'));
    EXPECT_EQ(config.lastPathText(), "");
    EXPECT_EQ(config.lastPath[255], '\0');
}

TEST(ConfigRecordFile, UnterminatedPathInFileReadsAsAtMost255Bytes) {
    test::TempDir dir;
    const std::string file = dir.file("veravaravo.cfg");
    std::string bytes = recordBytes(1, 1, 115200, "");
    std::memset(&bytes[8], 'z', 256);
    test::writeFile(file, bytes.data(), bytes.size());
    ConfigRecord config;
    readConfiguration(config, file);
    EXPECT_EQ(config.lastPathText(), std::string(255, 'z'));
}

}  // namespace
}  // namespace vizud
