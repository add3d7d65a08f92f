#include <gtest/gtest.h>

#include <QtCore/QMimeData>
#include <QtCore/QTranslator>
#include <QtCore/QUrl>
#include <QtGui/QDropEvent>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>

#include "app/command_ids.h"
#include "app/translated_texts.h"
#include "tests/app/gui/gui_fixture.h"
#include "views/find_bar.h"
#include "views/left_view.h"
#include "views/program_list_view.h"

namespace vizud {
namespace {

class MainFrameTest : public ::testing::Test, public test::GuiFixture {
protected:
    void trigger(int commandId) {
        frame->action(commandId)->trigger();
        settle();
    }
};

// The pictures of the commands, what is enabled with nothing loaded, and how the command table's entries
// become actions: "status\ntip" is split in two, "keys,keys" gives each shortcut. The ids, texts and keys
// themselves are the table's and not restated here.
// A filter command then changes the view mode at once, ticks its action, and refreshes the views once at
// the next idle moment; the same filter again refreshes nothing.
TEST_F(MainFrameTest, StartStateTheTablesSplitTextsAndAFilterRefreshesViewsOnceAtTheNextIdleMoment) {
    start();
    const QIcon open = frame->action(kCmdFileOpen)->icon();
    const QImage normal = open.pixmap(30, 30, QIcon::Normal).toImage();
    EXPECT_EQ(qAlpha(normal.pixel(0, 0)), 0) << "white is the transparent colour";
    EXPECT_NE(normal, open.pixmap(30, 30, QIcon::Disabled).toImage());
    EXPECT_NE(normal, open.pixmap(30, 30, QIcon::Active).toImage()) << "a hot look of its own";
    EXPECT_FALSE(frame->action(kCmdAppAbout)->icon().isNull()) << "the strip's last picture is About's";
    for (int id : {kCmdEditFind, kCmdToolsDuplicates, kCmdOptions})
        EXPECT_TRUE(frame->action(id)->icon().isNull()) << id << " has no picture";
    EXPECT_NE(frame->action(kCmdShowRadio)->icon().pixmap(30, 30).toImage(),
              frame->action(kCmdShowTv)->icon().pixmap(30, 30).toImage())
        << "radio looks unlike TV";
    EXPECT_TRUE(frame->findChild<QToolBar*>("toolBar")->actions().contains(frame->action(kCmdFilePrint)));
    EXPECT_GE(frame->findBar()->parentWidget()->layout()->indexOf(frame->findBar()), 0) << "above the list";

    for (int id : {kCmdFilePrint, kCmdFilePrintPreview, kCmdFilePrintSetup, kCmdEditFind})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_FALSE(frame->action(kCmdEditUndo)->isEnabled()) << "nothing to undo yet";
    EXPECT_FALSE(frame->action(kCmdToolsDuplicates)->isEnabled()) << "no list to look at";
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    EXPECT_EQ(frame->countsPane()->text(), "---") << "nothing loaded";
    EXPECT_EQ(frame->action(kCmdShowTv)->toolTip(), "TV Programs");
    EXPECT_EQ(frame->action(kCmdShowTv)->statusTip(), "Show TV programs only.");
    EXPECT_EQ(frame->action(kCmdEditCut)->shortcuts(), (QList{QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}));
    int refreshes = 0;
    QObject::connect(&doc, &CViz_ud_app_17Doc::viewsNeedUpdate, [&refreshes] { ++refreshes; });
    const int listBefore = frame->listView()->updateCount();
    frame->action(kCmdShowTv)->trigger();
    EXPECT_EQ(fx.state->browse.viewMode & 7u, kViewTvOnly);
    EXPECT_EQ(refreshes, 0) << "not inside the command";
    settle();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(frame->listView()->updateCount(), listBefore + 1);
    EXPECT_TRUE(frame->action(kCmdShowTv)->isChecked());
    trigger(kCmdShowTv);
    EXPECT_EQ(refreshes, 1) << "no change, no refresh";
}

// Upload, Download, Save, the recent-file menu, a dropped file and closing reach the document (whose rules
// document_commands_test checks) and the title, the counts pane (its text: shell_rules_test) and the OVR pane
// follow it; the configuration is written when the window goes (its record's bytes: config_record_test).
TEST_F(MainFrameTest, DropCloseDownloadAndUploadReachTheDocument) {
    start();
    EXPECT_FALSE(frame->action(kCmdToolsCompare)->isEnabled()) << "no list to compare";
    trigger(kCmdUpload);
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"No document opened or downloaded"});
    trigger(kCmdDownload);
    EXPECT_EQ(transfers.downloads, 1);
    EXPECT_EQ(frame->windowTitle(), "Channel.si[*] - Diruriz Ezoviv for HD");
    EXPECT_EQ(frame->modifiedPane()->text(), "OVR") << "a download is not saved yet";
    files.answers.push_back(dir.file("a.si"));
    trigger(kCmdFileSave);
    EXPECT_EQ(frame->windowTitle(), "a[*] - Diruriz Ezoviv for HD");
    EXPECT_EQ(frame->modifiedPane()->text(), "");
    const QAction* recent = frame->findChild<QAction*>("recentFile1");
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isVisible());
    EXPECT_TRUE(recent->text().endsWith("a.si"));

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(test::channelFile(dir, "b.si", 4, 50, 10)))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    settle();
    EXPECT_EQ(frame->windowTitle(), "b.si[*] - Diruriz Ezoviv for HD");
    EXPECT_EQ(frame->countsPane()->text(), "TV:10, Radio:40");
    EXPECT_GE(frame->countsPane()->width(), 100);
    EXPECT_TRUE(frame->action(kCmdToolsCompare)->isEnabled());

    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(fx.messages.asked.back(), "Save changes to b.si?");
    fx.messages.script(MessageAnswer::No);
    frame->setGeometry(140, 90, 900, 600);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(CMainFrame(doc).geometry(), QRect(140, 90, 900, 600)) << "the next window opens where this one was";
    config.port = 2;
    frame.reset();
    const std::string written = test::readFile(dir.file("veravaravo.cfg"));
    ASSERT_EQ(written.size(), 264u);
    EXPECT_EQ(written[0], 2);
}

// With the German translation the menus, tips, status, OVR pane and the core's texts are German; the
// window title keeps the program's name.
TEST_F(MainFrameTest, GermanTextsForMenusTipsAndPanes) {
    QTranslator german;
    ASSERT_TRUE(german.load(":/i18n/vizud_de.qm"));
    QApplication::installTranslator(&german);
    start();
    EXPECT_EQ(frame->menuBar()->actions().value(0)->text(), "&Datei");
    EXPECT_EQ(frame->action(kCmdShowTv)->toolTip(), "TV-Programme");
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Bereit");
    doc.setModifiedFlag(true);
    settle();
    EXPECT_EQ(frame->modifiedPane()->text(), QString::fromUtf8("ÜB"));
    EXPECT_EQ(frame->windowTitle(), "Channel[*] - Diruriz Ezoviv for HD");
    // The texts of the Qt-free code too: tree roots (the image's names stay their keys), columns, messages.
    EXPECT_EQ(frame->leftView()->topLevelItem(0)->text(0), "Favoriten");
    EXPECT_EQ(frame->listView()->model()->headerData(1, Qt::Horizontal).toString(), "Kanalname");
    EXPECT_EQ(translated("Fav.si not saved!\nSave it now?"), "Fav.si nicht gespeichert!\nJetzt speichern?");
    QApplication::removeTranslator(&german);
}

}  // namespace
}  // namespace vizud
