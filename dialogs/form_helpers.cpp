#include "dialogs/form_helpers.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QLineEdit>

#include "app/translated_texts.h"

namespace vizud::form {

void fill(QComboBox& combo, const ComboItems& items, int selection) {
    const QSignalBlocker blocker(combo);
    combo.clear();
    for (const ComboItem& item : items)
        combo.addItem(text(item.text));
    combo.setCurrentIndex(selection);
}

void fill(QComboBox& combo, const std::vector<std::string>& entries, int selection) {
    const QSignalBlocker blocker(combo);
    combo.clear();
    // A fixed choice shows in the interface's language; a drop-down the user types into keeps the texts
    // its model reads back.
    for (const std::string& entry : entries)
        combo.addItem(combo.isEditable() ? text(entry) : translated(entry));
    combo.setCurrentIndex(selection);
}

void select(QComboBox& combo, int selection) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(selection);
}

EditableChoice choice(const QComboBox& combo) {
    const int index = combo.currentIndex();
    const QString shown = combo.currentText();
    // A typed text that differs from the chosen entry is a typed value.
    if (index >= 0 && shown == combo.itemText(index))
        return {index, text(shown)};
    return {-1, text(shown)};
}

void show(QComboBox& combo, const EditableChoice& choice) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(choice.selection);
    combo.setEditText(text(choice.text));
}

void focus(QWidget* field) {
    if (field == nullptr)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->lineEdit() != nullptr)
        combo->lineEdit()->selectAll();
}

void check(const Buttons& buttons, int checked) {
    int i = 0;
    for (QAbstractButton* button : buttons) {
        // Auto-exclusive buttons refuse to be unchecked one by one; switch that off while setting them.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(i++ == checked);
        button->setAutoExclusive(exclusive);
    }
}

int checked(const Buttons& buttons) {
    int i = 0;
    for (const QAbstractButton* button : buttons) {
        if (button->isChecked())
            return i;
        ++i;
    }
    return -1;
}

}  // namespace vizud::form
