// "Options": whether the last channel file is re-opened at start (option bit 0 of the configuration).
#pragma once

#include <QtWidgets/QDialog>

#include <memory>

#include "app/config_record.h"

namespace Ui {
class OptionsDialog;
}

namespace vizud {

class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(ConfigRecord& config, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    void accept() override;

private:
    std::unique_ptr<Ui::OptionsDialog> m_ui;
    ConfigRecord& m_config;
};

}  // namespace vizud
