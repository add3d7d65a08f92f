// One transfer with the box at a time: the worker thread, its abort flag and its report channel.
//
// For the transfer dialog (or any other front end):
//
//   TransferSession session(state.image);           // one per editor, lives as long as the editor
//   TransferRequest request;
//   request.mode = TransferMode::Download;          // Upload, or Upgrade with request.dlpPath set
//   request.port.number = config.port;              // COM1..COM4; request.port.map holds the devices
//   request.port.baud = config.baudRate;
//   session.reports().setWakeUp(...);               // optional: queue a drain onto the UI thread
//   session.start(request);                          // false: a worker still runs, or unknown mode
//   ... on a timer or wake-up, on the UI thread:
//   Report r;
//   while (session.reports().tryPop(r)) {
//       ReportAction a = describeReport(r.code, r.value);   // status, progress, message, end
//       if (namesPortFailure(r.code)) second message line: session.lastPortFailure().reason()
//       if (a.end != DialogEnd::None) { session.join(); close the dialog with a.end; stop draining; }
//   }
//   Cancel button: session.cancel(); keep the dialog open until the report that ends it (28) arrives.
//   The wake-up runs on the worker thread: only queue work onto the UI thread from it, and clear it with
//   setWakeUp({}) after join() if the object it refers to goes away before the session.
//
// join() returns once the worker has ended; after an ending report the worker only closes the port and
// frees its buffer, so it returns promptly. A downloaded image is in place before the Ok report (19) is
// posted, and a received image that is not a channel image is refused (code 5) without touching it.
// runTransfer() in transfer_loop.h does all of this for the command-line tool and the tests.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "database/image_layout.h"
#include "database/transfer_runner.h"
#include "link/device_records.h"
#include "link/packet_link.h"
#include "link/serial_port.h"
#include "link/transfer_reports.h"

namespace vizud::link {

struct PortSelection {
    int number = 1;      // COM number, the value of reports 2 and 3
    std::string device;  // non-empty: this device instead of map.deviceFor(number)
    std::uint32_t baud = 115200;
    ComPortMap map;
    PortTimeouts timeouts;
};

struct TransferRequest {
    TransferMode mode = TransferMode::Download;
    std::string dlpPath;  // the software image of an upgrade
    PortSelection port;
    LinkTiming timing;
};

// The transfer buffer: 1 MiB plus 1 KiB. A downloaded database is the first 721968 bytes.
inline constexpr std::size_t kTransferBufferSize = 0x100400;

// Opens and closes the port `port` names, as the first step of every transfer does, so a port that cannot
// be opened is found before anything is asked: empty when it opens, else the message the transfer would
// end with, "Can not open port COM1" with the device and the reason under it.
std::string portOpenProblem(const PortSelection& port);

class TransferSession {
public:
    // `image` is the editor's database image: a download replaces it, an upload sends it.
    explicit TransferSession(all_tables_block& image);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Clears the abort flag and the channel and starts the worker for `request`. Returns false, starting
    // nothing, when a worker still runs or the mode is unknown (the dialog then shows "Unknown
    // transmission type!"). When the thread cannot be created, report 1 is posted and true returned.
    bool start(const TransferRequest& request);
    // Sets the abort flag; the running exchange notices it within about a second and posts report 28.
    void cancel() { m_abort.store(true); }
    // Waits for the worker thread to end. Safe to call when none runs.
    void join();

    ReportChannel& reports() { return m_reports; }
    // The record the send exchange compares the box against; set by uploads and upgrades.
    DeviceRecord hostRecord() const;
    // Why the last port open failed (valid after report 3).
    PortOpenResult lastPortFailure() const;

private:
    void work(TransferRequest request);

    all_tables_block& m_image;
    std::atomic<bool> m_abort{false};
    std::atomic<bool> m_running{false};
    ReportChannel m_reports;
    std::thread m_thread;
    mutable std::mutex m_mutex;  // guards the two records below between worker and UI thread
    DeviceRecord m_hostRecord = builtInHostRecord();
    PortOpenResult m_portFailure;
};

}  // namespace vizud::link
