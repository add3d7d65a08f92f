#include "link/transfer_dialog.h"

#include <QtCore/QMetaObject>
#include <QtCore/QTimer>

#include "app/translated_texts.h"
#include "ui_transfer_dialog.h"

namespace vizud {

namespace {

// How often the dialog looks for reports besides the wake-up each report sends.
constexpr int kDrainIntervalMs = 100;

}  // namespace

TransferDialog::TransferDialog(TransferBackend& backend, Messages& messages, TransferMode mode, std::string path,
                               QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::TransferDialog>()),
      m_backend(backend),
      m_messages(messages),
      m_mode(mode),
      m_path(std::move(path)) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TransferDialog::reject);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TransferDialog::drainReports);
    timer->start(kDrainIntervalMs);
}

TransferDialog::~TransferDialog() {
    m_backend.reports().setWakeUp({});
    if (m_workerStarted) {
        m_backend.cancel();
        m_backend.join();
    }
}

QString TransferDialog::statusText() const {
    return m_ui->statusField->text();
}

TransferEnd TransferDialog::run() {
    QTimer::singleShot(0, this, &TransferDialog::startWorker);
    return exec() == QDialog::Accepted ? TransferEnd::Ok : TransferEnd::Cancel;
}

void TransferDialog::startWorker() {
    m_cancelled = false;
    switch (m_mode) {
        case TransferMode::Download:
            setWindowTitle(tr("Download database from Set Top Box"));
            break;
        case TransferMode::Upload:
            setWindowTitle(tr("Upload database to Set Top Box"));
            break;
        case TransferMode::Upgrade:
            setWindowTitle(tr("Upgrade software to Set Top Box"));
            break;
    }
    // Each report wakes the dialog from the worker's thread with a queued drain. The dialog outlives every
    // call: it clears the wake-up and joins the worker before it goes away, and a drain still queued for a
    // deleted dialog is dropped with it.
    m_backend.reports().setWakeUp(
        [this] { QMetaObject::invokeMethod(this, &TransferDialog::drainReports, Qt::QueuedConnection); });
    m_workerStarted = m_backend.start(m_mode, m_path);
    if (!m_workerStarted) {
        m_messages.show("Unknown transmission type!", MessageIcon::None);
    }
    m_ui->statusField->setText(translated("Please wait"));
}

void TransferDialog::drainReports() {
    link::Report report;
    while (!m_ended && m_backend.reports().tryPop(report)) {
        apply(report);
    }
}

void TransferDialog::apply(const link::Report& report) {
    const link::ReportAction action = link::describeReport(report.code, report.value);
    if (!action.status.empty()) {
        m_ui->statusField->setText(translated(action.status));
    }
    if (action.progress) {
        m_ui->packetField->setText(QString::fromStdString(action.packetText));
        m_ui->progressBar->setValue(action.percent);
    }
    if (action.setsCancelledFlag) {
        m_cancelled = true;
    }
    if (!action.message.empty()) {
        std::string message = action.message;
        if (link::namesPortFailure(report.code)) {
            const std::string reason = m_backend.portFailureReason();
            if (!reason.empty()) {
                message += "\n" + reason;
            }
        }
        m_messages.show(message, action.messageIcon);
    }
    if (action.end != link::DialogEnd::None) {
        finish(action.end);
    }
}

void TransferDialog::finish(link::DialogEnd end) {
    m_ended = true;
    m_backend.reports().setWakeUp({});
    // After its ending report the worker only closes the port and frees its buffer; waiting for it here
    // keeps a download from going on before the image is in place.
    if (m_workerStarted) {
        m_backend.join();
        m_workerStarted = false;
    }
    done(end == link::DialogEnd::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void TransferDialog::reject() {
    m_cancelled = true;
    if (m_workerStarted && !m_ended) {
        m_backend.cancel();
        return;
    }
    if (!m_ended) {
        m_ended = true;
        QDialog::reject();
    }
}

}  // namespace vizud
