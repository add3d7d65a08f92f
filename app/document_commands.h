// The document's rules: how the one image is named, where it came from, whether it was changed, and what
// Open, Save, Save As, New, dropped files, Download, Upload and Upgrade do with it. Widgets call these and
// show what the host interface tells them.
#pragma once

#include <string>
#include <vector>

#include "app/config_record.h"
#include "app/document_services.h"
#include "app/file_backup.h"
#include "database/channel_database.h"
#include "database/messages.h"
#include "listtools/database_check.h"

namespace vizud {

inline constexpr const char* kChannelFilter = "Channel data (*.si)|*.si|All Files (*.*)|*.*||";
inline constexpr const char* kCsvFilter = "CSV list (*.csv)|*.csv|All Files (*.*)|*.*||";
inline constexpr const char* kSatellitesXmlFilter = "Satellites list (*.xml)|*.xml|All Files (*.*)|*.*||";
inline constexpr const char* kSoftwareFilter = "S/W File (*.dlp)|*.dlp|All Files (*.*)|*.*||";
inline constexpr const char* kSoftwareSection = "Binary_File_Section";
inline constexpr const char* kSoftwareEntry = "Item_1";
// The kinds of file whose dialogs remember their folder (FileDialogRequest::kind).
inline constexpr const char* kChannelFiles = "channel";
inline constexpr const char* kCsvFiles = "csv";
inline constexpr const char* kSoftwareFiles = "software";
inline constexpr const char* kSatellitesXmlFiles = "satellites";

struct DocumentNames {
    std::string title;      // normally the file name without its extension
    std::string extension;  // without the dot
    std::string fullPath;   // empty when the image has no file
    std::string fileName;   // with extension, without folders
};

class DocumentCommands {
public:
    // `config` is the application's configuration record: construct reads it, and every file opened or
    // saved becomes its last path.
    DocumentCommands(ChannelDatabase& db, Messages& messages, FileChooser& files, Profile& profile,
                     DocumentTransfers& transfers, DocumentHost& host, ConfigRecord& config);

    // Start of the run: reads the configuration and re-opens the last channel file when it asks for it.
    void construct(const std::string& configPath = kConfigFileName);

    ConfigRecord& config() { return m_config; }
    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified);
    bool fileOpened() const { return m_fileOpened; }
    bool downloaded() const { return m_downloaded; }
    const DocumentNames& names() const { return m_names; }
    const std::string& documentTitle() const { return m_documentTitle; }
    // What the check found in the file as it was read, before the provider sweep of the load changed the
    // image: what vizud-cli check says of that file. Null once the image is no longer the file as read
    // (the first edit, a save, a download).
    const std::vector<Finding>* findingsAsOpened() const;

    void fileOpen();
    // false when nothing was written (failure or the user cancelled the name).
    bool fileSave();
    bool fileSaveAs();
    // A file named on the command line or picked from the recent-file list.
    bool openDocument(const std::string& path);
    // The recent-file list: asks to save changes first, then opens like openDocument.
    bool openRecentFile(const std::string& path);
    // New: asks to save changes first, then runs newDocument.
    bool fileNew();
    // The empty document of a start without a file, and the end of New: the image and the names stay, the
    // modified flag is cleared and the title field becomes the window's title.
    void newDocument();
    // Dropped files: the first one is opened after the save-first question.
    void dropFiles(const std::vector<std::string>& paths);
    // File > Export list: the programs as CSV (UTF-8) to a file the user names. false when nothing was
    // written (cancelled, nothing loaded, or the file could not be written: after the message).
    bool exportList();
    void download();
    // Where each download is also kept (app/kept_downloads); empty: downloads are not kept.
    void setKeptDownloadsFolder(const std::string& folder) { m_keptDownloads = folder; }
    const std::string& keptDownloadsFolder() const { return m_keptDownloads; }
    void upload();
    void upgrade();

    // The question asked before closing, New and the recent-file list. false: the user chose Cancel, or
    // chose to save and the save did not happen; the caller then keeps everything as it is.
    bool saveModified();

private:
    // The channel file read or written; on success the configuration's last path names it. A failed save
    // says "Error: Save failed!" with the file and the reason.
    int loadFile(const std::string& path);
    int saveFile(const std::string& path);
    // Says once, after an open, that the file as read has problems and where to see them.
    void reportProblems();
    // The port check of Download, Upload and Upgrade, before anything is asked: false (after the message)
    // when the port cannot be opened.
    bool portOpens();
    // The question asked by Open, Download and a dropped file. false ends the command.
    bool saveFirst();
    // Asks Yes/No/Cancel; Yes saves and goes on only when the save succeeded, No goes on, Cancel stops.
    bool askToSave(const std::string& question, MessageIcon icon);
    void setDocumentTitle(const std::string& title);
    void deleteContents();
    // A new image (opened, dropped, reopened or downloaded): the clipboard and the history are forgotten.
    void imageReplaced();
    void takeNames(const std::string& path);
    FileDialogRequest channelRequest(const std::string& initialName) const;
    // Keeps the file's previous content as NAME.bak the first time this session overwrites it; false
    // (after the message) when that failed and the save must not go on.
    bool keepBackup(const std::string& path);

    ChannelDatabase& m_db;
    Messages& m_messages;
    FileChooser& m_files;
    Profile& m_profile;
    DocumentTransfers& m_transfers;
    DocumentHost& m_host;
    ConfigRecord& m_config;

    DocumentNames m_names;
    std::string m_documentTitle;
    bool m_modified = false;
    bool m_fileOpened = false;
    bool m_downloaded = false;
    std::vector<Finding> m_findingsAsOpened;
    bool m_imageAsOpened = false;
    FileBackups m_backups;
    std::string m_keptDownloads;
};

// Adds the default extension when the name part of `path` has none.
std::string withDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace vizud
