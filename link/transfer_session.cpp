#include "link/transfer_session.h"

#include <system_error>

#include "link/transfer_workers.h"

namespace vizud::link {

std::string portOpenProblem(const PortSelection& port) {
    SerialPort serial;  // closed again when it goes out of scope
    const PortOpenResult result =
        port.device.empty() ? serial.openCom(port.number, port.map, port.baud) : serial.open(port.device, port.baud);
    if (result.ok)
        return {};
    std::string message = describeReport(kReportPortFailed, static_cast<std::uint32_t>(port.number)).message;
    if (const std::string why = result.reason(); !why.empty())
        message += "\n" + why;
    return message;
}

TransferSession::TransferSession(all_tables_block& image) : m_image(image) {}

TransferSession::~TransferSession() {
    cancel();
    join();
}

bool TransferSession::start(const TransferRequest& request) {
    if (m_running.load()) {
        return false;
    }
    if (request.mode != TransferMode::Download && request.mode != TransferMode::Upload &&
        request.mode != TransferMode::Upgrade) {
        return false;
    }
    join();
    m_reports.clear();
    m_abort.store(false);
    m_running.store(true);
    try {
        m_thread = std::thread(&TransferSession::work, this, request);
    } catch (const std::system_error&) {
        m_running.store(false);
        m_reports.post(kReportThreadFailed, 0);
    }
    return true;
}

void TransferSession::join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

DeviceRecord TransferSession::hostRecord() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hostRecord;
}

PortOpenResult TransferSession::lastPortFailure() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_portFailure;
}

void TransferSession::work(TransferRequest request) {
    PortOpenResult portFailure;
    DeviceRecord host = hostRecord();
    // Stores the port failure before report 3 or 30 reaches the channel, so the UI can read it on receipt.
    class FailureFirst : public ReportSink {
    public:
        FailureFirst(TransferSession& session, PortOpenResult& failure) : m_session(session), m_failure(failure) {}
        void post(int code, std::uint32_t value) override {
            if (namesPortFailure(code)) {
                std::lock_guard<std::mutex> lock(m_session.m_mutex);
                m_session.m_portFailure = m_failure;
            }
            m_session.m_reports.post(code, value);
        }

    private:
        TransferSession& m_session;
        PortOpenResult& m_failure;
    } sink(*this, portFailure);

    const WorkerContext context{request.port, request.timing, m_abort, sink, portFailure};
    switch (request.mode) {
        case TransferMode::Download:
            runDownloadWorker(context, m_image);
            break;
        case TransferMode::Upload:
            runUploadWorker(context, m_image, host);
            break;
        case TransferMode::Upgrade:
            runUpgradeWorker(context, request.dlpPath, host);
            break;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_hostRecord = host;
    }
    // A worker that somehow ended without an ending report must still end the dialog.
    if (!m_reports.endingPosted()) {
        m_reports.post(kReportTimeout, kStepNoOutcome);
    }
    m_running.store(false);
}

}  // namespace vizud::link
