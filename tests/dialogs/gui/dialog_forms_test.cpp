// Each dialog form over its model, driven as a user would: for every form one table of its widgets with
// what each shows from the record, what is entered and what OK stores; one refusal keeping its dialog open,
// one Cancel leaving the image byte for byte, and the openers refusing to show a dialog whose preparation
// failed. The field rules behind OK are checked on the models in tests/dialogs.
#include <gtest/gtest.h>

#include <QtGui/QKeyEvent>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

#include <functional>

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

// One widget of a form: what it shows from the record (a button: "on" or "off"), what the user enters
// (typed, chosen, or "click" for a button; empty: left alone), and the record field OK stores, as text.
struct FormField {
    const char* widget;
    const char* shown;
    QString entered;
    std::function<std::string(const all_tables_block&)> stored = {};
    std::string expected = {};
};

// The member `member` of record `index` of the image's table `Table`, as FormField::stored reads it.
template <auto Table>
auto stored(int index) {
    return [index](auto member) -> std::function<std::string(const all_tables_block&)> {
        return [index, member](const all_tables_block& img) {
            const auto& value = (img.*Table)[index].*member;
            if constexpr (std::is_array_v<std::remove_cvref_t<decltype(value)>>)
                return nameText(value);
            else
                return std::to_string(+value);
        };
    };
}

class DialogForms : public test::DialogFixture {
protected:
    template <typename T = QWidget>
    static T* child(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Types over a field's text, one key event per character (Unicode ones too).
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
    static QString shown(QWidget& dialog, const char* name) {
        QWidget* widget = child(dialog, name);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->isChecked() ? "on" : "off";
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return combo->currentText();
        return widget->property("text").toString();  // a line edit or a label
    }
    static void enter(QWidget& dialog, const char* name, const QString& value) {
        QWidget* widget = child(dialog, name);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            type(edit, value);
        else if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->isEditable())
            type(combo->lineEdit(), value);
        else if (combo != nullptr)
            combo->setCurrentIndex(combo->findText(value));
        else
            qobject_cast<QAbstractButton*>(widget)->click();
    }
    static void click(QWidget& dialog, const char* name) { child<QAbstractButton>(dialog, name)->click(); }

    // A dialog under test is prepared and shown, not run modally: its result is read once it has closed.
    template <typename Dialog, typename Model, typename... Args>
    std::unique_ptr<Dialog> open(Model& model, Args... args) {
        EXPECT_EQ(model.prepare(args...), 0);
        auto dialog = std::make_unique<Dialog>(model);
        dialog->show();
        return dialog;
    }
    // Checks what every field shows, enters the new values in the table's order, clicks OK and checks what
    // each field stored.
    template <typename Dialog>
    void fillAndAccept(Dialog& dialog, const std::vector<FormField>& fields) {
        for (const FormField& f : fields)
            EXPECT_EQ(shown(dialog, f.widget), QString::fromUtf8(f.shown)) << f.widget;
        for (const FormField& f : fields) {
            if (!f.entered.isEmpty())
                enter(dialog, f.widget, f.entered);
        }
        click(dialog, "okButton");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        for (const FormField& f : fields) {
            if (f.stored) {
                EXPECT_EQ(f.stored(image()), f.expected) << f.widget;
            }
        }
    }

    // The fields both transponder forms have, by their rows; tabOrder gives them in the order Tab reaches them.
    inline static const QStringList kShared{"symbolRateEdit", "tsIdEdit", "networkIdEdit", "originalNetworkIdEdit"};
    static QStringList tabOrder(QDialog& dialog) {
        QStringList tabbed;
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
            if (kShared.contains(w->objectName()))
                tabbed << w->objectName();
        }
        return tabbed;
    }
};

// The name keeps its table byte and is stored as Latin-1; a typed provider is not completed into "ARD".
TEST_F(DialogForms, ProgramDialogShowsTheRecordAndOkStoresEveryField) {
    ProgramDialogModel model(db, messages);
    auto dialog = open<ProgramDialog>(model, 1, kProgramDialogEdit);
    EXPECT_EQ(dialog->windowTitle(), "Channel edit");
    const auto p = stored<&all_tables_block::programs>(1);
    fillAndAccept(*dialog,
                  {
                      {"nameEdit", "News", "N\u00FCrnberg 1", p(&st_program::name), "\x05N\xFCrnberg 1"},
                      {"providerCombo", "News", "AR",
                       [](auto& img) { return nameText(img.providers[img.programs[1].providerIndex].name); }, "AR"},
                      {"satelliteCombo", "Hotbird", "Astra"},
                      {"transponderCombo", "10992", "12500", p(&st_program::tpIndex), "2"},
                      {"scpcCheck", "off", "click"},
                      {"videoPidEdit", "", "512", p(&st_program::videoPid), "512"},
                      {"audioPidEdit", "", "513", p(&st_program::audioPid), "513"},
                      {"pcrPidEdit", "", "514", p(&st_program::pcrPid), "514"},
                      {"serviceIdEdit", "17", "4711", p(&st_program::serviceId), "4711"},
                      {"favouriteName4", "Fav_4", ""},
                      {"favourite4", "on", "click", stored<&all_tables_block::favourites>(3)(&st_fav::favCount), "0"},
                      {"favourite9", "off", "click", stored<&all_tables_block::favourites>(8)(&st_fav::favCount), "1"},
                  });
}

// A refused field keeps the dialog open with its message, the image as it was and the focus on the field;
// Esc after typing leaves the image as it was.
TEST_F(DialogForms, ARefusalKeepsTheDialogOpenOnItsFieldAndCancelChangesNothing) {
    ProgramDialogModel model(db, messages);
    auto dialog = open<ProgramDialog>(model, 1, kProgramDialogEdit);
    click(*dialog, "scpcCheck");
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "PID 0 is refused";
    EXPECT_EQ(messages.texts(), Texts{"Video PID error!\nExpected digit 17..8190"});
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(dialog->focusWidget(), child(*dialog, "videoPidEdit"));

    dialog.reset();
    messages.clear();
    dialog = open<ProgramDialog>(model, 0, kProgramDialogAdd);
    EXPECT_EQ(dialog->windowTitle(), "Add program");
    enter(*dialog, "nameEdit", "Cancelled");
    enter(*dialog, "providerCombo", "Never Made");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(unchanged());
}

// Default fills the fields from the predefined row of the typed name.
TEST_F(DialogForms, SatelliteDialogShowsTheRecordAndOkStoresEveryField) {
    SatelliteDialogModel model(db, messages);
    auto dialog = open<SatelliteDialog>(model, "Astra");
    const auto sat = stored<&all_tables_block::satellites>(0);
    fillAndAccept(*dialog, {
                               {"nameEdit", "Astra", "Hotbird 2-8", sat(&st_sat::name), "Hotbird 2-8"},
                               {"defaultButton", "off", "click"},
                               {"degreeEdit", "19,2", "", sat(&st_sat::position), "130"},
                               {"positionerEdit", "0", "", sat(&st_sat::positionerNo), "1"},
                               {"eastWestCombo", "E", "W", sat(&st_sat::eastWest), "87"},
                               {"lowerLoCombo", "9750", "3350", sat(&st_sat::lnbLowLo), "3350"},
                               {"upperLoCombo", "10600", "11475", sat(&st_sat::lnbHighLo), "11475"},
                               {"diseqcModeCombo", "OFF", "B", sat(&st_sat::diseqcMode), "2"},
                               {"diseqc11Combo", "OFF", "16", sat(&st_sat::diseqc11Port), "22"},
                               {"toneCombo", "AUTO", "OFF", sat(&st_sat::tone22k), "2"},
                               {"diseqc12Check", "off", "click", sat(&st_sat::motorEnabled), "1"},
                           });
    EXPECT_EQ(state->editedSatName, "Hotbird 2-8");
}

// Restore shows the record again; OK hands the frequency back to the tree. Tab follows the rows in both
// transponder forms.
TEST_F(DialogForms, TreeTransponderDialogShowsTheRecordAndOkStoresEveryField) {
    TransponderTreeDialogModel model(db, messages);
    auto dialog = open<TransponderTreeDialog>(model, 0, kTransponderEdit);
    EXPECT_EQ(tabOrder(*dialog), kShared) << "Tab follows the rows";
    EXPECT_EQ(dialog->windowTitle(), "Edit transponder");
    enter(*dialog, "frequencyEdit", "999");
    click(*dialog, "polarisation2");
    click(*dialog, "restoreButton");
    const auto tp = stored<&all_tables_block::transponders>(0);
    fillAndAccept(*dialog, {
                               {"satelliteEdit", "Astra", ""},
                               {"frequencyEdit", "10700", "10800", tp(&st_ts::frequency), "10800"},
                               {"symbolRateEdit", "27500", "22000", tp(&st_ts::symbolRate), "22000"},
                               {"tsIdEdit", "0", "1", tp(&st_ts::tsId), "1"},
                               {"networkIdEdit", "0", "2", tp(&st_ts::networkId), "2"},
                               {"originalNetworkIdEdit", "0", "3", tp(&st_ts::originalNetworkId), "3"},
                               {"polarisation0", "on", ""},
                               {"polarisation2", "off", "click", tp(&st_ts::polarization), "2"},
                               {"fec0", "on", ""},
                               {"fec5", "off", "click", tp(&st_ts::fec), "7"},
                           });
    EXPECT_EQ(state->currentTpFrequency, 10800);
    EXPECT_FALSE(child(*open<TransponderTreeDialog>(model, 11, kTransponderAdd), "restoreButton")->isEnabled());
}

// Another satellite chosen loads its first transponder; OK changes that one and not the one shown before.
TEST_F(DialogForms, ListTransponderDialogFollowsTheSatelliteAndFrequencyChoice) {
    TransponderListDialogModel model(db, messages);
    auto dialog = open<TransponderListDialog>(model, 2, kTransponderEdit);
    EXPECT_EQ(tabOrder(*dialog), kShared) << "Tab follows the rows";
    const auto shownBefore = stored<&all_tables_block::transponders>(1);
    const auto hotbird = stored<&all_tables_block::transponders>(3);
    fillAndAccept(*dialog, {
                               {"satelliteCombo", "Astra", "Hotbird", shownBefore(&st_ts::frequency), "11720"},
                               {"frequencyCombo", "11720", "10993", hotbird(&st_ts::frequency), "10993"},
                               {"polarisation1", "on", ""},
                               {"symbolRateEdit", "27500", "1000", hotbird(&st_ts::symbolRate), "1000"},
                           });
}

TEST_F(DialogForms, TransponderDeleteOffersOkOnlyOnceATransponderIsChosen) {
    state->currentTpFrequency = -1;
    TransponderDeleteModel model(db, messages);
    auto dialog = open<TransponderDeleteDialog>(model, 1, 2);
    EXPECT_FALSE(child(*dialog, "satelliteCombo")->isEnabled());
    EXPECT_FALSE(child(*dialog, "okButton")->isEnabled());
    messages.script(MessageAnswer::Yes);
    fillAndAccept(*dialog,
                  {{"satelliteCombo", "Astra", ""},
                   {"transponderCombo", "", "12500", [](auto& img) { return std::to_string(img.tpCount); }, "3"}});
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(state->currentTpFrequency, 12500);
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
