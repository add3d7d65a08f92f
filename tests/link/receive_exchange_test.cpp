// The receive exchange against a scripted box: every way it can end posts a report that ends the dialog,
// and nothing is written past the buffer whatever the box announces.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "link/exchanges.h"
#include "link/transfer_reports.h"
#include "tests/link/memory_port.h"

namespace vizud::link {
namespace {

class RecordingSink : public ReportSink {
public:
    void post(int code, std::uint32_t value) override { reports.push_back({code, value}); }
    std::vector<Report> reports;
};

std::vector<std::uint8_t> command(std::uint32_t kind, std::uint32_t parameter, const void* payload = nullptr,
                                  std::size_t size = 0) {
    const CommandHeader header = makeCommandHeader(kind, parameter);
    return encodePacket(header.data(), header.size(), static_cast<const std::uint8_t*>(payload), size);
}

std::vector<std::uint8_t> block(std::uint32_t number, std::uint32_t length, std::uint8_t fill) {
    const DataHeader header = makeDataHeader(4, number, length);
    const std::vector<std::uint8_t> payload(length, fill);
    return encodePacket(header.data(), header.size(), payload.data(), length);
}

class ReceiveExchange : public ::testing::Test {
protected:
    // The box's side up to and including "ZATS" 0.
    void scriptUntilStatus() {
        const auto ack = makeAckPacket();
        port.feed(ack);                     // for the host's request
        port.feed(command(kKindQuery, 4));  // the box's query
        port.feed(ack);                     // for the host's report
        port.feed(command(kKindStatus, 0));
    }
    void scriptHeader(std::uint32_t type, std::uint32_t size, std::uint32_t blocks) {
        FileHeader file;
        file.imageType = type;
        file.imageSize = size;
        file.blockCount = blocks;
        port.feed(command(kKindFileHeader, 0, &file, sizeof(file)));
    }
    int run(std::size_t capacity) {
        buffer.assign(capacity + 16, 0xEE);
        return runReceiveExchange(link, 4, buffer.data(), capacity);
    }
    Report last() const { return sink.reports.empty() ? Report{} : sink.reports.back(); }

    test::MemoryPort port;
    std::atomic<bool> abort{false};
    RecordingSink sink;
    PacketLink link{port, abort, sink, LinkTiming{0, 0}};
    std::vector<std::uint8_t> buffer;
};

TEST_F(ReceiveExchange, ReceivesTheAnnouncedBlocks) {
    scriptUntilStatus();
    scriptHeader(4, 8192 + 100, 3);
    port.feed(block(0, 4096, 1));
    port.feed(block(1, 4096, 2));
    port.feed(block(2, 100, 3));
    ASSERT_EQ(run(0x100400), kExchangeOk);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[8192 + 99], 3);
    EXPECT_EQ(buffer[8192 + 100], 0xEE);
    EXPECT_EQ(last().code, kReportDownloadDone);
    // The host wrote: its request, an acknowledgement, its report, the acknowledgement of the file header
    // and of each block.
    const CommandHeader request = makeCommandHeader(kKindRequest, 4);
    const auto requestPacket = encodePacket(request.data(), request.size(), nullptr, 0);
    EXPECT_TRUE(std::equal(requestPacket.begin(), requestPacket.end(), port.written.begin()));
    EXPECT_EQ(port.written.size(), 25u + 25u + (25u + 32u) + 25u + 3u * 25u);
}

TEST_F(ReceiveExchange, EveryFailureEndsWithAReportThatClosesTheDialog) {
    struct Case {
        const char* what;
        std::uint32_t type, size, blocks;
        int result;
        std::uint32_t step;
    };
    const Case cases[] = {
        {"no file header", 0, 0, 0, kExchangeLinkFailed, kStepNoHeaderReceived},
        {"type 5 is not accepted", 5, 4096, 1, kExchangeBadHeader, kStepTypeNotAccepted},
        {"empty header", 4, 0, 1, kExchangeBadHeader, kStepEmptyHeader},
        {"no blocks", 4, 4096, 0, kExchangeBadHeader, kStepEmptyHeader},
        {"larger than the buffer", 1, 0x7FFFFF, 2048, kExchangeBadHeader, kStepImageTooLarge},
        {"a block fails", 4, 8192, 2, kExchangeBlockFailed, kStepBlockNotReceived},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        port.input.clear();
        sink.reports.clear();
        scriptUntilStatus();
        if (c.type != 0) {
            scriptHeader(c.type, c.size, c.blocks);
        }
        port.feed(block(1, 4096, 9));  // numbered 1 where 0 is due
        EXPECT_EQ(run(0x100400), c.result);
        EXPECT_EQ(last().code, kReportTimeout);
        EXPECT_EQ(last().value, c.step);
        EXPECT_NE(describeReport(last().code, last().value).end, DialogEnd::None);
        if (c.step == kStepBlockNotReceived) {
            EXPECT_EQ(sink.reports[sink.reports.size() - 2].value, kDiagBlockFailed);
        }
    }
}

TEST_F(ReceiveExchange, BlocksNeverRunPastTheBuffer) {
    // 3 blocks of 4096 announced into a buffer of 6000 bytes: refused before any block.
    scriptUntilStatus();
    scriptHeader(4, 3 * 4096, 3);
    EXPECT_EQ(run(6000), kExchangeBadHeader);
    EXPECT_EQ(last().value, kStepImageTooLarge);

    // A header that fits but blocks that would go further: the last block only gets the room left.
    port.input.clear();
    sink.reports.clear();
    scriptUntilStatus();
    scriptHeader(4, 6000, 3);
    port.feed(block(0, 4096, 1));
    port.feed(block(1, 4096, 2));  // 1904 bytes of room: rejected
    EXPECT_EQ(run(6000), kExchangeBlockFailed);
    EXPECT_EQ(buffer[6000], 0xEE);
    EXPECT_EQ(buffer[4096], 0xEE) << "the rejected block wrote nothing";
}

TEST_F(ReceiveExchange, RefusalAndMissingStatus) {
    const auto ack = makeAckPacket();
    port.feed(ack);
    port.feed(command(kKindQuery, 4));
    port.feed(ack);
    port.feed(command(kKindStatus, 1));
    EXPECT_EQ(run(4096), kExchangeRefused);
    EXPECT_EQ(last().value, kStepBoxRefused);

    port.input.clear();
    port.feed(ack);
    port.feed(command(kKindStatus, 0));  // a status where the query is due
    EXPECT_EQ(run(4096), kExchangeLinkFailed);
    EXPECT_EQ(last().value, kStepNoQuery);
}

}  // namespace
}  // namespace vizud::link
