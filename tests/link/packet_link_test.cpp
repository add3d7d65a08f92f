// The packet formats and the four primitives, byte for byte, over an in-memory port.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <vector>

#include "link/packet_link.h"
#include "link/transfer_reports.h"
#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

class RecordingSink : public ReportSink {
public:
    void post(int code, std::uint32_t value) override { reports.push_back({code, value}); }
    bool has(int code, std::uint32_t value) const {
        for (const Report& r : reports) {
            if (r.code == code && r.value == value)
                return true;
        }
        return false;
    }
    std::vector<Report> reports;
};

struct LinkFixture : ::testing::Test {
    test::MemoryPort port;
    std::atomic<bool> abort{false};
    RecordingSink sink;
    PacketLink link{port, abort, sink, LinkTiming{0, 0}};
};

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> list) {
    std::vector<std::uint8_t> out;
    for (const int b : list)
        out.push_back(static_cast<std::uint8_t>(b));
    return out;
}

std::vector<std::uint8_t> commandPacket(std::uint32_t kind, std::uint32_t parameter,
                                        const std::vector<std::uint8_t>& payload = {}) {
    const CommandHeader header = makeCommandHeader(kind, parameter);
    return encodePacket(header.data(), header.size(), payload.data(), payload.size());
}

std::vector<std::uint8_t> dataPacket(std::uint32_t block, const std::vector<std::uint8_t>& payload) {
    const DataHeader header = makeDataHeader(4, block, static_cast<std::uint32_t>(payload.size()));
    return encodePacket(header.data(), header.size(), payload.data(), payload.size());
}

TEST(PacketFormat, CrcAndTheExamplePackets) {
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc32IsoHdlc(check, sizeof(check)), 0xCBF43926u);
    EXPECT_EQ(crc32IsoHdlc(check + 4, 5, crc32IsoHdlc(check, 4)), 0xCBF43926u);

    EXPECT_EQ(commandPacket(kKindRequest, 4),
              bytesOf({0x02, 0x5A, 0x51, 0x45, 0x52, 0x00, 0x02, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,
                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDD, 0x90, 0x8A, 0x6F}));
    const auto ack = makeAckPacket();
    EXPECT_EQ(std::vector<std::uint8_t>(ack.begin(), ack.end()),
              bytesOf({0x02, 0x5A, 0x4B, 0x43, 0x41, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA0, 0xF5, 0x6C, 0x48}));

    const DataHeader data = makeDataHeader(3, 7, 4095);
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.begin() + 24),
              bytesOf({'Z', 'T', 'D', 'F', 0x00, 0x02, 0, 0, 3,    0,    0,    0,
                       7,   0,   0,   0,   0xFF, 0x0F, 0, 0, 0x00, 0xF0, 0xFF, 0xFF}));
}

TEST_F(LinkFixture, PartialWritesContinueWithTheBytesNotYetWritten) {
    port.writeChunk = 3;
    port.failWrites = 2;  // two failed calls are tolerated
    port.feed(makeAckPacket());
    const std::vector<std::uint8_t> payload(32, 0xAB);
    const CommandHeader header = makeCommandHeader(kKindReport, 4);
    ASSERT_EQ(link.sendCommandPacket(header.data(), payload.data(), payload.size(), true), 0);
    EXPECT_EQ(port.written, commandPacket(kKindReport, 4, payload));  // each byte exactly once

    port.written.clear();
    port.failWrites = 10;
    EXPECT_EQ(link.writeBytes(payload.data(), payload.size()), 1);
}

TEST_F(LinkFixture, AcknowledgementWaitReportsWhatCameInstead) {
    const CommandHeader header = makeCommandHeader(kKindRequest, 4);
    // A right kind with a wrong CRC, another kind, a short read: none is an acknowledgement.
    auto badAck = makeAckPacket();
    badAck[24] ^= 1;
    port.feed(badAck);
    port.feed(commandPacket(kKindQuery, 4));
    port.feed(bytesOf({0x02, 0x5A}));
    EXPECT_EQ(link.sendCommandPacket(header.data(), nullptr, 0, true), 1);
    EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagAckBadCrc));
    EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagAckWrongKind));
    EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagAckShort));
    EXPECT_EQ(port.reads, kAckReads);

    // Garbage instead of a start byte: its first seven bytes are reported one by one.
    sink.reports.clear();
    port.feed(bytesOf({0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D,
                       0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59}));
    port.feed(makeAckPacket());
    EXPECT_EQ(link.sendCommandPacket(header.data(), nullptr, 0, true), 0);
    ASSERT_EQ(sink.reports.size(), 7u);
    EXPECT_EQ(sink.reports[0].value, 0x41u);
    EXPECT_EQ(sink.reports[6].value, 0x47u);

    // The data packet's wait reports nothing.
    sink.reports.clear();
    const DataHeader data = makeDataHeader(4, 0, 4);
    const std::uint8_t payload[4] = {1, 2, 3, 4};
    port.feed(bytesOf({0x41}));
    EXPECT_EQ(link.sendDataPacket(data.data(), payload, true), 1);
    EXPECT_TRUE(sink.reports.empty());
}

TEST_F(LinkFixture, StartHuntSkipsUpTo24GarbageBytes) {
    std::vector<std::uint8_t> input(24, 0x55);
    auto packet = commandPacket(kKindQuery, 1);
    input.insert(input.end(), packet.begin(), packet.end());
    port.feed(input);
    std::uint8_t header[kCommandHeaderSize];
    ASSERT_EQ(link.receiveCommandPacket(header, nullptr, 0, true), 0);
    EXPECT_EQ(headerKind(header), kKindQuery);
    const auto ack = makeAckPacket();
    EXPECT_EQ(port.written, std::vector<std::uint8_t>(ack.begin(), ack.end()));

    port.written.clear();
    input.assign(25, 0x55);
    input.insert(input.end(), packet.begin(), packet.end());
    port.feed(input);
    EXPECT_EQ(link.receiveCommandPacket(header, nullptr, 0, true), 1);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(LinkFixture, DamagedCommandPacketIsNotAcknowledgedAndTheNextOneIs) {
    auto damaged = commandPacket(kKindReport, 0, std::vector<std::uint8_t>(32, 7));
    damaged[10] ^= 0x40;
    port.feed(damaged);
    port.feed(commandPacket(kKindReport, 0, std::vector<std::uint8_t>(32, 9)));
    std::uint8_t header[kCommandHeaderSize];
    std::uint8_t payload[32];
    ASSERT_EQ(link.receiveCommandPacket(header, payload, sizeof(payload), true), 0);
    EXPECT_EQ(payload[0], 9);
    EXPECT_EQ(port.written.size(), kAckPacketSize);  // one acknowledgement: for the good packet only
}

TEST_F(LinkFixture, DataPacketNeverWritesPastItsDestination) {
    std::uint8_t header[kDataHeaderSize];
    std::array<std::uint8_t, 64 + 8> destination{};
    destination.fill(0xEE);

    // A length beyond the capacity, a complement that does not match, a length of 0x800000 or more:
    // each is rejected before a payload byte is stored.
    auto tooLong = dataPacket(0, std::vector<std::uint8_t>(65, 1));
    auto badComplement = dataPacket(0, std::vector<std::uint8_t>(8, 2));
    writeLe32(badComplement.data() + 1 + 20, 0);
    auto huge = dataPacket(0, {});
    writeLe32(huge.data() + 1 + 16, kDataLengthLimit);
    writeLe32(huge.data() + 1 + 20, ~kDataLengthLimit);
    for (const auto& packet : {tooLong, badComplement, huge}) {
        sink.reports.clear();
        port.input.clear();
        port.feed(packet);
        EXPECT_EQ(link.receiveDataPacket(header, destination.data(), packet == huge ? kDataLengthLimit : 64, true), 1);
        EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagBlockLength));
        EXPECT_EQ(destination[0], 0xEE);
        EXPECT_TRUE(port.written.empty()) << "nothing is acknowledged";
    }

    // A packet that fills the capacity exactly is taken and acknowledged; the byte after stays.
    port.input.clear();
    port.feed(dataPacket(5, std::vector<std::uint8_t>(64, 3)));
    sink.reports.clear();
    ASSERT_EQ(link.receiveDataPacket(header, destination.data(), 64, true), 0);
    EXPECT_EQ(destination[63], 3);
    EXPECT_EQ(destination[64], 0xEE);
    EXPECT_EQ(dataLength(header), 64u);
    EXPECT_EQ(dataBlockNumber(header), 5u);
    EXPECT_EQ(port.written.size(), kAckPacketSize);
    ASSERT_EQ(sink.reports.size(), 4u);
    EXPECT_EQ(sink.reports[0].value, kDiagBlockStart);
    EXPECT_EQ(sink.reports[3].value, kDiagBlockLength) << "the acknowledgement is announced with 130";
}

TEST_F(LinkFixture, DataPacketWithWrongKindOrShortPayloadFails) {
    std::uint8_t header[kDataHeaderSize];
    std::uint8_t destination[16];
    auto wrongKind = dataPacket(0, std::vector<std::uint8_t>(4, 1));
    wrongKind[1] = 'X';
    port.feed(wrongKind);
    auto shortPacket = dataPacket(0, std::vector<std::uint8_t>(16, 1));
    shortPacket.resize(1 + 32 + 10);
    port.feed(shortPacket);
    EXPECT_EQ(link.receiveDataPacket(header, destination, sizeof(destination), true), 1);
    EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagBlockKind));
    EXPECT_TRUE(sink.has(kReportDiagnostic, kDiagBlockShort));
    EXPECT_TRUE(port.written.empty());
}

TEST_F(LinkFixture, AbortStopsAHuntAndAnAcknowledgementWait) {
    abort = true;
    port.feed(commandPacket(kKindQuery, 1));
    std::uint8_t header[kCommandHeaderSize];
    EXPECT_EQ(link.receiveCommandPacket(header, nullptr, 0, true), 1);
    EXPECT_EQ(port.reads, 1);
    const CommandHeader request = makeCommandHeader(kKindRequest, 4);
    port.feed(makeAckPacket());
    port.reads = 0;
    EXPECT_EQ(link.sendCommandPacket(request.data(), nullptr, 0, true), 1);
    EXPECT_EQ(port.reads, 1);
}

}  // namespace
}  // namespace vizud::link
