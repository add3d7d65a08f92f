// vizud-boxsim: the box's side of the serial link, on a pseudo-terminal (or a serial device), so the
// editor and vizud-cli can download, upload and upgrade without a box.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "database/image_crc.h"
#include "database/image_layout.h"
#include "link/serial_port.h"
#include "tools/box_simulator.h"
#include "vizud_version.h"

namespace {

using namespace vizud;

const char* const kUsage =
    "Usage: vizud-boxsim [OPTIONS]\n"
    "Plays the set-top box on a new pseudo-terminal and prints its path; give that path to\n"
    "vizud-cli --device (or to the editor's port settings).\n"
    "\n"
    "  --device PATH        serve on this serial device instead of a pseudo-terminal\n"
    "  --baud RATE          baud rate on --device: 115200 (default) or 57600\n"
    "  --serve FILE.si      the database the box holds (default: an empty database)\n"
    "  --upload-to FILE     where an uploaded database is written (default: boxsim-upload.si)\n"
    "  --upgrade-to FILE    where an upgrade image is written (default: boxsim-upgrade.bin)\n"
    "  --device-id HEX      the box's device id (default 0x03010101)\n"
    "  --device-type N      the box's device type (default 0)\n"
    "  --once               end after one transfer\n"
    "  --quiet              print only the device path\n"
    "  --version            print the version and exit\n"
    "Faults:\n"
    "  --refuse             refuse downloads\n"
    "  --silent             never answer\n"
    "  --garbage N          send N garbage bytes (at most 24) before every packet\n"
    "  --corrupt-once N     damage the N-th packet of a transfer, once\n"
    "  --withhold-ack N     withhold the N-th acknowledgement of a transfer, once\n"
    "  --oversize           announce a 0x7FFFFF-byte image on download\n"
    "  --hangup-after N     close the line after N packets of a transfer, as a cable pulled out\n";

volatile std::sig_atomic_t g_stop = 0;
boxsim::BoxSimulator* g_box = nullptr;

void onSignal(int) {
    g_stop = 1;
    if (g_box != nullptr) {
        g_box->stop();  // an atomic store: safe in a signal handler
    }
}

bool parseNumber(const std::string& text, unsigned long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text.c_str(), &end, 0);
    return errno == 0 && end != text.c_str() && *end == '\0';
}

std::vector<std::uint8_t> emptyDatabase() {
    std::vector<std::uint8_t> bytes(kImageSize, 0);
    auto* image = reinterpret_cast<all_tables_block*>(bytes.data());
    refreshCrc(*image);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    boxsim::BoxConfig config;
    config.uploadPath = "boxsim-upload.si";
    config.upgradePath = "boxsim-upgrade.bin";
    std::string device;
    std::string servePath;
    unsigned long baud = 115200;
    bool once = false;
    bool quiet = false;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](unsigned long& out) { return i + 1 < args.size() && parseNumber(args[++i], out); };
        const auto text = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        unsigned long n = 0;
        bool ok = true;
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--version") {
            std::cout << "vizud-boxsim " << kVersion << "\n";
            return 0;
        } else if (a == "--device") {
            ok = text(device);
        } else if (a == "--baud") {
            ok = value(baud) && link::isSupportedBaud(static_cast<std::uint32_t>(baud));
        } else if (a == "--serve") {
            ok = text(servePath);
        } else if (a == "--upload-to") {
            ok = text(config.uploadPath);
        } else if (a == "--upgrade-to") {
            ok = text(config.upgradePath);
        } else if (a == "--device-id") {
            ok = value(n) && n <= 0xFFFFFFFFul;
            config.deviceId = static_cast<std::uint32_t>(n);
        } else if (a == "--device-type") {
            ok = value(n) && n <= 0xFFFFFFFFul;
            config.deviceType = static_cast<std::uint32_t>(n);
        } else if (a == "--once") {
            once = true;
        } else if (a == "--quiet") {
            quiet = true;
        } else if (a == "--refuse") {
            config.faults.refuse = true;
        } else if (a == "--silent") {
            config.faults.silent = true;
        } else if (a == "--garbage") {
            ok = value(n) && n <= 24;
            config.faults.garbage = static_cast<int>(n);
        } else if (a == "--corrupt-once") {
            ok = value(n) && n >= 1 && n <= 100000;
            config.faults.corruptPacket = static_cast<int>(n);
        } else if (a == "--withhold-ack") {
            ok = value(n) && n >= 1 && n <= 100000;
            config.faults.withholdAck = static_cast<int>(n);
        } else if (a == "--hangup-after") {
            ok = value(n) && n >= 1 && n <= 100000;
            config.faults.hangupAfter = static_cast<int>(n);
        } else if (a == "--oversize") {
            config.faults.oversize = true;
        } else {
            ok = false;
        }
        if (!ok) {
            std::cerr << "vizud-boxsim: bad option or value: " << a << "\n" << kUsage;
            return 2;
        }
    }

    std::vector<std::uint8_t> database = emptyDatabase();
    if (!servePath.empty()) {
        std::ifstream in(servePath, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && !in.good()) {
            bytes.clear();
        }
        if (bytes.size() < kImageSize) {
            std::cerr << "vizud-boxsim: " << servePath << ": not a channel file (" << kImageSize << " bytes needed)\n";
            return 1;
        }
        bytes.resize(kImageSize);
        database = std::move(bytes);
    }

    boxsim::PseudoTerminal pty;
    link::SerialPort serial;
    link::FdPort ptyPort;
    link::FdPort* port = &ptyPort;
    if (device.empty()) {
        if (!pty.open()) {
            std::perror("vizud-boxsim: openpty");
            return 1;
        }
        ptyPort.adopt(pty.master);
        config.flushFd = pty.slave;
        std::cout << pty.path << std::endl;
    } else {
        const link::PortOpenResult opened = serial.open(device, static_cast<std::uint32_t>(baud));
        if (!opened.ok) {
            std::cerr << "vizud-boxsim: " << opened.reason() << "\n";
            return 1;
        }
        port = &serial;
        std::cout << device << std::endl;
    }

    boxsim::BoxSimulator box(*port, config, std::move(database));
    if (!quiet) {
        std::cerr << "vizud-boxsim: serving as device 0x" << std::hex << config.deviceId << std::dec << " type "
                  << config.deviceType << "; try: vizud-cli download -o x.si --device "
                  << (device.empty() ? pty.path : device) << "\n";
        box.setLog([](const std::string& line) { std::cerr << "vizud-boxsim: " << line << std::endl; });
    }
    g_box = &box;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    box.serve(once ? 1 : 0);
    g_box = nullptr;
    pty.close();
    const auto outcomes = box.outcomes();
    if (once && (outcomes.empty() || outcomes.back() == boxsim::BoxOutcome::Failed)) {
        return 1;
    }
    return 0;
}
