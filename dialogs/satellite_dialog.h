// The "Satellite edit" form over SatelliteDialogModel. The dialog is opened through dialog_openers.h.
#pragma once

#include <QtWidgets/QDialog>

#include <memory>

#include "dialogs/satellite_dialog_model.h"

namespace Ui {
class SatelliteDialog;
}

namespace vizud {

class SatelliteDialog : public QDialog {
    Q_OBJECT

public:
    // `model` has been prepared; the dialog opens it.
    SatelliteDialog(SatelliteDialogModel& model, QWidget* parent = nullptr);
    ~SatelliteDialog() override;

    void accept() override;

private:
    void showFields();
    void takeFields();
    void onDefault();
    QWidget* fieldWidget(DialogField field) const;

    std::unique_ptr<Ui::SatelliteDialog> m_ui;
    SatelliteDialogModel& m_model;
};

}  // namespace vizud
