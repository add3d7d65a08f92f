// "Port settings": which COM port and baud rate every transfer uses, and which serial device each COM
// number opens. Port and baud rate go to the configuration record (written to veravaravo.cfg when the
// program ends); the devices go to the profile.
#pragma once

#include <QtWidgets/QDialog>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/config_record.h"
#include "app/settings_store.h"

namespace Ui {
class PortDialog;
}

namespace vizud {

class PortDialog : public QDialog {
    Q_OBJECT

public:
    // `devices` are the serial devices found, offered in the device list of every COM number.
    PortDialog(ConfigRecord& config, SettingsStore& settings, const std::vector<std::string>& devices,
               QWidget* parent = nullptr);
    ~PortDialog() override;

    void accept() override;

private:
    void onPortToggled();
    void onSetDefault();
    int shownPort() const;
    void showDevice(int port);

    std::unique_ptr<Ui::PortDialog> m_ui;
    ConfigRecord& m_config;
    SettingsStore& m_settings;
    std::array<std::string, 4> m_devices;  // edited devices of COM1..COM4, stored on OK
    int m_devicePort = 1;                  // the COM number whose device the list shows
};

}  // namespace vizud
