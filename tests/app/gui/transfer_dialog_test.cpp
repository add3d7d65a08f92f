#include <gtest/gtest.h>

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "link/transfer_dialog.h"
#include "tests/support/recording_messages.h"

namespace vizud {
namespace {

using link::Report;

// A worker that posts a script of reports from its own thread, as the link's workers do.
class FakeWorker : public TransferBackend {
public:
    bool start(TransferMode mode, const std::string& path) override {
        startedMode = mode;
        startedPath = path;
        if (refuseStart)
            return false;
        abort = false;
        m_thread = std::thread([this] {
            for (const Report& report : script)
                m_reports.post(report.code, report.value);
            if (answerCancel) {
                while (!abort)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                m_reports.post(link::kReportAborted, 1);
            }
        });
        return true;
    }
    void cancel() override {
        abort = true;
        ++cancels;
    }
    void join() override {
        if (m_thread.joinable())
            m_thread.join();
    }
    link::ReportChannel& reports() override { return m_reports; }
    std::string portFailureReason() const override {
        return "/dev/ttyS0: Permission denied - add your user to the group dialout";
    }

    std::vector<Report> script;
    bool answerCancel = false;  // after the script, wait for Cancel and answer with report 28
    bool refuseStart = false;
    std::atomic<bool> abort{false};
    int cancels = 0;
    TransferMode startedMode = TransferMode::Download;
    std::string startedPath;

private:
    link::ReportChannel m_reports;
    std::thread m_thread;
};

class TransferDialogTest : public ::testing::Test {
protected:
    TransferEnd run(TransferMode mode = TransferMode::Download, const std::string& path = {}) {
        dialog = std::make_unique<TransferDialog>(worker, messages, mode, path);
        return dialog->run();
    }
    QString field(const char* name) const { return dialog->findChild<QLineEdit*>(name)->text(); }
    int bar() const { return dialog->findChild<QProgressBar*>("progressBar")->value(); }

    FakeWorker worker;
    test::RecordingMessages messages;
    std::unique_ptr<TransferDialog> dialog;
};

// What each report means is the link's (transfer_reports_test); here the dialog shows it: the title of the
// mode, the packet field and bar, the status line; reports after the end are discarded.
TEST_F(TransferDialogTest, CompletionEndsWithOkShowingTheProgress) {
    const struct {
        TransferMode mode;
        std::vector<Report> script;
        const char* title;
        const char* packets;
        int bar;
    } cases[] = {
        {TransferMode::Download, {{2, 1}, {13, (100u << 16) | 37}, {19, 0}}, "Download database from Set Top Box",
         "37 / 100", 37},
        {TransferMode::Upload, {{13, 5}, {21, 0}, {5, 1}, {2, 4}}, "Upload database to Set Top Box", "5 / 0", 0},
    };
    for (const auto& c : cases) {
        worker.script = c.script;
        EXPECT_EQ(run(c.mode), TransferEnd::Ok);
        QApplication::processEvents();
        EXPECT_EQ(dialog->windowTitle(), c.title);
        EXPECT_EQ(field("packetField"), c.packets);
        EXPECT_EQ(bar(), c.bar);
        EXPECT_EQ(dialog->statusText(), "Complete");
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_FALSE(dialog->cancelledFlag());
        worker.join();
    }
}

// A failure ends with Cancel and its message (which reports name the port: transfer_reports_test); a report
// without a status of its own (a port failure, an unknown code) leaves the status before it; a port failure
// adds the worker's reason and sets the flag.
TEST_F(TransferDialogTest, FailureKeepsTheStatusBeforeItAndAddsThePortsReason) {
    worker.script = {{27, 103}, {42, 0}, {3, 1}};
    EXPECT_EQ(run(), TransferEnd::Cancel);
    EXPECT_EQ(dialog->statusText(), "Data Download from Set Top Box...");
    EXPECT_TRUE(dialog->cancelledFlag());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Can not open port COM1\n/dev/ttyS0: Permission denied - add your user to the group dialout");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

// Cancel asks the worker and waits for its answer; a worker that cannot start is told and Cancel closes.
TEST_F(TransferDialogTest, CancelWaitsForTheWorkerToAnswer) {
    worker.script = {{2, 1}, {4, 0}};
    worker.answerCancel = true;
    QTimer::singleShot(50, [this] {
        dialog->findChild<QPushButton*>("cancelButton")->click();
        EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open until the worker answers";
    });
    EXPECT_EQ(run(TransferMode::Upgrade, "/boxes/new.dlp"), TransferEnd::Cancel);
    EXPECT_EQ(worker.startedMode, TransferMode::Upgrade);
    EXPECT_EQ(worker.startedPath, "/boxes/new.dlp");
    EXPECT_EQ(dialog->windowTitle(), "Upgrade software to Set Top Box");
    EXPECT_EQ(worker.cancels, 1);
    EXPECT_EQ(dialog->statusText(), "Wait for Close.....");
    EXPECT_TRUE(dialog->cancelledFlag());
    EXPECT_TRUE(messages.shown.empty());
    worker.join();

    worker.refuseStart = true;
    QTimer::singleShot(20, [this] { dialog->findChild<QPushButton*>("cancelButton")->click(); });
    EXPECT_EQ(run(), TransferEnd::Cancel);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Unknown transmission type!"});
    EXPECT_EQ(worker.cancels, 1) << "a worker that never started is not cancelled";
}

}  // namespace
}  // namespace vizud
