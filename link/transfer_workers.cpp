#include "link/transfer_workers.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "database/image_access.h"
#include "link/exchanges.h"
#include "link/transfer_reports.h"
#include "link/transfer_session.h"

namespace vizud::link {
namespace {

// Opens the chosen port as every worker starts: report 2, open, report 3 on failure, purge, report 4.
// `device` receives the path opened.
bool openWorkerPort(const WorkerContext& context, SerialPort& port, std::string& device) {
    const auto number = static_cast<std::uint32_t>(context.port.number);
    context.reports.post(kReportOpeningPort, number);
    const PortOpenResult result = context.port.device.empty()
                                      ? port.openCom(context.port.number, context.port.map, context.port.baud)
                                      : port.open(context.port.device, context.port.baud);
    if (!result.ok) {
        context.portFailure = result;
        context.reports.post(kReportPortFailed, number);
        return false;
    }
    device = result.device;
    port.setTimeouts(context.port.timeouts);
    port.setAbortFlag(&context.abort);
    port.purge();
    context.reports.post(kReportWaiting, 0);
    return true;
}

// Passes reports on, except the receive exchange's own completion: the download worker posts it once the
// image is in place, so the dialog cannot end (and the editor cannot read the image) before that.
class HoldCompletion : public ReportSink {
public:
    explicit HoldCompletion(ReportSink& inner) : m_inner(inner) {}
    void post(int code, std::uint32_t value) override {
        if (code != kReportDownloadDone) {
            m_inner.post(code, value);
        }
    }

private:
    ReportSink& m_inner;
};

// While the line is there, passes every report on. Once the device has disappeared, the failure the
// exchange reports for it (a time-out of some step, an abort) is held back: endLostLine() then ends the
// transfer with report 30, which names the device and the reason.
class LineWatch : public ReportSink {
public:
    LineWatch(ReportSink& inner, const PortIo& port) : m_inner(inner), m_port(port) {}
    void post(int code, std::uint32_t value) override {
        if (m_port.lineLost() != 0 && describeReport(code, value).end == DialogEnd::Cancel) {
            return;
        }
        m_inner.post(code, value);
    }

private:
    ReportSink& m_inner;
    const PortIo& m_port;
};

// After an exchange that failed: when the line was lost, reports it (port failure first, then report 30)
// and returns true.
bool endLostLine(const WorkerContext& context, const PortIo& port, const std::string& device) {
    const int error = port.lineLost();
    if (error == 0) {
        return false;
    }
    context.portFailure.ok = false;
    context.portFailure.error = error;
    context.portFailure.device = device;
    context.reports.post(kReportLineLost, static_cast<std::uint32_t>(error));
    return true;
}

// The download's transfer buffer, laid out so its start can be checked as an image.
struct DownloadBuffer {
    all_tables_block image;
    std::uint8_t rest[kTransferBufferSize - sizeof(all_tables_block)];
};
static_assert(sizeof(DownloadBuffer) == kTransferBufferSize);

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long length = ok ? std::ftell(file) : -1;
    ok = ok && length >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(length));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    return ok;
}

}  // namespace

std::uint32_t upgradeTransferType(std::uint64_t fileLength, std::uint32_t* diagnostic) {
    std::uint32_t value = 2;
    std::uint32_t type = kTransferSoftwareFull;
    if (fileLength < 0x100000) {
        value = 0;
        type = kTransferDatabase;
    } else if (fileLength < 0x700000) {
        value = 1;
        type = kTransferSoftware;
    }
    if (diagnostic != nullptr) {
        *diagnostic = value;
    }
    return type;
}

void runDownloadWorker(const WorkerContext& context, all_tables_block& image) {
    SerialPort port;
    std::string device;
    if (!openWorkerPort(context, port, device)) {
        return;
    }
    // Zero-filled, so a box that sends less than the image leaves zeros rather than stale memory.
    auto buffer = std::make_unique<DownloadBuffer>();
    LineWatch watch(context.reports, port);
    HoldCompletion reports(watch);
    PacketLink link(port, context.abort, reports, context.timing);
    const int result =
        runReceiveExchange(link, kTransferDatabase, reinterpret_cast<std::uint8_t*>(buffer.get()), sizeof(*buffer));
    if (result != kExchangeOk) {
        endLostLine(context, port, device);
        return;
    }
    port.close();
    if (!countsWithinCapacity(buffer->image)) {
        context.reports.post(kReportTimeout, kStepNotAChannelImage);
        return;
    }
    std::memcpy(&image, &buffer->image, sizeof(all_tables_block));
    context.reports.post(kReportDownloadDone, 0);
}

void runUploadWorker(const WorkerContext& context, const all_tables_block& image, DeviceRecord& hostRecord) {
    SerialPort port;
    std::string device;
    if (!openWorkerPort(context, port, device)) {
        return;
    }
    hostRecord = builtInHostRecord();
    std::vector<std::uint8_t> buffer(kTransferBufferSize, 0);
    std::memcpy(buffer.data(), &image, sizeof(all_tables_block));
    LineWatch reports(context.reports, port);
    PacketLink link(port, context.abort, reports, context.timing);
    if (runSendExchange(link, kTransferDatabase, buffer.data(), 0x100000, hostRecord) != kExchangeOk) {
        endLostLine(context, port, device);
    }
}

void runUpgradeWorker(const WorkerContext& context, const std::string& path, DeviceRecord& hostRecord) {
    SerialPort port;
    std::string device;
    if (!openWorkerPort(context, port, device)) {
        return;
    }
    std::vector<std::uint8_t> file;
    if (!readWholeFile(path, file)) {
        context.reports.post(kReportTimeout, kStepDlpUnreadable);
        return;
    }
    constexpr std::size_t kDlpHead = 64;
    if (file.size() < kDlpHead) {
        context.reports.post(kReportTimeout, kStepDlpTooShort);
        return;
    }
    // The .dlp file names the hardware its software is for; the last 8 bytes of the record stay.
    std::memcpy(reinterpret_cast<std::uint8_t*>(&hostRecord), file.data(), 24);
    context.reports.post(kReportDiagnostic, static_cast<std::uint32_t>(file.size()));
    std::uint32_t diagnostic = 0;
    const std::uint32_t type = upgradeTransferType(file.size(), &diagnostic);
    context.reports.post(kReportDiagnostic, diagnostic);
    LineWatch reports(context.reports, port);
    PacketLink link(port, context.abort, reports, context.timing);
    if (runSendExchange(link, type, file.data() + kDlpHead, file.size() - kDlpHead, hostRecord) != kExchangeOk) {
        endLostLine(context, port, device);
    }
}

}  // namespace vizud::link
