// The program list model under Qt's model tester, and the tree and list in the real main window, driven by
// keys, mouse events and answered dialogs as a user would, one check per way a command comes in and what
// only the widgets do; the rules behind the commands are checked without Qt in tests/views/*_test.cpp.
#include <gtest/gtest.h>

#include <QtCore/QTimer>
#include <QtGui/QClipboard>
#include <QtPrintSupport/QPrinter>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSplitter>

#include "app/command_ids.h"
#include "app/duplicates_dialog.h"
#include "database/image_access.h"
#include "database/image_crc.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/transponder_fields.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/database/editing_checks.h"
#include "views/beside_pane.h"
#include "views/find_bar.h"
#include "views/left_view.h"
#include "views/program_list_view.h"
#include "views/program_locks.h"
#include "views/whole_table_selection.h"

namespace vizud {
namespace {

using Rows = std::vector<int>;

TEST(ProgramListModel, PassesTheModelTesterThroughFillsOfEveryKind) {
    test::DatabaseFixture fx;
    test::makeImage(fx.image(), 11, test::ImageShape{});
    ProgramListModel model(fx.db);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0) << "no database open: no rows, not even the placeholder";
    fx.db.setLoaded(1);
    model.refill();
    EXPECT_EQ(model.rowCount(), fx.image().programCount);
    model.setMarkedRows({0});
    EXPECT_TRUE(model.index(0, kColumnName).data(Qt::BackgroundRole).isValid()) << "the first row is marked too";
    fx.image().programCount = 0;
    fx.image().tvCount = 0;
    model.refill();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, kColumnName).data().toString(), "---NO CHANNELS---");
    EXPECT_EQ(model.index(0, kColumnIndex).data().toString(), "");
    EXPECT_EQ(model.programAt(0), -1);
}

// A file with 30 programs (20 TV) opened in a shown, active window whose list shows about eight rows; its
// list model stays under the model tester.
class Window : public ::testing::Test, public test::GuiFixture {
protected:
    void SetUp() override {
        start();
        path = channelFile("list.si", 7);
        ASSERT_TRUE(doc.commands().openDocument(path));
        frame->resize(900, 330);
        frame->show();
        QApplication::setActiveWindow(frame.get());
        tree = frame->leftView();
        list = frame->listView();
        list->setFocus();
        settle();
        opened = std::make_unique<all_tables_block>(fx.image());
        tester = std::make_unique<QAbstractItemModelTester>(&list->listModel(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    QTreeWidgetItem* root(const char* name) { return tree->rootItem(name); }
    int rows() { return list->model()->rowCount(); }
    QString cell(int row, int column) { return list->model()->index(row, column).data().toString(); }
    std::string name(int program) { return nameText(fx.image().programs[program].name); }
    Rows selected() const { return list->selectedRowsAscending(); }
    void select(QTreeWidgetItem* node) {
        tree->setCurrentItem(node);
        settle();
    }
    void select(int first, int count) {
        list->selectRows(first, count, true);
        settle();  // the commands are enabled by the idle update
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(list, static_cast<Qt::Key>(key), modifiers);
        settle();
    }
    void ctrl(int k) { key(k, Qt::ControlModifier); }
    // Ctrl+Z, then whether the image is as the file opened.
    bool undone() {
        ctrl(Qt::Key_Z);
        return unchanged();
    }
    void trigger(int command) {
        frame->action(command)->trigger();
        settle();
    }
    std::string undoText() const { return frame->action(kCmdEditUndo)->text().toStdString(); }
    bool unchanged() { return test::firstDifference(*opened, fx.image()) == -1; }
    // Answers the next modal dialog: `fill` types into it, then `button` is clicked.
    template <typename Fill>
    void answerDialog(Fill fill, const char* button = "okButton") {
        QTimer::singleShot(0, [fill, button] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
            dialog->findChild<QPushButton*>(button)->click();
        });
    }
    // Closes the popup menu the next event opens; `opened` says whether there was one.
    static void closeNextPopup(bool& opened) {
        QTimer::singleShot(0, [&opened] {
            QWidget* menu = QApplication::activePopupWidget();
            opened = menu != nullptr;
            if (menu != nullptr)
                menu->close();
        });
    }
    static void set(QWidget& dialog, const char* field, const QString& text) {
        dialog.findChild<QLineEdit*>(field)->setText(text);
    }
    // Mouse events on the list as a user makes them.
    QPoint rowPoint(int row) const { return list->visualRect(list->model()->index(row, 1)).center(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    void press(int row, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, rowPoint(row), button, button);
    }
    void moveTo(QPoint at, Qt::MouseButton held = Qt::LeftButton) { mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        settle();
    }
    // Selects `count` rows from `row` and starts dragging them (`starts`: whether the drag may start).
    void startDrag(int row, int count, bool starts = true) {
        select(row, count);
        press(row);
        moveTo(rowPoint(row) + QPoint(0, 12));
        EXPECT_EQ(list->dragHandler().dragging(), starts) << "from row " << row;
    }

    std::string path;
    CLeftView* tree = nullptr;
    CViz_ud_app_17View* list = nullptr;
    std::unique_ptr<all_tables_block> opened;
    std::unique_ptr<QAbstractItemModelTester> tester;  // the window's list model, through every test
};

// The tree's selection filters the list (its rules: tree_rules_test, list_rows_test); a name shows without its
// character-table byte, and one typed in the tree keeps it and is a step undone in the tree too; the category
// actions are exclusive, clicked or toggled.
TEST_F(Window, BrowsingAndRenamingInTheTree) {
    const all_tables_block& img = fx.image();
    const int provider = img.programs[4].providerIndex;
    const auto node = [this, provider] { return root(kProvidersRoot)->child(provider); };
    select(node());
    EXPECT_EQ(rows(), std::count_if(img.programs, img.programs + img.programCount,
                                    [&](const st_program& p) { return p.providerIndex == provider; }));
    const QString old = node()->text(0);
    EXPECT_EQ(cell(0, kColumnProvider), old);
    fx.image().providers[provider].name[0] = '\x05';
    fx.state->treeRebuildRequest = true;
    doc.updateAllViews();
    settle();
    EXPECT_EQ(node()->text(0), old.mid(1)) << "shown without its table byte";
    tree->editItem(node());
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, "Renamed provider!");
    EXPECT_EQ(editor->text(), "Renamed provid") << "the editor takes what the name keeps beside its table byte";
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(nameText(img.providers[provider].name), "\x05Renamed provid");
    EXPECT_EQ(node()->text(0), "Renamed provid");
    EXPECT_EQ(undoText(), "&Undo Rename provider");
    trigger(kCmdEditUndo);
    EXPECT_EQ(node()->text(0), old) << "as the last step left it";

    // A transponder node passes its satellite on: the list shows that transponder's programs.
    const st_ts& tp = img.transponders[img.programs[0].tpIndex];
    QTreeWidgetItem* satellite = root(kSatellitesRoot)->child(fx.db.findSatIndexById(tp.satId));
    for (int t = 0; t < satellite->childCount(); ++t) {
        if (satellite->child(t)->text(0).toStdString() == transponderNodeText(tp.frequency, tp.polarization))
            select(satellite->child(t));
    }
    EXPECT_EQ(cell(0, kColumnIndex), "0001");
    for (int r = 0; r < rows(); ++r)
        EXPECT_EQ(cell(r, kColumnFrequency), QString::number(tp.frequency));

    // A toggle without a click, as a screen reader gives it, runs the command too (a click: main_frame_test).
    select(root(kSatellitesRoot));
    frame->action(kCmdShowRadio)->toggle();
    settle();
    EXPECT_EQ(rows(), 10);
    EXPECT_FALSE(frame->action(kCmdShowTvAndRadio)->isChecked());
}

// The transponder dialogs answered: an edited node names its transponder by its new text (the next
// delete finds it), the last transponder deleted leaves "Empty", and one added there replaces it (where
// a node goes among others: tree_rules_test).
TEST_F(Window, TransponderNodesFollowTheirDialogs) {
    QTreeWidgetItem* satellite = root(kSatellitesRoot)->child(0);
    answerDialog([](QWidget& dialog) {
        set(dialog, "frequencyEdit", "10002");
        dialog.findChild<QRadioButton*>("polarisation3")->setChecked(true);
    });
    tree->editTransponder(satellite->child(0));
    EXPECT_EQ(satellite->child(0)->text(0), "10002(R)");
    for (int guard = 0; satellite->child(0)->text(0) != kPlaceholderNode && guard < 50; ++guard) {
        fx.messages.script(MessageAnswer::Yes);
        answerDialog([](QWidget&) {});
        tree->deleteTransponder(satellite->child(0));
    }
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{}) << "every delete found its transponder";
    ASSERT_EQ(satellite->childCount(), 1);
    EXPECT_EQ(satellite->child(0)->text(0), kPlaceholderNode);
    answerDialog([](QWidget& dialog) {
        for (const char* field :
             {"frequencyEdit", "symbolRateEdit", "tsIdEdit", "networkIdEdit", "originalNetworkIdEdit"})
            set(dialog, field, "12000");
    });
    tree->addTransponder(satellite->child(0));
    ASSERT_EQ(satellite->childCount(), 1);
    EXPECT_EQ(satellite->child(0)->text(0), "12000(H)");
    EXPECT_EQ(test::brokenRule(fx.image(), false), "");

    // A double click on a satellite opens its dialog; the list's transponder command opens on the first row too.
    int shown = 0;
    answerDialog([&shown](QWidget&) { ++shown; }, "cancelButton");
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(satellite).center());
    EXPECT_EQ(shown, 1);
    select(root(kSatellitesRoot));
    answerDialog([&shown](QWidget&) { ++shown; }, "cancelButton");
    list->openTransponderEditor(0, kTransponderEdit);
    EXPECT_EQ(shown, 2);
}

// The keys reach the commands, not the table's cursor, and each edit is a step: Delete, undo and redo, copy
// and paste; the modified mark follows the saved file across undo and redo; opening a file forgets the steps.
// Ctrl+L locks the selection, one step undone byte for byte; two Ctrl+Down moves of the same rows are one step
// that undo takes back whole, a move after an undo and redo or of other rows is a step of its own.
TEST_F(Window, KeyboardEditsAreStepsAndTheModifiedMarkFollowsTheSavedFile) {
    select(5, 3);
    key(Qt::Key_Delete);
    const auto deleted = std::make_unique<all_tables_block>(fx.image());
    EXPECT_EQ(list->currentIndex().row(), 5) << "the row after the deleted block";
    EXPECT_EQ(undoText(), "&Undo Delete 3 programs");
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_TRUE(undone()) << "undone byte for byte";
    EXPECT_EQ(selected(), (Rows{5, 6, 7})) << "the rows are back and selected";
    EXPECT_FALSE(frame->isWindowModified()) << "back at the state of the file";
    ctrl(Qt::Key_Y);
    EXPECT_EQ(test::firstDifference(*deleted, fx.image()), -1);

    select(0, 1);
    ctrl(Qt::Key_C);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Ch Index\tChannel Name"));
    select(9, 1);
    ctrl(Qt::Key_V);
    EXPECT_EQ(fx.image().programCount, 28);
    EXPECT_EQ(list->currentIndex().row(), 10);
    ASSERT_TRUE(doc.commands().fileSave());
    EXPECT_EQ(test::firstDifference(*savedImage(path), fx.image()), -1) << "the file holds what the list shows";
    EXPECT_FALSE(frame->isWindowModified());
    ctrl(Qt::Key_Z);
    EXPECT_TRUE(doc.isModified()) << "the image differs from the file again";
    ctrl(Qt::Key_Y);
    EXPECT_FALSE(doc.isModified());

    ASSERT_TRUE(doc.commands().openDocument(path));
    EXPECT_EQ(undoText(), "&Undo");
    EXPECT_FALSE(frame->action(kCmdEditUndo)->isEnabled());
    *opened = fx.image();

    select(3, 2);
    ctrl(Qt::Key_L);
    EXPECT_NE(fx.image().programs[4].programFlags & kProgramLockedFlag, 0);
    EXPECT_EQ(undoText(), "&Undo Lock 2 programs");
    EXPECT_FALSE(frame->action(kCmdEditLock)->isEnabled()) << "nothing left to lock";
    EXPECT_TRUE(undone());
    const std::string third = name(3);
    select(3, 2);
    ctrl(Qt::Key_Down);
    ctrl(Qt::Key_Down);
    EXPECT_EQ(selected(), (Rows{5, 6}));
    EXPECT_EQ(name(5), third);
    EXPECT_EQ(undoText(), "&Undo Move 2 programs");
    EXPECT_EQ(doc.undoStack().count(), 1) << "the moves joined";
    for (const int k : {Qt::Key_Z, Qt::Key_Y, Qt::Key_Down})
        ctrl(k);
    EXPECT_FALSE(undone()) << "after an undo and redo the next move is a step of its own";
    EXPECT_TRUE(undone()) << "both moves undone in one step";
    select(10, 1);
    ctrl(Qt::Key_Down);
    select(12, 1);
    ctrl(Qt::Key_Up);
    EXPECT_EQ(doc.undoStack().index(), 2) << "other rows: a step of their own";
}

// A tool from the menu and a satellite deleted in the tree are steps; the tree shows the satellite again
// when it is undone. A program added from the list is selected and its new provider shows in the tree.
TEST_F(Window, ToolsAndSatelliteDeletesAreStepsTheTreeFollows) {
    trigger(kCmdToolsSortByName);
    EXPECT_EQ(undoText(), "&Undo Sort by name");
    const int satellites = root(kSatellitesRoot)->childCount();
    int full = 0;
    while (fx.db.satelliteContents(full).programs == 0)
        ++full;
    // The tree keeps its look: the nodes expanded and the node at the top of the pane.
    const int other = full == satellites - 1 ? 0 : satellites - 1;
    root(kFavsRoot)->setExpanded(true);
    root(kSatellitesRoot)->child(other)->setExpanded(true);
    tree->scrollToItem(root(kFavsRoot)->child(1), QAbstractItemView::PositionAtTop);
    settle();
    const auto look = [&] {
        const QTreeWidgetItem* sat =
            root(kSatellitesRoot)->child(other == 0 ? 0 : root(kSatellitesRoot)->childCount() - 1);
        return std::tuple(root(kFavsRoot)->isExpanded(), sat->isExpanded(), tree->itemAt(1, 1)->text(0));
    };
    const auto looked = look();
    fx.messages.script(MessageAnswer::Yes);
    tree->deleteSatellite(root(kSatellitesRoot)->child(full));
    settle();
    EXPECT_EQ(undoText(), "&Undo Delete satellite");
    EXPECT_EQ(root(kSatellitesRoot)->childCount(), satellites - 1);
    EXPECT_EQ(look(), looked);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(root(kSatellitesRoot)->childCount(), satellites);
    EXPECT_EQ(look(), looked);

    const int providers = root(kProvidersRoot)->childCount();
    answerDialog([](QWidget& dialog) {
        set(dialog, "nameEdit", "Neues Programm");
        dialog.findChild<QComboBox*>("providerCombo")->setEditText("Neuer Anbieter");
    });
    list->openProgramEditor(3, kProgramDialogAdd);
    EXPECT_EQ(cell(list->currentIndex().row(), kColumnName), "Neues Programm");
    EXPECT_EQ(root(kProvidersRoot)->childCount(), providers + 1);
}

// The tools select in the whole table, the tree leaving the node it was on. Compare with an older copy that
// lacks a TV and a radio program: Select added shows them, the category widened from TV only. Duplicates:
// Select duplicates shows them; Remove duplicates is one step, and its undo gives the image back byte for
// byte (which programs group and what the lists keep: duplicates_test).
TEST_F(Window, CompareAndDuplicatesSelectInTheWholeTableOrRemoveInOneStep) {
    auto older = std::make_unique<all_tables_block>(fx.image());
    for (const int p : {3, 25}) {
        older->programs[p].serviceId ^= 0x5555;
        older->programs[p].name[0] = '~';
    }
    refreshCrc(*older);
    test::writeFile(dir.file("older.si"), older.get(), kImageSize);
    select(root(kFavsRoot)->child(0));
    trigger(kCmdShowTv);
    QString summary;
    answerDialog([&summary](QWidget& dialog) { summary = dialog.findChild<QLabel*>("compareSummary")->text(); },
                 "selectAddedButton");
    files.answers.push_back(dir.file("older.si"));
    trigger(kCmdToolsCompare);
    EXPECT_EQ(summary, "2 added, 2 removed, 0 renamed, 0 changed");
    EXPECT_EQ(tree->currentItem(), root(kSatellitesRoot));
    EXPECT_TRUE(frame->action(kCmdShowTvAndRadio)->isChecked());
    EXPECT_EQ(rows(), fx.image().programCount);
    EXPECT_EQ(selected(), (Rows{3, 25}));
    EXPECT_TRUE(unchanged());
    // The category changes only when it hides a program selected (20: the first radio one), to what they need.
    const std::uint32_t categories = kViewTvAndRadio | kViewTvOnly | kViewRadioOnly;
    const struct {
        std::uint32_t from;
        Rows programs;
        std::uint32_t to;
    } selects[] = {{kViewRadioOnly, {20}, kViewRadioOnly},
                   {kViewTvAndRadio, {25}, kViewTvAndRadio},
                   {kViewTvAndRadio, {0}, kViewTvAndRadio},
                   {kViewTvOnly, {25}, kViewRadioOnly}};
    QApplication::setActiveWindow(frame.get());  // after the dialog, as the window manager would
    for (const auto& pick : selects) {
        std::uint32_t& mode = fx.db.state().browse.viewMode;
        mode = (mode & ~categories) | pick.from;
        tree->setFocus();
        selectProgramsInWholeTable(fx.db, *tree, *list, pick.programs);
        EXPECT_EQ(mode & categories, pick.to) << pick.programs[0];
        EXPECT_EQ(list->listModel().fill().rows[static_cast<std::size_t>(selected().at(0))].program, pick.programs[0]);
        EXPECT_TRUE(list->hasFocus()) << "the keys go to the rows selected";
    }

    auto twice = savedImage(path);
    twice->programs[12] = twice->programs[3];
    twice->programs[28] = twice->programs[25];
    test::writeFile(path, twice.get(), kImageSize);
    ASSERT_TRUE(doc.commands().openDocument(path));
    select(root(kFavsRoot));
    answerDialog([](QWidget&) {}, "selectDuplicates");
    trigger(kCmdToolsDuplicates);
    EXPECT_EQ(tree->currentItem(), root(kSatellitesRoot));
    EXPECT_EQ(selected(), (Rows{12, 28}));
    DuplicateRowsModel model(fx.image(), findDuplicates(fx.image()));
    QAbstractItemModelTester modelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 4) << "two kept programs, two duplicates";
    const auto before = std::make_unique<all_tables_block>(fx.image());
    answerDialog([](QWidget&) {}, "removeDuplicates");
    trigger(kCmdToolsDuplicates);
    EXPECT_EQ(fx.image().programCount, 28);
    EXPECT_EQ(undoText(), "&Undo Remove 2 duplicates");
    frame->action(kCmdEditUndo)->trigger();
    EXPECT_EQ(test::firstDifference(*before, fx.image()), -1);
}

TEST_F(Window, PrintingAFullListFillsAsManyPagesAsItSays) {
    ASSERT_TRUE(doc.commands().openDocument(channelFile("full.si", 3, kMaxPrograms, kMaxPrograms / 2)));
    settle();
    ASSERT_EQ(rows(), kMaxPrograms);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(dir.file("list.pdf")));
    const int pages = frame->printList(printer);
    const std::string pdf = test::readFile(dir.file("list.pdf"));
    int pageObjects = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pageObjects += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    EXPECT_EQ(pageObjects, pages);
    EXPECT_GT(pages, kMaxPrograms / 120) << "an A4 page holds no more than about a hundred rows";
    EXPECT_LT(pages, kMaxPrograms / 40);
}

// A mouse drag shows where it drops and, as Move To, keeps the moved rows selected (where they land:
// list_drag_test); held below the list it scrolls to the end of the TV rows and drops there; mixed or
// abandoned drags and right drags change nothing.
TEST_F(Window, MouseDragsMoveTheRowsWhereTheyShowOrChangeNothing) {
    startDrag(19, 2, false);  // TV and radio rows do not drag together
    moveTo(rowPoint(5));
    release(rowPoint(5));
    ASSERT_FALSE(fx.messages.texts().empty());
    EXPECT_EQ(fx.messages.texts().back(), kMixedDragText);
    startDrag(3, 1);  // Esc during a drag gives up
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->dragHandler().dragging());
    release(rowPoint(7));
    // Released over the tree or below the window: given up too.
    for (const QPoint at : {list->viewport()->mapFrom(frame.get(), tree->geometry().center()),
                            QPoint(40, list->viewport()->mapFrom(frame.get(), QPoint(0, frame->height() + 20)).y())}) {
        startDrag(3, 2);
        moveTo(at);
        EXPECT_EQ(list->dragHandler().dropMarkRow(), -1) << "no drop place shown";
        release(at);
        EXPECT_FALSE(list->dragHandler().dragging());
        EXPECT_TRUE(unchanged());
    }

    // A right drag selects from where it started; no menu follows it.
    press(4, Qt::RightButton);
    moveTo(rowPoint(7), Qt::RightButton);
    EXPECT_EQ(selected(), (Rows{4, 5, 6, 7}));
    moveTo(rowPoint(2), Qt::RightButton);
    release(rowPoint(2), Qt::RightButton);
    EXPECT_EQ(selected(), (Rows{2, 3, 4}));
    press(0, Qt::RightButton);
    moveTo(rowPoint(1), Qt::RightButton);
    release(rowPoint(1), Qt::RightButton);
    EXPECT_EQ(selected(), (Rows{0, 1})) << "from the first row too";
    // A right click then opens the menu, on the rows selected.
    bool menuOpened = false;
    closeNextPopup(menuOpened);
    press(1, Qt::RightButton);
    release(rowPoint(1), Qt::RightButton);
    EXPECT_TRUE(menuOpened);
    EXPECT_EQ(selected(), (Rows{0, 1}));
    EXPECT_TRUE(unchanged());

    const std::string second = name(2);
    startDrag(2, 2);
    EXPECT_EQ(list->dragHandler().dropMarkRow(), 3) << "shown from the move that starts the drag";
    moveTo(rowPoint(8));
    EXPECT_EQ(list->dragHandler().dropMarkRow(), 8) << "the drop position is shown";
    const QImage shown = list->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, list->visualRect(list->model()->index(8, 0)).top()),
              list->palette().color(QPalette::Highlight))
        << "a line marks it";
    release(rowPoint(8));
    EXPECT_FALSE(list->dragHandler().dragging());
    EXPECT_EQ(name(6), second);
    EXPECT_EQ(selected(), (Rows{6, 7})) << "the moved rows stay selected";
    EXPECT_EQ(undoText(), "&Undo Move 2 programs");
    select(15, 1);
    list->moveSelectedTo(3);
    settle();
    EXPECT_EQ(selected(), (Rows{2}));
    EXPECT_EQ(undoText(), "&Undo Move 1 program");

    const std::string first = name(0);
    startDrag(0, 1);
    const QPoint below(40, list->viewport()->height() + 30);
    moveTo(below);
    const int topBefore = list->rowAt(0);
    QTest::qWait(ListDragHandler::kScrollInterval * 40);
    const int top = list->rowAt(0);
    EXPECT_GT(top, topBefore) << "the list scrolled by itself";
    QTest::qWait(ListDragHandler::kScrollInterval * 4);
    EXPECT_EQ(list->rowAt(0), top) << "and stopped";
    // It stops once the first radio row (20) is shown, so that the end of the TV rows can be reached.
    EXPECT_EQ(list->dragHandler().dropMarkRow(), 20) << "below the list: the last row shown, kept in the TV rows";
    const int scrolled = list->verticalScrollBar()->value();
    release(below);
    EXPECT_EQ(name(19), first) << "at the end of the TV rows";
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled) << "the list stays where it was";
}

// One click selects a row at once after a list is chosen in the tree; the first and last row (Ctrl+End with
// nothing selected, Home and End) and a page select the row they reach; Shift+F10 opens the context menu.
// The find bar: F3 and Shift+F3 step through the matches (which rows match: list_find_test), select all,
// Esc closes it.
TEST_F(Window, AClickTheJumpKeysAndFindSelectTheRowsTheyReach) {
    select(root(kFavsRoot)->child(0));
    ASSERT_GT(rows(), 3);
    press(2);
    release(rowPoint(2));
    EXPECT_EQ(selected(), (Rows{2}));
    key(Qt::Key_F6);
    EXPECT_TRUE(tree->hasFocus()) << "F6 goes to the other pane";
    key(Qt::Key_F6);
    EXPECT_TRUE(list->hasFocus()) << "and back";

    select(root(kSatellitesRoot));
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int row;  // -1: a page down
    } jumps[] = {{Qt::Key_End, Qt::ControlModifier, 29}, {Qt::Key_Home, Qt::NoModifier, 0},
                 {Qt::Key_End, Qt::NoModifier, 29},      {Qt::Key_Home, Qt::NoModifier, 0},
                 {Qt::Key_PageDown, Qt::NoModifier, -1}, {Qt::Key_PageUp, Qt::NoModifier, 0}};
    for (const auto& jump : jumps) {
        key(jump.key, jump.modifiers);
        const int now = list->currentIndex().row();
        EXPECT_EQ(selected(), (Rows{now})) << jump.key;
        EXPECT_TRUE(jump.row >= 0 ? now == jump.row : now > 0) << jump.key << " reached " << now;
    }
    QString edited;
    answerDialog([&edited](QWidget& dialog) { edited = dialog.findChild<QLineEdit*>("nameEdit")->text(); },
                 "cancelButton");
    key(Qt::Key_Return);
    EXPECT_EQ(edited, cell(0, kColumnName)) << "Enter edits the selected row, the top one shown";
    QApplication::setActiveWindow(frame.get());

    Rows expected;
    for (int row = 0; row < rows(); ++row) {
        if (cell(row, kColumnName).toLower().contains("tv 1"))
            expected.push_back(row);
    }
    ASSERT_GT(expected.size(), 2u);
    frame->action(kCmdEditFind)->trigger();
    FindBar* bar = frame->findBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::keyClicks(bar->textField(), "tv 1");
    EXPECT_EQ(selected(), (Rows{expected[0]})) << "the first match";
    EXPECT_EQ(bar->countText().toStdString(), "1 of " + std::to_string(expected.size()));
    Rows marked;
    for (int row = 0; row < rows(); ++row) {
        if (list->model()->index(row, kColumnName).data(Qt::BackgroundRole).isValid())
            marked.push_back(row);
    }
    EXPECT_EQ(marked, expected) << "the matches, and only they, are marked";
    QTest::keyClick(bar->textField(), Qt::Key_F3);
    EXPECT_EQ(selected(), (Rows{expected[1]}));
    QTest::keyClick(bar->textField(), Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(bar->textField(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (Rows{expected.back()})) << "wraps round";
    bar->selectAllMatches();
    EXPECT_EQ(selected(), expected);
    QTest::keyClick(bar->textField(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());

    // With nothing selected the menu is the first row's, opened under it.
    key(Qt::Key_Home);
    list->clearSelection();
    bool menuOpened = false;
    QTimer::singleShot(0, [this, &menuOpened] {
        QWidget* menu = QApplication::activePopupWidget();
        menuOpened = menu != nullptr;
        if (menu == nullptr)
            return;
        EXPECT_TRUE(menu->actions().at(0)->isEnabled()) << "Edit";
        EXPECT_EQ(menu->pos().y(),
                  list->viewport()->mapToGlobal(list->visualRect(list->model()->index(0, 0)).bottomLeft()).y());
        menu->close();
    });
    key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menuOpened);
}

// Favourite lists filled from the whole table: a paste after a copy elsewhere, Ctrl+3, and a drag released
// on a list's node (the rules: list_editing_test). The list beside the whole table: opened on the list chosen,
// rows dragged from the main list land at the line they are released on, Delete there takes out the entry
// only, each an undo step.
TEST_F(Window, ListsTakeAPasteCtrlNumberAndDropsOnTheirNodeOrBesideTheTable) {
    auto holds = [this](int l, int program) {
        const std::vector<int> entries = test::entries(fx.image().favourites[l]);
        return std::count(entries.begin(), entries.end(), program) > 0;
    };
    select(0, 2);
    ctrl(Qt::Key_C);
    select(root(kFavsRoot)->child(2));
    list->setFocus();
    select(0, 1);
    EXPECT_TRUE(frame->action(kCmdEditPaste)->isEnabled()) << "a list takes what was copied in the table";
    const int count = fx.image().favourites[2].favCount;
    ctrl(Qt::Key_V);
    EXPECT_EQ(fx.image().favourites[2].favCount, count + 2);
    EXPECT_EQ(undoText(), "&Undo Paste 2 programs");
    ASSERT_TRUE(undone());

    select(root(kSatellitesRoot));
    list->setFocus();
    select(3, 3);
    ctrl(Qt::Key_3);
    EXPECT_TRUE(holds(2, 3) && holds(2, 4) && holds(2, 5));
    EXPECT_TRUE(undoText().starts_with("&Undo Add ")) << undoText();
    EXPECT_EQ(selected(), (Rows{3, 4, 5})) << "the table's rows stay selected";
    EXPECT_TRUE(undone()) << "undone byte for byte";

    tree->expandAll();
    settle();
    QTreeWidgetItem* node = root(kFavsRoot)->child(4);
    const QPoint onNode =
        list->viewport()->mapFromGlobal(tree->viewport()->mapToGlobal(tree->visualItemRect(node).center()));
    const std::string third = name(3);
    startDrag(3, 2);
    moveTo(onNode);
    EXPECT_EQ(node->background(0).color(), tree->palette().color(QPalette::Highlight)) << "the node is marked";
    EXPECT_EQ(list->viewport()->cursor().shape(), Qt::DragCopyCursor);
    release(onNode);
    EXPECT_TRUE(holds(4, 3) && holds(4, 4));
    EXPECT_EQ(name(3), third) << "the rows stay where they were";
    EXPECT_EQ(node->background(0).style(), Qt::NoBrush) << "the mark is gone";
    *opened = fx.image();

    frame->resize(1400, 330);
    trigger(kCmdViewBesideList);
    BesidePane& pane = *frame->besidePane();
    ASSERT_TRUE(pane.isVisible());
    pane.chooser().setCurrentIndex(1);
    settle();
    CViz_ud_app_17View& beside = pane.view();
    const st_fav& fav = fx.image().favourites[1];
    auto entries = [&fav] { return std::vector<int>(fav.favEntries, fav.favEntries + favouriteCount(fav)); };
    const std::vector<int> before = entries();
    // Two TV programs the list does not hold yet, next to each other in the whole table.
    int first = 0;
    while (std::count(before.begin(), before.end(), first) + std::count(before.begin(), before.end(), first + 1) > 0)
        ++first;
    ASSERT_LT(first + 1, 20);
    const QPoint over = beside.visualRect(beside.model()->index(0, 1)).center();
    const QPoint onBeside = list->viewport()->mapFromGlobal(beside.viewport()->mapToGlobal(over));
    const QPoint outside(40, list->viewport()->mapFrom(frame.get(), QPoint(0, frame->height() + 20)).y());
    startDrag(first, 2);
    moveTo(outside);
    release(outside);
    EXPECT_EQ(entries(), before) << "released outside both lists: given up";
    startDrag(first, 2);
    moveTo(onBeside);
    EXPECT_EQ(list->dragHandler().dropMarkRow(), -1) << "no line in the main list";
    release(onBeside);
    std::vector<int> added = before;
    added.insert(added.begin(), {first, first + 1});
    EXPECT_EQ(entries(), added) << "at the first row, where they were released";
    EXPECT_EQ(beside.selectedRowsAscending(), (Rows{0, 1}));
    EXPECT_EQ(beside.model()->rowCount(), static_cast<int>(added.size())) << "the list beside shows it at once";
    EXPECT_EQ(undoText().rfind("&Undo Add 2 programs to ", 0), 0u) << undoText();

    beside.setFocus();
    beside.selectRows(1, 1, false);
    settle();
    QTest::keyClick(&beside, Qt::Key_Delete);
    settle();
    added.erase(added.begin() + 1);
    EXPECT_EQ(entries(), added) << "only the entry went";
    EXPECT_EQ(fx.image().programCount, opened->programCount) << "the table keeps its programs";
    bool menuOpened = false;
    closeNextPopup(menuOpened);
    QTest::mouseClick(beside.viewport(), Qt::RightButton, {}, over);
    settle();
    EXPECT_TRUE(menuOpened) << "a right click there opens its menu";
    frame->action(kCmdEditUndo)->trigger();
    trigger(kCmdEditUndo);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(beside.model()->rowCount(), std::max<int>(1, static_cast<int>(before.size())));

    // A new window opens as this one was left: the list beside, the column widths and the splitter.
    list->setColumnWidth(kColumnName, 321);
    auto* splitter = frame->findChild<QSplitter*>("splitter");
    splitter->setSizes({400, 1000});
    const QList<int> sizes = splitter->sizes();
    frame.reset();
    frame = std::make_unique<CMainFrame>(doc);
    frame->resize(1400, 330);
    frame->show();
    settle();
    EXPECT_EQ(frame->listView()->columnWidth(kColumnName), 321);
    EXPECT_EQ(frame->findChild<QSplitter*>("splitter")->sizes(), sizes);
    ASSERT_NE(frame->besidePane(), nullptr);
    EXPECT_TRUE(frame->besidePane()->isVisible());
    EXPECT_EQ(frame->besidePane()->chooser().currentIndex(), 1);
}

}  // namespace
}  // namespace vizud
