// Downloads from the box simulator over a pseudo-terminal, with each of the box's faults.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "database/image_layout.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/image_factory.h"

namespace vizud::link {
namespace {

std::vector<std::uint8_t> bytesOf(const all_tables_block& image) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&image);
    return std::vector<std::uint8_t>(p, p + sizeof(image));
}

class Download : public ::testing::Test {
protected:
    Download() {
        std::mt19937 rng(7);
        boxImage = test::makeImage(7, test::randomShape(rng));
        // What the editor holds before the download: must survive every failure.
        editorImage = test::makeImage(8, test::ImageShape{});
        before = bytesOf(*editorImage);
    }

    test::HostRun download(test::BoxOnPty& box, int cancelAfterMs = -1) {
        EXPECT_TRUE(box.ok());
        TransferSession session(*editorImage);
        return test::runHost(session, test::hostRequest(box.path(), TransferMode::Download), cancelAfterMs);
    }

    void expectFailedWith(const test::HostRun& run, std::uint32_t step) {
        EXPECT_EQ(run.outcome.end, DialogEnd::Cancel);
        EXPECT_EQ(run.outcome.ending.code, kReportTimeout);
        EXPECT_EQ(run.outcome.ending.value, step);
        EXPECT_EQ(bytesOf(*editorImage), before) << "a failed download must leave the image as it was";
    }

    std::unique_ptr<all_tables_block> boxImage;
    std::unique_ptr<all_tables_block> editorImage;
    std::vector<std::uint8_t> before;
};

TEST_F(Download, ReceivesTheBoxDatabase) {
    test::BoxOnPty box({}, bytesOf(*boxImage));
    const test::HostRun run = download(box);
    EXPECT_EQ(run.outcome.end, DialogEnd::Ok);
    EXPECT_EQ(run.outcome.ending.code, kReportDownloadDone);
    EXPECT_EQ(bytesOf(*editorImage), bytesOf(*boxImage));
    ASSERT_GE(run.reports.size(), 3u);
    EXPECT_EQ(run.reports[0].code, kReportOpeningPort);
    EXPECT_EQ(run.reports[0].value, 2u);
    EXPECT_EQ(run.reports[1].code, kReportWaiting);
    EXPECT_TRUE(run.has(kReportProgress, (100u << 16) | 50));
    EXPECT_TRUE(run.has(kReportProgress, (100u << 16) | 100));
    EXPECT_EQ(run.count(kReportDownloadDone), 1) << "completion is reported once, after the copy";
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::DownloadServed);
}

TEST_F(Download, BoxRefuses) {
    boxsim::BoxConfig config;
    config.faults.refuse = true;
    test::BoxOnPty box(config, bytesOf(*boxImage));
    expectFailedWith(download(box), kStepBoxRefused);
}

TEST_F(Download, SilentBox) {
    boxsim::BoxConfig config;
    config.faults.silent = true;
    test::BoxOnPty box(config);
    const test::HostRun run = download(box);
    expectFailedWith(run, kStepRequestNotAcked);
    EXPECT_EQ(run.count(kReportDiagnostic), kAckReads) << "each empty acknowledgement read is reported";
}

TEST_F(Download, GarbageBeforeEveryPacketIsSkipped) {
    boxsim::BoxConfig config;
    config.faults.garbage = 24;
    test::BoxOnPty box(config, bytesOf(*boxImage));
    EXPECT_EQ(download(box).outcome.end, DialogEnd::Ok);
    EXPECT_EQ(bytesOf(*editorImage), bytesOf(*boxImage));
}

TEST_F(Download, DamagedPacketsAreSentAgain) {
    // Packet 1 is the query, 4 the first data block, 100 a block in the middle.
    for (const int packet : {1, 4, 100}) {
        boxsim::BoxConfig config;
        config.faults.corruptPacket = packet;
        test::BoxOnPty box(config, bytesOf(*boxImage));
        std::memcpy(editorImage.get(), before.data(), before.size());
        const test::HostRun run = download(box);
        EXPECT_EQ(run.outcome.end, DialogEnd::Ok) << "packet " << packet;
        EXPECT_EQ(bytesOf(*editorImage), bytesOf(*boxImage)) << "packet " << packet;
    }
}

TEST_F(Download, WithheldAcknowledgements) {
    // The box does not acknowledge the host's request, then (another time) its device report.
    for (const auto& [ack, step] : {std::pair{1, kStepRequestNotAcked}, std::pair{2, kStepReportNotAcked}}) {
        boxsim::BoxConfig config;
        config.faults.withholdAck = ack;
        test::BoxOnPty box(config, bytesOf(*boxImage));
        expectFailedWith(download(box), step);
    }
}

TEST_F(Download, OversizedImageIsRefusedBeforeAnyBlock) {
    boxsim::BoxConfig config;
    config.faults.oversize = true;
    test::BoxOnPty box(config, bytesOf(*boxImage));
    const test::HostRun run = download(box);
    expectFailedWith(run, kStepImageTooLarge);
    EXPECT_FALSE(run.has(kReportDiagnostic, kDiagBlockStart)) << "no block may be received";
}

TEST_F(Download, ImageWhoseCountsExceedTheTablesIsRefused) {
    auto foreign = test::makeImage(9, test::ImageShape{});
    foreign->programCount = kMaxPrograms + 1;
    test::BoxOnPty box({}, bytesOf(*foreign));
    const test::HostRun run = download(box);
    expectFailedWith(run, kStepNotAChannelImage);
    EXPECT_EQ(run.count(kReportDownloadDone), 0);
}

}  // namespace
}  // namespace vizud::link
