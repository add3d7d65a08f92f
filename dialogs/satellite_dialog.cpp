#include "dialogs/satellite_dialog.h"

#include "dialogs/form_helpers.h"
#include "ui_satellite_dialog.h"

namespace vizud {

SatelliteDialog::SatelliteDialog(SatelliteDialogModel& model, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SatelliteDialog>()), m_model(model) {
    m_ui->setupUi(this);
    if (m_model.adding())
        setWindowTitle(tr("Add satellite"));
    // An oscillator typed is taken as typed, never completed into a standard value.
    m_ui->lowerLoCombo->setCompleter(nullptr);
    m_ui->upperLoCombo->setCompleter(nullptr);
    m_model.open();
    m_ui->nameEdit->setMaxLength(m_model.nameLength());
    form::fill(*m_ui->eastWestCombo, SatelliteDialogModel::eastWestEntries(), -1);
    form::fill(*m_ui->lowerLoCombo, m_model.lowerLoEntries(), -1);
    form::fill(*m_ui->upperLoCombo, m_model.upperLoEntries(), -1);
    form::fill(*m_ui->diseqcModeCombo, SatelliteDialogModel::diseqcModeEntries(), -1);
    form::fill(*m_ui->diseqc11Combo, SatelliteDialogModel::diseqc11Entries(), -1);
    form::fill(*m_ui->toneCombo, SatelliteDialogModel::toneEntries(), -1);
    showFields();

    connect(m_ui->defaultButton, &QPushButton::clicked, this, &SatelliteDialog::onDefault);
    connect(m_ui->okButton, &QPushButton::clicked, this, &SatelliteDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &SatelliteDialog::reject);
}

SatelliteDialog::~SatelliteDialog() = default;

void SatelliteDialog::showFields() {
    const SatelliteFields& f = m_model.fields;
    m_ui->nameEdit->setText(form::text(f.name));
    m_ui->degreeEdit->setText(form::text(f.degree));
    form::show(*m_ui->eastWestCombo, f.eastWest);
    form::show(*m_ui->lowerLoCombo, f.lowerLo);
    form::show(*m_ui->upperLoCombo, f.upperLo);
    form::select(*m_ui->diseqcModeCombo, f.diseqcMode);
    form::select(*m_ui->diseqc11Combo, f.diseqc11);
    form::select(*m_ui->toneCombo, f.tone);
    m_ui->positionerEdit->setText(form::text(f.positionerNo));
    m_ui->diseqc12Check->setChecked(f.diseqc12);
}

void SatelliteDialog::takeFields() {
    SatelliteFields& f = m_model.fields;
    f.name = form::text(m_ui->nameEdit->text());
    f.degree = form::text(m_ui->degreeEdit->text());
    f.eastWest = form::choice(*m_ui->eastWestCombo);
    f.lowerLo = form::choice(*m_ui->lowerLoCombo);
    f.upperLo = form::choice(*m_ui->upperLoCombo);
    f.diseqcMode = m_ui->diseqcModeCombo->currentIndex();
    f.diseqc11 = m_ui->diseqc11Combo->currentIndex();
    f.tone = m_ui->toneCombo->currentIndex();
    f.positionerNo = form::text(m_ui->positionerEdit->text());
    f.diseqc12 = m_ui->diseqc12Check->isChecked();
}

void SatelliteDialog::onDefault() {
    takeFields();
    m_model.setDefaults();
    showFields();
}

QWidget* SatelliteDialog::fieldWidget(DialogField field) const {
    switch (field) {
        case DialogField::Name:
            return m_ui->nameEdit;
        case DialogField::Degree:
            return m_ui->degreeEdit;
        case DialogField::Positioner:
            return m_ui->positionerEdit;
        case DialogField::Direction:
            return m_ui->eastWestCombo;
        case DialogField::UpperLo:
            return m_ui->upperLoCombo;
        case DialogField::LowerLo:
            return m_ui->lowerLoCombo;
        default:
            return nullptr;
    }
}

void SatelliteDialog::accept() {
    takeFields();
    if (m_model.ok())
        QDialog::accept();
    else
        form::focus(fieldWidget(m_model.refusedField()));
}

}  // namespace vizud
