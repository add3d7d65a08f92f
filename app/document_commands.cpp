#include "app/document_commands.h"

#include <sys/stat.h>

#include <ctime>

#include "app/kept_downloads.h"
#include "app/path_split.h"
#include "database/atomic_file.h"
#include "database/program_snapshot.h"
#include "listtools/csv_export.h"

namespace vizud {

namespace {

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::string replaceFirst(std::string text, const std::string& marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

}  // namespace

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || path.empty()) {
        return path;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        return path;
    }
    return path + "." + extension;
}

DocumentCommands::DocumentCommands(ChannelDatabase& db, Messages& messages, FileChooser& files, Profile& profile,
                                   DocumentTransfers& transfers, DocumentHost& host, ConfigRecord& config)
    : m_db(db),
      m_messages(messages),
      m_files(files),
      m_profile(profile),
      m_transfers(transfers),
      m_host(host),
      m_config(config) {}

int DocumentCommands::loadFile(const std::string& path) {
    // The check runs on the file as read: the provider sweep of the load renumbers programs, so a check
    // after it would report other numbers than vizud-cli check, and never the file's CRC.
    std::vector<Finding> found;
    const int result = m_db.load(path, [&found](const all_tables_block& img) { found = checkImage(img); });
    if (result == 0) {
        m_config.setLastPath(path);
        m_findingsAsOpened = std::move(found);
        m_imageAsOpened = true;
    }
    return result;
}

void DocumentCommands::reportProblems() {
    const std::size_t count = m_findingsAsOpened.size();
    if (count == 1)
        m_messages.show("This file has 1 problem. Tools > Check database shows it and repairs it if it can.",
                        MessageIcon::Exclamation);
    else if (count > 1)
        m_messages.show("This file has " + std::to_string(count) +
                            " problems. Tools > Check database shows them and repairs what it can.",
                        MessageIcon::Exclamation);
}

const std::vector<Finding>* DocumentCommands::findingsAsOpened() const {
    return m_imageAsOpened ? &m_findingsAsOpened : nullptr;
}

int DocumentCommands::saveFile(const std::string& path) {
    std::string why;
    const int result = m_db.save(path, &why);
    if (result == 0) {
        m_config.setLastPath(path);
        m_imageAsOpened = false;  // the file now holds the swept image with a fresh CRC
    } else
        m_messages.show("Error: Save failed!\n" + why, MessageIcon::Exclamation);
    return result;
}

void DocumentCommands::construct(const std::string& configPath) {
    ConfigRecord& config = m_config;
    readConfiguration(config, configPath);
    const std::string lastPath = config.lastPathText();
    if ((config.options & kOptionReopenLast) == 0 || lastPath.empty()) {
        m_names = {"Channel", "si", "", "Channel.si"};
        m_fileOpened = false;
    } else if (loadFile(lastPath) != 0) {
        m_messages.show("Open last edited failed", MessageIcon::None);
        m_names.fileName.clear();
        m_names.title = "Untitled";
        setDocumentTitle(m_names.fileName);
    } else {
        takeNames(lastPath);
        m_fileOpened = true;
        m_db.state().treeRebuildRequest = true;
        imageReplaced();
        setDocumentTitle(m_names.title);
        reportProblems();
    }
    m_downloaded = false;
}

void DocumentCommands::setModifiedFlag(bool modified) {
    if (modified)
        m_imageAsOpened = false;  // an edit: the image is no longer the file as it was read
    if (m_modified != modified) {
        m_modified = modified;
        m_host.modifiedChanged(modified);
    }
}

void DocumentCommands::setDocumentTitle(const std::string& title) {
    m_documentTitle = title;
    m_host.setDocumentTitle(title);
}

void DocumentCommands::imageReplaced() {
    // The clipboard's programs name providers and transponders of the image they came from by index: in
    // another image those indices name other records, so a paste would write wrong references.
    freeSnapshotList(m_db.state().programClipboard);
    m_host.imageReplaced();
}

void DocumentCommands::deleteContents() {
    setDocumentTitle(m_names.title);
}

void DocumentCommands::takeNames(const std::string& path) {
    const PathParts parts = splitPath(path);
    m_names.fullPath = path;
    m_names.extension = parts.extension;
    m_names.fileName = parts.fileName;
    m_names.title = parts.title;
}

FileDialogRequest DocumentCommands::channelRequest(const std::string& initialName) const {
    return FileDialogRequest{kChannelFilter, "si", initialName, kChannelFiles, {}, {}};
}

bool DocumentCommands::saveFirst() {
    if (!m_modified) {
        return true;
    }
    return askToSave(replaceFirst("%s not saved!\nSave it now?", "%s", m_names.fileName), MessageIcon::Question);
}

bool DocumentCommands::saveModified() {
    if (!m_modified) {
        return true;
    }
    const std::string name = m_documentTitle.empty() ? std::string("Untitled") : m_documentTitle;
    return askToSave("Save changes to " + name + "?", MessageIcon::Exclamation);
}

bool DocumentCommands::askToSave(const std::string& question, MessageIcon icon) {
    switch (m_messages.ask(question, MessageButtons::YesNoCancel, icon)) {
        case MessageAnswer::Yes:
            // Going on after a save that did not happen would drop the edits the user just asked to keep.
            return fileSave();
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void DocumentCommands::fileOpen() {
    if (!saveFirst()) {
        return;
    }
    const std::string path = m_files.chooseFileToOpen(channelRequest("*.si"));
    if (path.empty()) {
        return;
    }
    // The names, the title and the modified state change only once the file is the image: until then (the
    // message boxes of a failed open included) the window and Save belong to the database still shown.
    if (loadFile(path) != 0) {
        m_messages.show("Error: Open failed", MessageIcon::Exclamation);
        return;
    }
    takeNames(path);
    setDocumentTitle(m_names.fileName);
    m_fileOpened = true;
    m_downloaded = false;  // the image is the file's now: Save writes it in place
    m_db.state().treeRebuildRequest = true;
    imageReplaced();
    setModifiedFlag(false);
    m_host.addRecentFile(path);
    m_host.updateAllViews();
    reportProblems();
}

bool DocumentCommands::openDocument(const std::string& path) {
    if (loadFile(path) != 0) {
        m_messages.show("Error: Open failed", MessageIcon::Exclamation);
        return false;
    }
    takeNames(path);
    m_fileOpened = true;
    m_downloaded = false;
    imageReplaced();
    // The request goes up before the views refresh, so the tree rebuilds in this very refresh (no
    // initial update follows an open here).
    m_db.state().treeRebuildRequest = true;
    m_host.updateAllViews();
    // What the framework does after a successful open: the file's name becomes the title, the modified
    // flag is cleared and the path joins the recent-file list.
    setModifiedFlag(false);
    setDocumentTitle(m_names.fileName);
    m_host.addRecentFile(path);
    reportProblems();
    return true;
}

bool DocumentCommands::openRecentFile(const std::string& path) {
    if (!saveModified())
        return false;
    if (openDocument(path))
        return true;
    // A file that does not open any more leaves the list, so the menu stops offering it.
    m_host.removeRecentFile(path);
    return false;
}

bool DocumentCommands::fileNew() {
    if (!saveModified()) {
        return false;
    }
    newDocument();
    return true;
}

void DocumentCommands::newDocument() {
    deleteContents();
    m_host.imageReplaced();  // the image stays, and with it what the clipboard refers to
    setModifiedFlag(false);
    setDocumentTitle(m_names.title);
}

bool DocumentCommands::fileSave() {
    // A failed download after a good one clears downloadedFlag but leaves the image without a path: such
    // an image needs a name, as after the download itself.
    if (m_fileOpened && !m_downloaded && !m_names.fullPath.empty()) {
        if (!keepBackup(m_names.fullPath))
            return false;
        if (saveFile(m_names.fullPath) != 0)
            return false;
        setModifiedFlag(false);
        return true;
    }
    return fileSaveAs();
}

bool DocumentCommands::fileSaveAs() {
    if (!m_fileOpened && !m_downloaded) {
        m_messages.show("Nothing to save!", MessageIcon::Exclamation);
        return false;
    }
    const FileDialogRequest request = channelRequest("*.si");
    const std::string chosen = m_files.chooseFileToSave(request);
    if (chosen.empty()) {
        return false;
    }
    const std::string path = withDefaultExtension(chosen, request.defaultExtension);
    if (pathExists(path)) {
        const std::string question = path + " already exists.\nDo you want to replace it?";
        if (m_messages.ask(question, MessageButtons::YesNo, MessageIcon::Exclamation) != MessageAnswer::Yes) {
            return false;
        }
    }
    if (!keepBackup(path))
        return false;
    const DocumentNames previousNames = m_names;
    const std::string previousTitle = m_documentTitle;
    takeNames(path);
    setDocumentTitle(m_names.title);
    if (saveFile(path) != 0) {
        m_names = previousNames;
        setDocumentTitle(previousTitle);
        return false;
    }
    m_fileOpened = true;
    m_downloaded = false;
    setModifiedFlag(false);
    m_host.addRecentFile(path);
    return true;
}

bool DocumentCommands::keepBackup(const std::string& path) {
    const std::string why = m_backups.keepBeforeOverwrite(path);
    if (why.empty())
        return true;
    m_messages.show(why, MessageIcon::Exclamation);
    return false;
}

void DocumentCommands::dropFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return;
    }
    // Unlike the box's editor, a dropped file asks before it replaces unsaved edits, as Open does.
    if (!saveFirst()) {
        return;
    }
    const std::string& path = paths.front();
    if (loadFile(path) != 0) {
        m_messages.show("Error: Open failed", MessageIcon::Exclamation);
        return;
    }
    m_fileOpened = true;
    m_downloaded = false;
    m_db.state().treeRebuildRequest = true;
    imageReplaced();
    takeNames(path);
    setDocumentTitle(m_names.fileName);
    setModifiedFlag(false);
    m_host.addRecentFile(path);
    m_host.updateAllViews();
    reportProblems();
}

bool DocumentCommands::exportList() {
    if (!m_fileOpened && !m_downloaded) {
        m_messages.show("Nothing to export!", MessageIcon::Exclamation);
        return false;
    }
    const FileDialogRequest request{kCsvFilter, "csv", m_names.title + ".csv", kCsvFiles, {}, "Export list"};
    const std::string chosen = m_files.chooseFileToSave(request);
    if (chosen.empty())
        return false;
    const std::string path = withDefaultExtension(chosen, request.defaultExtension);
    const std::string csv = exportCsv(m_db.image());
    if (std::string why; !writeFileAtomically(path, csv.data(), csv.size(), &why)) {
        m_messages.show("The list could not be written:\n" + why, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool DocumentCommands::portOpens() {
    const std::string problem = m_transfers.portProblem();
    if (problem.empty())
        return true;
    m_messages.show(problem, MessageIcon::Stop);
    return false;
}

void DocumentCommands::download() {
    // An adapter that is not plugged in is told before the save-first question, not after it.
    if (!portOpens() || !saveFirst()) {
        return;
    }
    if (m_transfers.download() != 0) {
        m_downloaded = false;
        return;
    }
    m_downloaded = true;
    m_imageAsOpened = false;
    imageReplaced();
    setModifiedFlag(true);
    m_names = {"Channel", "si", "", "Channel.si"};
    deleteContents();
    setDocumentTitle("Channel.si");
    m_db.state().treeRebuildRequest = true;
    m_host.updateAllViews();
    m_host.downloaded(m_db.image().programCount);
    // The copy is a safety net: a copy that cannot be written is told, and the download stands.
    if (std::string why; !m_keptDownloads.empty() &&
                         keepDownload(m_db.image(), std::time(nullptr), m_keptDownloads, &why).empty())
        m_messages.show("A copy of the download could not be kept: " + why, MessageIcon::Exclamation);
}

void DocumentCommands::upload() {
    if (!m_fileOpened && !m_downloaded) {
        m_messages.show("No document opened or downloaded", MessageIcon::Exclamation);
        return;
    }
    if (!portOpens())
        return;
    const char* warning = "Warning: This operation will overwrite database in Your receiver\nDo You wish to continue?";
    if (m_messages.ask(warning, MessageButtons::YesNo, MessageIcon::Exclamation) != MessageAnswer::Yes) {
        return;
    }
    // The box takes what it is sent: problems of the list are shown first, with the offer to repair what
    // can be repaired safely. The CRC is not one of them: the upload refreshes it.
    std::vector<Finding> findings = checkImage(m_db.image());
    std::erase_if(findings, [](const Finding& f) { return f.kind == FindingKind::Crc; });
    if (!findings.empty()) {
        const UploadChoice choice = m_host.askBeforeUpload(findings);
        if (choice == UploadChoice::Cancel)
            return;
        if (choice == UploadChoice::RepairFirst) {
            repairImage(m_db.image());
            m_host.imageRepaired();
        }
    }
    const int providers = m_db.image().providerCount;
    m_db.removeUnusedProviders();
    // Only a sweep that removed something is an edit; the CRC alone is refreshed by the upload itself.
    if (m_db.image().providerCount != providers)
        m_host.imageSwept();
    m_db.state().treeRebuildRequest = true;
    m_host.updateAllViews();
    m_transfers.upload();
}

void DocumentCommands::upgrade() {
    if (!portOpens())
        return;
    const std::string remembered = m_profile.readString(kSoftwareSection, kSoftwareEntry).substr(0, 300);
    const std::string path =
        m_files.chooseFileToOpen(FileDialogRequest{kSoftwareFilter, "", remembered, kSoftwareFiles, {}, {}});
    if (path.empty()) {
        return;
    }
    m_profile.writeString(kSoftwareSection, kSoftwareEntry, path);
    m_transfers.upgrade(path);
}

}  // namespace vizud
