// "Transmission": the modal dialog that runs one transfer with the box. It starts the worker, shows what
// the worker reports (status, "Packet" counter, progress bar), lets the user cancel, and ends itself with
// OK or Cancel at the first report whose action ends it. What each report does comes from the link's
// report table, so the dialog and the command-line tool behave alike.
#pragma once

#include <QtWidgets/QDialog>

#include <memory>
#include <string>

#include "database/messages.h"
#include "database/transfer_runner.h"
#include "link/transfer_reports.h"

namespace Ui {
class TransferDialog;
}

namespace vizud {

// The worker side of the dialog: the real transfer session, or a fake worker in tests.
class TransferBackend {
public:
    virtual ~TransferBackend() = default;
    // Starts the worker; false when it could not be started for `mode` (nothing runs then).
    virtual bool start(TransferMode mode, const std::string& path) = 0;
    // Asks the running worker to stop; it answers with report 28.
    virtual void cancel() = 0;
    // Returns once the worker has ended.
    virtual void join() = 0;
    virtual link::ReportChannel& reports() = 0;
    // Which device failed to open and why, for the line under "Can not open port COM%d".
    virtual std::string portFailureReason() const = 0;
};

class TransferDialog : public QDialog {
    Q_OBJECT

public:
    TransferDialog(TransferBackend& backend, Messages& messages, TransferMode mode, std::string path = {},
                   QWidget* parent = nullptr);
    ~TransferDialog() override;

    // Set by Cancel and by a port that could not be opened.
    bool cancelledFlag() const { return m_cancelled; }
    // The status text shown.
    QString statusText() const;

    // Runs the dialog: starts the worker and returns how it ended.
    TransferEnd run();

    // Cancel (the button, Escape and the window's close box): asks the worker to stop and waits for its
    // answer; the dialog stays open until then.
    void reject() override;

private:
    void startWorker();
    void drainReports();
    void apply(const link::Report& report);
    void finish(link::DialogEnd end);

    std::unique_ptr<Ui::TransferDialog> m_ui;
    TransferBackend& m_backend;
    Messages& m_messages;
    TransferMode m_mode;
    std::string m_path;
    bool m_cancelled = false;
    bool m_ended = false;
    bool m_workerStarted = false;
};

}  // namespace vizud
