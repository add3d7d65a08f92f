// The channel file (the bare image) and its CRC, the program dump written on load, and the provider sweep.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/image_access.h"
#include "database/image_crc.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;

TEST(ImageCrc, PublishedCheckValueAndTheImageItCovers) {
    const char* digits = "123456789";
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(digits), 9), 0x0376E6E7u);
    EXPECT_EQ(crc32Mpeg2(nullptr, 9), 0u);
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(digits), 0), 0u);

    // An image's CRC: byte 10079 cleared, everything from offset 12 covered.
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

class ChannelFile : public ::testing::Test, public test::DatabaseFixture {
protected:
    test::TempDir dir;
    test::ScopedChdir cwd{dir.path()};

    std::string writeImage(const all_tables_block& img, const std::string& name, std::size_t length = kImageSize,
                           const std::string& tail = "") {
        const std::string bytes = std::string(reinterpret_cast<const char*>(&img), length) + tail;
        test::writeFile(dir.file(name), bytes.data(), bytes.size());
        return dir.file(name);
    }
    bool holds(const all_tables_block& img) { return std::memcmp(&image(), &img, kImageSize) == 0; }
};

TEST_F(ChannelFile, LoadTakesTheImageAndSaveWritesItBackWithAFreshCrc) {
    auto original = test::makeImage(11, {.unusedProviders = 0});
    reinterpret_cast<std::uint8_t*>(original.get())[kClearedFlashByte] = 0x33;
    original->imageCrc = 0x12345678;
    ASSERT_EQ(db.load(writeImage(*original, "in.si", kImageSize, "trailing bytes are ignored")), 0);
    EXPECT_EQ(db.isLoaded(), 1u);
    EXPECT_TRUE(holds(*original));
    EXPECT_TRUE(messages.shown.empty());

    ASSERT_EQ(db.save(dir.file("out.si")), 0);
    auto expected = std::make_unique<all_tables_block>(*original);
    refreshCrc(*expected);  // only the CRC field and byte 10079 change
    EXPECT_EQ(test::readFile(dir.file("out.si")),
              std::string(reinterpret_cast<const char*>(expected.get()), kImageSize));
    EXPECT_NE(expected->imageCrc, 0x12345678u);
}

// A short file, a missing one, or counts beyond the capacities: not a channel image, and the database
// being edited stays as it was, loaded or not.
TEST_F(ChannelFile, WhatIsNoChannelImageKeepsThePreviousDatabase) {
    using Damage = void (*)(all_tables_block&);
    const std::pair<Damage, const char*> damages[] = {
        {[](all_tables_block&) {}, "The file has 721967 bytes; a channel file has 721968."},
        {[](all_tables_block& i) { i.satCount = 201; }, "The file counts 201 satellites; the table has room for 200."},
        {[](all_tables_block& i) { i.programCount = 20001; },
         "The file counts 20001 programs; the table has room for 20000."},
        {[](all_tables_block& i) { i.tvCount = static_cast<std::uint16_t>(i.programCount + 1); },
         "The file counts 121 TV programs of 120 programs."},
        {[](all_tables_block& i) { i.tpCount = 3001; },
         "The file counts 3001 transponders; the table has room for 3000."},
        {[](all_tables_block& i) { i.providerCount = 401; },
         "The file counts 401 providers; the table has room for 400."},
        {[](all_tables_block& i) { i.favourites[8].favCount = 401; },
         "Favourite list 9 holds 401 entries; it has room for 400."},
        {[](all_tables_block& i) {
             i.favourites[4].favCount = 7;
             i.favourites[4].favTvCount = 8;
         },
         "Favourite list 5 counts 8 TV entries of 7 entries."},
    };
    const auto empty = std::make_unique<all_tables_block>();
    EXPECT_TRUE(holds(*empty)) << "a fresh editor holds an all-zero image";
    EXPECT_EQ(db.imageData(), reinterpret_cast<std::uint8_t*>(&image()));
    EXPECT_EQ(db.imageLength(), kImageSize);
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        auto img = test::makeImage(3, test::ImageShape{});
        damages[i].first(*img);
        messages.clear();
        EXPECT_EQ(db.load(writeImage(*img, "bad.si", i == 0 ? kImageSize - 1 : kImageSize)), -3) << "case " << i;
        ASSERT_EQ(messages.texts(), Texts{std::string("Error: Open failed2\n") + damages[i].second});
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(holds(*empty)) << "case " << i;
        EXPECT_EQ(db.isLoaded(), 0u);
    }
    // Exactly at the capacities is a channel image.
    auto full = test::makeImage(4, test::fullShape());
    ASSERT_EQ(db.load(writeImage(*full, "full.si")), 0);
    const auto loaded = std::make_unique<all_tables_block>(image());
    messages.clear();
    EXPECT_EQ(db.load(dir.file("missing.si")), -1);
    ASSERT_EQ(messages.texts(), Texts{"Open1"});
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(holds(*loaded));
    EXPECT_EQ(db.isLoaded(), 1u);
}

// The box removes unused providers one at a time, renumbering every program each time; the sweep must
// leave the same bytes, free slots and references beyond the table included.
TEST_F(ChannelFile, SweepMatchesRemovingProvidersOneAtATime) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        auto img = test::makeImage(seed, test::randomShape(rng));
        if (img->programCount > 0)
            img->programs[0].providerIndex = static_cast<std::uint16_t>(img->providerCount + 3);
        auto expected = std::make_unique<all_tables_block>(*img);
        all_tables_block& e = *expected;
        for (int p = 0; p < e.providerCount;) {
            bool used = false;
            for (int i = 0; i < e.programCount; ++i)
                used = used || e.programs[i].providerIndex == p;
            if (used) {
                ++p;
                continue;
            }
            for (int i = 0; i < e.programCount; ++i)
                e.programs[i].providerIndex -= e.programs[i].providerIndex > p;
            for (int i = p; i + 1 < e.providerCount; ++i)
                e.providers[i] = e.providers[i + 1];
            e.providerCount--;
        }
        image() = *img;
        db.removeUnusedProviders();
        ASSERT_TRUE(holds(e)) << "seed " << seed;
    }
}

TEST_F(ChannelFile, LoadSweepsAndWritesTheDumpWithCharacterTableBytesInHex) {
    for (const char* name : {"Unused", "Used"})
        build.provider(name);
    build.satellite(1, "S");
    build.transponder(1, 11000);
    build.program("\025Arte", 0, 1, true, 28724);  // a character-table byte, then the name
    build.program("ABCDEFGHIJKLMNOP", 0, 1, true, 65535);
    build.program("Radio", 0, 1, false, 7);
    image().programs[1].programFlags = 0x25;
    image().programs[2].videoPid = 8191;
    auto img = std::make_unique<all_tables_block>(image());
    ASSERT_EQ(db.load(writeImage(*img, "a.si")), 0);
    const std::string dump =
        "15              Arte 28724     0     0 8191  100 32767 0\n"
        "    ABCDEFGHIJKLMNOP 65535     0     0 8191  100 32767 25\n"
        "               Radio     7     0     0 8191  100 32767 0\n";
    EXPECT_EQ(db.programsDumpText(), dump) << "provider index renumbered to 0";
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), dump);

    db.setProgramsDumpPath("");
    std::remove(dir.file("programs.nfo").c_str());
    ASSERT_EQ(db.load(writeImage(*img, "a.si")), 0);
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), "");
}

TEST_F(ChannelFile, ProvidersOfCutProgramsStayUntilAnotherFileIsLoaded) {
    for (const char* name : {"Gone", "OnlyCut", "Kept"})
        build.provider(name);
    build.satellite(1, "S");
    build.transponder(1, 11000);
    build.program("Stays", 0, 2, true);
    auto* cut = new ProgramSnapshot;  // a cut program whose provider no program in the table uses any more
    cut->providerIndex = 1;
    cut->next = new ProgramSnapshot;
    cut->next->providerIndex = 2;
    state->programClipboard = cut;
    db.removeUnusedProviders();
    const auto providers = [&] {
        std::string out;
        for (int i = 0; i < image().providerCount; ++i)
            out += nameText(image().providers[i].name) + " ";
        return out;
    };
    EXPECT_EQ(providers() + std::to_string(image().programs[0].providerIndex) + std::to_string(cut->providerIndex) +
                  std::to_string(cut->next->providerIndex),
              "OnlyCut Kept 101");

    // Loading sweeps by the file's programs alone: the clipboard describes the old database.
    ASSERT_EQ(db.load(writeImage(image(), "other.si")), 0);
    EXPECT_EQ(providers(), "Kept ");
}

}  // namespace
}  // namespace vizud
