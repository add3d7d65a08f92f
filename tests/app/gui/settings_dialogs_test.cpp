#include <gtest/gtest.h>

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include "app/options_dialog.h"
#include "app/port_dialog.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

class PortDialogTest : public ::testing::Test {
protected:
    template <typename T>
    T* child(QDialog& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    test::TempDir dir;
    SettingsStore settings{QString::fromStdString(dir.file("profile.ini"))};
    ConfigRecord config;
    std::vector<std::string> devices{"/dev/serial/by-id/usb-FTDI-port0", "/dev/ttyUSB0", "/dev/ttyS0"};
};

// The port and baud rules are the core's (shell_rules_test); here the form shows and stores them: the
// radio buttons and the baud list, Set Default, and only OK writes the choice back.
TEST_F(PortDialogTest, TheFormShowsTheRulesChoiceAndOnlyOkStoresIt) {
    config = ConfigRecord{.port = 3, .baudRate = 57600};
    {
        PortDialog dialog(config, settings, devices);
        EXPECT_TRUE(child<QRadioButton>(dialog, "com3")->isChecked());
        EXPECT_EQ(child<QComboBox>(dialog, "baudList")->currentText(), "57600");
        child<QRadioButton>(dialog, "com4")->setChecked(true);
        child<QPushButton>(dialog, "cancelButton")->click();
    }
    EXPECT_EQ(config.port, 3);
    PortDialog dialog(config, settings, devices);
    child<QRadioButton>(dialog, "com4")->setChecked(true);
    child<QPushButton>(dialog, "setDefaultButton")->click();
    EXPECT_TRUE(child<QRadioButton>(dialog, "com1")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "baudList")->currentText(), "115200");
    child<QRadioButton>(dialog, "com2")->setChecked(true);
    dialog.accept();
    EXPECT_EQ(config.port, 2);
    EXPECT_EQ(config.baudRate, 115200u);
}

// Each COM number keeps its own device (offered from the list, or typed in), stored in the profile on OK.
TEST_F(PortDialogTest, EachComNumberKeepsItsDeviceInTheProfileOnOk) {
    config.port = 1;
    {
        PortDialog cancelled(config, settings, devices);
        child<QComboBox>(cancelled, "deviceList")->setCurrentText("/dev/ttyUSB0");
        cancelled.reject();
        EXPECT_EQ(settings.portDevice(1), "/dev/ttyS0");
    }
    PortDialog dialog(config, settings, devices);
    auto* device = child<QComboBox>(dialog, "deviceList");
    EXPECT_EQ(device->count(), 3);
    EXPECT_EQ(device->currentText(), "/dev/ttyS0");
    child<QRadioButton>(dialog, "com2")->setChecked(true);
    EXPECT_EQ(device->currentText(), "/dev/ttyS1");
    device->setCurrentText("/dev/pts/7");  // typed in: a box simulator's pseudo-terminal
    child<QRadioButton>(dialog, "com1")->setChecked(true);
    device->setCurrentIndex(1);
    child<QRadioButton>(dialog, "com2")->setChecked(true);
    EXPECT_EQ(device->currentText(), "/dev/pts/7");
    dialog.accept();
    EXPECT_EQ(settings.portDevice(1), "/dev/ttyUSB0");
    EXPECT_EQ(settings.portDevice(2), "/dev/pts/7");
}

// The tick shows bit 0 and only OK stores it (the bit rule: shell_rules_test).
TEST(OptionsDialog, TickFollowsBitZeroOnOkOnly) {
    ConfigRecord config;
    for (const bool ok : {false, true}) {
        OptionsDialog dialog(config);
        auto* tick = dialog.findChild<QCheckBox*>("reopenLast");
        ASSERT_NE(tick, nullptr);
        EXPECT_FALSE(tick->isChecked());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("registerButton")->isVisibleTo(&dialog));
        tick->setChecked(true);
        ok ? dialog.accept() : dialog.reject();
    }
    EXPECT_EQ(config.options, kOptionReopenLast);
    EXPECT_TRUE(OptionsDialog(config).findChild<QCheckBox*>("reopenLast")->isChecked());
}

}  // namespace
}  // namespace vizud
