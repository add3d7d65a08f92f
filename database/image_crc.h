// The image CRC: CRC-32/MPEG-2 (polynomial 0x04C11DB7, MSB first, initial 0xFFFFFFFF, no final xor).
// It differs from the packet CRC of the serial link.
#pragma once

#include <cstddef>
#include <cstdint>

struct all_tables_block;

namespace vizud {

// CRC-32/MPEG-2 of `length` bytes; a null buffer or zero length yields 0.
std::uint32_t crc32Mpeg2(const std::uint8_t* data, std::size_t length);

// The CRC the image would carry after a refresh: over offset 12 to the end, with byte 10079 taken as 0.
// Does not change the image.
std::uint32_t computeImageCrc(const all_tables_block& image);

// Clears byte 10079, computes the CRC and stores it at offset 8. Returns the CRC.
std::uint32_t refreshCrc(all_tables_block& image);

}  // namespace vizud
