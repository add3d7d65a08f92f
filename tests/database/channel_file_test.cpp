#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "database/image_access.h"
#include "database/image_crc.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

class ChannelFile : public ::testing::Test, public test::DatabaseFixture {
protected:
    test::TempDir dir;
    test::ScopedChdir cwd{dir.path()};

    std::string writeImage(const all_tables_block& img, const std::string& name, std::size_t length = kImageSize,
                           const std::string& tail = "") {
        std::string bytes(reinterpret_cast<const char*>(&img), length);
        bytes += tail;
        const std::string path = dir.file(name);
        test::writeFile(path, bytes.data(), bytes.size());
        return path;
    }
};

TEST_F(ChannelFile, LoadTakesTheImageAndSaveWritesItBack) {
    test::ImageShape shape;
    shape.unusedProviders = 0;
    auto original = test::makeImage(11, shape);
    reinterpret_cast<std::uint8_t*>(original.get())[kClearedFlashByte] = 0x33;
    original->imageCrc = 0x12345678;
    const std::string path = writeImage(*original, "in.si", kImageSize, "trailing bytes are ignored");

    ASSERT_EQ(db.load(path), 0);
    EXPECT_EQ(db.isLoaded(), 1u);
    EXPECT_EQ(std::memcmp(&image(), original.get(), kImageSize), 0);
    EXPECT_TRUE(messages.shown.empty());

    const std::string out = dir.file("out.si");
    ASSERT_EQ(db.save(out), 0);
    const std::string saved = test::readFile(out);
    ASSERT_EQ(saved.size(), kImageSize);
    auto expected = std::make_unique<all_tables_block>(*original);
    refreshCrc(*expected);
    EXPECT_EQ(saved, std::string(reinterpret_cast<const char*>(expected.get()), kImageSize))
        << "only the CRC field and byte 10079 change";
    EXPECT_NE(expected->imageCrc, 0x12345678u);
}

TEST_F(ChannelFile, ShortOrMissingFileKeepsThePreviousDatabase) {
    auto first = test::makeImage(1, test::ImageShape{});
    ASSERT_EQ(db.load(writeImage(*first, "good.si")), 0);
    auto before = std::make_unique<all_tables_block>(image());

    auto other = test::makeImage(2, test::ImageShape{});
    EXPECT_EQ(db.load(writeImage(*other, "short.si", kImageSize - 1)), -3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error: Open failed2");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(std::memcmp(&image(), before.get(), kImageSize), 0);
    EXPECT_EQ(db.isLoaded(), 1u);

    messages.clear();
    EXPECT_EQ(db.load(dir.file("missing.si")), -1);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Open1"});
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(std::memcmp(&image(), before.get(), kImageSize), 0);
}

TEST_F(ChannelFile, CountsBeyondTheCapacitiesAreNotAChannelImage) {
    const auto refuse = [&](auto damage) {
        auto img = test::makeImage(3, test::ImageShape{});
        damage(*img);
        messages.clear();
        EXPECT_EQ(db.load(writeImage(*img, "bad.si")), -3);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error: Open failed2"});
        EXPECT_EQ(db.isLoaded(), 0u);
    };
    refuse([](all_tables_block& i) { i.satCount = 201; });
    refuse([](all_tables_block& i) { i.programCount = 20001; });
    refuse([](all_tables_block& i) { i.tvCount = static_cast<std::uint16_t>(i.programCount + 1); });
    refuse([](all_tables_block& i) { i.tpCount = 3001; });
    refuse([](all_tables_block& i) { i.providerCount = 401; });
    refuse([](all_tables_block& i) { i.favourites[8].favCount = 401; });
    refuse([](all_tables_block& i) { i.favourites[4].favTvCount = static_cast<std::uint16_t>(i.favourites[4].favCount + 1); });

    // Exactly at the capacities is a channel image.
    auto full = test::makeImage(4, test::fullShape());
    EXPECT_EQ(db.load(writeImage(*full, "full.si")), 0);
}

TEST_F(ChannelFile, SweepRemovesUnreferencedProvidersAndRenumbers) {
    for (const char* name : {"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7"}) build.provider(name);
    build.satellite(1, "S");
    build.transponder(1, 11000);
    for (const int provider : {0, 1, 3, 4, 6, 7, 7, 3}) build.program("X", 0, provider, true);
    auto img = std::make_unique<all_tables_block>(image());
    image() = all_tables_block{};

    ASSERT_EQ(db.load(writeImage(*img, "sweep.si")), 0);
    EXPECT_EQ(image().providerCount, 6);
    std::vector<int> indices;
    for (int p = 0; p < image().programCount; ++p) indices.push_back(image().programs[p].providerIndex);
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 4, 5, 5, 2}));
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i) names.emplace_back(image().providers[i].name);
    // Free slots keep what the one-at-a-time sweep leaves there.
    EXPECT_EQ(names, (std::vector<std::string>{"P0", "P1", "P3", "P4", "P6", "P7", "P7", "P7"}));
}

TEST_F(ChannelFile, SweepMatchesRemovingProvidersOneAtATime) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        auto img = test::makeImage(seed, test::randomShape(rng));
        // Damaged references beyond the table are renumbered the same way.
        if (img->programCount > 0) img->programs[0].providerIndex = static_cast<std::uint16_t>(img->providerCount + 3);

        auto expected = std::make_unique<all_tables_block>(*img);
        all_tables_block& e = *expected;
        for (int p = 0; p < e.providerCount;) {
            bool used = false;
            for (int i = 0; i < e.programCount; ++i) used = used || e.programs[i].providerIndex == p;
            if (used) {
                ++p;
                continue;
            }
            for (int i = 0; i < e.programCount; ++i) {
                if (e.programs[i].providerIndex > p) e.programs[i].providerIndex--;
            }
            for (int i = p; i + 1 < e.providerCount; ++i) e.providers[i] = e.providers[i + 1];
            e.providerCount--;
        }

        image() = *img;
        db.removeUnusedProviders();
        ASSERT_EQ(std::memcmp(&image(), expected.get(), kImageSize), 0) << "seed " << seed;
    }
}

TEST_F(ChannelFile, DumpLinesPrintCharacterTableBytesInHex) {
    build.satellite(1, "S");
    build.transponder(1, 11000);
    build.provider("P");
    build.program("\x15" "Arte", 0, 0, true, 28724);
    build.program("ABCDEFGHIJKLMNOP", 0, 0, true, 65535);
    build.program("Radio", 0, 0, false, 7);
    image().programs[1].programFlags = 0x25;
    image().programs[2].videoPid = 8191;
    EXPECT_EQ(db.programsDumpText(),
              "15              Arte 28724     0     0 8191  100 32767 0\n"
              "    ABCDEFGHIJKLMNOP 65535     0     0 8191  100 32767 25\n"
              "               Radio     7     0     0 8191  100 32767 0\n");
}

TEST_F(ChannelFile, LoadWritesTheDumpAfterTheSweep) {
    for (const char* name : {"Unused", "Used"}) build.provider(name);
    build.satellite(1, "S");
    build.transponder(1, 11000);
    build.program("X", 0, 1, true);
    auto img = std::make_unique<all_tables_block>(image());
    ASSERT_EQ(db.load(writeImage(*img, "a.si")), 0);
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), db.programsDumpText());
    EXPECT_NE(db.programsDumpText().find("    0     0 8191"), std::string::npos) << "provider index renumbered to 0";

    db.setProgramsDumpPath("");
    std::remove(dir.file("programs.nfo").c_str());
    ASSERT_EQ(db.load(writeImage(*img, "a.si")), 0);
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), "");
}

TEST_F(ChannelFile, FailedSaveKeepsTheOldFileAndReportsMinusOne) {
    const std::string target = dir.file("keep.si");
    test::writeFile(target, "old", 3);
    EXPECT_EQ(db.save(dir.file("no/such/folder/x.si")), -1);

    if (::geteuid() != 0) {  // root writes anywhere; the read-only folder case needs an ordinary user
        ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
        EXPECT_EQ(db.save(target), -1);
        ::chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(test::readFile(target), "old");
    }
    // A folder in place of the file: the rename fails, the folder stays.
    ::mkdir(dir.file("folder.si").c_str(), 0700);
    EXPECT_EQ(db.save(dir.file("folder.si")), -1);
    EXPECT_TRUE(messages.shown.empty()) << "save reports failures by its result only";
}

}  // namespace
}  // namespace vizud

namespace vizud {
namespace {

TEST(ProviderSweep, ProvidersOfCutProgramsStayAndClipboardNodesAreRenumbered) {
    test::DatabaseFixture f;
    for (const char* name : {"Gone", "OnlyCut", "Kept"}) f.build.provider(name);
    f.build.satellite(1, "S");
    f.build.transponder(1, 11000);
    f.build.program("Stays", 0, 2, true);
    // A cut program whose provider no program in the table uses any more.
    auto* cut = new ProgramSnapshot;
    cut->providerIndex = 1;
    cut->programIndex = -1;
    auto* copied = new ProgramSnapshot;
    copied->providerIndex = 2;
    cut->next = copied;
    f.state->programClipboard = cut;

    f.db.removeUnusedProviders();
    EXPECT_EQ(f.image().providerCount, 2);
    EXPECT_EQ(nameText(f.image().providers[0].name), "OnlyCut");
    EXPECT_EQ(nameText(f.image().providers[1].name), "Kept");
    EXPECT_EQ(f.image().programs[0].providerIndex, 1);
    EXPECT_EQ(cut->providerIndex, 0);
    EXPECT_EQ(copied->providerIndex, 1);

    // Loading another file sweeps by its programs alone: the clipboard describes the old database.
    test::TempDir dir;
    test::ScopedChdir cwd(dir.path());
    auto other = std::make_unique<all_tables_block>(f.image());
    const std::string path = dir.file("other.si");
    test::writeFile(path, other.get(), kImageSize);
    ASSERT_EQ(f.db.load(path), 0);
    EXPECT_EQ(f.image().providerCount, 1);
    EXPECT_EQ(nameText(f.image().providers[0].name), "Kept");
}

}  // namespace
}  // namespace vizud
