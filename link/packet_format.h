// The packets of the serial link with the box: layouts, kinds and the packet CRC.
//
// Every packet starts with the byte 0x02, followed by a header whose first four bytes are the kind in
// ASCII ("ZQER" is 5A 51 45 52), then an optional payload and a little-endian CRC-32 of header and payload
// (the start byte is not covered). All integers on the wire are little-endian.
//
//   command packet  02 | kind | u32 0x200 | u32 parameter | 8 bytes unused | payload (0 or 32) | crc
//   data packet     02 | "ZTDF" | u32 0x200 | u32 transfer type | u32 block | u32 L | u32 ~L | 8 unused
//                      | L payload bytes | crc
//   acknowledgement a command packet of kind "ZKCA", parameter 0, no payload: always 25 bytes
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vizud::link {

inline constexpr std::uint8_t kStartByte = 0x02;
inline constexpr std::size_t kCommandHeaderSize = 20;
inline constexpr std::size_t kDataHeaderSize = 32;
inline constexpr std::size_t kCrcSize = 4;
inline constexpr std::size_t kAckPacketSize = 1 + kCommandHeaderSize + kCrcSize;  // 25
inline constexpr std::size_t kRecordPayloadSize = 32;  // device record ("ZTPR") and file header ("ZDHF")
inline constexpr std::uint32_t kHeaderWord = 0x200;
inline constexpr std::size_t kMaxBlockPayload = 4096;
inline constexpr std::uint32_t kDataLengthLimit = 0x800000;  // a data packet's length must stay below this

// Packet kinds as the little-endian u32 of their four ASCII bytes.
constexpr std::uint32_t kindCode(const char (&text)[5]) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[0])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[3])) << 24;
}
inline constexpr std::uint32_t kKindRequest = kindCode("ZQER");
inline constexpr std::uint32_t kKindQuery = kindCode("ZYRQ");
inline constexpr std::uint32_t kKindReport = kindCode("ZTPR");
inline constexpr std::uint32_t kKindStatus = kindCode("ZATS");
inline constexpr std::uint32_t kKindFileHeader = kindCode("ZDHF");
inline constexpr std::uint32_t kKindFileData = kindCode("ZTDF");
inline constexpr std::uint32_t kKindAck = kindCode("ZKCA");

// CRC-32/ISO-HDLC (the CRC of zlib and Ethernet): reflected, preset all ones, result complemented.
// `crc` continues a previous computation: crc32IsoHdlc(b, n, crc32IsoHdlc(a, m)) is the CRC of a then b.
std::uint32_t crc32IsoHdlc(const std::uint8_t* data, std::size_t length, std::uint32_t crc = 0);

inline std::uint32_t readLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline void writeLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

using CommandHeader = std::array<std::uint8_t, kCommandHeaderSize>;
using DataHeader = std::array<std::uint8_t, kDataHeaderSize>;

// The header of a command packet the host builds: kind, 0x200, parameter, zeros in the unused words.
CommandHeader makeCommandHeader(std::uint32_t kind, std::uint32_t parameter);
// The header of a data packet: "ZTDF", 0x200, transfer type, block number, L and ~L, zeros.
DataHeader makeDataHeader(std::uint32_t transferType, std::uint32_t block, std::uint32_t length);

inline std::uint32_t headerKind(const std::uint8_t* header) {
    return readLe32(header);
}
inline std::uint32_t headerParameter(const std::uint8_t* header) {
    return readLe32(header + 8);
}
inline std::uint32_t dataBlockNumber(const std::uint8_t* header) {
    return readLe32(header + 12);
}
inline std::uint32_t dataLength(const std::uint8_t* header) {
    return readLe32(header + 16);
}
inline std::uint32_t dataLengthComplement(const std::uint8_t* header) {
    return readLe32(header + 20);
}

// The whole packet as it goes on the line: start byte, header, payload, CRC.
std::vector<std::uint8_t> encodePacket(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* payload,
                                       std::size_t payloadSize);
// The 25 bytes of an acknowledgement.
std::array<std::uint8_t, kAckPacketSize> makeAckPacket();

}  // namespace vizud::link
