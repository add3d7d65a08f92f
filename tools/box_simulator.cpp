#include "tools/box_simulator.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "database/atomic_file.h"
#include "database/image_layout.h"

namespace vizud::boxsim {
namespace {

using namespace vizud::link;

constexpr int kSendTries = 5;  // the box sends a packet again while the host does not acknowledge it
constexpr std::size_t kDatabaseWireSize = 0x100000;
constexpr std::uint32_t kLargestImage = 0x800000;

std::vector<std::uint8_t> commandPacket(std::uint32_t kind, std::uint32_t parameter, const void* payload = nullptr,
                                        std::size_t payloadSize = 0) {
    const CommandHeader header = makeCommandHeader(kind, parameter);
    return encodePacket(header.data(), header.size(), static_cast<const std::uint8_t*>(payload), payloadSize);
}

bool isValidCommand(const std::uint8_t* packet, std::size_t length, std::uint32_t kind) {
    return length == kAckPacketSize && packet[0] == kStartByte && headerKind(packet + 1) == kind &&
           readLe32(packet + 1 + kCommandHeaderSize) == crc32IsoHdlc(packet + 1, kCommandHeaderSize);
}

}  // namespace

BoxSimulator::BoxSimulator(FdPort& port, BoxConfig config, std::vector<std::uint8_t> database)
    : m_port(port), m_config(std::move(config)), m_link(port, m_stop, m_noReports, LinkTiming{}) {
    database.resize(kDatabaseWireSize, 0);
    m_database = std::move(database);
    m_port.setAbortFlag(&m_stop);
    m_port.setTimeouts(m_config.timeouts);
}

void BoxSimulator::log(const std::string& text) const {
    if (m_log) {
        m_log(text);
    }
}

void BoxSimulator::idleTimeouts(int constantMs) {
    PortTimeouts idle = m_config.timeouts;
    idle.readIntervalMs = std::min(idle.readIntervalMs, 50);
    idle.readPerByteMs = 0;
    idle.readConstantMs = constantMs;
    m_port.setTimeouts(idle);
}

void BoxSimulator::serve(int maxTransfers) {
    const auto attempted = [this] {
        std::lock_guard<std::mutex> lock(m_mutex);
        return static_cast<int>(m_outcomes.size());
    };
    while (!m_stop.load() && (maxTransfers == 0 || attempted() < maxTransfers)) {
        m_packetsSent = m_acksSent = m_packetsSeen = 0;
        if (m_config.faults.silent || m_stalled) {
            // Swallow whatever the host sends and never answer.
            std::uint8_t sink[256];
            idleTimeouts(100);
            m_port.read(sink, sizeof(sink));
            continue;
        }
        if (listenForRequest()) {
            serveDownload();
            continue;
        }
        bool hostRequested = false;
        if (askForUpload(hostRequested)) {
            if (hostRequested) {
                serveDownload();
            } else {
                serveUpload();
            }
        }
    }
    m_port.setTimeouts(m_config.timeouts);
}

// Listens a moment for the host's request "ZQER"; acknowledges it when it came.
bool BoxSimulator::listenForRequest() {
    idleTimeouts(m_config.listenMs);
    std::uint8_t packet[kAckPacketSize];
    const long n = readShortPacket(packet);
    if (n <= 0 || !isValidCommand(packet, static_cast<std::size_t>(n), kKindRequest)) {
        return false;
    }
    m_port.setTimeouts(m_config.timeouts);
    counted();
    if (takeAck()) {
        const auto ack = makeAckPacket();
        m_link.writeBytes(ack.data(), ack.size());
    }
    return true;
}

// Sends the box's own request and waits briefly for the answer: the host's acknowledgement (it wants to
// send) or the host's own request (it wants to receive; acknowledged here).
bool BoxSimulator::askForUpload(bool& hostRequested) {
    if (m_config.flushFd >= 0) {
        // Requests nobody read would pile up on the line: drop them before asking again.
        ::tcflush(m_config.flushFd, TCIFLUSH);
    }
    auto request = commandPacket(kKindRequest, kTransferDatabase);
    if (m_config.faults.garbage > 0) {
        request.insert(request.begin(), static_cast<std::size_t>(m_config.faults.garbage), 0xA5);
    }
    m_link.writeBytes(request.data(), request.size());
    idleTimeouts(m_config.answerMs);
    std::uint8_t packet[kAckPacketSize];
    const long n = readShortPacket(packet);
    m_port.setTimeouts(m_config.timeouts);
    if (n <= 0) {
        return false;
    }
    if (isValidCommand(packet, static_cast<std::size_t>(n), kKindAck)) {
        hostRequested = false;
        counted();
        return true;
    }
    if (isValidCommand(packet, static_cast<std::size_t>(n), kKindRequest)) {
        hostRequested = true;
        counted();
        if (takeAck()) {
            const auto ack = makeAckPacket();
            m_link.writeBytes(ack.data(), ack.size());
        }
        return true;
    }
    return false;
}

// Reads one 25-byte packet with the idle timing; a packet whose start came just before the time ran out
// is read to its end, so a request from the host is never cut in two.
long BoxSimulator::readShortPacket(std::uint8_t* packet) {
    long n = m_port.read(packet, kAckPacketSize);
    if (n > 0 && n < static_cast<long>(kAckPacketSize) && packet[0] == kStartByte) {
        idleTimeouts(200);
        const long more = m_port.read(packet + n, kAckPacketSize - static_cast<std::size_t>(n));
        n += more > 0 ? more : 0;
    }
    return n;
}

bool BoxSimulator::counted() {
    ++m_packetsSeen;
    if (m_config.faults.stallAfter > 0 && m_packetsSeen > m_config.faults.stallAfter) {
        m_stalled = true;
    }
    if (m_config.faults.hangupAfter > 0 && m_packetsSeen > m_config.faults.hangupAfter && !m_hungUp) {
        // As a cable pulled out: the host's next read or write finds the line gone.
        log("hanging up after " + std::to_string(m_config.faults.hangupAfter) + " packets");
        m_hungUp = true;
        m_port.close();
        m_stop.store(true);
    }
    return !m_stalled && !m_hungUp;
}

bool BoxSimulator::takeAck() {
    ++m_acksSent;
    if (m_config.faults.withholdAck > 0 && !m_withholdDone && m_acksSent == m_config.faults.withholdAck) {
        m_withholdDone = true;
        log("withholding acknowledgement " + std::to_string(m_acksSent));
        return false;
    }
    return !m_stalled && !m_hungUp;
}

bool BoxSimulator::readAck() {
    std::uint8_t packet[kAckPacketSize];
    const long n = m_port.read(packet, sizeof(packet));
    return n > 0 && isValidCommand(packet, static_cast<std::size_t>(n), kKindAck);
}

int BoxSimulator::sendPacket(std::vector<std::uint8_t> bytes, bool waitAck) {
    if (!counted()) {
        return 1;
    }
    ++m_packetsSent;
    if (m_config.faults.corruptPacket > 0 && !m_corruptDone && m_packetsSent == m_config.faults.corruptPacket) {
        m_corruptDone = true;
        log("damaging packet " + std::to_string(m_packetsSent));
        std::vector<std::uint8_t> damaged = bytes;
        damaged[damaged.size() - 1] ^= 0x5A;  // the CRC no longer matches
        m_link.writeBytes(damaged.data(), damaged.size());
        if (!waitAck) {
            return 0;
        }
        readAck();
    } else {
        std::vector<std::uint8_t> out(static_cast<std::size_t>(m_config.faults.garbage), 0xA5);
        out.insert(out.end(), bytes.begin(), bytes.end());
        if (m_link.writeBytes(out.data(), out.size()) != 0) {
            return 1;
        }
        if (!waitAck || readAck()) {
            return 0;
        }
    }
    for (int attempt = 1; attempt < kSendTries && !m_stop.load(); ++attempt) {
        if (m_link.writeBytes(bytes.data(), bytes.size()) != 0) {
            return 1;
        }
        if (readAck()) {
            return 0;
        }
    }
    return 1;
}

void BoxSimulator::serveDownload() {
    log("download requested");
    const auto fail = [this](const std::string& why) { finish(BoxOutcome::Failed, "download failed: " + why); };
    if (sendPacket(commandPacket(kKindQuery, kTransferDatabase), true) != 0) {
        return fail("query not acknowledged");
    }
    std::uint8_t header[kCommandHeaderSize];
    std::uint8_t record[kRecordPayloadSize];
    if (m_link.receiveCommandPacket(header, record, sizeof(record), false) != 0 || !counted() ||
        headerKind(header) != kKindReport) {
        return fail("no device report from the host");
    }
    if (takeAck()) {
        const auto ack = makeAckPacket();
        m_link.writeBytes(ack.data(), ack.size());
    }
    const std::uint32_t status = m_config.faults.refuse ? 1 : 0;
    if (sendPacket(commandPacket(kKindStatus, status), false) != 0) {
        return fail("status not sent");
    }
    if (status != 0) {
        return finish(BoxOutcome::Failed, "download refused");
    }
    FileHeader file;
    if (m_config.faults.oversize) {
        file.imageType = kTransferSoftwareFull;
        file.target = 0x00690000;
        file.imageSize = 0x7FFFFF;
    } else {
        file.imageType = kTransferDatabase;
        file.target = 0x006A0000;
        file.imageSize = static_cast<std::uint32_t>(kDatabaseWireSize);
    }
    file.blockCount = blockCountFor(file.imageSize);
    if (sendPacket(commandPacket(kKindFileHeader, 0, &file, sizeof(file)), true) != 0) {
        return fail("file header not acknowledged");
    }
    std::vector<std::uint8_t> image;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        image = m_database;
    }
    std::uint8_t block[kMaxBlockPayload];
    std::uint32_t offset = 0;
    for (std::uint32_t i = 0; i < file.blockCount; ++i) {
        const std::uint32_t length = std::min<std::uint32_t>(kMaxBlockPayload, file.imageSize - offset);
        std::memset(block, 0, sizeof(block));
        if (offset < image.size()) {
            std::memcpy(block, image.data() + offset, std::min<std::size_t>(length, image.size() - offset));
        }
        const DataHeader header32 = makeDataHeader(file.imageType, i, length);
        if (sendPacket(encodePacket(header32.data(), header32.size(), block, length), true) != 0) {
            return fail("block " + std::to_string(i) + " not acknowledged");
        }
        offset += length;
    }
    finish(BoxOutcome::DownloadServed, "download served: " + std::to_string(file.blockCount) + " blocks");
}

void BoxSimulator::serveUpload() {
    log("host answered the request");
    const auto fail = [this](const std::string& why) { finish(BoxOutcome::Failed, "upload failed: " + why); };
    std::uint8_t header[kCommandHeaderSize];
    if (m_link.receiveCommandPacket(header, nullptr, 0, false) != 0 || !counted() || headerKind(header) != kKindQuery) {
        return fail("no query from the host");
    }
    if (takeAck()) {
        const auto ack = makeAckPacket();
        m_link.writeBytes(ack.data(), ack.size());
    }
    const std::uint32_t transferType = headerParameter(header);
    DeviceRecord record = builtInHostRecord();
    record.deviceId = m_config.deviceId;
    if (sendPacket(commandPacket(kKindReport, m_config.deviceType, &record, sizeof(record)), true) != 0) {
        return fail("device report not acknowledged");
    }
    if (m_link.receiveCommandPacket(header, nullptr, 0, false) != 0 || !counted() ||
        headerKind(header) != kKindStatus) {
        return fail("no status from the host");
    }
    if (headerParameter(header) != 0) {
        return fail("the host refused this box");
    }
    FileHeader file;
    if (m_link.receiveCommandPacket(header, reinterpret_cast<std::uint8_t*>(&file), sizeof(file), false) != 0 ||
        !counted() || headerKind(header) != kKindFileHeader) {
        return fail("no file header");
    }
    if (takeAck()) {
        const auto ack = makeAckPacket();
        m_link.writeBytes(ack.data(), ack.size());
    }
    if (file.imageSize == 0 || file.imageSize > kLargestImage || file.blockCount == 0) {
        return fail("unusable file header");
    }
    std::vector<std::uint8_t> image(file.imageSize, 0);
    std::uint8_t dataHeader[kDataHeaderSize];
    std::uint32_t offset = 0;
    for (std::uint32_t i = 0; i < file.blockCount && offset < file.imageSize; ++i) {
        const std::size_t room = std::min<std::size_t>(kMaxBlockPayload, file.imageSize - offset);
        if (m_link.receiveDataPacket(dataHeader, image.data() + offset, room, false) != 0 || !counted()) {
            return fail("block " + std::to_string(i) + " did not arrive");
        }
        if (dataBlockNumber(dataHeader) != i) {
            return fail("block " + std::to_string(i) + " came as " + std::to_string(dataBlockNumber(dataHeader)));
        }
        if (takeAck()) {
            const auto ack = makeAckPacket();
            m_link.writeBytes(ack.data(), ack.size());
        }
        offset += dataLength(dataHeader);
    }
    if (file.imageType == kTransferDatabase) {
        image.resize(kDatabaseWireSize, 0);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_database = image;
        }
        if (!m_config.uploadPath.empty() && !writeFileAtomically(m_config.uploadPath, image.data(), kImageSize)) {
            log("cannot write " + m_config.uploadPath);
        }
        return finish(BoxOutcome::UploadReceived,
                      "database received: " + std::to_string(file.blockCount) + " blocks" +
                          (m_config.uploadPath.empty() ? "" : " -> " + m_config.uploadPath));
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_upgrade = image;
        m_upgradeHeader = file;
        m_upgradeType = transferType;
    }
    if (!m_config.upgradePath.empty() && !writeFileAtomically(m_config.upgradePath, image.data(), image.size())) {
        log("cannot write " + m_config.upgradePath);
    }
    finish(BoxOutcome::UpgradeReceived, "software received: type " + std::to_string(file.imageType) + ", " +
                                            std::to_string(file.blockCount) + " blocks" +
                                            (m_config.upgradePath.empty() ? "" : " -> " + m_config.upgradePath));
}

void BoxSimulator::finish(BoxOutcome outcome, const std::string& text) {
    log(text);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_outcomes.push_back(outcome);
    }
    m_changed.notify_all();
}

bool BoxSimulator::waitForTransfers(int count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return static_cast<int>(m_outcomes.size()) >= count; });
}

std::vector<BoxOutcome> BoxSimulator::outcomes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_outcomes;
}

std::vector<std::uint8_t> BoxSimulator::database() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_database;
}

std::vector<std::uint8_t> BoxSimulator::upgradeImage() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_upgrade;
}

FileHeader BoxSimulator::lastUpgradeHeader() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_upgradeHeader;
}

std::uint32_t BoxSimulator::lastUpgradeType() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_upgradeType;
}

bool PseudoTerminal::open() {
    close();
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        master = slave = -1;
        return false;
    }
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    path = name;
    return true;
}

void PseudoTerminal::close() {
    if (slave >= 0) {
        ::close(slave);
    }
    slave = -1;
    // The master descriptor belongs to the port that serves on it.
    master = -1;
}

}  // namespace vizud::boxsim
