// The tree's "Transponder edit" form over TransponderTreeDialogModel. Opened through dialog_openers.h.
#pragma once

#include <QtWidgets/QDialog>

#include <memory>

#include "dialogs/transponder_tree_dialog_model.h"

namespace Ui {
class TransponderTreeDialog;
}

namespace vizud {

class TransponderTreeDialog : public QDialog {
    Q_OBJECT

public:
    // `model` has been prepared; the dialog opens it.
    TransponderTreeDialog(TransponderTreeDialogModel& model, QWidget* parent = nullptr);
    ~TransponderTreeDialog() override;

    void accept() override;
    void reject() override;

private:
    void showFields();
    void takeFields();
    void onRestore();

    std::unique_ptr<Ui::TransponderTreeDialog> m_ui;
    TransponderTreeDialogModel& m_model;
};

}  // namespace vizud
