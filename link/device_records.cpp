#include "link/device_records.h"

#include <cstring>

#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

constexpr std::uint32_t kTopBit = 0x80000000u;

constexpr DeviceTableRow kDeviceTable[] = {
    {0x83010101, 0x00690000, 0x006A0000},
    {0x83010201, 0x00690000, 0x006A0000},
    {0x83010201, 0x00690000, 0x006A0000},
    {0, 0, 0},
};

bool modelNamesEqual(const char (&a)[8], const char (&b)[8]) {
    for (std::size_t i = 0; i < 8; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
        if (a[i] == '\0') {
            return true;
        }
    }
    return true;
}

}  // namespace

DeviceRecord builtInHostRecord() {
    DeviceRecord record;
    record.deviceId = 0x03010101;
    record.cpuIdLow = 3;
    record.cpuIdHigh = 3;
    record.flashSize = 8;
    record.dramSize = 128;
    record.bootVersion = 0x00010001;
    std::memcpy(record.modelName, "MDL-Q740", 8);
    return record;
}

bool isWildcardDeviceId(std::uint32_t deviceId) {
    return deviceId == 0x7FFFFFFF || deviceId == 0x7F7FFFFF || deviceId == 0x7F7F7F7F;
}

bool fullComparison(const DeviceRecord& host, const DeviceRecord& box) {
    if (isWildcardDeviceId(box.deviceId)) {
        return true;
    }
    return box.deviceId == host.deviceId && box.cpuIdLow == host.cpuIdLow && box.flashSize == host.flashSize &&
           box.dramSize == host.dramSize && modelNamesEqual(box.modelName, host.modelName);
}

bool shortComparison(const DeviceRecord& host, const DeviceRecord& box) {
    return isWildcardDeviceId(box.deviceId) || (box.cpuIdLow == host.cpuIdLow && box.flashSize == host.flashSize);
}

bool isCompatible(std::uint32_t deviceType, const DeviceRecord& box, std::uint32_t transferType,
                  const DeviceRecord& host) {
    if (transferType != kTransferSoftwareFull) {
        return true;
    }
    switch (deviceType) {
        case 0:
        case 1:
        case 2:
        case 3:
            return fullComparison(host, box);
        case 4:
        case 5:
        case 7:
            return shortComparison(host, box);
        case 6:
            return (host.deviceId & kTopBit) == 0 && (box.deviceId & kTopBit) == 0 && shortComparison(host, box);
        default:
            return false;
    }
}

const DeviceTableRow* findDeviceRow(std::uint32_t boxDeviceId) {
    for (const DeviceTableRow& row : kDeviceTable) {
        if ((row.deviceId | kTopBit) == (boxDeviceId | kTopBit)) {
            return &row;
        }
    }
    return nullptr;
}

int makeFileHeader(std::uint32_t transferType, std::uint32_t deviceType, const DeviceRecord& box,
                   const DeviceRecord& host, FileHeader& header, ReportSink& reports) {
    header = FileHeader{};
    const DeviceTableRow* row = findDeviceRow(box.deviceId);
    if (row == nullptr) {
        return 1;
    }
    std::uint32_t size = 0;
    if (transferType == kTransferDatabase) {
        header.imageType = kTransferDatabase;
        header.target = kDeviceTable[0].dataTarget;
        size = 0x100000;
    } else if (transferType == kTransferSoftware) {
        if ((host.deviceId & 0xF00) != (box.deviceId & 0xF00)) {
            reports.post(kReportDiagnostic, kDiagHeaderIdsDiffer);
            return 1;
        }
        header.imageType = kTransferSoftware;
        header.target = kDeviceTable[0].applicationTarget;
        size = 0x600000;
    } else if (deviceType == 0) {
        if (!fullComparison(host, box)) {
            reports.post(kReportDiagnostic, kDiagFullCompareType0);
            return 1;
        }
        header.imageType = transferType;
        header.target = row->applicationTarget;
        size = transferType == kTransferSoftwareFull ? 0x7FFFFF : 0x600000;
    } else if (deviceType >= 1 && deviceType <= 3) {
        if (!fullComparison(host, box)) {
            reports.post(kReportDiagnostic, kDiagFullCompareType123);
            return 1;
        }
        header.imageType = deviceType;
        header.target = row->applicationTarget;
        size = deviceType == 1 ? 0x7FFFFF : deviceType == 2 ? 0x77FFFF : 0x600000;
    } else if (deviceType == 4) {
        header.imageType = 4;
        header.target = row->dataTarget;
        size = 0x100000;
    } else {
        return 1;
    }
    header.imageSize = size;
    header.blockCount = blockCountFor(size);
    return 0;
}

}  // namespace vizud::link
