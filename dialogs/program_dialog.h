// The "Channel edit" form over ProgramDialogModel: it shows the model's fields, tells it of the user's
// satellite and SCPC choices, and hands OK to it. The dialog is opened through dialog_openers.h.
#pragma once

#include <QtWidgets/QDialog>

#include <array>
#include <memory>

#include "dialogs/program_dialog_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace Ui {
class ProgramDialog;
}

namespace vizud {

class ProgramDialog : public QDialog {
    Q_OBJECT

public:
    // `model` has been prepared; the dialog opens it.
    ProgramDialog(ProgramDialogModel& model, QWidget* parent = nullptr);
    ~ProgramDialog() override;

    void accept() override;

private:
    void showFields();
    void showPids();
    void showTransponders();
    void takeFields();
    void onSatelliteChosen(int position);
    void onScpcClicked(bool checked);
    QWidget* fieldWidget(DialogField field) const;

    std::unique_ptr<Ui::ProgramDialog> m_ui;
    ProgramDialogModel& m_model;
    std::array<QCheckBox*, kFavouriteLists> m_favourites{};
    std::array<QLabel*, kFavouriteLists> m_favouriteNames{};
};

}  // namespace vizud
