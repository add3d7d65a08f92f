// File dialogs that start where the user last was: each kind of file (channel files, CSV lists, software
// images) remembers in the profile the folder of the last file chosen for it, and the next dialog for
// that kind starts there instead of in the working folder.
#pragma once

#include <string>

#include "app/document_services.h"

namespace vizud {

inline constexpr const char* kFolderSection = "Folders";

class FolderMemory : public FileChooser {
public:
    FolderMemory(FileChooser& dialogs, Profile& profile) : m_dialogs(dialogs), m_profile(profile) {}

    std::string chooseFileToOpen(const FileDialogRequest& request) override { return choose(request, false); }
    std::string chooseFileToSave(const FileDialogRequest& request) override { return choose(request, true); }

private:
    std::string choose(FileDialogRequest request, bool save);

    FileChooser& m_dialogs;
    Profile& m_profile;
};

}  // namespace vizud
