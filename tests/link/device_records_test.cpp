// The compatibility check and the file header for every transfer type and device type.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "link/device_records.h"
#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

DeviceRecord boxLike(std::uint32_t deviceId) {
    DeviceRecord box = builtInHostRecord();
    box.deviceId = deviceId;
    return box;
}

// The built-in host record byte for byte, and the compatibility verdicts against it and its variants.
TEST(DeviceRecords, CompatibilityForEveryTransferAndDeviceType) {
    const DeviceRecord host = builtInHostRecord();
    const std::uint8_t bytes[32] = {0x01, 0x01, 0x01, 0x03, 3,   0,   3,   0,   8, 0, 128, 0, 0x01, 0, 0x01, 0,
                                    'M',  'D',  'L',  '-',  'Q', '7', '4', '0', 0, 0, 0,   0, 0,    0, 0,    0};
    EXPECT_EQ(std::memcmp(&host, bytes, 32), 0);
    const auto with = [&host](auto change) {
        DeviceRecord r = host;
        change(r);
        return r;
    };
    // The model name compares up to a terminator, at most 8 characters.
    const auto named = [&with](const char* name) { return with([&](auto& r) { std::memcpy(r.modelName, name, 8); }); };
    DeviceRecord otherModel = named("MDL-QX40");  // passes the short comparison only
    otherModel.dramSize = 64;
    const DeviceRecord flaggedHost = with([](auto& r) { r.deviceId |= 0x80000000u; });
    // For a software image of type 1: the verdict for device types 0..9, Y compatible.
    const struct {
        const char* what;
        DeviceRecord host, box;
        const char* verdicts;
    } cases[] = {
        {"the same record", host, host, "YYYYYYYYNN"},
        {"another model and DRAM", host, otherModel, "NNNNYYYYNN"},
        {"another CPU", host, with([](auto& r) { r.cpuIdLow = 4; }), "NNNNNNNNNN"},
        {"another flash size", host, with([](auto& r) { r.flashSize = 16; }), "NNNNNNNNNN"},
        {"a wildcard box", host, boxLike(0x7F7F7F7F), "YYYYYYYYNN"},
        {"the other wildcard", otherModel, boxLike(0x7F7FFFFF), "YYYYYYYYNN"},
        {"the third wildcard", otherModel, boxLike(0x7FFFFFFF), "YYYYYYYYNN"},
        {"a box with the top bit", host, boxLike(host.deviceId | 0x80000000u), "NNNNYYNYNN"},
        {"a host with the top bit", flaggedHost, host, "NNNNYYNYNN"},
        {"names equal up to the terminator", named("AB\0y\0\0\0\0"), named("AB\0x\0\0\0\0"), "YYYYYYYYNN"},
        {"names differing in the eighth character", named("ABCDEFGX"), named("ABCDEFGH"), "NNNNYYYYNN"},
        {"names differing in the first character", named("XBCDEFGH"), named("ABCDEFGH"), "NNNNYYYYNN"},
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
        std::uint32_t diagnostic;  // 0 none
    } cases[] = {
        {4, 0, 0x03010101, true, 4, 0x006A0000, 0x100000, 256, 0},
        {4, 9, 0x83010201, true, 4, 0x006A0000, 0x100000, 256, 0},  // the table ignores the top bit
        {3, 0, 0x03010101, true, 3, 0x00690000, 0x600000, 1536, 0},
        {3, 0, 0x03010001, false, 0, 0, 0, 0, 0},  // not in the device table
        {4, 0, 0x03010301, false, 0, 0, 0, 0, 0},
        {3, 7, 0x83010201, false, 0, 0, 0, 0, 50},  // bits 8..11 differ from the host's
        {1, 0, 0x03010101, true, 1, 0x00690000, 0x7FFFFF, 2048, 0},
        {2, 0, 0x03010101, true, 2, 0x00690000, 0x600000, 1536, 0},
        {1, 0, 0x03010201, false, 0, 0, 0, 0, 33},  // full comparison fails
        {1, 1, 0x03010101, true, 1, 0x00690000, 0x7FFFFF, 2048, 0},
        {1, 2, 0x03010101, true, 2, 0x00690000, 0x77FFFF, 1920, 0},
        {1, 3, 0x03010101, true, 3, 0x00690000, 0x600000, 1536, 0},
        {1, 2, 0x83010201, false, 0, 0, 0, 0, 34},
        {1, 4, 0x83010201, true, 4, 0x006A0000, 0x100000, 256, 0},
        {1, 5, 0x03010101, false, 0, 0, 0, 0, 0},
        {1, 0, 0x7FFFFFFF, false, 0, 0, 0, 0, 0},  // the wildcard passes checks but matches no row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("T " + std::to_string(c.transferType) + " D " + std::to_string(c.deviceType));
        test::RecordingSink sink;
        FileHeader header{};
        const int result =
            makeFileHeader(c.transferType, c.deviceType, boxLike(c.boxId), builtInHostRecord(), header, sink);
        EXPECT_EQ(std::tuple(result == 0, header.imageType, header.target, header.imageSize, header.blockCount),
                  std::tuple(c.made, c.imageType, c.target, c.size, c.blocks));
        EXPECT_EQ(sink.values(), c.diagnostic == 0 ? std::vector<std::uint32_t>{} : std::vector{c.diagnostic});
    }
}

}  // namespace
}  // namespace vizud::link
