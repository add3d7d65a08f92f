#include "app/file_backup.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "database/atomic_file.h"

namespace vizud {
namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string FileBackups::keepBeforeOverwrite(const std::string& path) {
    if (m_kept.count(path) != 0 || !exists(path))
        return "";
    const std::string backup = backupPath(path);
    if (exists(backup)) {
        m_kept.insert(path);
        return "";
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<char> content;
    if (in.is_open())
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        return "The file " + path + " could not be read to keep a backup (" + std::strerror(errno) +
               ").\nNothing was saved.";
    }
    if (std::string why; !writeFileAtomically(backup, content.data(), content.size(), &why)) {
        return "The backup could not be written:\n" + why + "\nNothing was saved; the file is as it was.";
    }
    m_kept.insert(path);
    return "";
}

}  // namespace vizud
