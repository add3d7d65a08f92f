// A port over a non-blocking file descriptor (a serial device or either side of a pseudo-terminal) whose
// reads and writes wait with poll() exactly as the box's serial line is timed:
//   - a read returns once `readIntervalMs` passed without a new byte after data started to arrive, or
//     at the latest after readPerByteMs per requested byte plus readConstantMs;
//   - a write gives up after writePerByteMs per byte plus writeConstantMs.
// The defaults are the real values; tests shorten them.
// A read or write that finds the device gone (EIO after a USB adapter was pulled, a hang-up of the other
// side of a pseudo-terminal) marks the line lost; from then on both fail at once instead of waiting out
// their time-outs, so a transfer ends quickly and says why.
#pragma once

#include <atomic>

#include "link/port_io.h"

namespace vizud::link {

struct PortTimeouts {
    int readIntervalMs = 200;
    int readPerByteMs = 20;
    int readConstantMs = 1000;
    int writePerByteMs = 20;
    int writeConstantMs = 1000;
};

class FdPort : public PortIo {
public:
    FdPort() = default;
    // Takes ownership of `fd` (closed by close() and the destructor) and makes it non-blocking.
    explicit FdPort(int fd);
    ~FdPort() override;
    FdPort(const FdPort&) = delete;
    FdPort& operator=(const FdPort&) = delete;

    long read(std::uint8_t* buffer, std::size_t length) override;
    long write(const std::uint8_t* buffer, std::size_t length) override;
    void purge() override;
    int lineLost() const override { return m_lost; }
    int probeLine() override;

    void adopt(int fd);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    void setTimeouts(const PortTimeouts& timeouts) { m_timeouts = timeouts; }
    const PortTimeouts& timeouts() const { return m_timeouts; }
    // While `abort` is set, a waiting read returns at once with what it has, so a cancelled transfer
    // never sits out a full time-out. May be null.
    void setAbortFlag(const std::atomic<bool>* abort) { m_abort = abort; }

private:
    // Reads and writes that fail for good (not a time-out, not EAGAIN or EINTR) mark the line lost.
    long lose(int error, std::size_t transferred);

    int m_fd = -1;
    int m_lost = 0;
    PortTimeouts m_timeouts;
    const std::atomic<bool>* m_abort = nullptr;
};

}  // namespace vizud::link
