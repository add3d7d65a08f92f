#include "link/packet_format.h"

#include <algorithm>

namespace vizud::link {
namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        }
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

}  // namespace

std::uint32_t crc32IsoHdlc(const std::uint8_t* data, std::size_t length, std::uint32_t crc) {
    std::uint32_t reg = ~crc;
    for (std::size_t i = 0; i < length; ++i) {
        reg = (reg >> 8) ^ kCrcTable[(reg ^ data[i]) & 0xFF];
    }
    return ~reg;
}

CommandHeader makeCommandHeader(std::uint32_t kind, std::uint32_t parameter) {
    CommandHeader header{};
    writeLe32(header.data(), kind);
    writeLe32(header.data() + 4, kHeaderWord);
    writeLe32(header.data() + 8, parameter);
    return header;
}

DataHeader makeDataHeader(std::uint32_t transferType, std::uint32_t block, std::uint32_t length) {
    DataHeader header{};
    writeLe32(header.data(), kKindFileData);
    writeLe32(header.data() + 4, kHeaderWord);
    writeLe32(header.data() + 8, transferType);
    writeLe32(header.data() + 12, block);
    writeLe32(header.data() + 16, length);
    writeLe32(header.data() + 20, ~length);
    return header;
}

std::vector<std::uint8_t> encodePacket(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* payload,
                                       std::size_t payloadSize) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(1 + headerSize + payloadSize + kCrcSize);
    bytes.push_back(kStartByte);
    bytes.insert(bytes.end(), header, header + headerSize);
    std::uint32_t crc = crc32IsoHdlc(header, headerSize);
    if (payloadSize > 0) {
        bytes.insert(bytes.end(), payload, payload + payloadSize);
        crc = crc32IsoHdlc(payload, payloadSize, crc);
    }
    std::uint8_t crcBytes[kCrcSize];
    writeLe32(crcBytes, crc);
    bytes.insert(bytes.end(), crcBytes, crcBytes + kCrcSize);
    return bytes;
}

std::array<std::uint8_t, kAckPacketSize> makeAckPacket() {
    const CommandHeader header = makeCommandHeader(kKindAck, 0);
    std::array<std::uint8_t, kAckPacketSize> packet{};
    packet[0] = kStartByte;
    std::copy(header.begin(), header.end(), packet.begin() + 1);
    writeLe32(packet.data() + 1 + kCommandHeaderSize, crc32IsoHdlc(header.data(), header.size()));
    return packet;
}

}  // namespace vizud::link
