#include "link/packet_link.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "link/transfer_reports.h"

namespace vizud::link {

PacketLink::PacketLink(PortIo& port, const std::atomic<bool>& abort, ReportSink& reports, LinkTiming timing)
    : m_port(port), m_abort(abort), m_reports(reports), m_timing(timing) {}

void PacketLink::pause(int ms) const {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    while (!aborted() && m_port.probeLine() == 0) {
        const auto left = end - Clock::now();
        if (left <= Clock::duration::zero()) {
            return;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(10)));
    }
}

int PacketLink::writeBytes(const std::uint8_t* buffer, std::size_t length) {
    std::size_t done = 0;
    int fruitless = 0;
    while (done < length) {
        const long n = m_port.write(buffer + done, length - done);
        if (n > 0) {
            // Only the bytes not yet on the line are written again.
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (++fruitless >= kAttempts) {
            return 1;
        }
    }
    return 0;
}

std::size_t PacketLink::readBytes(std::uint8_t* buffer, std::size_t length) {
    const bool wasLost = m_port.lineLost() != 0;
    const long n = m_port.read(buffer, length);
    if (n < 0) {
        if (!wasLost) {
            std::fputs("netd_read() Error\n", stdout);
        }
        return 0;
    }
    return static_cast<std::size_t>(n);
}

int PacketLink::huntStartByte() {
    for (int i = 0; i < kHuntReads; ++i) {
        std::uint8_t byte = 0;
        const std::size_t n = readBytes(&byte, 1);
        if (aborted()) {
            return 1;
        }
        if (n == 1 && byte == kStartByte) {
            return 0;
        }
    }
    return 1;
}

int PacketLink::writePacketParts(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* payload,
                                 std::size_t payloadLength) {
    std::uint32_t crc = crc32IsoHdlc(header, headerSize);
    if (payloadLength > 0) {
        crc = crc32IsoHdlc(payload, payloadLength, crc);
    }
    std::uint8_t crcBytes[kCrcSize];
    writeLe32(crcBytes, crc);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::uint8_t start = kStartByte;
        if (writeBytes(&start, 1) == 0 && writeBytes(header, headerSize) == 0 &&
            (payloadLength == 0 || writeBytes(payload, payloadLength) == 0) && writeBytes(crcBytes, kCrcSize) == 0) {
            return 0;
        }
    }
    return 1;
}

int PacketLink::waitForAck(bool withReports) {
    std::uint8_t packet[kAckPacketSize];
    for (int read = 0; read < kAckReads; ++read) {
        const std::size_t n = readBytes(packet, kAckPacketSize);
        if (withReports && aborted()) {
            return 1;
        }
        if (n < kAckPacketSize) {
            if (withReports) {
                m_reports.post(kReportDiagnostic, kDiagAckShort);
            }
            continue;
        }
        if (packet[0] == kStartByte) {
            const std::uint8_t* header = packet + 1;
            if (headerKind(header) == kKindAck) {
                if (readLe32(packet + 1 + kCommandHeaderSize) == crc32IsoHdlc(header, kCommandHeaderSize)) {
                    return 0;
                }
                if (withReports) {
                    m_reports.post(kReportDiagnostic, kDiagAckBadCrc);
                }
            } else if (withReports) {
                m_reports.post(kReportDiagnostic, kDiagAckWrongKind);
            }
            continue;
        }
        if (withReports) {
            // Show what came instead, slowly enough for someone watching the status line.
            for (std::size_t i = 0; i < 7; ++i) {
                m_reports.post(kReportDiagnostic, packet[i]);
                pause(m_timing.garbagePauseMs);
            }
        }
    }
    return 1;
}

int PacketLink::sendCommandPacket(const std::uint8_t* header, const std::uint8_t* payload, std::size_t payloadLength,
                                  bool waitAck) {
    if (writePacketParts(header, kCommandHeaderSize, payload, payloadLength) != 0) {
        return 1;
    }
    return waitAck ? waitForAck(true) : 0;
}

int PacketLink::sendDataPacket(const std::uint8_t* header, const std::uint8_t* payload, bool waitAck) {
    if (writePacketParts(header, kDataHeaderSize, payload, dataLength(header)) != 0) {
        return 1;
    }
    return waitAck ? waitForAck(false) : 0;
}

int PacketLink::sendAck() {
    const auto ack = makeAckPacket();
    const int result = writeBytes(ack.data(), ack.size());
    return (result != 0 || aborted()) ? 1 : 0;
}

int PacketLink::receiveCommandPacket(std::uint8_t* header, std::uint8_t* payload, std::size_t payloadLength,
                                     bool sendAckPacket) {
    bool received = false;
    for (int attempt = 0; attempt < kAttempts && !received; ++attempt) {
        if (huntStartByte() != 0) {
            return 1;
        }
        std::uint8_t crcBytes[kCrcSize];
        received = readBytes(header, kCommandHeaderSize) == kCommandHeaderSize &&
                   (payloadLength == 0 || readBytes(payload, payloadLength) == payloadLength) &&
                   readBytes(crcBytes, kCrcSize) == kCrcSize &&
                   readLe32(crcBytes) == crc32IsoHdlc(payload, payloadLength, crc32IsoHdlc(header, kCommandHeaderSize));
        if (!received && aborted()) {
            return 1;
        }
    }
    if (!received) {
        return 1;
    }
    return sendAckPacket ? sendAck() : 0;
}

int PacketLink::receiveDataPacket(std::uint8_t* header, std::uint8_t* destination, std::size_t capacity,
                                  bool sendAckPacket) {
    bool received = false;
    for (int attempt = 0; attempt < kAttempts && !received; ++attempt) {
        if (huntStartByte() != 0) {
            return 1;
        }
        m_reports.post(kReportDiagnostic, kDiagBlockStart);
        if (readBytes(header, kDataHeaderSize) != kDataHeaderSize || headerKind(header) != kKindFileData) {
            m_reports.post(kReportDiagnostic, kDiagBlockKind);
            continue;
        }
        m_reports.post(kReportDiagnostic, kDiagBlockHeader);
        const std::uint32_t length = dataLength(header);
        if (length >= kDataLengthLimit || length > capacity || dataLengthComplement(header) != ~length) {
            m_reports.post(kReportDiagnostic, kDiagBlockLength);
            continue;
        }
        if (readBytes(destination, length) != length) {
            m_reports.post(kReportDiagnostic, kDiagBlockShort);
            continue;
        }
        std::uint8_t crcBytes[kCrcSize];
        received = readBytes(crcBytes, kCrcSize) == kCrcSize &&
                   readLe32(crcBytes) == crc32IsoHdlc(destination, length, crc32IsoHdlc(header, kDataHeaderSize));
    }
    m_reports.post(kReportDiagnostic, kDiagBlockHeader);
    if (!received) {
        return 1;
    }
    if (sendAckPacket) {
        m_reports.post(kReportDiagnostic, kDiagBlockLength);
        return sendAck();
    }
    return 0;
}

}  // namespace vizud::link
