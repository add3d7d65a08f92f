// The compatibility check and the file header for every transfer type and device type.
#include <gtest/gtest.h>

#include <cstring>

#include "link/device_records.h"
#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

DeviceRecord boxLike(std::uint32_t deviceId) {
    DeviceRecord box = builtInHostRecord();
    box.deviceId = deviceId;
    return box;
}

TEST(DeviceRecords, BuiltInHostRecordBytes) {
    const DeviceRecord host = builtInHostRecord();
    const std::uint8_t expected[32] = {0x01, 0x01, 0x01, 0x03, 3,   0,   3,   0,   8, 0, 128, 0, 0x01, 0, 0x01, 0,
                                       'M',  'D',  'L',  '-',  'Q', '7', '4', '0', 0, 0, 0,   0, 0,    0, 0,    0};
    EXPECT_EQ(std::memcmp(&host, expected, 32), 0);
}

TEST(DeviceRecords, CompatibilityForEveryTransferAndDeviceType) {
    const DeviceRecord host = builtInHostRecord();
    DeviceRecord otherModel = host;  // passes the short comparison only
    otherModel.modelName[5] = 'X';
    otherModel.dramSize = 64;
    DeviceRecord otherCpu = host;
    otherCpu.cpuIdLow = 4;
    DeviceRecord otherFlash = host;
    otherFlash.flashSize = 16;
    DeviceRecord flaggedHost = host;
    flaggedHost.deviceId |= 0x80000000u;
    DeviceRecord shortName = host;  // the model name compares up to a terminator, at most 8 characters
    DeviceRecord shortNameHost = host;
    std::memcpy(shortName.modelName, "AB\0x\0\0\0\0", 8);
    std::memcpy(shortNameHost.modelName, "AB\0y\0\0\0\0", 8);
    DeviceRecord longName = host;  // eight characters and no terminator: the eighth counts too
    DeviceRecord longNameHost = host;
    std::memcpy(longName.modelName, "ABCDEFGH", 8);
    std::memcpy(longNameHost.modelName, "ABCDEFGX", 8);
    // For a software image of type 1: the verdict for device types 0..9, Y compatible.
    const struct {
        const char* what;
        DeviceRecord host, box;
        const char* verdicts;
    } cases[] = {
        {"the same record", host, host, "YYYYYYYYNN"},
        {"another model and DRAM", host, otherModel, "NNNNYYYYNN"},
        {"another CPU", host, otherCpu, "NNNNNNNNNN"},
        {"another flash size", host, otherFlash, "NNNNNNNNNN"},
        {"a wildcard box", host, boxLike(0x7F7F7F7F), "YYYYYYYYNN"},
        {"a box with the top bit", host, boxLike(host.deviceId | 0x80000000u), "NNNNYYNYNN"},
        {"a host with the top bit", flaggedHost, host, "NNNNYYNYNN"},
        {"names equal up to the terminator", shortNameHost, shortName, "YYYYYYYYNN"},
        {"names differing in the eighth character", longNameHost, longName, "NNNNYYYYNN"},
    };
    for (const auto& c : cases) {
        for (std::uint32_t d = 0; d <= 9; ++d) {
            EXPECT_EQ(isCompatible(d, c.box, kTransferSoftwareFull, c.host), c.verdicts[d] == 'Y')
                << c.what << " D " << d;
            for (std::uint32_t t : {2u, kTransferSoftware, kTransferDatabase})
                EXPECT_TRUE(isCompatible(d, c.box, t, c.host)) << "only type 1 is checked: " << c.what;
        }
    }
    EXPECT_FALSE(isCompatible(0xFFFFFFFF, boxLike(0x7FFFFFFF), kTransferSoftwareFull, host));
}

TEST(DeviceRecords, FileHeaderForEveryTransferAndDeviceType) {
    const struct {
        std::uint32_t transferType, deviceType, boxId;
        bool made;
        std::uint32_t imageType, target, size, blocks;
        int diagnostic;  // -1 none
    } cases[] = {
        {4, 0, 0x03010101, true, 4, 0x006A0000, 0x100000, 256, -1},
        {4, 9, 0x83010201, true, 4, 0x006A0000, 0x100000, 256, -1},  // the table ignores the top bit
        {3, 0, 0x03010101, true, 3, 0x00690000, 0x600000, 1536, -1},
        {3, 0, 0x03010001, false, 0, 0, 0, 0, -1},  // not in the device table
        {4, 0, 0x03010301, false, 0, 0, 0, 0, -1},
        {3, 7, 0x83010201, false, 0, 0, 0, 0, 50},  // bits 8..11 differ from the host's
        {1, 0, 0x03010101, true, 1, 0x00690000, 0x7FFFFF, 2048, -1},
        {2, 0, 0x03010101, true, 2, 0x00690000, 0x600000, 1536, -1},
        {1, 0, 0x03010201, false, 0, 0, 0, 0, 33},  // full comparison fails
        {1, 1, 0x03010101, true, 1, 0x00690000, 0x7FFFFF, 2048, -1},
        {1, 2, 0x03010101, true, 2, 0x00690000, 0x77FFFF, 1920, -1},
        {1, 3, 0x03010101, true, 3, 0x00690000, 0x600000, 1536, -1},
        {1, 2, 0x83010201, false, 0, 0, 0, 0, 34},
        {1, 4, 0x83010201, true, 4, 0x006A0000, 0x100000, 256, -1},
        {1, 5, 0x03010101, false, 0, 0, 0, 0, -1},
        {1, 0, 0x7FFFFFFF, false, 0, 0, 0, 0, -1},  // the wildcard passes checks but matches no row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("T " + std::to_string(c.transferType) + " D " + std::to_string(c.deviceType));
        test::RecordingSink sink;
        FileHeader header;
        const int result =
            makeFileHeader(c.transferType, c.deviceType, boxLike(c.boxId), builtInHostRecord(), header, sink);
        EXPECT_EQ(result == 0, c.made);
        if (c.made) {
            EXPECT_EQ(header.imageType, c.imageType);
            EXPECT_EQ(header.target, c.target);
            EXPECT_EQ(header.imageSize, c.size);
            EXPECT_EQ(header.blockCount, c.blocks);
        }
        EXPECT_EQ(sink.reports.size(), c.diagnostic < 0 ? 0u : 1u);
        if (c.diagnostic >= 0) {
            EXPECT_TRUE(sink.has(kReportDiagnostic, static_cast<std::uint32_t>(c.diagnostic)));
        }
    }
}

}  // namespace
}  // namespace vizud::link
