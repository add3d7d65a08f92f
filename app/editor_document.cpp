#include "app/editor_document.h"

#include "app/options_dialog.h"
#include "app/port_dialog.h"
#include "app/recent_files.h"
#include "app/serial_device_list.h"

namespace vizud {

CViz_ud_app_17Doc::CViz_ud_app_17Doc(ChannelDatabase& db, Messages& messages, FileChooser& files,
                                     SettingsStore& settings, DocumentTransfers& transfers, QObject* parent)
    : QObject(parent),
      m_db(db),
      m_messages(messages),
      m_settings(settings),
      m_commands(db, messages, files, settings, transfers, *this) {}

QStringList CViz_ud_app_17Doc::recentFiles() const {
    QStringList list;
    for (const std::string& path : m_settings.recentFiles()) {
        list << QString::fromStdString(path);
    }
    return list;
}

void CViz_ud_app_17Doc::updateAllViews() {
    emit viewsNeedUpdate();
}

void CViz_ud_app_17Doc::imageEdited() {
    m_db.updateChecksum();
    setModifiedFlag(true);
}

void CViz_ud_app_17Doc::setDocumentTitle(const std::string& title) {
    emit titleChanged(QString::fromStdString(title));
}

void CViz_ud_app_17Doc::addRecentFile(const std::string& path) {
    std::vector<std::string> list = m_settings.recentFiles();
    vizud::addRecentFile(list, path);
    m_settings.setRecentFiles(list);
    emit recentFilesChanged();
}

void CViz_ud_app_17Doc::modifiedChanged(bool modified) {
    emit modifiedStateChanged(modified);
}

void CViz_ud_app_17Doc::showPortDialog(QWidget* parent) {
    PortDialog dialog(m_db.state().config, m_settings, listSerialDevices(), parent);
    dialog.exec();
}

void CViz_ud_app_17Doc::showOptionsDialog(QWidget* parent) {
    OptionsDialog dialog(m_db.state().config, parent);
    dialog.exec();
}

}  // namespace vizud
