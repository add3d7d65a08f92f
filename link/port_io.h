// The byte stream the packet link runs over: a serial port, a pseudo-terminal, or an in-memory port in
// tests and fuzzing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vizud::link {

class PortIo {
public:
    virtual ~PortIo() = default;
    // One read call: up to `length` bytes, waiting as the port's time-outs allow. Returns the number of
    // bytes delivered (0 when none came in time) or -1 when the system reports the read as failed.
    virtual long read(std::uint8_t* buffer, std::size_t length) = 0;
    // One write call: returns the number of bytes written before the write time-out (possibly fewer than
    // `length`) or -1 when the system reports the write as failed.
    virtual long write(const std::uint8_t* buffer, std::size_t length) = 0;
    // Discards the bytes received and not yet read.
    virtual void purge() = 0;
    // Non-zero (an errno value) once the line is gone for good: the device was unplugged or the other
    // side hung up. Every read and write fails at once from then on.
    virtual int lineLost() const { return 0; }
    // Looks for a hang-up without reading or writing (used while pausing), then returns lineLost().
    virtual int probeLine() { return lineLost(); }
};

}  // namespace vizud::link
