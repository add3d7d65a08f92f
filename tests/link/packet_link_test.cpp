// The packet formats and the four primitives, byte for byte, over an in-memory port.
#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <tuple>

#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

using test::Bytes;

struct LinkFixture : ::testing::Test, test::ScriptedLink {};

TEST(PacketFormat, CrcAndTheExamplePackets) {
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc32IsoHdlc(check, sizeof(check)), 0xCBF43926u);
    EXPECT_EQ(crc32IsoHdlc(check + 4, 5, crc32IsoHdlc(check, 4)), 0xCBF43926u);

    EXPECT_EQ(test::commandPacket(kKindRequest, 4),
              (Bytes{0x02, 0x5A, 0x51, 0x45, 0x52, 0x00, 0x02, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDD, 0x90, 0x8A, 0x6F}));
    EXPECT_EQ(test::ackPacket(), (Bytes{0x02, 0x5A, 0x4B, 0x43, 0x41, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA0, 0xF5, 0x6C, 0x48}));
    const DataHeader data = makeDataHeader(3, 7, 4095);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 24),
              (Bytes{'Z', 'T', 'D', 'F', 0x00, 0x02, 0, 0, 3,    0,    0,    0,
                     7,   0,   0,   0,   0xFF, 0x0F, 0, 0, 0x00, 0xF0, 0xFF, 0xFF}));
}

TEST_F(LinkFixture, PartialWritesContinueWithTheBytesNotYetWritten) {
    port.writeChunk = 3;
    port.feed(test::ackPacket());
    const Bytes payload(32, 0xAB);
    const CommandHeader header = makeCommandHeader(kKindReport, 4);
    ASSERT_EQ(link.sendCommandPacket(header.data(), payload.data(), payload.size(), true), 0);
    EXPECT_EQ(port.written, test::commandPacket(kKindReport, 4, payload.data(), 32));  // each byte exactly once
    port.failWrites = 9;  // nine failed calls are tolerated, the tenth gives up
    EXPECT_EQ(link.writeBytes(payload.data(), payload.size()), 0);
    port.failWrites = 10;
    EXPECT_EQ(link.writeBytes(payload.data(), payload.size()), 1);
    port.failWrites = 10;
    port.feed(test::commandPacket(kKindQuery, 1));
    std::uint8_t received[kCommandHeaderSize];
    EXPECT_EQ(link.receiveCommandPacket(received, nullptr, 0, true), 1) << "the acknowledgement could not be written";
    // A packet is tried ten times: nine attempts that fail at the start byte leave the tenth.
    port.failWrites = 9 * 10;
    port.feed(test::ackPacket());
    EXPECT_EQ(link.sendCommandPacket(header.data(), payload.data(), payload.size(), true), 0);
    port.failWrites = 10 * 10;
    EXPECT_EQ(link.sendCommandPacket(header.data(), payload.data(), payload.size(), false), 1) << "ten failed attempts";
}

// What comes while the host waits for an acknowledgement, and the diagnostics (code 27) it reports.
TEST_F(LinkFixture, AcknowledgementWaitReportsWhatCameInstead) {
    Bytes badCrc = test::ackPacket();
    badCrc[24] ^= 1;
    Bytes garbage(25);
    std::iota(garbage.begin(), garbage.end(), std::uint8_t{0x41});
    const std::vector<std::uint32_t> silence(10, kDiagAckShort);  // one for each of the ten reads
    const struct {
        const char* what;
        bool dataPacket;
        Bytes input;
        bool ackFollows;
        std::vector<std::uint32_t> diagnostics;
    } cases[] = {
        {"the acknowledgement", false, {}, true, {}},
        {"a wrong CRC", false, badCrc, true, {kDiagAckBadCrc}},
        {"another kind", false, test::commandPacket(kKindQuery, 4), true, {kDiagAckWrongKind}},
        {"garbage: its first seven bytes", false, garbage, true, {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}},
        {"two bytes, then silence", false, {0x02, 0x5A}, false, silence},
        {"a data packet's wait reports nothing", true, garbage, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        port.feed(c.input);
        if (c.ackFollows)
            port.feed(test::ackPacket());
        const DataHeader data = makeDataHeader(4, 0, 4);
        const CommandHeader command = makeCommandHeader(kKindRequest, 4);
        const int result = c.dataPacket ? link.sendDataPacket(data.data(), garbage.data(), true)
                                        : link.sendCommandPacket(command.data(), nullptr, 0, true);
        EXPECT_EQ(result, c.ackFollows ? 0 : 1);
        EXPECT_EQ(sink.values(), c.diagnostics);
        EXPECT_EQ(std::count_if(sink.reports.begin(), sink.reports.end(), [](auto& r) { return r.code != 27; }), 0);
    }
}

TEST_F(LinkFixture, CommandPacketAfterAtMost24GarbageBytesWithAGoodCrcIsAcknowledged) {
    Bytes damaged = test::commandPacket(kKindReport, 0, Bytes(32, 7).data(), 32);
    damaged[10] ^= 0x40;
    const struct {
        const char* what;
        std::size_t garbage;
        Bytes before;
        bool taken;
    } cases[] = {
        {"24 garbage bytes", 24, {}, true},
        {"25 garbage bytes", 25, {}, false},
        {"a damaged packet first", 0, damaged, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        port.feed(Bytes(c.garbage, 0x55));
        port.feed(c.before);
        port.feed(test::commandPacket(kKindReport, 3, Bytes(32, 9).data(), 32));
        std::uint8_t header[kCommandHeaderSize];
        std::uint8_t payload[32] = {};
        EXPECT_EQ(link.receiveCommandPacket(header, payload, sizeof(payload), true), c.taken ? 0 : 1);
        EXPECT_EQ(port.written, c.taken ? test::ackPacket() : Bytes{}) << "an acknowledgement for the good packet only";
        if (c.taken) {
            EXPECT_EQ(std::tuple(headerParameter(header), payload[31]), std::tuple(3u, 9));
        }
    }
}

// Each data packet, its diagnostics, whether it is taken (and acknowledged), and the bytes it may store.
TEST_F(LinkFixture, DataPacketIsTakenOnlyWhenItFitsAndIsWhole) {
    const auto changed = [](std::uint32_t length, std::size_t at, std::uint32_t value) {
        Bytes bytes = test::dataPacket(5, length, 3);
        writeLe32(bytes.data() + 1 + at, value);
        return bytes;
    };
    Bytes huge = changed(0, 16, kDataLengthLimit);
    writeLe32(huge.data() + 1 + 20, ~kDataLengthLimit);
    Bytes shortPayload = test::dataPacket(5, 16, 3);
    shortPayload.resize(1 + 32 + 10);
    const std::uint32_t start = kDiagBlockStart, header = kDiagBlockHeader, length = kDiagBlockLength;
    const struct {
        const char* what;
        Bytes bytes;
        std::size_t capacity;
        bool taken;
        std::size_t stored;  // no byte from here on is written
        std::vector<std::uint32_t> diagnostics;
    } cases[] = {
        {"filling the capacity", test::dataPacket(5, 64, 3), 64, true, 64, {start, header, header, length}},
        {"longer than the capacity", test::dataPacket(5, 65, 3), 64, false, 0, {start, header, length}},
        {"a complement that does not match", changed(8, 20, 0), 64, false, 0, {start, header, length}},
        {"a length of 0x800000", huge, kDataLengthLimit, false, 0, {start, header, length}},
        {"not ZTDF", changed(4, 0, kindCode("XTDF")), 64, false, 0, {start, kDiagBlockKind}},
        {"a short payload", shortPayload, 64, false, 10, {start, header, kDiagBlockShort}},
        {"a wrong CRC", changed(8, 32, 0), 64, false, 8, {start, header}},
    };
    std::uint8_t head[kDataHeaderSize];
    std::array<std::uint8_t, 72> destination;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        port.feed(c.bytes);
        destination.fill(0xEE);
        EXPECT_EQ(link.receiveDataPacket(head, destination.data(), c.capacity, true), c.taken ? 0 : 1);
        EXPECT_EQ(sink.values(), c.diagnostics);
        EXPECT_EQ(port.written, c.taken ? test::ackPacket() : Bytes{});
        EXPECT_TRUE(std::all_of(destination.begin() + static_cast<std::ptrdiff_t>(c.stored), destination.end(),
                                [](std::uint8_t b) { return b == 0xEE; }));
        if (c.taken) {
            EXPECT_EQ(std::tuple(destination[63], dataLength(head), dataBlockNumber(head)), std::tuple(3, 64u, 5u));
        }
    }
    // Ten attempts: a good packet after nine damaged ones is taken, after ten it is not.
    for (const int damaged : {9, 10}) {
        clear();
        for (int i = 0; i < damaged; ++i)
            port.feed(changed(8, 32, 0));
        port.feed(test::dataPacket(5, 64, 3));
        EXPECT_EQ(link.receiveDataPacket(head, destination.data(), 64, false), damaged == 9 ? 0 : 1) << damaged;
    }
}

TEST_F(LinkFixture, AbortStopsAHuntAndAnAcknowledgementWaitAfterOneRead) {
    abort = true;
    port.feed(test::commandPacket(kKindQuery, 1));
    std::uint8_t header[kCommandHeaderSize];
    EXPECT_EQ(link.receiveCommandPacket(header, nullptr, 0, true), 1);
    EXPECT_EQ(port.reads, 1);
    const CommandHeader request = makeCommandHeader(kKindRequest, 4);
    port.feed(test::ackPacket());
    port.reads = 0;
    EXPECT_EQ(link.sendCommandPacket(request.data(), nullptr, 0, true), 1);
    EXPECT_EQ(port.reads, 1);
}

}  // namespace
}  // namespace vizud::link
