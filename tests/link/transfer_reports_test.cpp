// What each report does to the dialog, and the channel that carries reports between threads.
#include <gtest/gtest.h>

#include <thread>

#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

TEST(TransferReports, EachCodeDoesWhatTheDialogShows) {
    ReportAction a = describeReport(kReportOpeningPort, 3);
    EXPECT_EQ(a.status, "Opening port COM3");
    EXPECT_EQ(a.end, DialogEnd::None);

    a = describeReport(kReportPortFailed, 2);
    EXPECT_EQ(a.message, "Can not open port COM2");
    EXPECT_EQ(a.messageIcon, MessageIcon::Stop);
    EXPECT_TRUE(a.setsCancelledFlag);
    EXPECT_EQ(a.end, DialogEnd::Cancel);

    a = describeReport(kReportTimeout, 50);
    EXPECT_EQ(a.status, "Timeout - 50");
    EXPECT_EQ(a.message, "Communication timeout");
    EXPECT_EQ(a.end, DialogEnd::Cancel);
    EXPECT_FALSE(a.setsCancelledFlag);
    EXPECT_EQ(describeReport(kReportTimeout, kStepDlpUnreadable).message, "Can not read the software file");

    EXPECT_EQ(describeReport(kReportThreadFailed, 0).message, "Can not run communication thread");
    EXPECT_EQ(describeReport(kReportUnexpectedData, 0).message, "Received different data then expected");
    EXPECT_EQ(describeReport(kReportWaiting, 0).status, "Waiting for answer from Set Top Box");
    EXPECT_EQ(describeReport(kReportDiagnostic, 128).status, "Data Download from Set Top Box...");
    EXPECT_EQ(describeReport(kReportUploading, 12).status, "Data Upload to Set Top Box...");

    for (const int code : {kReportDownloadDone, kReportSendDone}) {
        a = describeReport(code, 0);
        EXPECT_EQ(a.status, "Complete");
        EXPECT_EQ(a.end, DialogEnd::Ok);
        EXPECT_TRUE(a.message.empty());
    }
    a = describeReport(kReportAborted, 1);
    EXPECT_EQ(a.status, "Wait for Close.....");
    EXPECT_EQ(a.end, DialogEnd::Cancel);

    a = describeReport(kReportProgress, (100u << 16) | 37);
    EXPECT_TRUE(a.progress);
    EXPECT_EQ(a.packetText, "37 / 100");
    EXPECT_EQ(a.percent, 37);
    a = describeReport(kReportProgress, 5);  // range 0
    EXPECT_EQ(a.percent, 0);
    EXPECT_EQ(a.packetText, "5 / 0");

    a = describeReport(7, 1);
    EXPECT_TRUE(a.status.empty() && a.message.empty() && !a.progress);
    EXPECT_EQ(a.end, DialogEnd::None);
}

TEST(TransferReports, ChannelKeepsOrderAcrossThreadsAndWakesTheReader) {
    ReportChannel channel;
    std::atomic<int> wakeUps{0};
    channel.setWakeUp([&] { ++wakeUps; });
    std::thread worker([&] {
        for (std::uint32_t i = 0; i < 1000; ++i)
            channel.post(kReportProgress, i);
        channel.post(kReportSendDone, 0);
    });
    std::uint32_t expected = 0;
    Report r;
    while (channel.waitPop(r, std::chrono::seconds(5)) && r.code == kReportProgress) {
        EXPECT_EQ(r.value, expected++);
    }
    worker.join();
    EXPECT_EQ(expected, 1000u);
    EXPECT_EQ(r.code, kReportSendDone);
    EXPECT_EQ(wakeUps.load(), 1001);
    EXPECT_TRUE(channel.endingPosted());
    EXPECT_FALSE(channel.tryPop(r));
    EXPECT_FALSE(channel.waitPop(r, std::chrono::milliseconds(10)));
    channel.clear();
    EXPECT_FALSE(channel.endingPosted());
}

}  // namespace
}  // namespace vizud::link
