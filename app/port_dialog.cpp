#include "app/port_dialog.h"

#include "app/port_settings.h"
#include "ui_port_dialog.h"

namespace vizud {

PortDialog::PortDialog(ConfigRecord& config, SettingsStore& settings, const std::vector<std::string>& devices,
                       QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PortDialog>()), m_config(config), m_settings(settings) {
    m_ui->setupUi(this);
    for (int port = 1; port <= 4; ++port) {
        m_devices[static_cast<std::size_t>(port - 1)] = settings.portDevice(port);
    }
    for (const std::string& device : devices) {
        m_ui->deviceList->addItem(QString::fromStdString(device));
    }

    const PortChoice choice = openPortSettings(m_config);
    QRadioButton* radios[] = {m_ui->com1, m_ui->com2, m_ui->com3, m_ui->com4};
    radios[choice.port - 1]->setChecked(true);
    m_ui->baudList->addItem("115200");
    m_ui->baudList->addItem("57600");
    m_ui->baudList->setCurrentIndex(choice.baudItem);
    showDevice(choice.port);

    for (QRadioButton* radio : radios) {
        connect(radio, &QRadioButton::toggled, this, &PortDialog::onPortToggled);
    }
    connect(m_ui->okButton, &QPushButton::clicked, this, &PortDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &PortDialog::reject);
    connect(m_ui->setDefaultButton, &QPushButton::clicked, this, &PortDialog::onSetDefault);
}

PortDialog::~PortDialog() = default;

int PortDialog::shownPort() const {
    const QRadioButton* radios[] = {m_ui->com1, m_ui->com2, m_ui->com3, m_ui->com4};
    for (int i = 0; i < 4; ++i) {
        if (radios[i]->isChecked()) {
            return i + 1;
        }
    }
    return 1;
}

void PortDialog::showDevice(int port) {
    m_devicePort = port;
    m_ui->deviceList->setCurrentText(QString::fromStdString(m_devices[static_cast<std::size_t>(port - 1)]));
}

void PortDialog::onPortToggled() {
    const int port = shownPort();
    if (port == m_devicePort) {
        return;
    }
    m_devices[static_cast<std::size_t>(m_devicePort - 1)] = m_ui->deviceList->currentText().trimmed().toStdString();
    showDevice(port);
}

void PortDialog::onSetDefault() {
    const PortChoice choice = defaultPortChoice();
    m_ui->com1->setChecked(choice.port == 1);
    m_ui->com2->setChecked(false);
    m_ui->com3->setChecked(false);
    m_ui->com4->setChecked(false);
    m_ui->baudList->setCurrentIndex(choice.baudItem);
}

void PortDialog::accept() {
    m_devices[static_cast<std::size_t>(m_devicePort - 1)] = m_ui->deviceList->currentText().trimmed().toStdString();
    acceptPortSettings(
        {m_ui->com1->isChecked(), m_ui->com2->isChecked(), m_ui->com3->isChecked(), m_ui->com4->isChecked()},
        m_ui->baudList->currentIndex(), m_config);
    for (int port = 1; port <= 4; ++port) {
        m_settings.setPortDevice(port, m_devices[static_cast<std::size_t>(port - 1)]);
    }
    QDialog::accept();
}

}  // namespace vizud
