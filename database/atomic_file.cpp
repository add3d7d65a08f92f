#include "database/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace vizud {
namespace {

bool writeAll(int fd, const unsigned char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
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

}  // namespace

bool writeFileAtomically(const std::string& path, const void* data, std::size_t length) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    const std::string tempPath(name.data());

    // Keep the permissions of the file being replaced; a new file gets the usual 0666 minus umask.
    struct stat existing {};
    mode_t mode;
    if (::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && writeAll(fd, static_cast<const unsigned char*>(data), length);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
    }
    return ok;
}

}  // namespace vizud
