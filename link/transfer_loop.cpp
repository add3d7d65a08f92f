#include "link/transfer_loop.h"

namespace vizud::link {

TransferOutcome runTransfer(TransferSession& session, const TransferRequest& request, const ReportObserver& observe,
                            const std::function<bool()>& cancelRequested) {
    TransferOutcome outcome;
    if (!session.start(request)) {
        return outcome;
    }
    bool cancelSent = false;
    for (;;) {
        if (!cancelSent && cancelRequested && cancelRequested()) {
            session.cancel();
            outcome.cancelledFlag = true;
            cancelSent = true;
        }
        Report report;
        if (!session.reports().waitPop(report, std::chrono::milliseconds(50))) {
            continue;
        }
        const ReportAction action = describeReport(report.code, report.value);
        if (action.setsCancelledFlag) {
            outcome.cancelledFlag = true;
        }
        if (observe) {
            observe(report, action);
        }
        if (action.end != DialogEnd::None) {
            outcome.end = action.end;
            outcome.ending = report;
            break;
        }
    }
    session.join();
    return outcome;
}

DirectTransferRunner::DirectTransferRunner(TransferSession& session, TransferRequest base, ReportObserver observe,
                                           std::function<bool()> cancelRequested)
    : m_session(session),
      m_base(std::move(base)),
      m_observe(std::move(observe)),
      m_cancelRequested(std::move(cancelRequested)) {}

TransferEnd DirectTransferRunner::run(TransferMode mode, const std::string& path) {
    TransferRequest request = m_base;
    request.mode = mode;
    request.dlpPath = path;
    m_outcome = runTransfer(m_session, request, m_observe, m_cancelRequested);
    return m_outcome.end == DialogEnd::Ok ? TransferEnd::Ok : TransferEnd::Cancel;
}

}  // namespace vizud::link
