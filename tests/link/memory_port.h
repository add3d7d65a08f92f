// An in-memory port for the packet primitives: a read delivers what is left of a script of bytes and never
// waits; writes are recorded. Also a sink that records reports, a packet link over such a port, and the
// packets a scripted box sends.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

#include "link/packet_link.h"
#include "link/transfer_reports.h"

namespace vizud::test {

using Bytes = std::vector<std::uint8_t>;

class MemoryPort : public link::PortIo {
public:
    long read(std::uint8_t* buffer, std::size_t length) override {
        ++reads;
        const std::size_t n = std::min(length, input.size());
        std::copy(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n), buffer);
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return static_cast<long>(n);
    }
    long write(const std::uint8_t* buffer, std::size_t length) override {
        if (failWrites > 0) {
            --failWrites;
            return -1;
        }
        const std::size_t n = std::min(length, writeChunk);
        written.insert(written.end(), buffer, buffer + n);
        return static_cast<long>(n);
    }
    void purge() override { input.clear(); }

    template <typename Range>
    void feed(const Range& bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }

    std::deque<std::uint8_t> input;
    Bytes written;
    std::size_t writeChunk = static_cast<std::size_t>(-1);  // the most one write call takes
    int failWrites = 0;
    int reads = 0;
};

class RecordingSink : public link::ReportSink {
public:
    void post(int code, std::uint32_t value) override { reports.push_back({code, value}); }
    bool has(int code, std::uint32_t value) const {
        return std::any_of(reports.begin(), reports.end(), [&](auto& r) { return r.code == code && r.value == value; });
    }
    int count(int code) const {
        return static_cast<int>(std::count_if(reports.begin(), reports.end(), [&](auto& r) { return r.code == code; }));
    }
    std::vector<std::uint32_t> values() const {
        std::vector<std::uint32_t> out;
        for (const link::Report& r : reports)
            out.push_back(r.value);
        return out;
    }
    std::vector<link::Report> reports;
};

struct ScriptedLink {
    void clear() {
        port.input.clear();
        port.written.clear();
        sink.reports.clear();
    }
    MemoryPort port;
    std::atomic<bool> abort{false};
    RecordingSink sink;
    link::PacketLink link{port, abort, sink, link::LinkTiming{0, 0}};
};

inline Bytes commandPacket(std::uint32_t kind, std::uint32_t parameter, const void* payload = nullptr,
                           std::size_t size = 0) {
    const link::CommandHeader header = link::makeCommandHeader(kind, parameter);
    return link::encodePacket(header.data(), header.size(), static_cast<const std::uint8_t*>(payload), size);
}

inline Bytes dataPacket(std::uint32_t block, std::uint32_t length, std::uint8_t fill) {
    const link::DataHeader header = link::makeDataHeader(4, block, length);
    const Bytes payload(length, fill);
    return link::encodePacket(header.data(), header.size(), payload.data(), length);
}

inline Bytes ackPacket() {
    const auto ack = link::makeAckPacket();
    return Bytes(ack.begin(), ack.end());
}

}  // namespace vizud::test
