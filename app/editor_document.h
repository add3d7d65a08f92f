// CViz_ud_app_17Doc: the document of the one image. The rules live in DocumentCommands; this class
// carries them into Qt: it tells the window about titles, the modified state and refreshes by signals,
// keeps the recent-file list in the profile and opens the two settings dialogs.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include "app/document_commands.h"
#include "app/settings_store.h"

class QWidget;

namespace vizud {

class CViz_ud_app_17Doc : public QObject, private DocumentHost {
    Q_OBJECT

public:
    CViz_ud_app_17Doc(ChannelDatabase& db, Messages& messages, FileChooser& files, SettingsStore& settings,
                      DocumentTransfers& transfers, QObject* parent = nullptr);

    DocumentCommands& commands() { return m_commands; }
    const DocumentCommands& commands() const { return m_commands; }
    ChannelDatabase& database() { return m_db; }
    Messages& messages() { return m_messages; }
    SettingsStore& settings() { return m_settings; }

    bool isModified() const { return m_commands.isModified(); }
    void setModifiedFlag(bool modified) { m_commands.setModifiedFlag(modified); }
    QString title() const { return QString::fromStdString(m_commands.documentTitle()); }
    QStringList recentFiles() const;

    // Tells every view to re-read the image.
    void updateAllViews() override;
    // A view or dialog changed the image: the CRC is refreshed and the document marked modified. The
    // editing commands all come through here.
    void imageEdited();

    void showPortDialog(QWidget* parent);
    void showOptionsDialog(QWidget* parent);

signals:
    void titleChanged(const QString& title);
    void modifiedStateChanged(bool modified);
    void viewsNeedUpdate();
    void recentFilesChanged();

private:
    void setDocumentTitle(const std::string& title) override;
    void addRecentFile(const std::string& path) override;
    void modifiedChanged(bool modified) override;

    ChannelDatabase& m_db;
    Messages& m_messages;
    SettingsStore& m_settings;
    DocumentCommands m_commands;
};

}  // namespace vizud
