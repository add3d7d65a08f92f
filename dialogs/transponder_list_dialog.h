// The program list's "TP Edit" form over TransponderListDialogModel. Opened through dialog_openers.h.
#pragma once

#include <QtWidgets/QDialog>

#include <memory>

#include "dialogs/transponder_list_dialog_model.h"

namespace Ui {
class TransponderListDialog;
}

namespace vizud {

class TransponderListDialog : public QDialog {
    Q_OBJECT

public:
    // `model` has been prepared; the dialog opens it.
    TransponderListDialog(TransponderListDialogModel& model, QWidget* parent = nullptr);
    ~TransponderListDialog() override;

    void accept() override;

private:
    void showFields();
    void showFrequencies();
    void takeFields();
    void onSatelliteChosen(int position);
    void onFrequencyChosen(int position);

    std::unique_ptr<Ui::TransponderListDialog> m_ui;
    TransponderListDialogModel& m_model;
};

}  // namespace vizud
