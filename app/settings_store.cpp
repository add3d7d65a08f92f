#include "app/settings_store.h"

#include "app/port_settings.h"
#include "app/recent_files.h"

namespace vizud {

namespace {

QString key(const std::string& section, const std::string& entry) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(entry);
}

QString portKey(int port) {
    return QString("Ports/COM%1").arg(port);
}

}  // namespace

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(iniPath.isEmpty() ? std::make_unique<QSettings>("vizud", "vizud")
                                   : std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::string SettingsStore::readString(const std::string& section, const std::string& entry) const {
    return m_settings->value(key(section, entry)).toString().toStdString();
}

void SettingsStore::writeString(const std::string& section, const std::string& entry, const std::string& value) {
    m_settings->setValue(key(section, entry), QString::fromStdString(value));
}

std::vector<std::string> SettingsStore::recentFiles() const {
    std::vector<std::string> files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = m_settings->value(QString("Recent File List/File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            files.push_back(path.toStdString());
        }
    }
    return files;
}

void SettingsStore::setRecentFiles(const std::vector<std::string>& files) {
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString name = QString("Recent File List/File%1").arg(i);
        if (static_cast<std::size_t>(i) <= files.size()) {
            m_settings->setValue(name, QString::fromStdString(files[static_cast<std::size_t>(i - 1)]));
        } else {
            m_settings->remove(name);
        }
    }
}

std::string SettingsStore::portDevice(int port) const {
    const QString device = m_settings->value(portKey(port)).toString();
    return device.isEmpty() ? defaultPortDevice(port) : device.toStdString();
}

void SettingsStore::setPortDevice(int port, const std::string& device) {
    if (device.empty() || device == defaultPortDevice(port)) {
        m_settings->remove(portKey(port));
    } else {
        m_settings->setValue(portKey(port), QString::fromStdString(device));
    }
}

}  // namespace vizud
