// The four packet primitives of the link (send a command packet, send a data packet, receive a command
// packet, receive a data packet) with their retry rules, over any PortIo. All return 0 for success and
// 1 for failure. Every wait is bounded: at most 10 attempts, 25-byte start hunts and 10 acknowledgement
// reads, each read bounded by the port's time-outs. The abort flag is polled as the protocol says.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "link/packet_format.h"
#include "link/port_io.h"

namespace vizud::link {

// Where the link and the exchanges post their (code, value) reports; see transfer_reports.h.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void post(int code, std::uint32_t value) = 0;
};

class NullReportSink : public ReportSink {
public:
    void post(int, std::uint32_t) override {}
};

// Pauses of the protocol, parameters so tests and the fuzzer can shorten them.
struct LinkTiming {
    int garbagePauseMs = 1000;  // after each garbage byte reported while waiting for an acknowledgement
    int blockPauseMs = 5;       // before each data block the host sends
};

inline constexpr int kAttempts = 10;
inline constexpr int kHuntReads = 25;
inline constexpr int kAckReads = 10;

class PacketLink {
public:
    PacketLink(PortIo& port, const std::atomic<bool>& abort, ReportSink& reports, LinkTiming timing = {});

    // Writes the whole buffer, continuing after a partial write with the bytes not yet written. Ten
    // calls that fail or write nothing give up.
    int writeBytes(const std::uint8_t* buffer, std::size_t length);
    // One read call; a failed call prints "netd_read() Error" (once, when it finds the line lost) and
    // counts as a read of nothing.
    std::size_t readBytes(std::uint8_t* buffer, std::size_t length);
    // Up to 25 single-byte reads looking for 0x02; fails at once when the abort flag is set.
    int huntStartByte();

    int sendCommandPacket(const std::uint8_t* header, const std::uint8_t* payload, std::size_t payloadLength,
                          bool waitAck);
    // The payload length is the header's length field.
    int sendDataPacket(const std::uint8_t* header, const std::uint8_t* payload, bool waitAck);
    // `header` receives the 20 header bytes, `payload` exactly `payloadLength` bytes. The kind is not
    // examined here.
    int receiveCommandPacket(std::uint8_t* header, std::uint8_t* payload, std::size_t payloadLength, bool sendAck);
    // `header` receives the 32 header bytes; the payload goes to `destination`, never more than
    // `capacity` bytes, whatever the packet claims.
    int receiveDataPacket(std::uint8_t* header, std::uint8_t* destination, std::size_t capacity, bool sendAck);

    // True once the abort flag is set or the line is lost: either way nothing more can be exchanged.
    bool aborted() const { return m_abort.load() || m_port.lineLost() != 0; }
    // The errno value with which the line was lost, 0 while it is there.
    int lineLost() const { return m_port.lineLost(); }
    ReportSink& reports() { return m_reports; }
    const LinkTiming& timing() const { return m_timing; }
    // Sleeps `ms`, returning early when the abort flag is set or the line hangs up.
    void pause(int ms) const;

private:
    int writePacketParts(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* payload,
                         std::size_t payloadLength);
    int waitForAck(bool withReports);
    int sendAck();

    PortIo& m_port;
    const std::atomic<bool>& m_abort;
    ReportSink& m_reports;
    LinkTiming m_timing;
};

}  // namespace vizud::link
