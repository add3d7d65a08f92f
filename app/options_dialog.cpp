#include "app/options_dialog.h"

#include "app/port_settings.h"
#include "ui_options_dialog.h"

namespace vizud {

OptionsDialog::OptionsDialog(ConfigRecord& config, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::OptionsDialog>()), m_config(config) {
    m_ui->setupUi(this);
    // The registration button of the box's editor is kept but out of reach: registration runs at every start.
    m_ui->registerButton->hide();
    m_ui->registerButton->setEnabled(false);
    m_ui->reopenLast->setChecked(reopenLastTicked(m_config));
    connect(m_ui->okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::accept() {
    acceptOptions(m_ui->reopenLast->isChecked(), m_config);
    QDialog::accept();
}

}  // namespace vizud
