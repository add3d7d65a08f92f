#include "app/folder_memory.h"

namespace vizud {

std::string FolderMemory::choose(FileDialogRequest request, bool save) {
    if (request.kind.empty())
        return save ? m_dialogs.chooseFileToSave(request) : m_dialogs.chooseFileToOpen(request);
    if (request.folder.empty())
        request.folder = m_profile.readString(kFolderSection, request.kind);
    std::string chosen = save ? m_dialogs.chooseFileToSave(request) : m_dialogs.chooseFileToOpen(request);
    const std::size_t slash = chosen.find_last_of('/');
    if (slash != std::string::npos)
        m_profile.writeString(kFolderSection, request.kind, slash == 0 ? "/" : chosen.substr(0, slash));
    return chosen;
}

}  // namespace vizud
