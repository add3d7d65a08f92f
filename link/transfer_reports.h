// Transfer reports: the (code, value) pairs a transfer worker posts while it runs, what each one does to
// the transfer dialog (or the command-line progress display), and the thread-safe channel they travel
// through.
//
// How a dialog or the command-line tool uses this (see also transfer_session.h):
//   1. The worker thread posts reports into a ReportChannel; posting never blocks on the user interface.
//   2. The user-interface side drains the channel (tryPop from a timer, or waitPop, or a wake-up callback
//      set with setWakeUp that queues a drain onto the UI thread) and passes every report to
//      describeReport().
//   3. It applies the ReportAction: status text, "Packet" text and progress bar, a message box, the
//      cancelled flag, and ends with OK or Cancel at the first action whose `end` is not None.
//      Reports that arrive after that are discarded.
// Every way a worker ends posts exactly such an ending report, so a dialog never waits for nothing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "database/messages.h"
#include "link/packet_link.h"

namespace vizud::link {

// ---- Report codes ---------------------------------------------------------------------------------
inline constexpr int kReportThreadFailed = 1;    // value 0: the worker thread could not be started
inline constexpr int kReportOpeningPort = 2;     // value: port number
inline constexpr int kReportPortFailed = 3;      // value: port number
inline constexpr int kReportWaiting = 4;         // value 0: port open, waiting for the box
inline constexpr int kReportTimeout = 5;         // value: step number (below)
inline constexpr int kReportUnexpectedData = 6;  // value 0: the box's report packet did not come
inline constexpr int kReportProgress = 13;       // value: (range << 16) | position
inline constexpr int kReportDownloadDone = 19;   // value 0: the received image is in place
inline constexpr int kReportSendDone = 21;       // value 0: the box took the whole image
inline constexpr int kReportDiagnostic = 27;     // value: diagnostic (not shown)
inline constexpr int kReportAborted = 28;        // value 1: the exchange noticed the abort flag
inline constexpr int kReportUploading = 29;      // value 12: negotiation done, sending
inline constexpr int kReportLineLost = 30;       // value: errno; the serial device disappeared mid-transfer

// Reports whose message gets a second line naming the device and the reason (lastPortFailure()).
inline bool namesPortFailure(int code) {
    return code == kReportPortFailed || code == kReportLineLost;
}

// ---- Step numbers reported with code 5 ------------------------------------------------------------
// Send exchange (upload, upgrade):
inline constexpr std::uint32_t kStepNoRequest = 1;       // the box sent no request
inline constexpr std::uint32_t kStepNoFileHeader = 2;    // no file header could be made for this box
inline constexpr std::uint32_t kStepIncompatible = 3;    // the box is not compatible with the image
inline constexpr std::uint32_t kStepQueryNotAcked = 4;   // the query was not acknowledged
inline constexpr std::uint32_t kStepBlockFailed = 5;     // a data block was not acknowledged
inline constexpr std::uint32_t kStepHeaderNotAcked = 7;  // the file header was not acknowledged
inline constexpr std::uint32_t kStepStatusNotSent = 8;   // the status could not be sent
// Receive exchange (download):
inline constexpr std::uint32_t kStepRequestNotAcked = 50;   // the request was not acknowledged
inline constexpr std::uint32_t kStepReportNotAcked = 61;    // the host's report was not acknowledged
inline constexpr std::uint32_t kStepNoQuery = 62;           // the box sent no query
inline constexpr std::uint32_t kStepBoxRefused = 63;        // the box refused
inline constexpr std::uint32_t kStepNoStatus = 64;          // the box sent no status
inline constexpr std::uint32_t kStepNoHeaderReceived = 65;  // no file header arrived
inline constexpr std::uint32_t kStepEmptyHeader = 66;       // the file header announces nothing
inline constexpr std::uint32_t kStepTypeNotAccepted = 67;   // the file header names an image type not accepted
inline constexpr std::uint32_t kStepImageTooLarge = 68;     // the announced image does not fit the transfer buffer
inline constexpr std::uint32_t kStepBlockNotReceived = 69;  // a data block failed (after the diagnostic 27/103)
inline constexpr std::uint32_t kStepNotAChannelImage = 70;  // the received counts exceed the tables
// Workers:
inline constexpr std::uint32_t kStepDlpUnreadable = 90;  // the .dlp file cannot be opened or read in full
inline constexpr std::uint32_t kStepDlpTooShort = 91;    // the .dlp file is shorter than its 64-byte head
inline constexpr std::uint32_t kStepNoOutcome = 99;      // the worker ended without an ending report

// ---- Diagnostic values reported with code 27 ------------------------------------------------------
inline constexpr std::uint32_t kDiagAckBadCrc = 16;        // an acknowledgement with a wrong CRC
inline constexpr std::uint32_t kDiagAckWrongKind = 17;     // a packet of another kind instead of the acknowledgement
inline constexpr std::uint32_t kDiagAckShort = 19;         // fewer than 25 bytes while waiting for the acknowledgement
inline constexpr std::uint32_t kDiagHeaderIdsDiffer = 50;  // software for another hardware family (bits 8..11)
inline constexpr std::uint32_t kDiagFullCompareType0 = 33;
inline constexpr std::uint32_t kDiagFullCompareType123 = 34;
inline constexpr std::uint32_t kDiagBlockFailed = 103;
inline constexpr std::uint32_t kDiagBlockStart = 128;   // a data packet's start byte arrived
inline constexpr std::uint32_t kDiagBlockHeader = 129;  // its header arrived (also: the attempts are over)
inline constexpr std::uint32_t kDiagBlockLength = 130;  // its length is unusable (also: acknowledging it)
inline constexpr std::uint32_t kDiagBlockShort = 131;   // its payload came short
inline constexpr std::uint32_t kDiagBlockKind = 133;    // its header came short or is not "ZTDF"
// The upgrade worker reports the file length, then 0, 1 or 2 for the transfer type it chose.

// ---- What the dialog does with a report -----------------------------------------------------------
enum class DialogEnd { None, Ok, Cancel };

struct ReportAction {
    std::string status;     // non-empty: the new "Status:" text
    bool progress = false;  // true: show position/range in "Packet" and percent on the bar
    int position = 0;
    int range = 0;
    int percent = 0;         // position * 100 / range, 0 when range is 0
    std::string packetText;  // "%d / %d" with position and range
    std::string message;     // non-empty: show this message box before ending
    MessageIcon messageIcon = MessageIcon::None;
    bool setsCancelledFlag = false;
    DialogEnd end = DialogEnd::None;
};

ReportAction describeReport(int code, std::uint32_t value);

// ---- The channel between worker and user interface ------------------------------------------------
struct Report {
    int code = 0;
    std::uint32_t value = 0;
};

class ReportChannel : public ReportSink {
public:
    // Thread-safe; called by the worker.
    void post(int code, std::uint32_t value) override;
    // Thread-safe; called by the user-interface side.
    bool tryPop(Report& report);
    bool waitPop(Report& report, std::chrono::milliseconds timeout);
    void clear();
    // Called on the posting thread after every post (outside the lock). Set it before the worker starts.
    void setWakeUp(std::function<void()> wakeUp);
    // True once a report whose action ends the dialog was posted since the last clear().
    bool endingPosted() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Report> m_queue;
    std::function<void()> m_wakeUp;
    bool m_endingPosted = false;
};

}  // namespace vizud::link
