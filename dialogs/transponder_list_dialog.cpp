#include "dialogs/transponder_list_dialog.h"

#include "dialogs/form_helpers.h"
#include "dialogs/transponder_form.h"
#include "ui_transponder_list_dialog.h"

namespace vizud {

TransponderListDialog::TransponderListDialog(TransponderListDialogModel& model, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TransponderListDialog>()), m_model(model) {
    m_ui->setupUi(this);
    m_model.open();
    setWindowTitle(m_model.mode() == kTransponderAdd ? tr("Add transponder") : tr("Edit transponder"));
    form::fill(*m_ui->satelliteCombo, m_model.satellites(), m_model.satelliteSelection);
    showFields();
    connect(m_ui->satelliteCombo, &QComboBox::currentIndexChanged, this, &TransponderListDialog::onSatelliteChosen);
    connect(m_ui->frequencyCombo, &QComboBox::activated, this, &TransponderListDialog::onFrequencyChosen);
    connect(m_ui->okButton, &QPushButton::clicked, this, &TransponderListDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TransponderListDialog::reject);
}

TransponderListDialog::~TransponderListDialog() = default;

void TransponderListDialog::showFields() {
    TransponderForm::of(*m_ui).show(m_model.fields);
    showFrequencies();
}

void TransponderListDialog::showFrequencies() {
    form::fill(*m_ui->frequencyCombo, m_model.transponders(), m_model.frequencySelection);
    m_ui->frequencyCombo->setEditText(form::text(m_model.fields.frequency));
}

void TransponderListDialog::takeFields() {
    TransponderForm::of(*m_ui).take(m_model.fields);
    m_model.fields.frequency = form::text(m_ui->frequencyCombo->currentText());
}

void TransponderListDialog::onSatelliteChosen(int position) {
    // What the user typed so far stays unless the new satellite's transponder replaces it.
    takeFields();
    m_model.satelliteChanged(position);
    showFields();
}

void TransponderListDialog::onFrequencyChosen(int position) {
    takeFields();
    m_model.frequencyChanged(position);
    showFields();
}

void TransponderListDialog::accept() {
    takeFields();
    if (m_model.ok()) {
        QDialog::accept();
        return;
    }
    const DialogField refused = m_model.refusedField();
    QWidget* field = refused == DialogField::Frequency   ? m_ui->frequencyCombo
                     : refused == DialogField::Satellite ? m_ui->satelliteCombo
                                                         : TransponderForm::of(*m_ui).fieldWidget(refused);
    form::focus(field);
}

}  // namespace vizud
