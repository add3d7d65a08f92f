// The program list model under Qt's model tester, and the tree and list in the real main window: open a
// file, browse, switch categories, rename and save, add and delete transponders and edit a satellite
// through their dialogs, answered as a user would.
#include <gtest/gtest.h>

#include <QtCore/QTimer>
#include <QtGui/QClipboard>

#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <cstring>
#include <memory>

#include "app/command_ids.h"
#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/transponder_fields.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/database/editing_checks.h"
#include "views/left_view.h"
#include "views/program_list_view.h"

namespace vizud {
namespace {

class TreeAndList : public ::testing::Test, public test::GuiFixture {
protected:
    // A file with 30 programs (20 TV) on generated satellites, opened in the window.
    void open() {
        start();
        path = channelFile("list.si", 7);
        ASSERT_TRUE(doc.commands().openDocument(path));
        settle();
        tree = frame->leftView();
        list = frame->listView();
    }
    QTreeWidgetItem* root(const char* name) { return tree->rootItem(name); }
    int rows() { return list->model()->rowCount(); }
    QString cell(int row, int column) { return list->model()->index(row, column).data().toString(); }
    void select(QTreeWidgetItem* node) {
        tree->setCurrentItem(node);
        settle();
    }
    // Answers the next modal dialog: `fill` types into it, then OK is clicked.
    template <typename Fill>
    void answerDialog(Fill fill) {
        QTimer::singleShot(0, [fill] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
            dialog->findChild<QPushButton*>("okButton")->click();
        });
    }
    static void set(QWidget& dialog, const char* field, const QString& text) {
        dialog.findChild<QLineEdit*>(field)->setText(text);
    }

    std::string path;
    CLeftView* tree = nullptr;
    CViz_ud_app_17View* list = nullptr;
};

TEST(ProgramListModel, PassesTheModelTesterThroughFillsOfEveryKind) {
    test::DatabaseFixture fx;
    test::makeImage(fx.image(), 11, test::ImageShape{});
    ProgramListModel model(fx.db);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0) << "no database open: no rows, not even the placeholder";
    fx.db.setLoaded(1);
    model.refill();
    EXPECT_EQ(model.rowCount(), fx.image().programCount);
    fx.state->browse.viewMode = kViewRadioOnly | (1u << (kViewFirstFavouriteBit + 2));
    model.refill();
    fx.image().programCount = 0;
    fx.image().tvCount = 0;
    fx.state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
    model.refill();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, kColumnName).data().toString(), "---NO CHANNELS---");
    EXPECT_EQ(model.index(0, kColumnIndex).data().toString(), "");
    EXPECT_EQ(model.programAt(0), -1);
}

TEST_F(TreeAndList, BrowsingTheTreeFiltersTheList) {
    open();
    const all_tables_block& img = fx.image();
    EXPECT_EQ(root(kProvidersRoot)->childCount(), img.providerCount);
    EXPECT_EQ(root(kSatellitesRoot)->childCount(), img.satCount);
    EXPECT_EQ(root(kFavsRoot)->childCount(), 9);
    EXPECT_EQ(tree->currentItem(), root(kSatellitesRoot));
    EXPECT_EQ(rows(), 30);
    EXPECT_EQ(cell(0, kColumnIndex), "0001");
    EXPECT_FALSE(list->selectionModel()->hasSelection());

    const int provider = img.programs[4].providerIndex;
    select(root(kProvidersRoot)->child(provider));
    int expected = 0;
    for (int p = 0; p < img.programCount; ++p)
        expected += img.programs[p].providerIndex == provider ? 1 : 0;
    EXPECT_EQ(rows(), expected);
    for (int r = 0; r < rows(); ++r)
        EXPECT_EQ(cell(r, kColumnProvider), root(kProvidersRoot)->child(provider)->text(0));
    // Names show without a character-table byte, in the tree and in the list, and keep it when renamed.
    fx.image().providers[provider].name[0] = '\x05';
    fx.state->treeRebuildRequest = true;
    doc.updateAllViews();
    settle();
    EXPECT_EQ(root(kProvidersRoot)->child(provider)->text(0).front(), QChar(img.providers[provider].name[1]));
    tree->renameItem(root(kProvidersRoot)->child(provider), "Sky");
    EXPECT_EQ(nameText(img.providers[provider].name), "\x05Sky");
    EXPECT_EQ(root(kProvidersRoot)->child(provider)->text(0), "Sky");

    QTreeWidgetItem* satellite = root(kSatellitesRoot)->child(0);
    for (int s = 0; s < root(kSatellitesRoot)->childCount(); ++s) {
        if (root(kSatellitesRoot)->child(s)->child(0)->text(0) != kPlaceholderNode)
            satellite = root(kSatellitesRoot)->child(s);
    }
    select(satellite);
    for (int r = 0; r < rows() && !cell(r, kColumnIndex).isEmpty(); ++r)
        EXPECT_EQ(cell(r, kColumnSatellite), satellite->text(0));
    select(satellite->child(0));
    const QString frequency = satellite->child(0)->text(0).section('(', 0, 0);
    for (int r = 0; r < rows() && !cell(r, kColumnIndex).isEmpty(); ++r)
        EXPECT_EQ(cell(r, kColumnFrequency), frequency);

    select(root(kFavsRoot)->child(1));
    EXPECT_EQ(rows(), std::max(1, static_cast<int>(img.favourites[1].favCount)));
    select(root(kProvidersRoot));
    select(root(kFavsRoot));
    EXPECT_EQ(fx.state->browse.filterKind, kFilterFavs) << "a root after a root shows its own programs";

    select(root(kSatellitesRoot));
    frame->action(kCmdShowRadio)->trigger();
    settle();
    EXPECT_EQ(rows(), 10);
    EXPECT_EQ(cell(0, kColumnIndex), "0021");
    // A toggle without a click, as a screen reader gives it, runs the command too.
    frame->action(kCmdShowTv)->toggle();
    settle();
    EXPECT_EQ(rows(), 20);
    EXPECT_FALSE(frame->action(kCmdShowRadio)->isChecked());
    EXPECT_FALSE(frame->action(kCmdShowTvAndRadio)->isChecked());
}

TEST_F(TreeAndList, RenamedProviderAndListReachTheSavedFile) {
    open();
    // Typed in place, as with F2: the typed label goes through the rename rule.
    tree->editItem(root(kProvidersRoot)->child(0));
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("Renamed provider!");
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    tree->renameItem(root(kFavsRoot)->child(2), "Kinder");
    tree->renameItem(root(kFavsRoot)->child(3), "");
    EXPECT_EQ(root(kProvidersRoot)->child(0)->text(0), "Renamed provide");
    EXPECT_EQ(root(kFavsRoot)->child(3)->text(0), "Fav_4") << "an empty name is refused";
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.commands().fileSave());
    const auto saved = savedImage(path);
    EXPECT_EQ(nameText(saved->providers[0].name), "Renamed provide");
    EXPECT_EQ(nameText(saved->favourites[2].favName), "Kinder");
}

TEST_F(TreeAndList, TranspondersComeAndGoThroughTheirDialogs) {
    open();
    QTreeWidgetItem* satellite = root(kSatellitesRoot)->child(0);
    const int before = satellite->childCount();
    answerDialog([](QWidget& dialog) {
        set(dialog, "frequencyEdit", "10001");
        set(dialog, "symbolRateEdit", "27500");
        set(dialog, "tsIdEdit", "1");
        set(dialog, "networkIdEdit", "1");
        set(dialog, "originalNetworkIdEdit", "1");
    });
    tree->addTransponder(satellite->child(0));
    ASSERT_EQ(satellite->childCount(), before + 1);
    EXPECT_EQ(satellite->child(0)->text(0), "10001(H)") << "before every higher frequency";

    answerDialog([](QWidget& dialog) {
        set(dialog, "frequencyEdit", "10002");
        dialog.findChild<QRadioButton*>("polarisation3")->setChecked(true);
    });
    tree->editTransponder(satellite->child(0));
    EXPECT_EQ(satellite->child(0)->text(0), "10002(R)");
    EXPECT_GE(findNodeTransponder(fx.db, 0, "10002(R)"), 0);

    // Deleting it, then every other transponder of the satellite, leaves "Empty"; adding brings one back.
    for (int guard = 0; satellite->child(0)->text(0) != kPlaceholderNode && guard < 50; ++guard) {
        fx.messages.script(MessageAnswer::Yes);
        answerDialog([](QWidget&) {});
        tree->deleteTransponder(satellite->child(0));
    }
    ASSERT_EQ(satellite->childCount(), 1);
    EXPECT_EQ(satellite->child(0)->text(0), kPlaceholderNode);
    answerDialog([](QWidget& dialog) {
        set(dialog, "frequencyEdit", "12000");
        set(dialog, "symbolRateEdit", "22000");
        set(dialog, "tsIdEdit", "2");
        set(dialog, "networkIdEdit", "2");
        set(dialog, "originalNetworkIdEdit", "2");
    });
    tree->addTransponder(satellite->child(0));
    ASSERT_EQ(satellite->childCount(), 1);
    EXPECT_EQ(satellite->child(0)->text(0), "12000(H)");
    EXPECT_EQ(test::brokenRule(fx.image(), false), "");
}

TEST_F(TreeAndList, TheSatelliteDialogRenamesItsOwnNode) {
    open();
    QTreeWidgetItem* satellite = root(kSatellitesRoot)->child(1);
    answerDialog([](QWidget& dialog) { set(dialog, "nameEdit", "Eutelsat 16A"); });
    tree->editSatellite(satellite);
    EXPECT_EQ(satellite->text(0), "Eutelsat 16A");
    EXPECT_EQ(nameText(fx.image().satellites[1].name), "Eutelsat 16A");
}

TEST_F(TreeAndList, DeleteCopyAndPasteByKeyboardReachTheSavedFile) {
    open();
    frame->show();  // shortcuts reach a window that is shown and active
    QApplication::setActiveWindow(frame.get());
    list->setFocus();
    settle();
    const auto selectRows = [this](int first, int last) {
        list->selectionModel()->select(QItemSelection(list->model()->index(first, 0), list->model()->index(last, 0)),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        settle();
    };
    const std::string third = nameText(fx.image().programs[3].name);
    selectRows(0, 2);
    QTest::keyClick(list, Qt::Key_Delete);
    settle();
    EXPECT_EQ(fx.image().programCount, 27);
    EXPECT_EQ(cell(0, kColumnName).toStdString(), third);
    EXPECT_EQ(list->currentIndex().row(), 0) << "the row after the deleted block";

    selectRows(0, 0);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Ch Index\tChannel Name"));
    selectRows(5, 5);
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fx.image().programCount, 28);
    EXPECT_EQ(cell(5, kColumnName).toStdString(), third);
    EXPECT_EQ(list->currentIndex().row(), 6);

    ASSERT_TRUE(doc.commands().fileSave());
    const auto saved = savedImage(path);
    EXPECT_EQ(saved->programCount, 28);
    EXPECT_EQ(nameText(saved->programs[5].name), third);
    EXPECT_EQ(test::brokenRule(*saved, false), "");
}

TEST_F(TreeAndList, TheListOpensTheProgramAndTransponderDialogsOnItsRows) {
    open();
    const int providers = root(kProvidersRoot)->childCount();
    answerDialog([](QWidget& dialog) {
        set(dialog, "nameEdit", "Neues Programm");
        dialog.findChild<QComboBox*>("providerCombo")->setEditText("Neuer Anbieter");
    });
    list->openProgramEditor(3, kProgramDialogAdd);
    EXPECT_EQ(fx.image().programCount, 31);
    const int added = fx.state->addedProgramIndex;
    EXPECT_EQ(cell(list->currentIndex().row(), kColumnName), "Neues Programm") << "the new program is selected";
    EXPECT_EQ(root(kProvidersRoot)->childCount(), providers + 1) << "the tree shows the new provider";
    EXPECT_TRUE(doc.isModified());

    answerDialog([](QWidget& dialog) { set(dialog, "symbolRateEdit", "1234"); });
    list->openTransponderEditor(added, kTransponderEdit);
    EXPECT_EQ(cell(added, kColumnSymbolRate), "1234");
    EXPECT_EQ(test::brokenRule(fx.image(), false), "");
}

}  // namespace
}  // namespace vizud
