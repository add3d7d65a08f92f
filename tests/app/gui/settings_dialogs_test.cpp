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

TEST_F(PortDialogTest, ForeignPortShowsCom1AndIsStoredAtOnce) {
    config.port = 7;
    PortDialog dialog(config, settings, devices);
    EXPECT_TRUE(child<QRadioButton>(dialog, "com1")->isChecked());
    dialog.reject();
    EXPECT_EQ(config.port, 1) << "even when cancelled";
}

TEST_F(PortDialogTest, ForeignBaudRateShows115200AndOkStoresIt) {
    config.baudRate = 9600;
    config.port = 4;
    PortDialog dialog(config, settings, devices);
    auto* baud = child<QComboBox>(dialog, "baudList");
    EXPECT_EQ(baud->currentText(), "115200");
    EXPECT_EQ(baud->count(), 2);
    EXPECT_TRUE(child<QRadioButton>(dialog, "com4")->isChecked());
    dialog.accept();
    EXPECT_EQ(config.baudRate, 115200u);
    EXPECT_EQ(config.port, 4);
}

TEST_F(PortDialogTest, SetDefaultThenCancelChangesNothing) {
    config.port = 3;
    config.baudRate = 57600;
    PortDialog dialog(config, settings, devices);
    EXPECT_EQ(child<QComboBox>(dialog, "baudList")->currentText(), "57600");
    child<QPushButton>(dialog, "setDefaultButton")->click();
    EXPECT_TRUE(child<QRadioButton>(dialog, "com1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(dialog, "com3")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "baudList")->currentText(), "115200");
    child<QPushButton>(dialog, "cancelButton")->click();
    EXPECT_EQ(config.port, 3);
    EXPECT_EQ(config.baudRate, 57600u);
}

TEST_F(PortDialogTest, EachComNumberKeepsItsDeviceInTheProfile) {
    config.port = 1;
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
    EXPECT_EQ(config.port, 2);
    EXPECT_EQ(settings.portDevice(1), "/dev/ttyUSB0");
    EXPECT_EQ(settings.portDevice(2), "/dev/pts/7");
    EXPECT_EQ(settings.portDevice(3), "/dev/ttyS2");
}

TEST_F(PortDialogTest, CancelKeepsTheDevices) {
    PortDialog dialog(config, settings, devices);
    child<QComboBox>(dialog, "deviceList")->setCurrentText("/dev/ttyUSB0");
    dialog.reject();
    EXPECT_EQ(settings.portDevice(1), "/dev/ttyS0");
}

TEST(OptionsDialog, TickFollowsBitZeroOnOkOnly) {
    ConfigRecord config;
    config.options = 0x40;
    {
        OptionsDialog dialog(config);
        auto* tick = dialog.findChild<QCheckBox*>("reopenLast");
        ASSERT_NE(tick, nullptr);
        EXPECT_FALSE(tick->isChecked());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("registerButton")->isVisibleTo(&dialog));
        tick->setChecked(true);
        dialog.reject();
    }
    EXPECT_EQ(config.options, 0x40);
    {
        OptionsDialog dialog(config);
        dialog.findChild<QCheckBox*>("reopenLast")->setChecked(true);
        dialog.accept();
    }
    EXPECT_EQ(config.options, 0x41);
}

}  // namespace
}  // namespace vizud
