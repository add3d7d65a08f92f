// Cancelling in every state of both exchanges, with the real line timing, and the one run of a silent
// box at the real time-outs.
#include <gtest/gtest.h>

#include <memory>

#include "database/image_layout.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/image_factory.h"

namespace vizud::link {
namespace {

struct AbortCase {
    TransferMode mode;
    bool silent;
    int stallAfter;  // the box falls silent after this many packets
    const char* where;
};

TEST(Abort, EndsEveryStateWithinASecond) {
    const AbortCase cases[] = {
        {TransferMode::Download, true, 0, "request: waiting for the acknowledgement"},
        {TransferMode::Download, false, 1, "query: hunting for the box's query"},
        {TransferMode::Download, false, 3, "status: waiting for the box's status"},
        {TransferMode::Download, false, 4, "transfer: waiting for the file header"},
        {TransferMode::Download, false, 40, "transfer: waiting for a data block"},
        {TransferMode::Upload, true, 0, "waiting for the box's request"},
        {TransferMode::Upload, false, 1, "negotiate: waiting for the query's acknowledgement"},
        {TransferMode::Upload, false, 2, "negotiate: waiting for the box's report"},
        {TransferMode::Upload, false, 3, "transfer: waiting for the file header's acknowledgement"},
        {TransferMode::Upload, false, 30, "transfer: waiting for a block's acknowledgement"},
    };
    auto image = test::makeImage(11, test::ImageShape{});
    const auto* raw = reinterpret_cast<const std::uint8_t*>(image.get());
    const std::vector<std::uint8_t> before(raw, raw + sizeof(all_tables_block));
    for (const AbortCase& c : cases) {
        SCOPED_TRACE(c.where);
        boxsim::BoxConfig config;
        config.faults.silent = c.silent;
        config.faults.stallAfter = c.stallAfter;
        test::BoxOnPty box(config, std::vector<std::uint8_t>(sizeof(all_tables_block), 0));
        ASSERT_TRUE(box.ok());
        TransferSession session(*image);
        // The real time-outs: without the abort the host would wait 1.5 s or more in each of these states.
        TransferRequest request = test::hostRequest(box.path(), c.mode, true);
        request.timing.blockPauseMs = 0;
        const test::HostRun run = test::runHost(session, request, 600);
        EXPECT_EQ(run.outcome.end, DialogEnd::Cancel);
        EXPECT_TRUE(run.outcome.cancelledFlag);
        EXPECT_EQ(run.outcome.ending.code, kReportAborted);
        EXPECT_EQ(run.outcome.ending.value, 1u);
        EXPECT_LT(run.afterCancel, 1.0);
        if (c.stallAfter >= 30) {
            EXPECT_GT(run.count(kReportProgress), 0) << "cancelled among the blocks";
        }
        EXPECT_EQ(std::vector<std::uint8_t>(raw, raw + sizeof(all_tables_block)), before);
    }
}

TEST(RealTiming, SilentBoxFailsADownloadAfterTenAcknowledgementReads) {
    boxsim::BoxConfig config;
    config.faults.silent = true;
    test::BoxOnPty box(config);
    ASSERT_TRUE(box.ok());
    auto image = std::make_unique<all_tables_block>();
    TransferSession session(*image);
    const test::HostRun run = test::runHost(session, test::hostRequest(box.path(), TransferMode::Download, true));
    EXPECT_EQ(run.outcome.ending.code, kReportTimeout);
    EXPECT_EQ(run.outcome.ending.value, kStepRequestNotAcked);
    // Ten reads of 25 bytes at 20 ms per byte plus 1000 ms.
    EXPECT_GT(run.seconds, 14.5);
    EXPECT_LT(run.seconds, 16.5);
    EXPECT_EQ(run.count(kReportDiagnostic), kAckReads);
}

}  // namespace
}  // namespace vizud::link
