// What the document needs from its surroundings: a file chooser, the application profile, the transfers
// with the box and the window that shows it. The editor answers with Qt dialogs and the transfer dialog,
// tests with scripted fakes.
#pragma once

#include <string>
#include <vector>

#include "listtools/database_check.h"

namespace vizud {

struct FileDialogRequest {
    // Pairs of "description|pattern", ending in "||", e.g. "Channel data (*.si)|*.si|All Files (*.*)|*.*||".
    std::string filter;
    // Appended (with a dot) to a chosen name that has no extension; empty for none.
    std::string defaultExtension;
    // The name the dialog starts with; a name with a wildcard only sets the pattern shown.
    std::string initialName;
    // "channel", "csv", "software": each kind of file starts in the folder last used for it (FolderMemory).
    std::string kind;
    // The folder the dialog starts in when `initialName` names none; empty: the working folder.
    std::string folder;
    // The command that asks, as the dialog's title ("Export list"); empty: "Open" or "Save As".
    std::string title;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path of an existing file, or empty when the user cancelled.
    virtual std::string chooseFileToOpen(const FileDialogRequest& request) = 0;
    // The chosen path, existing or new, or empty when the user cancelled. Overwriting is not asked here.
    virtual std::string chooseFileToSave(const FileDialogRequest& request) = 0;
};

// The application profile: per-user settings that outlive the configuration file's four fields.
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::string readString(const std::string& section, const std::string& entry) const = 0;
    virtual void writeString(const std::string& section, const std::string& entry, const std::string& value) = 0;
};

// Runs a transfer with the box behind the modal transfer dialog.
class DocumentTransfers {
public:
    virtual ~DocumentTransfers() = default;
    // 0 when a database arrived and is in the image; -1 when the dialog ended with Cancel.
    virtual int download() = 0;
    // Sends the image; the result is always 0.
    virtual int upload() = 0;
    // Sends the software image at `path` to the box.
    virtual void upgrade(const std::string& path) = 0;
    // Opens and closes the port the next transfer uses: empty when it opens, else the message that says
    // which port failed and why.
    virtual std::string portProblem() = 0;
};

// The window side of the document.
enum class UploadChoice { RepairFirst, AsItIs, Cancel };

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void setDocumentTitle(const std::string& title) = 0;
    virtual void updateAllViews() = 0;
    virtual void addRecentFile(const std::string& path) = 0;
    virtual void modifiedChanged(bool modified) = 0;
    // The image was replaced as a whole (opened, new, downloaded): what was undoable is gone.
    virtual void imageReplaced() {}
    // A recent file that failed to open.
    virtual void removeRecentFile(const std::string& path) { (void)path; }
    // The providers no program uses were removed before an upload.
    virtual void imageSwept() {}
    // A download put `programs` programs in the image.
    virtual void downloaded(int programs) { (void)programs; }
    // The list about to be uploaded has problems: what to do about them (the check's dialog). A host that
    // cannot ask uploads the list as it is, as the command line does.
    virtual UploadChoice askBeforeUpload(const std::vector<Finding>& findings) {
        (void)findings;
        return UploadChoice::AsItIs;
    }
    // The check's safe repair changed the image before an upload.
    virtual void imageRepaired() {}
};

}  // namespace vizud
