// The box's side of the packet link, for tests and for trying transfers without hardware. It serves
// downloads of its database, accepts uploads (which replace its database) and software upgrades, and
// can be told to misbehave in the ways a real line or box does.
//
// While idle the box alternates between listening for the host's request (a download) and sending its
// own request (so a host waiting to upload or upgrade can answer it). A packet the host does not
// acknowledge is sent again a few times, as the box does.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "link/device_records.h"
#include "link/fd_port.h"
#include "link/packet_link.h"

namespace vizud::boxsim {

struct BoxFaults {
    bool refuse = false;    // a download gets "ZATS" with parameter 1
    bool silent = false;    // never sends a byte
    int garbage = 0;        // bytes of garbage (never 0x02) before every packet the box sends, acks aside
    int corruptPacket = 0;  // once: the N-th packet of a transfer (acks aside, counting from 1) goes out damaged
    int withholdAck = 0;    // once: the N-th acknowledgement of a transfer (counting from 1) is not sent
    bool oversize = false;  // a download announces an image of type 1 with 0x7FFFFF bytes
    int stallAfter = 0;     // the box falls silent for good after N packets of a transfer (sent or received)
    int hangupAfter = 0;    // the box closes its side of the line after N packets of a transfer and stops
};

struct BoxConfig {
    std::uint32_t deviceId = 0x03010101;
    std::uint32_t deviceType = 0;  // DTYPE_ANY
    BoxFaults faults;
    link::PortTimeouts timeouts;  // the box's own line timing
    std::string uploadPath;       // where an uploaded database is written; empty: kept in memory only
    std::string upgradePath;      // where an upgrade image is written; empty: kept in memory only
    int listenMs = 150;           // idle: how long to listen for the host's request
    int answerMs = 250;           // idle: how long to wait for an answer to the box's own request
    int flushFd = -1;             // the box's own end of the pseudo-terminal's line, flushed while idle
};

enum class BoxOutcome { DownloadServed, UploadReceived, UpgradeReceived, Failed };

class BoxSimulator {
public:
    // `database`: the image the box serves (at most 0x100000 bytes are used; shorter is zero-padded).
    BoxSimulator(link::FdPort& port, BoxConfig config, std::vector<std::uint8_t> database);

    // Serves transfers until stop() or until `maxTransfers` transfers were attempted (0: no limit).
    void serve(int maxTransfers = 0);
    // Makes serve() return within a read time-out slice; thread-safe.
    void stop() { m_stop.store(true); }
    const std::atomic<bool>& stopFlag() const { return m_stop; }

    // Waits until `count` transfers have ended (served or failed) since construction; false on time-out.
    bool waitForTransfers(int count, int timeoutMs);
    std::vector<BoxOutcome> outcomes() const;
    std::vector<std::uint8_t> database() const;
    std::vector<std::uint8_t> upgradeImage() const;
    link::FileHeader lastUpgradeHeader() const;
    std::uint32_t lastUpgradeType() const;

    // Receives one line per event (transfer started, served, failed); may be empty.
    void setLog(std::function<void(const std::string&)> log) { m_log = std::move(log); }

private:
    bool listenForRequest();
    bool askForUpload(bool& hostRequested);
    long readShortPacket(std::uint8_t* packet);
    void serveDownload();
    void serveUpload();
    int sendPacket(std::vector<std::uint8_t> bytes, bool waitAck);
    bool readAck();
    bool takeAck();  // false when this acknowledgement is to be withheld
    bool counted();  // counts one packet; false once the box stalls or hung up
    void finish(BoxOutcome outcome, const std::string& text);
    void idleTimeouts(int constantMs);
    void log(const std::string& text) const;

    link::FdPort& m_port;
    BoxConfig m_config;
    std::atomic<bool> m_stop{false};
    link::NullReportSink m_noReports;
    link::PacketLink m_link;

    int m_packetsSent = 0;
    int m_acksSent = 0;
    int m_packetsSeen = 0;
    bool m_corruptDone = false;
    bool m_withholdDone = false;
    bool m_stalled = false;
    bool m_hungUp = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::uint8_t> m_database;
    std::vector<std::uint8_t> m_upgrade;
    link::FileHeader m_upgradeHeader;
    std::uint32_t m_upgradeType = 0;
    std::vector<BoxOutcome> m_outcomes;
    std::function<void(const std::string&)> m_log;
};

// A pseudo-terminal: the box serves on `master`; `path` is the device to give the editor. The box's
// `slave` descriptor stays open so the line does not hang up between transfers. Raw mode, no echo.
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    std::string path;

    bool open();
    void close();
};

}  // namespace vizud::boxsim
