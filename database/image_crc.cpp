#include "database/image_crc.h"

#include <array>

#include "database/image_layout.h"

namespace vizud {
namespace {

constexpr std::array<std::uint32_t, 256> makeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
        table[i] = crc;
    }
    return table;
}

constexpr auto kTable = makeTable();

// The same CRC eight bytes a step ("slicing by eight"): kSlices[k][b] is the CRC of byte b followed by k
// zero bytes, so eight independent table reads replace eight dependent steps. An edit refreshes the CRC
// of the whole 722 KB image, and this keeps that well under a millisecond.
constexpr std::array<std::array<std::uint32_t, 256>, 8> makeSlices() {
    std::array<std::array<std::uint32_t, 256>, 8> slices{};
    slices[0] = makeTable();
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::uint32_t i = 0; i < 256; ++i) {
            const std::uint32_t previous = slices[k - 1][i];
            slices[k][i] = (previous << 8) ^ slices[0][previous >> 24];
        }
    }
    return slices;
}

constexpr auto kSlices = makeSlices();

std::uint32_t update(std::uint32_t crc, const std::uint8_t* data, std::size_t length) {
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        crc ^= std::uint32_t{data[i]} << 24 | std::uint32_t{data[i + 1]} << 16 | std::uint32_t{data[i + 2]} << 8 |
               std::uint32_t{data[i + 3]};
        crc = kSlices[7][crc >> 24] ^ kSlices[6][(crc >> 16) & 0xFF] ^ kSlices[5][(crc >> 8) & 0xFF] ^
              kSlices[4][crc & 0xFF] ^ kSlices[3][data[i + 4]] ^ kSlices[2][data[i + 5]] ^ kSlices[1][data[i + 6]] ^
              kSlices[0][data[i + 7]];
    }
    for (; i < length; ++i) {
        crc = (crc << 8) ^ kTable[((crc >> 24) ^ data[i]) & 0xFF];
    }
    return crc;
}

}  // namespace

std::uint32_t crc32Mpeg2(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr || length == 0) {
        return 0;
    }
    return update(0xFFFFFFFFu, data, length);
}

std::uint32_t computeImageCrc(const all_tables_block& image) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&image);
    std::uint32_t crc = update(0xFFFFFFFFu, bytes + kCrcCoverageStart, kClearedFlashByte - kCrcCoverageStart);
    const std::uint8_t zero = 0;
    crc = update(crc, &zero, 1);
    return update(crc, bytes + kClearedFlashByte + 1, kImageSize - kClearedFlashByte - 1);
}

std::uint32_t refreshCrc(all_tables_block& image) {
    reinterpret_cast<std::uint8_t*>(&image)[kClearedFlashByte] = 0;
    image.imageCrc = crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(&image) + kCrcCoverageStart,
                                kImageSize - kCrcCoverageStart);
    return image.imageCrc;
}

}  // namespace vizud
