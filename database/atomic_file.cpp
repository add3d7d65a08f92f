#include "database/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vizud {
namespace {

WriteCall g_write = nullptr;

bool writeAll(int fd, const unsigned char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t n = g_write != nullptr ? g_write(fd, data, length) : ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path names at the end of its symbolic links; the path itself when it is none.
std::string finalTarget(const std::string& path, std::string& why) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    if (error) {
        why = path + ": " + error.message();
        return {};
    }
    return target.string();
}

std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Flushes the folder's entry list, so the rename is on the disk too. Some file systems cannot sync a
// folder; the file is in place by then, so that is no failure.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void setAtomicWriteCallForTests(WriteCall call) { g_write = call; }

bool writeFileAtomically(const std::string& path, const void* data, std::size_t length, std::string* why) {
    std::string reason;
    const auto fail = [&](const std::string& file, const std::string& text) {
        if (why != nullptr)
            *why = reason.empty() ? file + ": " + text : reason;
        return false;
    };
    const std::string target = finalTarget(path, reason);
    if (target.empty())
        return fail(path, "");
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(target, "is a folder, not a file");

    const std::string folder = folderOf(target);
    std::string pattern = target + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return fail(target, "the folder " + folder + " does not exist");
        return fail(target, std::strerror(error));
    }
    const std::string tempPath(name.data());

    // Keep the permissions of the file being replaced; a new file gets the usual 0666 minus umask.
    mode_t mode;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && writeAll(fd, static_cast<const unsigned char*>(data), length);
    ok = ok && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return fail(target, std::strerror(error));
    }
    syncFolder(folder);
    return true;
}

}  // namespace vizud
