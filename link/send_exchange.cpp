// The send exchange: the host sends an image (database upload, software upgrade) to the box.
#include <algorithm>
#include <array>
#include <cstring>

#include "link/exchanges.h"
#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

enum class SendState { WaitForRequest, Negotiate, Transfer, Done, Failed };

// Tells the box the host will not send: "ZATS" with parameter 1, no acknowledgement, outcome ignored.
void sendRefusal(PacketLink& link) {
    const CommandHeader refusal = makeCommandHeader(kKindStatus, 1);
    link.sendCommandPacket(refusal.data(), nullptr, 0, false);
}

std::uint32_t progressValue(std::uint32_t position) {
    return (100u << 16) | (position & 0xFFFF);
}

class SendExchange {
public:
    SendExchange(PacketLink& link, std::uint32_t transferType, const std::uint8_t* image, std::size_t imageLength,
                 const DeviceRecord& host)
        : m_link(link), m_type(transferType), m_image(image), m_imageLength(imageLength), m_host(host) {}

    int run() {
        SendState state = SendState::WaitForRequest;
        for (;;) {
            if (m_link.aborted()) {
                m_link.reports().post(kReportAborted, 1);
                return kExchangeLinkFailed;
            }
            switch (state) {
                case SendState::WaitForRequest:
                    if (!waitForRequest()) {
                        return kExchangeLinkFailed;
                    }
                    state = SendState::Negotiate;
                    break;
                case SendState::Negotiate:
                    if (!negotiate()) {
                        return kExchangeLinkFailed;
                    }
                    state = SendState::Transfer;
                    break;
                case SendState::Transfer:
                    state = transfer() ? SendState::Done : SendState::Failed;
                    break;
                case SendState::Done:
                    m_link.reports().post(kReportProgress, progressValue(100));
                    m_link.reports().post(kReportSendDone, 0);
                    return kExchangeOk;
                case SendState::Failed:
                    return kExchangeLinkFailed;
            }
        }
    }

private:
    // Reports a failed step: code 5 with the step, or the abort report when the user cancelled (the
    // failure was then the cancel, not the box).
    void fail(std::uint32_t step) {
        if (m_link.aborted()) {
            m_link.reports().post(kReportAborted, 1);
        } else {
            m_link.reports().post(kReportTimeout, step);
        }
    }

    bool waitForRequest() {
        std::uint8_t header[kCommandHeaderSize] = {};
        if (m_link.receiveCommandPacket(header, nullptr, 0, true) != 0 || headerKind(header) != kKindRequest) {
            fail(kStepNoRequest);
            return false;
        }
        return true;
    }

    bool negotiate() {
        const CommandHeader query = makeCommandHeader(kKindQuery, m_type);
        if (m_link.sendCommandPacket(query.data(), nullptr, 0, true) != 0) {
            sendRefusal(m_link);
            fail(kStepQueryNotAcked);
            return false;
        }
        std::uint8_t header[kCommandHeaderSize] = {};
        std::uint8_t payload[kRecordPayloadSize] = {};
        if (m_link.receiveCommandPacket(header, payload, sizeof(payload), true) != 0 ||
            headerKind(header) != kKindReport) {
            sendRefusal(m_link);
            if (m_link.aborted()) {
                m_link.reports().post(kReportAborted, 1);
            } else {
                m_link.reports().post(kReportUnexpectedData, 0);
            }
            return false;
        }
        const std::uint32_t deviceType = headerParameter(header);
        DeviceRecord box;
        std::memcpy(&box, payload, sizeof(box));
        if (!isCompatible(deviceType, box, m_type, m_host)) {
            sendRefusal(m_link);
            fail(kStepIncompatible);
            return false;
        }
        m_link.reports().post(kReportUploading, 12);
        if (makeFileHeader(m_type, deviceType, box, m_host, m_fileHeader, m_link.reports()) != 0) {
            sendRefusal(m_link);
            fail(kStepNoFileHeader);
            return false;
        }
        return true;
    }

    bool transfer() {
        const CommandHeader go = makeCommandHeader(kKindStatus, 0);
        if (m_link.sendCommandPacket(go.data(), nullptr, 0, false) != 0) {
            fail(kStepStatusNotSent);
            return false;
        }
        const CommandHeader headerPacket = makeCommandHeader(kKindFileHeader, 0);
        std::uint8_t payload[kRecordPayloadSize];
        std::memcpy(payload, &m_fileHeader, sizeof(payload));
        if (m_link.sendCommandPacket(headerPacket.data(), payload, sizeof(payload), true) != 0) {
            fail(kStepHeaderNotAcked);
            return false;
        }
        return sendBlocks();
    }

    bool sendBlocks() {
        std::uint32_t size = m_fileHeader.imageSize;
        std::uint32_t blocks = m_fileHeader.blockCount;
        if (m_type == kTransferDatabase) {
            size = 0x100000;
            blocks = 256;
        }
        std::array<std::uint8_t, kMaxBlockPayload> block;
        std::uint32_t offset = 0;
        for (std::uint32_t i = 0; i < blocks && offset < size;) {
            const auto percent = static_cast<std::uint32_t>((std::uint64_t{i} + 1) * 100 / blocks);
            m_link.reports().post(kReportProgress, progressValue(percent));
            m_link.pause(m_link.timing().blockPauseMs);
            const std::uint32_t length = std::min<std::uint32_t>(kMaxBlockPayload, size - offset);
            // Bytes past the end of the image go out as zeros.
            const std::size_t available =
                offset < m_imageLength ? std::min<std::size_t>(length, m_imageLength - offset) : 0;
            if (available > 0) {
                std::memcpy(block.data(), m_image + offset, available);
            }
            std::fill(block.begin() + static_cast<std::ptrdiff_t>(available), block.begin() + length, 0);
            const DataHeader header = makeDataHeader(m_type, i, length);
            if (m_link.sendDataPacket(header.data(), block.data(), true) != 0) {
                if (!m_link.aborted()) {
                    m_link.reports().post(kReportTimeout, kStepBlockFailed);
                }
                return false;
            }
            offset += length;
            ++i;
            if (m_link.aborted()) {
                return false;
            }
        }
        return true;
    }

    PacketLink& m_link;
    std::uint32_t m_type;
    const std::uint8_t* m_image;
    std::size_t m_imageLength;
    const DeviceRecord& m_host;
    FileHeader m_fileHeader;
};

}  // namespace

int runSendExchange(PacketLink& link, std::uint32_t transferType, const std::uint8_t* image, std::size_t imageLength,
                    const DeviceRecord& host) {
    return SendExchange(link, transferType, image, imageLength, host).run();
}

}  // namespace vizud::link
