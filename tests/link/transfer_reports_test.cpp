// What each report does to the dialog, and the channel that carries reports between threads.
#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "link/transfer_reports.h"

namespace vizud::link {
namespace {

TEST(TransferReports, EachCodeDoesWhatTheDialogShows) {
    const std::string timeout = "Communication timeout";
    const struct {
        int code;
        std::uint32_t value;
        std::string status, message;
        bool cancelledFlag;
        DialogEnd end;
    } cases[] = {
        {kReportThreadFailed, 0, "", "Can not run communication thread", false, DialogEnd::Cancel},
        {kReportOpeningPort, 3, "Opening port COM3", "", false, DialogEnd::None},
        {kReportPortFailed, 2, "", "Can not open port COM2", true, DialogEnd::Cancel},
        {kReportWaiting, 0, "Waiting for answer from Set Top Box", "", false, DialogEnd::None},
        {kReportTimeout, 50, "Timeout - 50", timeout, false, DialogEnd::Cancel},
        {kReportTimeout, kStepDlpUnreadable, "Timeout - 90", "Can not read the software file", false,
         DialogEnd::Cancel},
        {kReportTimeout, kStepImageTooLarge, "Timeout - 68",
         timeout + "\nThe Set Top Box announced more data than a database can hold.", false, DialogEnd::Cancel},
        {kReportUnexpectedData, 0, "", "Received different data then expected", false, DialogEnd::Cancel},
        {kReportDownloadDone, 0, "Complete", "", false, DialogEnd::Ok},
        {kReportSendDone, 0, "Complete", "", false, DialogEnd::Ok},
        {kReportDiagnostic, 128, "Data Download from Set Top Box...", "", false, DialogEnd::None},
        {kReportAborted, 1, "Wait for Close.....", "", false, DialogEnd::Cancel},
        {kReportUploading, 12, "Data Upload to Set Top Box...", "", false, DialogEnd::None},
        {kReportLineLost, 5, "Connection lost", "The serial device disappeared during the transfer", true,
         DialogEnd::Cancel},
        {7, 1, "", "", false, DialogEnd::None},
    };
    for (const auto& c : cases) {
        const ReportAction a = describeReport(c.code, c.value);
        SCOPED_TRACE(std::to_string(c.code) + "/" + std::to_string(c.value));
        EXPECT_EQ(std::tuple(a.status, a.message, a.setsCancelledFlag, a.end, a.progress),
                  std::tuple(c.status, c.message, c.cancelledFlag, c.end, false));
        EXPECT_EQ(a.messageIcon, c.message.empty() ? MessageIcon::None : MessageIcon::Stop);
        // Only a port that failed to open or went away gets the device and its reason as a second line.
        EXPECT_EQ(namesPortFailure(c.code), c.code == kReportPortFailed || c.code == kReportLineLost);
    }
    const ReportAction progress = describeReport(kReportProgress, (100u << 16) | 37);
    EXPECT_EQ(std::tuple(progress.progress, progress.packetText, progress.percent), std::tuple(true, "37 / 100", 37));
    EXPECT_EQ(describeReport(kReportProgress, (200u << 16) | 50).percent, 25);
    const ReportAction noRange = describeReport(kReportProgress, 5);
    EXPECT_EQ(std::tuple(noRange.percent, noRange.packetText), std::tuple(0, "5 / 0"));
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
