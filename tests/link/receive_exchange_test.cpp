// The receive exchange against a scripted box: every way it can end posts a report that ends the dialog,
// and nothing is written past the buffer whatever the box announces. The send exchange: a missing report
// from the box, and the pause before each block.
#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "link/exchanges.h"
#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

using test::Bytes;

Bytes fileHeader(std::uint32_t type, std::uint32_t size, std::uint32_t blocks) {
    const FileHeader file{.imageType = type, .imageSize = size, .blockCount = blocks};
    return test::commandPacket(kKindFileHeader, 0, &file, sizeof(file));
}

class ReceiveExchange : public ::testing::Test, public test::ScriptedLink {
protected:
    // The box's side: the acknowledgement of the request, its query, the acknowledgement of the host's
    // report, its status, then `rest`.
    int run(std::size_t capacity, const std::vector<Bytes>& rest, std::uint32_t status = 0) {
        clear();
        for (const Bytes& packet : {test::ackPacket(), test::commandPacket(kKindQuery, 4), test::ackPacket(),
                                    test::commandPacket(kKindStatus, status)})
            port.feed(packet);
        for (const Bytes& packet : rest)
            port.feed(packet);
        buffer.assign(capacity + 16, 0xEE);
        return runReceiveExchange(link, 4, buffer.data(), capacity);
    }
    Report last() const { return sink.reports.empty() ? Report{} : sink.reports.back(); }

    Bytes buffer;
};

TEST_F(ReceiveExchange, ReceivesTheAnnouncedBlocks) {
    // The image fills the buffer exactly.
    ASSERT_EQ(run(8192 + 100, {fileHeader(4, 8192 + 100, 3), test::dataPacket(0, 4096, 1), test::dataPacket(1, 4096, 2),
                               test::dataPacket(2, 100, 3)}),
              kExchangeOk);
    EXPECT_EQ(std::tuple(buffer[0], buffer[4096], buffer[8192 + 99], buffer[8192 + 100]), std::tuple(1, 2, 3, 0xEE));
    EXPECT_EQ(last().code, kReportDownloadDone);
    EXPECT_TRUE(sink.has(kReportProgress, (100u << 16) | 33));
    // The host wrote: its request, an acknowledgement, its report, the acknowledgement of the file header
    // and of each block.
    const Bytes request = test::commandPacket(kKindRequest, 4);
    EXPECT_TRUE(std::equal(request.begin(), request.end(), port.written.begin()));
    EXPECT_EQ(port.written.size(), 25u + 25u + (25u + 32u) + 25u + 3u * 25u);
    // A buffer with room to spare: the announced block count ends the transfer.
    EXPECT_EQ(run(16384, {fileHeader(4, 4096, 1), test::dataPacket(0, 4096, 1)}), kExchangeOk);
}

TEST_F(ReceiveExchange, EveryFailureEndsWithAReportThatClosesTheDialogAndStaysInTheBuffer) {
    const Bytes misnumbered = test::dataPacket(1, 4096, 9);  // numbered 1 where 0 is due
    const std::vector<Bytes> misnumberedBlock = {fileHeader(4, 8192, 2), misnumbered};
    // A header that fits but blocks that would go further: the last block only gets the room left.
    const std::vector<Bytes> pastTheBuffer = {fileHeader(4, 6000, 3), test::dataPacket(0, 4096, 1),
                                              test::dataPacket(1, 4096, 2)};
    const std::size_t big = 0x100400;
    const struct {
        const char* what;
        std::uint32_t status;
        std::vector<Bytes> rest;
        std::size_t capacity;
        int result;
        std::uint32_t step;
        std::size_t kept;  // no byte from here on is written
    } cases[] = {
        {"the box refuses", 1, {}, 4096, kExchangeRefused, kStepBoxRefused, 0},
        {"no file header", 0, {misnumbered}, big, kExchangeLinkFailed, kStepNoHeaderReceived, 0},
        {"type 5 is not accepted", 0, {fileHeader(5, 4096, 1)}, big, kExchangeBadHeader, kStepTypeNotAccepted, 0},
        {"empty header", 0, {fileHeader(4, 0, 1)}, big, kExchangeBadHeader, kStepEmptyHeader, 0},
        {"no blocks", 0, {fileHeader(4, 4096, 0)}, big, kExchangeBadHeader, kStepEmptyHeader, 0},
        {"larger than the buffer", 0, {fileHeader(1, 0x7FFFFF, 2048)}, big, kExchangeBadHeader, kStepImageTooLarge, 0},
        {"3 blocks into 6000 bytes", 0, {fileHeader(4, 3 * 4096, 3)}, 6000, kExchangeBadHeader, kStepImageTooLarge, 0},
        {"a misnumbered block", 0, misnumberedBlock, big, kExchangeBlockFailed, kStepBlockNotReceived, 4096},
        {"a block past the buffer", 0, pastTheBuffer, 6000, kExchangeBlockFailed, kStepBlockNotReceived, 4096},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(run(c.capacity, c.rest, c.status), c.result);
        EXPECT_EQ(last().code, kReportTimeout);
        EXPECT_EQ(last().value, c.step);
        if (c.step == kStepBlockNotReceived) {
            EXPECT_EQ(sink.reports[sink.reports.size() - 2].value, kDiagBlockFailed);
        }
        EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(c.kept), buffer.end(),
                                [](std::uint8_t b) { return b == 0xEE; }));
    }
    // A status where the query is due.
    port.input.clear();
    port.feed(test::ackPacket());
    port.feed(test::commandPacket(kKindStatus, 0));
    EXPECT_EQ(runReceiveExchange(link, 4, buffer.data(), 4096), kExchangeLinkFailed);
    EXPECT_EQ(last().value, kStepNoQuery);
    // A second query where the status is due.
    port.input.clear();
    for (const Bytes& packet :
         {test::ackPacket(), test::commandPacket(kKindQuery, 4), test::ackPacket(), test::commandPacket(kKindQuery, 0)})
        port.feed(packet);
    EXPECT_EQ(runReceiveExchange(link, 4, buffer.data(), 4096), kExchangeLinkFailed);
    EXPECT_EQ(last().value, kStepNoStatus);
}

TEST(SendExchange, SaysWhenTheBoxDoesNotReportAndPausesBeforeEachBlock) {
    test::ScriptedLink s;
    const DeviceRecord host = builtInHostRecord();
    const Bytes image(0x100000, 7);
    for (const Bytes& packet : {test::commandPacket(kKindRequest, 4), test::ackPacket()})
        s.port.feed(packet);
    EXPECT_EQ(runSendExchange(s.link, kTransferDatabase, image.data(), image.size(), host), kExchangeLinkFailed);
    EXPECT_TRUE(s.sink.reports.size() == 1 && s.sink.has(kReportUnexpectedData, 0));
    // The box's request, acknowledgements, its report, and one acknowledgement each for the file header
    // and the 256 blocks: at 1 ms before each block the upload takes a quarter of a second at least.
    s.clear();
    for (const Bytes& packet : {test::commandPacket(kKindRequest, 4), test::ackPacket(),
                                test::commandPacket(kKindReport, 0, &host, sizeof(host))})
        s.port.feed(packet);
    for (int i = 0; i < 1 + 256; ++i)
        s.port.feed(test::ackPacket());
    PacketLink paced(s.port, s.abort, s.sink, LinkTiming{0, 1});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(runSendExchange(paced, kTransferDatabase, image.data(), image.size(), host), kExchangeOk);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(256));
}

}  // namespace
}  // namespace vizud::link
