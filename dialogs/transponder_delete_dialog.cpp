#include "dialogs/transponder_delete_dialog.h"

#include "dialogs/form_helpers.h"
#include "ui_transponder_delete_dialog.h"

namespace vizud {

TransponderDeleteDialog::TransponderDeleteDialog(TransponderDeleteModel& model, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TransponderDeleteDialog>()), m_model(model) {
    m_ui->setupUi(this);
    m_model.open();
    form::fill(*m_ui->satelliteCombo, m_model.satellites(), m_model.satelliteSelection);
    form::fill(*m_ui->transponderCombo, m_model.transponders(), m_model.transponderSelection);
    m_ui->okButton->setEnabled(m_model.okEnabled());
    connect(m_ui->transponderCombo, &QComboBox::currentIndexChanged, this,
            &TransponderDeleteDialog::onTransponderChosen);
    connect(m_ui->okButton, &QPushButton::clicked, this, &TransponderDeleteDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TransponderDeleteDialog::reject);
}

TransponderDeleteDialog::~TransponderDeleteDialog() = default;

void TransponderDeleteDialog::onTransponderChosen(int position) {
    m_model.transponderSelection = position;
    m_ui->okButton->setEnabled(m_model.okEnabled());
}

void TransponderDeleteDialog::accept() {
    // Enter reaches here even while OK is disabled; the model refuses with its message then.
    if (m_model.ok())
        QDialog::accept();
}

}  // namespace vizud
