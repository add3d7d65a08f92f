#include "link/fd_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace vizud::link {
namespace {

using Clock = std::chrono::steady_clock;

// poll() waits at most this long at a time so a set abort flag is noticed quickly.
constexpr int kAbortCheckMs = 20;

int msUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

FdPort::FdPort(int fd) {
    adopt(fd);
}

FdPort::~FdPort() {
    close();
}

void FdPort::adopt(int fd) {
    close();
    m_fd = fd;
    m_lost = 0;
    if (m_fd >= 0) {
        const int flags = ::fcntl(m_fd, F_GETFL);
        if (flags >= 0) {
            ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
        }
    }
}

void FdPort::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_lost = 0;
}

long FdPort::lose(int error, std::size_t transferred) {
    m_lost = error != 0 ? error : EIO;
    return transferred > 0 ? static_cast<long>(transferred) : -1;
}

int FdPort::probeLine() {
    if (m_fd < 0 || m_lost != 0) {
        return m_lost;
    }
    pollfd pfd{m_fd, 0, 0};
    if (::poll(&pfd, 1, 0) > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        m_lost = (pfd.revents & POLLNVAL) != 0 ? EBADF : EIO;
    }
    return m_lost;
}

void FdPort::purge() {
    // Discards what came in before this transfer. The output side is left alone: nothing of ours is
    // pending at a purge, and on a pseudo-terminal flushing it would throw away bytes the previous user
    // of the line wrote and the box has not read yet (the acknowledgement of a download's last block).
    if (m_fd >= 0) {
        ::tcflush(m_fd, TCIFLUSH);
    }
}

long FdPort::read(std::uint8_t* buffer, std::size_t length) {
    if (m_fd < 0 || m_lost != 0) {
        return -1;
    }
    if (length == 0) {
        return 0;
    }
    const Clock::time_point total =
        Clock::now() +
        std::chrono::milliseconds(static_cast<long long>(m_timeouts.readPerByteMs) * static_cast<long long>(length) +
                                  m_timeouts.readConstantMs);
    Clock::time_point interval = Clock::time_point::max();
    std::size_t got = 0;
    while (got < length) {
        if (m_abort != nullptr && m_abort->load()) {
            break;
        }
        int wait = msUntil(total);
        if (interval != Clock::time_point::max()) {
            wait = std::min(wait, msUntil(interval));
        }
        if (m_abort != nullptr) {
            wait = std::min(wait, kAbortCheckMs);
        }
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, wait);
        if (ready < 0 && errno != EINTR) {
            return lose(errno, got);
        }
        if (ready > 0) {
            if ((pfd.revents & POLLIN) == 0) {
                // Hang-up or error without data: the line is gone.
                return lose((pfd.revents & POLLNVAL) != 0 ? EBADF : EIO, got);
            }
            const ssize_t n = ::read(m_fd, buffer + got, length - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                interval = Clock::now() + std::chrono::milliseconds(m_timeouts.readIntervalMs);
                continue;
            }
            // After poll() reported data, end of file means the other side hung up.
            if (n == 0) {
                return lose(EIO, got);
            }
            if (errno != EAGAIN && errno != EINTR) {
                return lose(errno, got);
            }
        }
        const Clock::time_point now = Clock::now();
        if (now >= total || now >= interval) {
            break;
        }
    }
    return static_cast<long>(got);
}

long FdPort::write(const std::uint8_t* buffer, std::size_t length) {
    if (m_fd < 0 || m_lost != 0) {
        return -1;
    }
    const Clock::time_point total =
        Clock::now() +
        std::chrono::milliseconds(static_cast<long long>(m_timeouts.writePerByteMs) * static_cast<long long>(length) +
                                  m_timeouts.writeConstantMs);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(m_fd, buffer + done, length - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return lose(errno, done);
        }
        const int wait = msUntil(total);
        if (wait <= 0) {
            break;
        }
        pollfd pfd{m_fd, POLLOUT, 0};
        if (::poll(&pfd, 1, wait) < 0 && errno != EINTR) {
            return lose(errno, done);
        }
        if ((pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 && (pfd.revents & POLLOUT) == 0) {
            return lose((pfd.revents & POLLNVAL) != 0 ? EBADF : EIO, done);
        }
    }
    return static_cast<long>(done);
}

}  // namespace vizud::link
