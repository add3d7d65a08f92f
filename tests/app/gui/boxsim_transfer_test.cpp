// Download and upload from the main window through the real transfer dialog and link, with the box simulator
// on a pseudo-terminal that COM1 is pointed at in the profile, as a user tries the editor without a box.
#include <gtest/gtest.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStatusBar>

#include "app/command_ids.h"
#include "app/gui_transfers.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/link/box_on_pty.h"

namespace vizud {
namespace {

TEST(BoxSimTransfer, DownloadAndUploadFromTheMainWindow) {
    test::TempDir dir;
    test::ScopedChdir chdir(dir.path());
    const auto served = test::makeImage(11, test::ImageShape{.unusedProviders = 0, .programs = 300, .tv = 120});
    test::BoxOnPty box({}, test::bytesOf(*served));
    ASSERT_TRUE(box.ok());

    test::DatabaseFixture fx;
    test::ScriptedFiles files;
    SettingsStore settings(QString::fromStdString(dir.file("profile.ini")));
    settings.setPortDevice(1, box.path());
    link::TransferSession session(fx.state->image);
    ConfigRecord config;
    SessionBackend backend(session, config, settings);
    DialogTransferRunner runner(backend, fx.messages);
    GuiTransfers transfers(fx.db, runner, backend);
    CViz_ud_app_17Doc doc(fx.db, fx.messages, files, settings, transfers, config);
    doc.commands().construct();
    doc.commands().newDocument();
    CMainFrame frame(doc);

    frame.action(kCmdDownload)->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(doc.commands().downloaded()) << testing::PrintToString(fx.messages.texts());
    EXPECT_EQ(test::bytesOf(fx.image()), test::bytesOf(*served));
    EXPECT_EQ(frame.windowTitle(), "Channel.si[*] - Diruriz Ezoviv for HD");
    EXPECT_EQ(frame.countsPane()->text(), "TV:120, Radio:180");
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Downloaded 300 programs from the box");
    EXPECT_TRUE(test::fileExists(dir.file("programs.nfo")));

    fx.image().programs[0].serviceId = 999;  // an edit to send back
    fx.messages.script(MessageAnswer::Yes);
    frame.action(kCmdUpload)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"Please wait until STB reboots..."});
    ASSERT_TRUE(box.box().waitForTransfers(2, 5000));
    const std::vector<std::uint8_t> received = box.box().database();
    ASSERT_GE(received.size(), kImageSize);
    EXPECT_EQ(reinterpret_cast<const all_tables_block*>(received.data())->programs[0].serviceId, 999);
}

}  // namespace
}  // namespace vizud
