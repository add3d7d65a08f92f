// Download and upload from the main window through the real transfer dialog, link and vizud-boxsim on a
// pseudo-terminal that COM1 is pointed at in the profile, as a user tries the editor without a box.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>

#include "app/command_ids.h"
#include "app/editor_document.h"
#include "app/gui_transfers.h"
#include "app/main_frame.h"
#include "tests/app/document_fakes.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

// vizud-boxsim in the background, ended with SIGTERM at the end of the test.
class BoxSimProcess {
public:
    BoxSimProcess(const std::string& served, const std::string& uploadTo, const std::string& out) {
        m_pid = ::fork();
        if (m_pid == 0) {
            const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int n = ::open("/dev/null", O_RDWR);
            ::dup2(n, 0);
            ::dup2(o, 1);
            ::dup2(n, 2);
            ::execl(VIZUD_BOXSIM, VIZUD_BOXSIM, "--quiet", "--serve", served.c_str(), "--upload-to", uploadTo.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~BoxSimProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    BoxSimProcess(const BoxSimProcess&) = delete;
    BoxSimProcess& operator=(const BoxSimProcess&) = delete;

private:
    pid_t m_pid = -1;
};

// The first line the simulator prints: its pseudo-terminal.
std::string waitForDevice(const std::string& out) {
    for (int i = 0; i < 250; ++i) {
        const std::string text = test::readFile(out);
        const std::size_t end = text.find('\n');
        if (end != std::string::npos)
            return text.substr(0, end);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

TEST(BoxSimTransfer, DownloadAndUploadFromTheMainWindow) {
    test::TempDir dir;
    test::ScopedChdir chdir(dir.path());
    test::ImageShape shape;
    shape.programs = 300;
    shape.tv = 120;
    shape.unusedProviders = 0;
    const auto served = test::makeImage(11, shape);
    test::writeFile(dir.file("box.si"), served.get(), kImageSize);
    BoxSimProcess box(dir.file("box.si"), dir.file("uploaded.si"), dir.file("boxsim.out"));
    const std::string device = waitForDevice(dir.file("boxsim.out"));
    ASSERT_FALSE(device.empty());

    test::DatabaseFixture fx;
    test::ScriptedFiles files;
    SettingsStore settings(QString::fromStdString(dir.file("profile.ini")));
    settings.setPortDevice(1, device);
    link::TransferSession session(fx.state->image);
    ConfigRecord config;
    SessionBackend backend(session, config, settings);
    DialogTransferRunner runner(backend, fx.messages);
    GuiTransfers transfers(fx.db, runner);
    CViz_ud_app_17Doc doc(fx.db, fx.messages, files, settings, transfers, config);
    doc.commands().construct();
    doc.commands().newDocument();
    CMainFrame frame(doc);

    frame.action(kCmdDownload)->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(doc.commands().downloaded()) << testing::PrintToString(fx.messages.texts());
    EXPECT_EQ(std::memcmp(&fx.image(), served.get(), kImageSize), 0);
    EXPECT_EQ(frame.windowTitle(), "Channel.si[*] - Diruriz Ezoviv for HD");
    EXPECT_EQ(frame.countsPane()->text(), "TV:120, Radio:180");
    EXPECT_TRUE(test::fileExists(dir.file("programs.nfo")));

    fx.image().programs[0].serviceId = 999;  // an edit to send back
    fx.messages.script(MessageAnswer::Yes);
    frame.action(kCmdUpload)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"Please wait until STB reboots..."});
    std::string uploaded;
    for (int i = 0; i < 100 && uploaded.size() < kImageSize; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        uploaded = test::readFile(dir.file("uploaded.si"));
    }
    ASSERT_GE(uploaded.size(), kImageSize);
    all_tables_block received{};
    std::memcpy(&received, uploaded.data(), kImageSize);
    EXPECT_EQ(received.programs[0].serviceId, 999);
}

}  // namespace
}  // namespace vizud
