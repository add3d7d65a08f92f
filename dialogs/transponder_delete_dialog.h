// The "Transponder Delete" form over TransponderDeleteModel. Opened through dialog_openers.h.
#pragma once

#include <QtWidgets/QDialog>

#include <memory>

#include "dialogs/transponder_delete_model.h"

namespace Ui {
class TransponderDeleteDialog;
}

namespace vizud {

class TransponderDeleteDialog : public QDialog {
    Q_OBJECT

public:
    // `model` has been prepared; the dialog opens it.
    TransponderDeleteDialog(TransponderDeleteModel& model, QWidget* parent = nullptr);
    ~TransponderDeleteDialog() override;

    void accept() override;

private:
    void onTransponderChosen(int position);

    std::unique_ptr<Ui::TransponderDeleteDialog> m_ui;
    TransponderDeleteModel& m_model;
};

}  // namespace vizud
