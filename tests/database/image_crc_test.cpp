#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "database/channel_database.h"
#include "database/image_crc.h"
#include "tests/support/image_factory.h"
#include "tests/support/recording_messages.h"

namespace vizud {
namespace {

TEST(ImageCrc, PublishedCheckValueOfCrc32Mpeg2) {
    const char* digits = "123456789";
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(digits), 9), 0x0376E6E7u);
    EXPECT_EQ(crc32Mpeg2(nullptr, 9), 0u);
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(digits), 0), 0u);
}

TEST(ImageCrc, RefreshClearsByte10079AndCoversEverythingFromOffset12) {
    auto image = test::makeImage(7, test::ImageShape{});
    auto* bytes = reinterpret_cast<std::uint8_t*>(image.get());
    bytes[kClearedFlashByte] = 0x5A;
    const std::uint32_t predicted = computeImageCrc(*image);
    EXPECT_EQ(bytes[kClearedFlashByte], 0x5A) << "computing must not change the image";

    const std::uint32_t crc = refreshCrc(*image);
    EXPECT_EQ(bytes[kClearedFlashByte], 0);
    EXPECT_EQ(crc, predicted);
    EXPECT_EQ(image->imageCrc, crc);
    EXPECT_EQ(crc, crc32Mpeg2(bytes + 12, kImageSize - 12));

    // The lead bytes and the CRC field itself are outside the coverage; the last byte is inside.
    bytes[0] ^= 0xFF;
    EXPECT_EQ(refreshCrc(*image), crc);
    bytes[kImageSize - 1] ^= 0x01;
    EXPECT_NE(refreshCrc(*image), crc);
}

TEST(ImageCrc, FreshEditorHoldsAnAllZeroImage) {
    auto state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db(*state, messages);
    const std::uint8_t* bytes = db.imageData(0);
    EXPECT_EQ(db.imageLength(0), 721968u);
    EXPECT_EQ(db.isLoaded(), 0u);
    EXPECT_EQ(std::count(bytes, bytes + kImageSize, 0), static_cast<long>(kImageSize));
    std::uint32_t value = 1;
    EXPECT_EQ(db.getInfo(kInfoProgramCount, value), 0);
    EXPECT_EQ(value, 0u);
}

}  // namespace
}  // namespace vizud
