// The receive exchange: the host receives an image (the database download) from the box.
#include <algorithm>
#include <cstring>

#include "link/exchanges.h"
#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

enum class ReceiveState { Request, Query, Status, Transfer, Done };

class ReceiveExchange {
public:
    ReceiveExchange(PacketLink& link, std::uint32_t transferType, std::uint8_t* buffer, std::size_t capacity)
        : m_link(link), m_type(transferType), m_buffer(buffer), m_capacity(capacity) {}

    int run() {
        ReceiveState state = ReceiveState::Request;
        for (;;) {
            if (m_link.aborted()) {
                return aborted();
            }
            int result = kExchangeOk;
            switch (state) {
                case ReceiveState::Request:
                    result = request();
                    state = ReceiveState::Query;
                    break;
                case ReceiveState::Query:
                    result = query();
                    state = ReceiveState::Status;
                    break;
                case ReceiveState::Status:
                    result = status();
                    state = ReceiveState::Transfer;
                    break;
                case ReceiveState::Transfer:
                    result = transfer();
                    state = ReceiveState::Done;
                    break;
                case ReceiveState::Done:
                    m_link.reports().post(kReportDownloadDone, 0);
                    return kExchangeOk;
            }
            if (result != kExchangeOk) {
                return result;
            }
        }
    }

private:
    int aborted() {
        m_link.reports().post(kReportAborted, 1);
        return kExchangeLinkFailed;
    }

    // A failed step ends with code 5 and its step number, or with the abort report when the failure
    // came from the user's cancel.
    int fail(std::uint32_t step, int result) {
        if (m_link.aborted()) {
            return aborted();
        }
        m_link.reports().post(kReportTimeout, step);
        return result;
    }

    int request() {
        const CommandHeader header = makeCommandHeader(kKindRequest, m_type);
        if (m_link.sendCommandPacket(header.data(), nullptr, 0, true) != 0) {
            return fail(kStepRequestNotAcked, kExchangeLinkFailed);
        }
        return kExchangeOk;
    }

    int query() {
        std::uint8_t header[kCommandHeaderSize] = {};
        if (m_link.receiveCommandPacket(header, nullptr, 0, true) != 0 || headerKind(header) != kKindQuery) {
            return fail(kStepNoQuery, kExchangeLinkFailed);
        }
        const CommandHeader report = makeCommandHeader(kKindReport, m_type);
        const DeviceRecord host = builtInHostRecord();
        std::uint8_t payload[kRecordPayloadSize];
        std::memcpy(payload, &host, sizeof(payload));
        if (m_link.sendCommandPacket(report.data(), payload, sizeof(payload), true) != 0) {
            return fail(kStepReportNotAcked, kExchangeLinkFailed);
        }
        return kExchangeOk;
    }

    int status() {
        std::uint8_t header[kCommandHeaderSize] = {};
        if (m_link.receiveCommandPacket(header, nullptr, 0, false) != 0 || headerKind(header) != kKindStatus) {
            return fail(kStepNoStatus, kExchangeLinkFailed);
        }
        if (headerParameter(header) != 0) {
            return fail(kStepBoxRefused, kExchangeRefused);
        }
        return kExchangeOk;
    }

    int transfer() {
        std::uint8_t header[kCommandHeaderSize] = {};
        FileHeader file;
        if (m_link.receiveCommandPacket(header, reinterpret_cast<std::uint8_t*>(&file), sizeof(file), true) != 0 ||
            headerKind(header) != kKindFileHeader) {
            return fail(kStepNoHeaderReceived, kExchangeLinkFailed);
        }
        const std::uint32_t typeLimit = imageTypeLimit(file.imageType);
        if (typeLimit == 0) {
            return fail(kStepTypeNotAccepted, kExchangeBadHeader);
        }
        if (file.imageSize == 0 || file.blockCount == 0) {
            return fail(kStepEmptyHeader, kExchangeBadHeader);
        }
        // The type limits go up to 0x7FFFFF bytes, far beyond the transfer buffer: an image that cannot
        // fit is refused before any block arrives.
        if (file.imageSize > m_capacity) {
            return fail(kStepImageTooLarge, kExchangeBadHeader);
        }
        const std::size_t limit = std::min<std::size_t>(typeLimit, m_capacity);
        std::size_t total = 0;
        std::uint8_t dataHeader[kDataHeaderSize];
        for (std::uint32_t i = 0; i < file.blockCount && total < limit;) {
            const std::size_t room = std::min<std::size_t>(kMaxBlockPayload, m_capacity - total);
            if (m_link.receiveDataPacket(dataHeader, m_buffer + total, room, true) != 0 ||
                dataBlockNumber(dataHeader) != i) {
                if (m_link.aborted()) {
                    return aborted();
                }
                m_link.reports().post(kReportDiagnostic, kDiagBlockFailed);
                m_link.reports().post(kReportTimeout, kStepBlockNotReceived);
                return kExchangeBlockFailed;
            }
            total += dataLength(dataHeader);
            ++i;
            if (m_link.aborted()) {
                return aborted();
            }
            const auto percent = static_cast<std::uint8_t>(std::uint64_t{i} * 100 / file.blockCount);
            m_link.reports().post(kReportProgress, (100u << 16) | percent);
        }
        m_link.reports().post(kReportProgress, (100u << 16) | 100u);
        return kExchangeOk;
    }

    PacketLink& m_link;
    std::uint32_t m_type;
    std::uint8_t* m_buffer;
    std::size_t m_capacity;
};

}  // namespace

std::uint32_t imageTypeLimit(std::uint32_t imageType) {
    switch (imageType) {
        case 1:
            return 0x7FFFFF;
        case 2:
            return 0x720000;
        case 3:
            return 0x600000;
        case 4:
            return 0x100000;
        case 6:
            return 0x10000;
        default:
            return 0;
    }
}

int runReceiveExchange(PacketLink& link, std::uint32_t transferType, std::uint8_t* buffer, std::size_t capacity) {
    return ReceiveExchange(link, transferType, buffer, capacity).run();
}

}  // namespace vizud::link
