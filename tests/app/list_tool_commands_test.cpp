// The Tools menu's rules on the document's image: nothing without a list (nor for the document's commands),
// the view deciding what is sorted, the reference file opened apart from the image, and the check's repair.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/list_tool_commands.h"
#include "listtools/csv_export.h"
#include "tests/app/document_fakes.h"

namespace vizud {
namespace {

class ListTools : public ::testing::Test, public test::DocumentRig {
protected:
    std::string image() const { return std::string(reinterpret_cast<const char*>(&fx.state->image), kImageSize); }
    ListToolCommands tools{fx.db, fx.messages, files, doc};
};

// With nothing loaded the document's commands and the Tools menu's say so and change nothing.
TEST_F(ListTools, NothingHappensWithoutAList) {
    doc.construct();
    const std::string before = image();
    EXPECT_FALSE(doc.exportList());
    EXPECT_FALSE(doc.fileSave());
    doc.upload();
    EXPECT_FALSE(tools.sortView(SortKey::Name));
    EXPECT_FALSE(tools.orderLikeFile());
    EXPECT_FALSE(tools.repair());
    EXPECT_FALSE(tools.compareWithFile());
    std::vector<std::string> said = {"Nothing to export!", "Nothing to save!", "No document opened or downloaded"};
    said.resize(7, "Open or download a channel list first.");
    EXPECT_EQ(fx.messages.texts(), said);
    EXPECT_TRUE(fx.messages.asked.empty());
    EXPECT_TRUE(files.requests.empty());
    EXPECT_EQ(transfers.uploads, 0);
    EXPECT_TRUE(image() == before);
}

TEST_F(ListTools, AFavouriteListViewSortsTheListAndAnyOtherViewTheTable) {
    openThroughCommand(file("a.si", 3));
    const all_tables_block& img = fx.image();
    const std::vector<std::uint16_t> table(reinterpret_cast<const std::uint16_t*>(img.programs),
                                           reinterpret_cast<const std::uint16_t*>(img.programs + img.programCount));
    fx.state->browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 4));
    ASSERT_TRUE(tools.sortView(SortKey::Name));
    EXPECT_TRUE(std::equal(table.begin(), table.end(), reinterpret_cast<const std::uint16_t*>(img.programs)))
        << "the table stays";
    const std::string listed = image();
    fx.state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
    ASSERT_TRUE(tools.sortView(SortKey::Name));
    EXPECT_FALSE(image() == listed);
    EXPECT_TRUE(fx.messages.shown.empty());
}

// The reference is opened apart from the image and the answer decides on its lists. A CSV list is read
// instead of opened, its options asked after it was read; a refused list and a cancelled question change
// nothing.
TEST_F(ListTools, OrderLikeAChannelFileOrACsvList) {
    const std::string reference = file("ref.si", 4);
    openThroughCommand(file("new.si", 4));
    const std::string csv = exportCsv(fx.image()), bad = csv + "x,TV,y,,,19.2E,1,Z,,,1\r\n";
    test::writeFile(dir.file("list.csv"), csv.data(), csv.size());
    test::writeFile(dir.file("bad.csv"), bad.data(), bad.size());
    test::writeFile(dir.file("short.si"), "x", 1);
    std::reverse(fx.image().programs, fx.image().programs + fx.image().tvCount);
    for (st_fav& list : fx.image().favourites)
        list.favCount = list.favTvCount = 0;
    const std::string shuffled = image();

    files.answers = {"", dir.file("short.si"), reference, reference};  // first the user cancels the file
    EXPECT_FALSE(tools.orderLikeFile());
    EXPECT_EQ(files.requests.back().kind + " / " + files.requests.back().title, "channel / Order like another file");
    EXPECT_FALSE(tools.orderLikeFile());
    EXPECT_EQ(fx.messages.texts(),
              std::vector<std::string>{"Error: Open failed2\nThe file has 1 bytes; a channel file has 721968."});
    fx.messages.script(MessageAnswer::Cancel);
    EXPECT_FALSE(tools.orderLikeFile());
    EXPECT_TRUE(image() == shuffled) << "nothing changed so far";

    fx.messages.clear();
    fx.messages.script(MessageAnswer::Yes);
    ASSERT_TRUE(tools.orderLikeFile());
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"TV: 70 of 70 matched, Radio: 50 of 50 matched"});
    EXPECT_GT(fx.image().favourites[0].favCount, 0) << "the lists came from the reference";

    std::reverse(fx.image().programs, fx.image().programs + fx.image().tvCount);
    const std::string opened = image();
    int asked = 0;
    std::optional<CsvApplyOptions> answer;
    tools.setCsvOptionsQuestion([&] { return ++asked, answer; });
    files.answers = {dir.file("bad.csv"), dir.file("list.csv"), dir.file("list.csv")};
    EXPECT_FALSE(tools.orderLikeFile());
    EXPECT_NE(fx.messages.texts().back().find("\nline 122: unknown polarization"), std::string::npos);
    EXPECT_FALSE(tools.orderLikeFile()) << "the question cancelled";
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(image() == opened);
    answer = CsvApplyOptions{};
    ASSERT_TRUE(tools.orderLikeFile());
    EXPECT_FALSE(image() == opened) << "in the list's order (programs with equal keys may trade places)";
    EXPECT_EQ(fx.messages.texts().back(), "TV: 70 of 70 matched, Radio: 50 of 50 matched");
}

// A damaged file: until the first edit the editor's check gives what vizud-cli check gives for the file
// (its bytes as read, the CRC included), although the load's provider sweep renumbered the programs since;
// the open says so once.
TEST_F(ListTools, TheCheckOfAFileAsOpenedIsTheCheckOfTheFile) {
    auto damaged = test::makeImage(6, test::ImageShape{});
    damaged->programs[3].providerIndex = 65535;  // and the CRC no longer fits
    const std::string path = dir.file("damaged.si");
    test::writeFile(path, damaged.get(), kImageSize);
    const std::vector<Finding> cli = checkImage(*damaged);  // what vizud-cli check reads
    ASSERT_EQ(cli.size(), 2u);
    doc.construct();
    files.answers.push_back(path);
    doc.fileOpen();
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"This file has 2 problems. Tools > Check database shows "
                                                            "them and repairs what it can."});
    doc.dropFiles({path});
    EXPECT_EQ(fx.messages.texts().size(), 2u) << "a dropped file says so too";
    EXPECT_EQ(reportText(tools.check()), reportText(cli));
    doc.setModifiedFlag(true);  // an edit
    const std::vector<Finding> now = tools.check();
    ASSERT_EQ(now.size(), 1u) << "the CRC is refreshed with every edit";
    EXPECT_NE(now[0].text.find("names provider 65533, the table has 9"), std::string::npos) << "the swept image";
}

TEST_F(ListTools, RepairLeavesNothingRepairableAndSaysWhatItDid) {
    openThroughCommand(file("a.si", 5));
    doc.setModifiedFlag(true);  // the damage below stands for edits
    fx.image().favourites[2].favEntries[0] = 60000;
    fx.image().satellites[0].tpCount += 3;
    ASSERT_EQ(tools.check().size(), 2u) << "the entry and the count; the editor refreshes the CRC itself";
    ASSERT_TRUE(tools.repair());
    EXPECT_EQ(fx.messages.texts(),
              std::vector<std::string>{"Repaired:\n1 favourite entries dropped\n1 satellite transponder counts set "
                                       "right\n"});
    EXPECT_TRUE(tools.check().empty());
    fx.messages.clear();
    EXPECT_FALSE(tools.repair());
    EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"Nothing needed a repair."});
}

}  // namespace
}  // namespace vizud
