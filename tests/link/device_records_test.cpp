// The compatibility check and the file header for every transfer type and device type.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "link/device_records.h"
#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

class RecordingSink : public ReportSink {
public:
    void post(int code, std::uint32_t value) override { reports.push_back({code, value}); }
    std::vector<Report> reports;
};

DeviceRecord boxLike(std::uint32_t deviceId) {
    DeviceRecord box = builtInHostRecord();
    box.deviceId = deviceId;
    return box;
}

TEST(DeviceRecords, BuiltInHostRecordBytes) {
    const DeviceRecord host = builtInHostRecord();
    std::uint8_t bytes[32];
    std::memcpy(bytes, &host, sizeof(bytes));
    const std::uint8_t expected[32] = {0x01, 0x01, 0x01, 0x03, 3,   0,   3,   0,   8, 0, 128, 0, 0x01, 0, 0x01, 0,
                                       'M',  'D',  'L',  '-',  'Q', '7', '4', '0', 0, 0, 0,   0, 0,    0, 0,    0};
    EXPECT_EQ(std::memcmp(bytes, expected, 32), 0);
}

TEST(DeviceRecords, CompatibilityForEveryTransferAndDeviceType) {
    const DeviceRecord host = builtInHostRecord();
    const DeviceRecord same = boxLike(host.deviceId);
    DeviceRecord otherModel = same;  // passes the short comparison only
    otherModel.modelName[5] = 'X';
    otherModel.dramSize = 64;
    DeviceRecord otherCpu = same;  // passes neither
    otherCpu.cpuIdLow = 4;
    const DeviceRecord wildcard = boxLike(0x7F7F7F7F);
    const DeviceRecord flagged = boxLike(host.deviceId | 0x80000000u);

    for (std::uint32_t t : {kTransferSoftware, kTransferDatabase, 2u}) {
        for (std::uint32_t d = 0; d <= 9; ++d) {
            EXPECT_TRUE(isCompatible(d, otherCpu, t, host)) << "T " << t << " D " << d;
        }
    }
    const std::uint32_t T = kTransferSoftwareFull;
    for (std::uint32_t d : {0u, 1u, 2u, 3u}) {
        EXPECT_TRUE(isCompatible(d, same, T, host));
        EXPECT_FALSE(isCompatible(d, otherModel, T, host)) << d;
        EXPECT_TRUE(isCompatible(d, wildcard, T, host));
        EXPECT_FALSE(isCompatible(d, flagged, T, host)) << "the full comparison includes the top bit";
    }
    for (std::uint32_t d : {4u, 5u, 7u}) {
        EXPECT_TRUE(isCompatible(d, otherModel, T, host));
        EXPECT_FALSE(isCompatible(d, otherCpu, T, host));
        EXPECT_TRUE(isCompatible(d, flagged, T, host));
    }
    EXPECT_TRUE(isCompatible(6, otherModel, T, host));
    EXPECT_FALSE(isCompatible(6, flagged, T, host));
    DeviceRecord flaggedHost = host;
    flaggedHost.deviceId |= 0x80000000u;
    EXPECT_FALSE(isCompatible(6, same, T, flaggedHost));
    EXPECT_FALSE(isCompatible(8, same, T, host));
    EXPECT_FALSE(isCompatible(0xFFFFFFFF, wildcard, T, host));

    // The model name compares at most 8 characters and stops at a terminator.
    DeviceRecord shortName = same;
    DeviceRecord shortHost = host;
    std::memcpy(shortName.modelName, "AB\0x\0\0\0\0", 8);
    std::memcpy(shortHost.modelName, "AB\0y\0\0\0\0", 8);
    EXPECT_TRUE(fullComparison(shortHost, shortName));
}

TEST(DeviceRecords, DeviceTableMatchesWithTheTopBitIgnored) {
    ASSERT_NE(findDeviceRow(0x03010101), nullptr);
    EXPECT_EQ(findDeviceRow(0x03010101)->deviceId, 0x83010101u);
    EXPECT_EQ(findDeviceRow(0x03010201)->deviceId, 0x83010201u);
    EXPECT_EQ(findDeviceRow(0x03010301), nullptr);
    EXPECT_EQ(findDeviceRow(0x7FFFFFFF), nullptr);
}

struct HeaderCase {
    std::uint32_t transferType;
    std::uint32_t deviceType;
    std::uint32_t boxId;
    bool made;
    std::uint32_t imageType;
    std::uint32_t target;
    std::uint32_t size;
    std::uint32_t blocks;
    int diagnostic;  // -1 none
};

TEST(DeviceRecords, FileHeaderForEveryTransferAndDeviceType) {
    const std::vector<HeaderCase> cases = {
        {4, 0, 0x03010101, true, 4, 0x006A0000, 0x100000, 256, -1},
        {4, 9, 0x83010201, true, 4, 0x006A0000, 0x100000, 256, -1},
        {3, 0, 0x03010101, true, 3, 0x00690000, 0x600000, 1536, -1},
        {3, 0, 0x03010001, false, 0, 0, 0, 0, -1},  // not in the device table
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
    const DeviceRecord host = builtInHostRecord();
    for (const HeaderCase& c : cases) {
        RecordingSink sink;
        FileHeader header;
        const int result = makeFileHeader(c.transferType, c.deviceType, boxLike(c.boxId), host, header, sink);
        SCOPED_TRACE("T " + std::to_string(c.transferType) + " D " + std::to_string(c.deviceType));
        EXPECT_EQ(result == 0, c.made);
        if (c.made) {
            EXPECT_EQ(header.imageType, c.imageType);
            EXPECT_EQ(header.target, c.target);
            EXPECT_EQ(header.imageSize, c.size);
            EXPECT_EQ(header.blockCount, c.blocks);
        }
        if (c.diagnostic < 0) {
            EXPECT_TRUE(sink.reports.empty());
        } else {
            ASSERT_EQ(sink.reports.size(), 1u);
            EXPECT_EQ(sink.reports[0].code, kReportDiagnostic);
            EXPECT_EQ(sink.reports[0].value, static_cast<std::uint32_t>(c.diagnostic));
        }
    }
}

}  // namespace
}  // namespace vizud::link
