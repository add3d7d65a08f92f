// Feeds arbitrary bytes to the packet receiver through an in-memory port: the single primitives and
// whole exchanges. Destinations are heap blocks of exactly their capacity, so the sanitizers catch any
// byte written past them whatever the packets claim.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "link/device_records.h"
#include "link/exchanges.h"
#include "link/packet_link.h"
#include "tests/link/memory_port.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vizud::link;
    if (size < 1)
        return 0;
    vizud::test::MemoryPort port;
    if (data[0] & 0x40) {
        // Framed input, so the fuzzer reaches past the CRC checks: each record is a length byte and that
        // many bytes, sent as start byte, the bytes and their correct CRC.
        for (std::size_t i = 1; i < size;) {
            const std::size_t length = std::min<std::size_t>(data[i], size - i - 1);
            port.feed(encodePacket(data + i + 1, length, nullptr, 0));
            i += 1 + length;
        }
    } else {
        port.input.assign(data + 1, data + size);
    }
    port.writeChunk = 1 + data[0] % 32;  // the host must cope with any partial write
    std::atomic<bool> abort{false};
    NullReportSink reports;
    PacketLink link(port, abort, reports, LinkTiming{0, 0});

    switch (data[0] % 5) {
        case 0: {
            std::uint8_t header[kCommandHeaderSize];
            auto payload = std::make_unique<std::uint8_t[]>(kRecordPayloadSize);
            link.receiveCommandPacket(header, payload.get(), kRecordPayloadSize, true);
            break;
        }
        case 1: {
            const std::size_t capacity = 1 + data[0] * 16u;
            std::uint8_t header[kDataHeaderSize];
            auto destination = std::make_unique<std::uint8_t[]>(capacity);
            link.receiveDataPacket(header, destination.get(), capacity, true);
            break;
        }
        case 2: {
            // A small transfer buffer: headers and blocks beyond it must be refused.
            const std::size_t capacity = 3 * kMaxBlockPayload + data[0];
            auto buffer = std::make_unique<std::uint8_t[]>(capacity);
            runReceiveExchange(link, kTransferDatabase, buffer.get(), capacity);
            break;
        }
        default: {  // a database, or software whole or in part
            const bool database = data[0] % 5 == 3;
            const std::vector<std::uint8_t> image(database ? 5000 : 100, database ? 0x5A : 0x33);
            const std::uint32_t transfer = database         ? kTransferDatabase
                                           : data[0] & 0x80 ? kTransferSoftwareFull
                                                            : kTransferSoftware;
            runSendExchange(link, transfer, image.data(), image.size(), builtInHostRecord());
            break;
        }
    }
    return 0;
}
