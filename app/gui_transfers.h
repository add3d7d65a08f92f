// The editor's transfers with the box: the transfer dialog over the link's transfer session, with the
// port, baud rate and COM device taken from the configuration and the profile at each start.
#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "app/config_record.h"
#include "app/document_services.h"
#include "app/settings_store.h"
#include "database/channel_database.h"
#include "database/transfer_runner.h"
#include "link/transfer_dialog.h"
#include "link/transfer_session.h"

namespace vizud {

class SessionBackend : public TransferBackend {
public:
    SessionBackend(link::TransferSession& session, const ConfigRecord& config, const SettingsStore& settings)
        : m_session(session), m_config(config), m_settings(settings) {}

    bool start(TransferMode mode, const std::string& path) override;
    // Opens and closes the configured port; see link::portOpenProblem.
    std::string portProblem() const { return link::portOpenProblem(portSelection()); }
    void cancel() override { m_session.cancel(); }
    void join() override { m_session.join(); }
    link::ReportChannel& reports() override { return m_session.reports(); }
    std::string portFailureReason() const override { return m_session.lastPortFailure().reason(); }

private:
    // The port, baud rate and COM devices of the configuration and the profile as they are now.
    link::PortSelection portSelection() const;

    link::TransferSession& m_session;
    const ConfigRecord& m_config;
    const SettingsStore& m_settings;
};

// Runs each transfer behind a modal transfer dialog.
class DialogTransferRunner : public TransferRunner {
public:
    DialogTransferRunner(TransferBackend& backend, Messages& messages) : m_backend(backend), m_messages(messages) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    TransferEnd run(TransferMode mode, const std::string& path) override;

private:
    TransferBackend& m_backend;
    Messages& m_messages;
    QPointer<QWidget> m_parent;
};

class GuiTransfers : public DocumentTransfers {
public:
    GuiTransfers(ChannelDatabase& db, TransferRunner& runner, const SessionBackend& backend)
        : m_db(db), m_runner(runner), m_backend(backend) {}
    int download() override { return m_db.download(m_runner); }
    int upload() override { return m_db.upload(m_runner); }
    void upgrade(const std::string& path) override { m_runner.run(TransferMode::Upgrade, path); }
    std::string portProblem() override { return m_backend.portProblem(); }

private:
    ChannelDatabase& m_db;
    TransferRunner& m_runner;
    const SessionBackend& m_backend;
};

}  // namespace vizud
