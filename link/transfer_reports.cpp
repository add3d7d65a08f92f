#include "link/transfer_reports.h"

#include <cstdio>

namespace vizud::link {
namespace {

std::string format(const char* pattern, long long a) {
    char text[96];
    std::snprintf(text, sizeof(text), pattern, a);
    return text;
}

// The message of a code-5 report. The steps the exchanges share with the box's own firmware all read
// "Communication timeout"; the steps that guard the editor's buffer, image and files say what happened.
std::string timeoutMessage(std::uint32_t step) {
    switch (step) {
        case kStepImageTooLarge:
            return "Communication timeout\nThe Set Top Box announced more data than a database can hold.";
        case kStepNotAChannelImage:
            return "Communication timeout\nThe received data is not a channel list; the database was not changed.";
        case kStepDlpUnreadable:
            return "Can not read the software file";
        case kStepDlpTooShort:
            return "The software file is too short";
        default:
            return "Communication timeout";
    }
}

}  // namespace

ReportAction describeReport(int code, std::uint32_t value) {
    ReportAction action;
    switch (code) {
        case kReportThreadFailed:
            action.message = "Can not run communication thread";
            action.messageIcon = MessageIcon::Stop;
            action.end = DialogEnd::Cancel;
            break;
        case kReportOpeningPort:
            action.status = format("Opening port COM%d", static_cast<int>(value));
            break;
        case kReportPortFailed:
            action.message = format("Can not open port COM%d", static_cast<int>(value));
            action.messageIcon = MessageIcon::Stop;
            action.setsCancelledFlag = true;
            action.end = DialogEnd::Cancel;
            break;
        case kReportWaiting:
            action.status = "Waiting for answer from Set Top Box";
            break;
        case kReportTimeout:
            action.status = format("Timeout - %d", static_cast<int>(value));
            action.message = timeoutMessage(value);
            action.messageIcon = MessageIcon::Stop;
            action.end = DialogEnd::Cancel;
            break;
        case kReportUnexpectedData:
            action.message = "Received different data then expected";
            action.messageIcon = MessageIcon::Stop;
            action.end = DialogEnd::Cancel;
            break;
        case kReportProgress: {
            action.progress = true;
            action.position = static_cast<int>(value & 0xFFFF);
            action.range = static_cast<int>(value >> 16);
            action.percent = action.range == 0 ? 0 : action.position * 100 / action.range;
            char text[32];
            std::snprintf(text, sizeof(text), "%d / %d", action.position, action.range);
            action.packetText = text;
            break;
        }
        case kReportDownloadDone:
        case kReportSendDone:
            action.status = "Complete";
            action.end = DialogEnd::Ok;
            break;
        case kReportDiagnostic:
            action.status = "Data Download from Set Top Box...";
            break;
        case kReportAborted:
            action.status = "Wait for Close.....";
            action.end = DialogEnd::Cancel;
            break;
        case kReportUploading:
            action.status = "Data Upload to Set Top Box...";
            break;
        case kReportLineLost:
            action.status = "Connection lost";
            action.message = "The serial device disappeared during the transfer";
            action.messageIcon = MessageIcon::Stop;
            action.setsCancelledFlag = true;
            action.end = DialogEnd::Cancel;
            break;
        default:
            break;
    }
    return action;
}

void ReportChannel::post(int code, std::uint32_t value) {
    std::function<void()> wakeUp;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Report{code, value});
        if (describeReport(code, value).end != DialogEnd::None) {
            m_endingPosted = true;
        }
        wakeUp = m_wakeUp;
    }
    m_ready.notify_all();
    if (wakeUp) {
        wakeUp();
    }
}

bool ReportChannel::tryPop(Report& report) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_queue.empty()) {
        return false;
    }
    report = m_queue.front();
    m_queue.pop_front();
    return true;
}

bool ReportChannel::waitPop(Report& report, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_ready.wait_for(lock, timeout, [this] { return !m_queue.empty(); })) {
        return false;
    }
    report = m_queue.front();
    m_queue.pop_front();
    return true;
}

void ReportChannel::clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.clear();
    m_endingPosted = false;
}

void ReportChannel::setWakeUp(std::function<void()> wakeUp) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wakeUp = std::move(wakeUp);
}

bool ReportChannel::endingPosted() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_endingPosted;
}

}  // namespace vizud::link
