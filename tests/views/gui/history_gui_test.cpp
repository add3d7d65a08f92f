// Undo and redo in the real main window: the menu names the step, the shortcuts work, an undo gives the
// image back byte for byte and selects the rows again, the modified mark follows the saved state, and
// opening a file forgets the history.
#include <gtest/gtest.h>

#include <QtGui/QUndoStack>
#include <QtPrintSupport/QPrinter>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSplitter>
#include <cstring>
#include <memory>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "database/image_access.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/database/editing_checks.h"
#include "views/find_bar.h"
#include "views/left_view.h"
#include "views/program_list_view.h"

namespace vizud {
namespace {

class History : public ::testing::Test, public test::GuiFixture {
protected:
    void SetUp() override {
        start();
        path = channelFile("history.si", 13);
        ASSERT_TRUE(doc.commands().openDocument(path));
        frame->show();
        QApplication::setActiveWindow(frame.get());
        list = frame->listView();
        list->setFocus();
        settle();
        opened = std::make_unique<all_tables_block>(fx.image());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(list, static_cast<Qt::Key>(key), modifiers);
        settle();
    }
    std::string undoText() const { return frame->action(kCmdEditUndo)->text().toStdString(); }
    std::string redoText() const { return frame->action(kCmdEditRedo)->text().toStdString(); }
    void select(int first, int count) {
        list->selectRows(first, count, true);
        settle();  // the commands are enabled by the idle update
    }

    std::string path;
    CViz_ud_app_17View* list = nullptr;
    std::unique_ptr<all_tables_block> opened;
};

TEST_F(History, UndoGivesTheImageBackAndRedoDoesItAgainByEveryShortcut) {
    select(5, 3);
    key(Qt::Key_Delete);
    const auto deleted = std::make_unique<all_tables_block>(fx.image());
    EXPECT_EQ(deleted->programCount, opened->programCount - 3);
    EXPECT_EQ(undoText(), "&Undo Delete 3 programs");
    EXPECT_TRUE(frame->isWindowModified());

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(test::firstDifference(*opened, fx.image()), -1) << "undone byte for byte";
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{5, 6, 7})) << "the rows are back and selected";
    EXPECT_EQ(redoText(), "&Redo Delete 3 programs");
    EXPECT_FALSE(doc.isModified()) << "back at the state of the file";
    EXPECT_FALSE(frame->isWindowModified());

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(test::firstDifference(*deleted, fx.image()), -1);
    EXPECT_TRUE(doc.isModified());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(test::firstDifference(*deleted, fx.image()), -1) << "Ctrl+Y redoes too";
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{5}));
}

TEST_F(History, TheModifiedMarkFollowsTheSavedStateAndOpeningForgetsTheSteps) {
    select(0, 1);
    key(Qt::Key_Delete);
    ASSERT_TRUE(doc.commands().fileSave());
    EXPECT_FALSE(frame->isWindowModified());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(doc.isModified()) << "the image differs from the file again";
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(doc.isModified());

    ASSERT_TRUE(doc.commands().openDocument(path));
    EXPECT_FALSE(doc.undoStack().canUndo());
    EXPECT_EQ(undoText(), "&Undo");
    EXPECT_FALSE(frame->action(kCmdEditUndo)->isEnabled());
}

TEST_F(History, MoveToANumberIsOneStep) {
    select(15, 1);
    const std::string name = nameText(fx.image().programs[15].name);
    EXPECT_TRUE(frame->action(kCmdEditMoveTo)->isEnabled());
    list->moveSelectedTo(3);
    settle();
    EXPECT_EQ(nameText(fx.image().programs[2].name), name);
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{2}));
    EXPECT_EQ(undoText(), "&Undo Move 1 program");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(test::firstDifference(*opened, fx.image()), -1);
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{15}));
}

TEST_F(History, FindMarksSelectsAndSelectsAllMatches) {
    std::vector<int> expected;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const std::string name = list->model()->index(row, kColumnName).data().toString().toLower().toStdString();
        if (name.find("tv 1") != std::string::npos)
            expected.push_back(row);
    }
    ASSERT_GT(expected.size(), 2u);
    frame->action(kCmdEditFind)->trigger();
    FindBar* bar = frame->findBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::keyClicks(bar->textField(), "tv 1");
    EXPECT_EQ(bar->matchCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{expected[0]})) << "the first match";
    EXPECT_EQ(bar->countText().toStdString(), "1 of " + std::to_string(expected.size()));
    QTest::keyClick(bar->textField(), Qt::Key_F3);
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{expected[1]}));
    QTest::keyClick(bar->textField(), Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(bar->textField(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(list->selectedRowsAscending(), (std::vector<int>{expected.back()})) << "wraps round";
    bar->selectAllMatches();
    EXPECT_EQ(list->selectedRowsAscending(), expected);
    QTest::keyClick(bar->textField(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(History, TheColumnWidthsAndTheSplitterAreRemembered) {
    list->setColumnWidth(kColumnName, 321);
    auto* splitter = frame->findChild<QSplitter*>("splitter");
    splitter->setSizes({400, 600});
    const QList<int> sizes = splitter->sizes();
    frame.reset();
    frame = std::make_unique<CMainFrame>(doc);
    frame->show();
    settle();
    EXPECT_EQ(frame->listView()->columnWidth(kColumnName), 321);
    EXPECT_EQ(frame->findChild<QSplitter*>("splitter")->sizes(), sizes);
}

// Pages in a PDF file: its page objects.
int pdfPages(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    return pages;
}

TEST_F(History, PrintingAFullListFillsAsManyPagesAsItSays) {
    const std::string full = channelFile("full.si", 3, kMaxPrograms, kMaxPrograms / 2);
    ASSERT_TRUE(doc.commands().openDocument(full));
    settle();
    ASSERT_EQ(list->model()->rowCount(), kMaxPrograms);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const std::string pdf = dir.file("list.pdf");
    printer.setOutputFileName(QString::fromStdString(pdf));
    const int pages = frame->printList(printer);
    EXPECT_EQ(pdfPages(test::readFile(pdf)), pages);
    EXPECT_GT(pages, kMaxPrograms / 120) << "an A4 page holds no more than about a hundred rows";
    EXPECT_LT(pages, kMaxPrograms / 40);

    ASSERT_TRUE(doc.commands().openDocument(path));
    settle();
    EXPECT_EQ(frame->printList(printer), 1) << "30 rows: one page";
}

TEST_F(History, ARenameInTheTreeIsUndoneThereToo) {
    CLeftView* tree = frame->leftView();
    QTreeWidgetItem* provider = tree->rootItem(kProvidersRoot)->child(1);
    const QString old = provider->text(0);
    tree->renameItem(provider, "Umbenannt");
    settle();
    EXPECT_EQ(undoText(), "&Undo Rename provider");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tree->rootItem(kProvidersRoot)->child(1)->text(0).toStdString(), old.toStdString());
    EXPECT_EQ(test::firstDifference(*opened, fx.image()), -1);
}

TEST_F(History, ToolsAndSatelliteDeletesAreStepsTheTreeFollows) {
    frame->action(kCmdToolsSortByName)->trigger();
    settle();
    EXPECT_EQ(undoText(), "&Undo Sort by name");
    const auto sorted = std::make_unique<all_tables_block>(fx.image());
    EXPECT_NE(test::firstDifference(*opened, *sorted), -1);

    CLeftView* tree = frame->leftView();
    const int satellites = tree->rootItem(kSatellitesRoot)->childCount();
    int full = 0;
    while (fx.db.satelliteContents(full).programs == 0)
        ++full;
    fx.messages.script(MessageAnswer::Yes);
    tree->deleteSatellite(tree->rootItem(kSatellitesRoot)->child(full));
    settle();
    EXPECT_EQ(undoText(), "&Undo Delete satellite");
    EXPECT_EQ(tree->rootItem(kSatellitesRoot)->childCount(), satellites - 1);
    EXPECT_LT(fx.image().programCount, opened->programCount);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(test::firstDifference(*sorted, fx.image()), -1);
    EXPECT_EQ(tree->rootItem(kSatellitesRoot)->childCount(), satellites) << "the tree shows it again";
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(test::firstDifference(*opened, fx.image()), -1);
}

}  // namespace
}  // namespace vizud
