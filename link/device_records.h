// What host and box compare before an image is sent: the 32-byte device records, the compatibility
// check, and the 32-byte file header ("ZDHF") made from the device table.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/packet_link.h"

namespace vizud::link {

// Transfer types (the parameter of "ZQER"/"ZYRQ" and the type word of data packets).
inline constexpr std::uint32_t kTransferSoftwareFull = 1;
inline constexpr std::uint32_t kTransferSoftware = 3;
inline constexpr std::uint32_t kTransferDatabase = 4;

// Device types the box names in its "ZTPR" parameter.
inline constexpr std::uint32_t DTYPE_ANY = 0;

#pragma pack(push, 1)
struct DeviceRecord {
    std::uint32_t deviceId = 0;  // top bit: a flag some checks ignore and one tests
    std::uint16_t cpuIdLow = 0;  // only this half takes part in comparisons
    std::uint16_t cpuIdHigh = 0;
    std::uint16_t flashSize = 0;
    std::uint16_t dramSize = 0;
    std::uint32_t bootVersion = 0;
    char modelName[8] = {};  // not necessarily terminated
    std::uint8_t unused[8] = {};
};

struct FileHeader {
    std::uint32_t imageType = 0;
    std::uint32_t target = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t blockCount = 0;
    std::uint8_t unused[16] = {};
};
#pragma pack(pop)

static_assert(sizeof(DeviceRecord) == 32 && offsetof(DeviceRecord, modelName) == 16);
static_assert(sizeof(FileHeader) == 32 && offsetof(FileHeader, blockCount) == 12);

// Device id 0x03010101, CPU id 3/3, flash 8, DRAM 128, boot version 0x00010001, model "MDL-Q740".
DeviceRecord builtInHostRecord();

bool isWildcardDeviceId(std::uint32_t deviceId);
// Wildcard, or device id, CPU id low half, flash, DRAM and model name (at most 8 characters, stopping at a
// terminator) all equal.
bool fullComparison(const DeviceRecord& host, const DeviceRecord& box);
// Wildcard, or CPU id low half and flash size equal.
bool shortComparison(const DeviceRecord& host, const DeviceRecord& box);

// Whether the box (device type `deviceType`, record `box`) may receive an image of transfer type `T`.
bool isCompatible(std::uint32_t deviceType, const DeviceRecord& box, std::uint32_t transferType,
                  const DeviceRecord& host);

struct DeviceTableRow {
    std::uint32_t deviceId;
    std::uint32_t applicationTarget;
    std::uint32_t dataTarget;
};
// The first row whose device id equals the box's with both top bits set; null when none does.
const DeviceTableRow* findDeviceRow(std::uint32_t boxDeviceId);

// Makes the file header for sending an image of transfer type `T` to the box. 0 made, 1 failed; some
// failures post a diagnostic report (code 27) first.
int makeFileHeader(std::uint32_t transferType, std::uint32_t deviceType, const DeviceRecord& box,
                   const DeviceRecord& host, FileHeader& header, ReportSink& reports);

// Block count of an image: (size + 4095) / 4096.
inline std::uint32_t blockCountFor(std::uint32_t size) {
    return static_cast<std::uint32_t>((std::uint64_t{size} + 4095) / 4096);
}

}  // namespace vizud::link
