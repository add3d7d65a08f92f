// What the dialog forms share in copying a model's fields to their controls and back: UTF-8 texts, combo
// lists, editable drop-downs and radio-button groups that may have no button checked.
#pragma once

#include <QtCore/QString>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QComboBox>

#include <string>
#include <vector>

#include "dialogs/combo_items.h"

namespace vizud::form {

inline QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string text(const QString& shown) {
    return shown.toStdString();
}

// Replaces a combo's entries; signals are held back so the model hears only the user's choices.
void fill(QComboBox& combo, const ComboItems& items, int selection);
void fill(QComboBox& combo, const std::vector<std::string>& entries, int selection);
// Selects an entry (-1: none) without telling the model.
void select(QComboBox& combo, int selection);

// An editable drop-down as the model sees it: the entry chosen, or -1 with the text typed.
EditableChoice choice(const QComboBox& combo);
void show(QComboBox& combo, const EditableChoice& choice);

// The button at `checked` of a group checked, or none for -1; and back.
// Puts the cursor into a field (its text selected, ready to be typed over); nothing for a null field.
void focus(QWidget* field);

using Buttons = std::vector<QAbstractButton*>;
void check(const Buttons& buttons, int checked);
int checked(const Buttons& buttons);

}  // namespace vizud::form
