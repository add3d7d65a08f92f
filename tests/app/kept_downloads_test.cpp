// Every download kept: the copies' names, their order, the limit of 30, the counts read back, and a copy
// that cannot be written told without failing the download.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/kept_downloads.h"
#include "tests/app/document_fakes.h"

namespace vizud {
namespace {

TEST(KeptDownloads, NewestFirstAtMostTheLimitWithTheirCounts) {
    test::TempDir dir;
    const std::string folder = dir.file("data/vizud/downloads");
    auto image = test::makeImage(3, test::ImageShape{});
    std::time_t when = 1796000000;  // two copies in one second, then one per minute
    std::vector<std::string> written;
    for (int i = 0; i < 5; ++i) {
        image->tvCount = static_cast<std::uint16_t>(10 + i);
        written.push_back(keepDownload(*image, i == 0 ? when : when + 60 * (i - 1), folder, nullptr, 3));
        ASSERT_FALSE(written.back().empty());
    }
    EXPECT_NE(written[0], written[1]) << "a second copy in the same second gets a name of its own";
    test::writeFile(folder + "/box-20260101-000000.si", "short", 5);  // not an image: not listed
    const std::vector<KeptDownload> kept = keptDownloads(folder);
    ASSERT_EQ(kept.size(), 3u) << "the oldest beyond the limit are removed";
    for (std::size_t k = 0; k < kept.size(); ++k) {
        EXPECT_EQ(kept[k].path, written[4 - k]);
        EXPECT_EQ(kept[k].tv, 14 - static_cast<int>(k));
        EXPECT_EQ(kept[k].tv + kept[k].radio, image->programCount);
    }
    EXPECT_FALSE(std::filesystem::exists(written[0]));
    // The time shown is read from the name; a name not of ours is passed over.
    for (const char* name : {"box-20200102-030405.si", "box-2020010x-030405.si", "box-20200102-030405.sik"})
        std::filesystem::copy_file(written[4], folder + "/" + name);
    const std::vector<KeptDownload> again = keptDownloads(folder);
    ASSERT_EQ(again.size(), 4u);
    EXPECT_EQ(again.back().when, "2020-01-02 03:04:05");
}

TEST(KeptDownloads, ACopyThatCannotBeWrittenIsToldAndTheDownloadStands) {
    test::DocumentRig rig;
    test::writeFile(rig.dir.file("blocked"), "x", 1);  // a file where the folder would be
    rig.doc.construct();
    rig.doc.setKeptDownloadsFolder(rig.dir.file("blocked/downloads"));
    rig.doc.download();
    EXPECT_TRUE(rig.doc.downloaded());
    ASSERT_EQ(rig.fx.messages.texts().size(), 1u);
    EXPECT_EQ(rig.fx.messages.texts()[0].rfind("A copy of the download could not be kept: /", 0), 0u)
        << rig.fx.messages.texts()[0];
    rig.doc.setKeptDownloadsFolder(rig.dir.file("kept"));
    rig.fx.messages.script(MessageAnswer::No);  // the first download is not saved first
    rig.doc.download();
    EXPECT_EQ(rig.fx.messages.texts().size(), 1u);
    ASSERT_EQ(keptDownloads(rig.dir.file("kept")).size(), 1u);
}

}  // namespace
}  // namespace vizud
