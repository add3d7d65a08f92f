#include "dialogs/transponder_tree_dialog.h"

#include "dialogs/form_helpers.h"
#include "dialogs/transponder_form.h"
#include "ui_transponder_tree_dialog.h"

namespace vizud {

TransponderTreeDialog::TransponderTreeDialog(TransponderTreeDialogModel& model, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TransponderTreeDialog>()), m_model(model) {
    m_ui->setupUi(this);
    m_model.open();
    setWindowTitle(m_model.mode() == kTransponderAdd ? tr("Add transponder") : tr("Edit transponder"));
    m_ui->satelliteEdit->setText(form::text(m_model.satelliteName()));
    m_ui->restoreButton->setEnabled(m_model.restoreEnabled());
    showFields();
    connect(m_ui->restoreButton, &QPushButton::clicked, this, &TransponderTreeDialog::onRestore);
    connect(m_ui->okButton, &QPushButton::clicked, this, &TransponderTreeDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TransponderTreeDialog::reject);
}

TransponderTreeDialog::~TransponderTreeDialog() = default;

void TransponderTreeDialog::showFields() {
    const TransponderForm form = TransponderForm::of(*m_ui);
    form.show(m_model.fields);
    m_ui->frequencyEdit->setText(form::text(m_model.fields.frequency));
}

void TransponderTreeDialog::takeFields() {
    const TransponderForm form = TransponderForm::of(*m_ui);
    form.take(m_model.fields);
    m_model.fields.frequency = form::text(m_ui->frequencyEdit->text());
}

void TransponderTreeDialog::onRestore() {
    m_model.restore();
    showFields();
}

void TransponderTreeDialog::accept() {
    takeFields();
    if (m_model.ok()) {
        QDialog::accept();
        return;
    }
    const DialogField refused = m_model.refusedField();
    form::focus(refused == DialogField::Frequency ? m_ui->frequencyEdit
                                                  : TransponderForm::of(*m_ui).fieldWidget(refused));
}

void TransponderTreeDialog::reject() {
    m_model.cancel();
    QDialog::reject();
}

}  // namespace vizud
