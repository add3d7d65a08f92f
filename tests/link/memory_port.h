// An in-memory port for the packet primitives: reads come from a script of bytes, writes are recorded.
// A read delivers what is left, never waits, and delivers nothing once the script is used up.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "link/port_io.h"

namespace vizud::test {

class MemoryPort : public link::PortIo {
public:
    long read(std::uint8_t* buffer, std::size_t length) override {
        ++reads;
        if (failReads > 0) {
            --failReads;
            return -1;
        }
        const std::size_t n = std::min(length, input.size());
        std::copy(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n), buffer);
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return static_cast<long>(n);
    }
    long write(const std::uint8_t* buffer, std::size_t length) override {
        ++writes;
        if (failWrites > 0) {
            --failWrites;
            return -1;
        }
        const std::size_t n = std::min(length, writeChunk);
        written.insert(written.end(), buffer, buffer + n);
        return static_cast<long>(n);
    }
    void purge() override { input.clear(); }

    void feed(const std::vector<std::uint8_t>& bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }
    template <std::size_t N>
    void feed(const std::array<std::uint8_t, N>& bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }

    std::deque<std::uint8_t> input;
    std::vector<std::uint8_t> written;
    std::size_t writeChunk = static_cast<std::size_t>(-1);  // the most one write call takes
    int failWrites = 0;
    int failReads = 0;
    int reads = 0;
    int writes = 0;
};

}  // namespace vizud::test
