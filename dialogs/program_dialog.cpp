#include "dialogs/program_dialog.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QCompleter>

#include "dialogs/form_helpers.h"
#include "ui_program_dialog.h"

namespace vizud {

ProgramDialog::ProgramDialog(ProgramDialogModel& model, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ProgramDialog>()), m_model(model) {
    m_ui->setupUi(this);
    m_favourites = {m_ui->favourite1, m_ui->favourite2, m_ui->favourite3, m_ui->favourite4, m_ui->favourite5,
                    m_ui->favourite6, m_ui->favourite7, m_ui->favourite8, m_ui->favourite9};
    m_favouriteNames = {m_ui->favouriteName1, m_ui->favouriteName2, m_ui->favouriteName3,
                        m_ui->favouriteName4, m_ui->favouriteName5, m_ui->favouriteName6,
                        m_ui->favouriteName7, m_ui->favouriteName8, m_ui->favouriteName9};
    // The number fields take digits only; "Auto" is put there by the dialog itself.
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (QLineEdit* edit : {m_ui->videoPidEdit, m_ui->audioPidEdit, m_ui->pcrPidEdit, m_ui->serviceIdEdit})
        edit->setValidator(digits);
    m_ui->providerCombo->lineEdit()->setMaxLength(15);
    // A name typed is a new provider unless it is a provider's name exactly: offer the matching names in a
    // list rather than completing the typed text into one of them.
    m_ui->providerCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_ui->providerCombo->completer()->setCaseSensitivity(Qt::CaseSensitive);

    m_model.open();
    // Adding has its own title; editing keeps the form's.
    if (m_model.mode() == kProgramDialogAdd)
        setWindowTitle(tr("Add program"));
    showFields();

    connect(m_ui->satelliteCombo, &QComboBox::currentIndexChanged, this, &ProgramDialog::onSatelliteChosen);
    connect(m_ui->scpcCheck, &QCheckBox::clicked, this, &ProgramDialog::onScpcClicked);
    connect(m_ui->okButton, &QPushButton::clicked, this, &ProgramDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ProgramDialog::reject);
}

ProgramDialog::~ProgramDialog() = default;

void ProgramDialog::showFields() {
    const ProgramFields& f = m_model.fields;
    m_ui->nameEdit->setText(form::text(f.name));
    form::fill(*m_ui->satelliteCombo, m_model.satellites(), f.satelliteSelection);
    form::fill(*m_ui->providerCombo, m_model.providers(), f.providerSelection);
    m_ui->providerCombo->setEditText(form::text(f.provider));
    showTransponders();
    m_ui->serviceIdEdit->setText(form::text(f.serviceId));
    for (std::size_t k = 0; k < m_favourites.size(); ++k) {
        m_favourites[k]->setChecked(f.favourite[k]);
        m_favouriteNames[k]->setText(form::text(f.favouriteNames[k]));
    }
    m_ui->scrambledCheck->setChecked(f.scrambled);
    m_ui->scpcCheck->setChecked(f.scpc);
    m_ui->lockedCheck->setChecked(f.locked);
    m_ui->userProgramCheck->setChecked(f.userProgram);
    form::check({m_ui->tvRadio, m_ui->radioRadio}, f.tv ? 0 : f.radio ? 1 : -1);
    m_ui->tvRadio->setEnabled(f.classEnabled);
    m_ui->radioRadio->setEnabled(f.classEnabled);
    showPids();
}

void ProgramDialog::showPids() {
    const ProgramFields& f = m_model.fields;
    m_ui->videoPidEdit->setText(form::text(f.videoPid));
    m_ui->audioPidEdit->setText(form::text(f.audioPid));
    m_ui->pcrPidEdit->setText(form::text(f.pcrPid));
    for (QLineEdit* edit : {m_ui->videoPidEdit, m_ui->audioPidEdit, m_ui->pcrPidEdit})
        edit->setEnabled(f.pidsEnabled);
}

void ProgramDialog::showTransponders() {
    form::fill(*m_ui->transponderCombo, m_model.transponders(), m_model.fields.transponderSelection);
}

void ProgramDialog::takeFields() {
    ProgramFields& f = m_model.fields;
    f.name = form::text(m_ui->nameEdit->text());
    f.provider = form::text(m_ui->providerCombo->currentText());
    f.transponderSelection = m_ui->transponderCombo->currentIndex();
    f.videoPid = form::text(m_ui->videoPidEdit->text());
    f.audioPid = form::text(m_ui->audioPidEdit->text());
    f.pcrPid = form::text(m_ui->pcrPidEdit->text());
    f.serviceId = form::text(m_ui->serviceIdEdit->text());
    f.scrambled = m_ui->scrambledCheck->isChecked();
    f.scpc = m_ui->scpcCheck->isChecked();
    f.locked = m_ui->lockedCheck->isChecked();
    f.userProgram = m_ui->userProgramCheck->isChecked();
    f.tv = m_ui->tvRadio->isChecked();
    f.radio = m_ui->radioRadio->isChecked();
    for (std::size_t k = 0; k < m_favourites.size(); ++k)
        f.favourite[k] = m_favourites[k]->isChecked();
}

void ProgramDialog::onSatelliteChosen(int position) {
    m_model.satelliteChanged(position);
    showTransponders();
}

void ProgramDialog::onScpcClicked(bool checked) {
    m_model.scpcClicked(checked);
    showPids();
}

QWidget* ProgramDialog::fieldWidget(DialogField field) const {
    switch (field) {
        case DialogField::Name:
            return m_ui->nameEdit;
        case DialogField::Provider:
            return m_ui->providerCombo;
        case DialogField::Transponder:
            return m_ui->satelliteCombo;
        case DialogField::VideoPid:
            return m_ui->videoPidEdit;
        case DialogField::AudioPid:
            return m_ui->audioPidEdit;
        case DialogField::PcrPid:
            return m_ui->pcrPidEdit;
        case DialogField::ServiceId:
            return m_ui->serviceIdEdit;
        case DialogField::Favourites:
            return m_ui->favourite1;
        default:
            return nullptr;
    }
}

void ProgramDialog::accept() {
    takeFields();
    if (m_model.ok())
        QDialog::accept();
    else
        form::focus(fieldWidget(m_model.refusedField()));
}

}  // namespace vizud
