// Each dialog form over its model, driven as a user would: fields filled from the record, OK storing,
// Cancel leaving the image byte for byte, a refused field keeping the dialog open with its message, the
// German title, and the openers refusing to show a dialog whose preparation failed.
#include <gtest/gtest.h>

#include <QtCore/QTranslator>
#include <QtGui/QKeyEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include "database/image_access.h"
#include "dialogs/dialog_openers.h"
#include "dialogs/program_dialog.h"
#include "dialogs/satellite_dialog.h"
#include "dialogs/transponder_delete_dialog.h"
#include "dialogs/transponder_list_dialog.h"
#include "dialogs/transponder_tree_dialog.h"
#include "tests/dialogs/dialog_fixture.h"

namespace vizud {
namespace {

using test::Texts;

class DialogForms : public test::DialogFixture {
protected:
    template <typename T>
    static T* child(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Types over a field's text, one key event per character (Unicode ones too).
    static void type(QWidget& dialog, const char* name, const QString& text) {
        type(child<QLineEdit>(dialog, name), text);
    }
    static void type(QLineEdit* edit, const QString& text) {
        QApplication::setActiveWindow(edit->window());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());  // a real key, so completion and validators see it
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    static void click(QWidget& dialog, const char* name) { child<QAbstractButton>(dialog, name)->click(); }
    static void enter(QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }
    static void escape(QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }

    // A dialog under test is shown, not run modally: its result is read once it has closed.
    template <typename Dialog, typename Model>
    std::unique_ptr<Dialog> show(Model& model) {
        auto dialog = std::make_unique<Dialog>(model);
        dialog->show();
        return dialog;
    }

    // The German title of a form, with the editor's translation loaded.
    template <typename Dialog, typename Model>
    QString germanTitle(Model& model) {
        QTranslator german;
        EXPECT_TRUE(german.load(":/i18n/vizud_de.qm"));
        QCoreApplication::installTranslator(&german);
        const QString title = Dialog(model).windowTitle();
        QCoreApplication::removeTranslator(&german);
        return title;
    }
};

TEST_F(DialogForms, ProgramDialogShowsTheRecordStoresOkAndKeepsARefusalOpen) {
    ProgramDialogModel model(db, messages);
    ASSERT_EQ(model.prepare(1, kProgramDialogEdit), 0);
    auto dialog = show<ProgramDialog>(model);
    EXPECT_EQ(dialog->windowTitle(), "Channel edit");
    EXPECT_EQ(child<QLineEdit>(*dialog, "nameEdit")->text(), "News");
    EXPECT_EQ(child<QComboBox>(*dialog, "satelliteCombo")->currentText(), "Hotbird");
    EXPECT_EQ(child<QComboBox>(*dialog, "transponderCombo")->currentText(), "10992");
    EXPECT_TRUE(child<QCheckBox>(*dialog, "favourite4")->isChecked());
    EXPECT_EQ(child<QLineEdit>(*dialog, "favouriteName4")->text(), "Fav_4");
    EXPECT_FALSE(child<QRadioButton>(*dialog, "tvRadio")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(*dialog, "videoPidEdit")->isEnabled());

    click(*dialog, "scpcCheck");
    EXPECT_TRUE(child<QLineEdit>(*dialog, "videoPidEdit")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(*dialog, "videoPidEdit")->text(), "0");
    enter(*dialog);
    EXPECT_TRUE(dialog->isVisible()) << "PID 0 is refused";
    EXPECT_EQ(messages.texts(), Texts{"Video PID error!\nExpected digit 17..8190"});
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(dialog->focusWidget(), child<QLineEdit>(*dialog, "videoPidEdit")) << "ready for the correction";

    type(*dialog, "videoPidEdit", "512");
    type(*dialog, "audioPidEdit", "513");
    type(*dialog, "pcrPidEdit", "512");
    type(*dialog, "nameEdit", "N\u00FCrnberg 1");
    // Typed key by key, a provider name is not completed into a longer one the table holds ("ARD").
    type(child<QComboBox>(*dialog, "providerCombo")->lineEdit(), "AR");
    child<QComboBox>(*dialog, "satelliteCombo")->setCurrentIndex(0);
    EXPECT_EQ(child<QComboBox>(*dialog, "transponderCombo")->count(), 3) << "Astra's transponders";
    child<QComboBox>(*dialog, "transponderCombo")->setCurrentIndex(2);
    click(*dialog, "favourite9");
    click(*dialog, "okButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const st_program& p = image().programs[1];
    EXPECT_EQ(nameText(p.name), "\x05N\xFCrnberg 1") << "the table byte is kept, the text stored as Latin-1";
    EXPECT_EQ(p.tpIndex, 2);
    EXPECT_EQ(p.videoPid, 512);
    EXPECT_EQ(nameText(image().providers[3].name), "AR");
    EXPECT_EQ(p.providerIndex, 3);
    EXPECT_EQ(image().favourites[8].favCount, 1);
}

TEST_F(DialogForms, ProgramDialogCancelChangesNothingAndAddHasItsTitles) {
    ProgramDialogModel model(db, messages);
    ASSERT_EQ(model.prepare(0, kProgramDialogAdd), 0);
    auto dialog = show<ProgramDialog>(model);
    EXPECT_EQ(dialog->windowTitle(), "Programm hinzuf\u00FCgen");
    type(*dialog, "nameEdit", "Cancelled");
    child<QComboBox>(*dialog, "providerCombo")->setEditText("Never Made");
    escape(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(unchanged());

    ASSERT_EQ(model.prepare(0, kProgramDialogEdit), 0);
    EXPECT_EQ(germanTitle<ProgramDialog>(model), "Kanal bearbeiten");
}

TEST_F(DialogForms, SatelliteDialogDefaultOkAndCancel) {
    SatelliteDialogModel model(db, messages);
    ASSERT_EQ(model.prepare("Astra"), 0);
    auto dialog = show<SatelliteDialog>(model);
    EXPECT_EQ(child<QLineEdit>(*dialog, "degreeEdit")->text(), "19,2");
    EXPECT_EQ(child<QComboBox>(*dialog, "upperLoCombo")->currentText(), "10600");
    EXPECT_EQ(child<QComboBox>(*dialog, "toneCombo")->currentText(), "AUTO");

    type(*dialog, "nameEdit", "Hotbird 2-8");
    click(*dialog, "defaultButton");
    EXPECT_EQ(child<QLineEdit>(*dialog, "degreeEdit")->text(), "13,0");
    EXPECT_EQ(child<QLineEdit>(*dialog, "positionerEdit")->text(), "1");
    EXPECT_TRUE(unchanged()) << "Default changes only the fields";

    child<QComboBox>(*dialog, "lowerLoCombo")->setEditText("3349");
    enter(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messages.texts(), Texts{"LNB Lower LO Range expected 3350...14900"});
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(dialog->focusWidget(), child<QComboBox>(*dialog, "lowerLoCombo"));

    child<QComboBox>(*dialog, "lowerLoCombo")->setCurrentIndex(2);
    child<QComboBox>(*dialog, "diseqc11Combo")->setCurrentIndex(16);
    click(*dialog, "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const st_sat& s = image().satellites[0];
    EXPECT_EQ(nameText(s.name), "Hotbird 2-8");
    EXPECT_EQ(s.position, 130);
    EXPECT_EQ(s.positionerNo, 1);
    EXPECT_EQ(s.diseqc11Port, 0x16);
    EXPECT_EQ(state->editedSatName, "Hotbird 2-8");

    remember();
    ASSERT_EQ(model.prepare("Hotbird 2-8"), 0);
    dialog = show<SatelliteDialog>(model);
    type(*dialog, "degreeEdit", "45,0");
    escape(*dialog);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(germanTitle<SatelliteDialog>(model), "Satellit editieren");
}

TEST_F(DialogForms, TreeTransponderDialogRestoreOkAndCancel) {
    TransponderTreeDialogModel model(db, messages);
    ASSERT_EQ(model.prepare(0, kTransponderEdit), 0);
    auto dialog = show<TransponderTreeDialog>(model);
    EXPECT_EQ(dialog->windowTitle(), "Edit transponder");
    EXPECT_EQ(child<QLineEdit>(*dialog, "satelliteEdit")->text(), "Astra");
    EXPECT_FALSE(child<QLineEdit>(*dialog, "satelliteEdit")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(*dialog, "polarisation0")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(*dialog, "fec0")->isChecked());

    type(*dialog, "frequencyEdit", "999");
    click(*dialog, "polarisation2");
    click(*dialog, "restoreButton");
    EXPECT_EQ(child<QLineEdit>(*dialog, "frequencyEdit")->text(), "10700");
    EXPECT_TRUE(child<QRadioButton>(*dialog, "polarisation0")->isChecked());

    type(*dialog, "symbolRateEdit", "50001");
    enter(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messages.texts(), Texts{"Unknown Symbolrate value: 50001!\nYou must enter value 1000..50000"});
    EXPECT_TRUE(unchanged());

    type(*dialog, "symbolRateEdit", "22000");
    click(*dialog, "fec5");
    click(*dialog, "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(image().transponders[0].symbolRate, 22000);
    EXPECT_EQ(image().transponders[0].fec, 7);
    EXPECT_EQ(state->currentTpFrequency, 10700);

    remember();
    ASSERT_EQ(model.prepare(11, kTransponderAdd), 0);
    dialog = show<TransponderTreeDialog>(model);
    EXPECT_EQ(dialog->windowTitle(), "Add transponder");
    EXPECT_FALSE(child<QPushButton>(*dialog, "restoreButton")->isEnabled());
    type(*dialog, "frequencyEdit", "11000");
    escape(*dialog);
    EXPECT_EQ(state->currentTpFrequency, -1);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(germanTitle<TransponderTreeDialog>(model), "Add transponder") << "run-time titles are fixed texts";
}

TEST_F(DialogForms, ListTransponderDialogFollowsTheSatelliteAndFrequencyChoice) {
    TransponderListDialogModel model(db, messages);
    ASSERT_EQ(model.prepare(2, kTransponderEdit), 0);
    auto dialog = show<TransponderListDialog>(model);
    auto* frequency = child<QComboBox>(*dialog, "frequencyCombo");
    EXPECT_EQ(frequency->currentText(), "11720");
    EXPECT_TRUE(child<QRadioButton>(*dialog, "polarisation1")->isChecked());
    child<QComboBox>(*dialog, "satelliteCombo")->setCurrentIndex(1);
    EXPECT_EQ(frequency->currentText(), "10992");
    EXPECT_TRUE(child<QRadioButton>(*dialog, "polarisation0")->isChecked());
    frequency->setEditText("10993");
    type(*dialog, "tsIdEdit", "65536");
    enter(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(unchanged());
    type(*dialog, "tsIdEdit", "1");
    click(*dialog, "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(image().transponders[3].frequency, 10993);
    EXPECT_EQ(image().transponders[1].frequency, 11720);

    remember();
    ASSERT_EQ(model.prepare(2, kTransponderEdit), 0);
    dialog = show<TransponderListDialog>(model);
    type(*dialog, "symbolRateEdit", "1000");
    click(*dialog, "cancelButton");
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(germanTitle<TransponderListDialog>(model), "Edit transponder");
}

TEST_F(DialogForms, TransponderDeleteOffersOkOnlyOnceATransponderIsChosen) {
    state->currentTpFrequency = -1;
    TransponderDeleteModel model(db, messages);
    ASSERT_EQ(model.prepare(1, 2), 0);
    auto dialog = show<TransponderDeleteDialog>(model);
    EXPECT_EQ(dialog->windowTitle(), "Transponder Delete");
    EXPECT_FALSE(child<QComboBox>(*dialog, "satelliteCombo")->isEnabled());
    EXPECT_EQ(child<QComboBox>(*dialog, "satelliteCombo")->currentText(), "Astra");
    auto* ok = child<QPushButton>(*dialog, "okButton");
    EXPECT_FALSE(ok->isEnabled());
    enter(*dialog);
    EXPECT_TRUE(unchanged());
    child<QComboBox>(*dialog, "transponderCombo")->setCurrentIndex(2);
    EXPECT_TRUE(ok->isEnabled());
    messages.script(MessageAnswer::Yes);
    ok->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(messages.asked, Texts{"Do you realy want to delete transponder 12500 (MHz)\nfrom satellite: Astra"});
    EXPECT_EQ(state->currentTpFrequency, 12500);
    EXPECT_EQ(image().tpCount, 3);
    EXPECT_EQ(image().programCount, 3);
    EXPECT_EQ(germanTitle<TransponderDeleteDialog>(model), "Transponder L\u00F6schen");
}

TEST_F(DialogForms, OpenersShowNoDialogWhenThePreparationFails) {
    image().programs[0].providerIndex = 77;
    state->currentTpFrequency = 10700;
    EXPECT_EQ(openProgramDialog(nullptr, db, messages, 0, kProgramDialogEdit), DialogResult::Cancel);
    EXPECT_EQ(openSatelliteDialog(nullptr, db, messages, "Nobody"), DialogResult::Cancel);
    EXPECT_EQ(openTransponderListDialog(nullptr, db, messages, 8, kTransponderEdit), DialogResult::Cancel);
    EXPECT_EQ(openTransponderTreeDialog(nullptr, db, messages, 99, kTransponderAdd), DialogResult::Cancel);
    EXPECT_EQ(openTransponderDeleteDialog(nullptr, db, messages, 3000, 2), DialogResult::Cancel);
    EXPECT_EQ(messages.texts(), (Texts{"Error: 503->(-3)", "Error: 500->(-2)", "Error: 501->(-3)", "Error: 500->(-2)",
                                       "Error: 502->(-4)"}));
    EXPECT_EQ(state->currentTpFrequency, -1) << "the tree must not take a deletion from a dialog never shown";
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0);
}

}  // namespace
}  // namespace vizud
