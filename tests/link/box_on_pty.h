// The box simulator serving on a pseudo-terminal in a thread of the test, and a host that runs whole
// transfers against it with the editor's own session and records every report.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "link/transfer_loop.h"
#include "tests/link/memory_port.h"
#include "tools/box_simulator.h"

namespace vizud::test {

class BoxOnPty {
public:
    // `log`, when given, hears the box's events (from the box's thread).
    explicit BoxOnPty(boxsim::BoxConfig config = {}, std::vector<std::uint8_t> database = {},
                      std::function<void(const std::string&)> log = {}) {
        if (!m_pty.open())
            return;
        m_port.adopt(m_pty.master);
        config.flushFd = m_pty.slave;
        // The box resends an unacknowledged packet after about a second, well inside the host's start hunt.
        if (config.timeouts.readConstantMs == link::PortTimeouts{}.readConstantMs)
            config.timeouts = {100, 20, 500, 2, 500};
        m_box = std::make_unique<boxsim::BoxSimulator>(m_port, config, std::move(database));
        m_box->setLog(std::move(log));
        m_thread = std::thread([this] { m_box->serve(); });
    }
    ~BoxOnPty() {
        if (m_box)
            m_box->stop();
        if (m_thread.joinable())
            m_thread.join();
        m_pty.close();
    }

    bool ok() const { return m_box != nullptr; }
    const std::string& path() const { return m_pty.path; }
    boxsim::BoxSimulator& box() { return *m_box; }

private:
    boxsim::PseudoTerminal m_pty;
    link::FdPort m_port;
    std::unique_ptr<boxsim::BoxSimulator> m_box;
    std::thread m_thread;
};

inline std::vector<std::uint8_t> bytesOf(const all_tables_block& image) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&image);
    return std::vector<std::uint8_t>(p, p + sizeof(image));
}

struct HostRun : RecordingSink {
    link::TransferOutcome outcome;
    double seconds = 0;      // start to end
    double afterCancel = 0;  // cancel to end
};

inline link::TransferRequest hostRequest(const std::string& device, TransferMode mode, bool realTiming = false) {
    link::TransferRequest request;
    request.mode = mode;
    request.port.number = 2;
    request.port.device = device;
    if (!realTiming) {
        request.port.timeouts = {100, 2, 200, 2, 500};  // a single-byte read waits 202 ms instead of 1020 ms
        request.timing.garbagePauseMs = 10;
        request.timing.blockPauseMs = 0;
    }
    return request;
}

// Runs one transfer to its end; `cancelAfterMs` >= 0 presses Cancel that long after the start.
inline HostRun runHost(link::TransferSession& session, const link::TransferRequest& request, int cancelAfterMs = -1) {
    using Clock = std::chrono::steady_clock;
    HostRun run;
    const Clock::time_point start = Clock::now();
    Clock::time_point cancelled{};
    run.outcome = link::runTransfer(
        session, request, [&](const link::Report& r, const link::ReportAction&) { run.reports.push_back(r); },
        [&] {
            if (cancelAfterMs < 0 || Clock::now() - start < std::chrono::milliseconds(cancelAfterMs))
                return false;
            if (cancelled == Clock::time_point{})
                cancelled = Clock::now();
            return true;
        });
    const Clock::time_point end = Clock::now();
    run.seconds = std::chrono::duration<double>(end - start).count();
    if (cancelled != Clock::time_point{})
        run.afterCancel = std::chrono::duration<double>(end - cancelled).count();
    return run;
}

}  // namespace vizud::test
