#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vizud::link {

std::string ComPortMap::deviceFor(int number) const {
    if (number < kFirstComPort || number > kLastComPort) {
        return {};
    }
    return devices[static_cast<std::size_t>(number - kFirstComPort)];
}

void ComPortMap::readEnvironment() {
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        const std::string name = "VIZUD_COM" + std::to_string(n);
        const char* value = std::getenv(name.c_str());
        if (value != nullptr && *value != '\0') {
            devices[static_cast<std::size_t>(n - kFirstComPort)] = value;
        }
    }
}

std::string PortOpenResult::reason() const {
    if (ok) {
        return {};
    }
    if (device.empty()) {
        return "the port number must be 1 to 4";
    }
    std::string text = device + ": ";
    switch (error) {
        case EBUSY:
        case EWOULDBLOCK:
            return text + "the port is in use by another program";
        case EACCES:
        case EPERM:
            return text + std::strerror(error) +
                   " - add your user to the group dialout (sudo usermod -aG dialout $USER) and log in again";
        case ENOTTY:
            return text + "not a serial port";
        default:
            return text + std::strerror(error);
    }
}

PortOpenResult SerialPort::open(const std::string& device, std::uint32_t baud) {
    close();
    PortOpenResult result;
    result.device = device;
    const auto fail = [&](int error, int fd) {
        if (fd >= 0) {
            ::close(fd);
        }
        result.error = error;
        return result;
    };
    if (!isSupportedBaud(baud)) {
        return fail(EINVAL, -1);
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return fail(errno, -1);
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return fail(errno, fd);
    }
    // TIOCEXCL keeps other programs from opening the device after us; the advisory lock catches a program
    // that already has it open (and root, which TIOCEXCL does not stop).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return fail(errno == EWOULDBLOCK ? EBUSY : errno, fd);
    }
    ::ioctl(fd, TIOCEXCL);

    ::tcflush(fd, TCIFLUSH);  // see FdPort::purge
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR | ISTRIP);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = baud == 57600 ? B57600 : B115200;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        return fail(errno, fd);
    }
    // Hold DTR and RTS inactive (the open raised them). Pseudo-terminals have no modem lines: ignore.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &lines);

    adopt(fd);
    result.ok = true;
    return result;
}

PortOpenResult SerialPort::openCom(int number, const ComPortMap& map, std::uint32_t baud) {
    const std::string device = map.deviceFor(number);
    if (device.empty()) {
        close();
        PortOpenResult result;
        result.error = ENODEV;
        return result;
    }
    return open(device, baud);
}

}  // namespace vizud::link
