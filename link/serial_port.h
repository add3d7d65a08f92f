// The serial port to the box: a POSIX terminal device at 115200 or 57600 baud, 8-N-1, raw, no flow control
// of any kind, DTR and RTS held inactive, opened exclusively (TIOCEXCL and an flock advisory lock, so a
// port another program holds fails to open).
//
// The editor names ports COM1..COM4; ComPortMap turns the number into a device path. The GUI fills the
// map from its settings, the command-line tool from VIZUD_COM1..VIZUD_COM4; the defaults are
// /dev/ttyS0..3.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/fd_port.h"

namespace vizud::link {

inline constexpr int kFirstComPort = 1;
inline constexpr int kLastComPort = 4;

struct ComPortMap {
    std::array<std::string, 4> devices{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};

    // The device for COM`number`; empty for a number outside 1..4.
    std::string deviceFor(int number) const;
    // Replaces each device whose environment variable VIZUD_COM1..VIZUD_COM4 is set and not empty.
    void readEnvironment();
};

// What opening a port came to. A failed open keeps the device path and errno so the user can be told
// which device failed and why (second line under "Can not open port COM%d").
struct PortOpenResult {
    bool ok = false;
    int error = 0;       // errno of the step that failed; EBUSY when another program holds the port
    std::string device;  // the path tried; empty when the port number was out of range

    // One line for the user: "/dev/ttyS0: Permission denied - add your user to the group dialout ...".
    std::string reason() const;
};

inline bool isSupportedBaud(std::uint32_t baud) {
    return baud == 115200 || baud == 57600;
}

class SerialPort : public FdPort {
public:
    // Opens `device` and configures the line. Nothing is left open on failure. A baud rate other than
    // 115200 or 57600 fails with EINVAL.
    PortOpenResult open(const std::string& device, std::uint32_t baud);
    // Opens COM`number` through `map`; a number outside 1..4 fails at once without touching any device.
    PortOpenResult openCom(int number, const ComPortMap& map, std::uint32_t baud);
};

}  // namespace vizud::link
