// Running a whole transfer from a thread that may block: the command-line tool and the tests. The Qt
// dialog drains the same channel from its event loop instead (see transfer_session.h).
#pragma once

#include <functional>
#include <string>

#include "database/transfer_runner.h"
#include "link/transfer_reports.h"
#include "link/transfer_session.h"

namespace vizud::link {

struct TransferOutcome {
    DialogEnd end = DialogEnd::Cancel;
    bool cancelledFlag = false;  // set by a cancel and by report 3, as the dialog's flag
    Report ending;               // the report that ended the transfer
};

using ReportObserver = std::function<void(const Report&, const ReportAction&)>;

// Starts the worker, hands every report up to the one that ends the transfer to `observe` (may be
// empty), sets the abort flag once `cancelRequested` returns true, and returns after the worker ended.
TransferOutcome runTransfer(TransferSession& session, const TransferRequest& request, const ReportObserver& observe,
                            const std::function<bool()>& cancelRequested = {});

// A TransferRunner over runTransfer: the request's mode and path come from run(), the rest from `base`.
class DirectTransferRunner : public TransferRunner {
public:
    DirectTransferRunner(TransferSession& session, TransferRequest base, ReportObserver observe = {},
                         std::function<bool()> cancelRequested = {});
    TransferEnd run(TransferMode mode, const std::string& path) override;
    const TransferOutcome& lastOutcome() const { return m_outcome; }

private:
    TransferSession& m_session;
    TransferRequest m_base;
    ReportObserver m_observe;
    std::function<bool()> m_cancelRequested;
    TransferOutcome m_outcome;
};

}  // namespace vizud::link
