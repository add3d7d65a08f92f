// The application profile in QSettings: the recent-file list, the last software file of an upgrade
// ("Binary_File_Section"/"Item_1") and the serial device behind each COM number. The four settings of
// veravaravo.cfg are not kept here.
#pragma once

#include <QtCore/QSettings>

#include <memory>
#include <string>
#include <vector>

#include "app/document_services.h"

namespace vizud {

class SettingsStore : public Profile {
public:
    // The user's settings of this program, or an INI file at `iniPath` (tests).
    explicit SettingsStore(const QString& iniPath = {});

    std::string readString(const std::string& section, const std::string& entry) const override;
    void writeString(const std::string& section, const std::string& entry, const std::string& value) override;

    std::vector<std::string> recentFiles() const;
    void setRecentFiles(const std::vector<std::string>& files);

    // The device COM`port` opens; /dev/ttyS<port-1> until the user chose another.
    std::string portDevice(int port) const;
    void setPortDevice(int port, const std::string& device);

    // The window's layout (the splitter, the list's column widths), as the widgets save it.
    QByteArray layoutState(const QString& name) const { return m_settings->value("Layout/" + name).toByteArray(); }
    void setLayoutState(const QString& name, const QByteArray& state) { m_settings->setValue("Layout/" + name, state); }

    // The favourite list beside the whole table: whether it was open, and the list (0..8) it showed.
    bool besideOpen() const { return m_settings->value("Beside/open", false).toBool(); }
    void setBesideOpen(bool open) { m_settings->setValue("Beside/open", open); }
    int besideList() const { return m_settings->value("Beside/list", 0).toInt(); }
    void setBesideList(int list) { m_settings->setValue("Beside/list", list); }

    void sync() { m_settings->sync(); }

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace vizud
