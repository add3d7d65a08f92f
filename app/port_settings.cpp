#include "app/port_settings.h"

namespace vizud {

PortChoice openPortSettings(ConfigRecord& config) {
    if (config.port < 1 || config.port > 4) {
        config.port = 1;
    }
    PortChoice choice;
    choice.port = config.port;
    choice.baudItem = config.baudRate == 57600 ? kBaudItem57600 : kBaudItem115200;
    return choice;
}

PortChoice defaultPortChoice() {
    return PortChoice{1, kBaudItem115200};
}

void acceptPortSettings(const std::array<bool, 4>& selected, int baudItem, ConfigRecord& config) {
    int port = 1;
    for (int i = 3; i >= 0; --i) {
        if (selected[static_cast<std::size_t>(i)]) {
            port = i + 1;
        }
    }
    config.port = static_cast<std::uint8_t>(port);
    config.baudRate = baudItem == kBaudItem57600 ? 57600u : 115200u;
}

bool reopenLastTicked(const ConfigRecord& config) {
    return (config.options & kOptionReopenLast) != 0;
}

void acceptOptions(bool reopenLast, ConfigRecord& config) {
    if (reopenLast) {
        config.options = static_cast<std::uint8_t>(config.options | kOptionReopenLast);
    } else {
        config.options = static_cast<std::uint8_t>(config.options & ~kOptionReopenLast);
    }
}

std::string defaultPortDevice(int port) {
    return "/dev/ttyS" + std::to_string(port - 1);
}

}  // namespace vizud
