// Rules of the "Port settings" and "Options" dialogs. Both edit the configuration record in memory only;
// it reaches veravaravo.cfg when the program ends.
#pragma once

#include <array>
#include <string>

#include "app/config_record.h"

namespace vizud {

inline constexpr int kBaudItem115200 = 0;
inline constexpr int kBaudItem57600 = 1;

struct PortChoice {
    int port = 1;                    // the radio button shown selected, 1..4
    int baudItem = kBaudItem115200;  // item of the baud-rate list
};

// What the port dialog shows when it opens. A port outside 1..4 is shown as COM1 and the record is set
// to 1 at once, even if the dialog is then cancelled.
PortChoice openPortSettings(ConfigRecord& config);
// "Set Default": COM1 and 115200. Nothing is stored.
PortChoice defaultPortChoice();
// OK: the lowest selected COM number becomes the port (COM1 when none is selected); item 1 stores 57600,
// anything else 115200.
void acceptPortSettings(const std::array<bool, 4>& selected, int baudItem, ConfigRecord& config);

bool reopenLastTicked(const ConfigRecord& config);
// OK of the options dialog: bit 0 follows the box, the other option bits stay.
void acceptOptions(bool reopenLast, ConfigRecord& config);

// The serial device a COM number uses until the user chooses another: /dev/ttyS<n-1>.
std::string defaultPortDevice(int port);

}  // namespace vizud
