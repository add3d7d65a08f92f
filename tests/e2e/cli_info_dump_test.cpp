#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "database/channel_database.h"
#include "database/image_crc.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/list_sort.h"
#include "tests/support/image_builder.h"
#include "tests/support/image_factory.h"
#include "tests/support/process_runner.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

test::ProcessResult cli(const std::vector<std::string>& args, const std::string& cwd) {
    std::vector<std::string> argv{VIZUD_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return test::runProcess(argv, cwd);
}

// A file opened as the editor opens it, for what the command-line tool must agree with.
struct Opened {
    Opened() { db.setProgramsDumpPath(""); }
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db{*state, messages};
};

class CliInfoDump : public ::testing::Test {
protected:
    test::TempDir dir;

    std::string write(const all_tables_block& img, const std::string& name, std::size_t length = kImageSize) {
        const std::string path = dir.file(name);
        test::writeFile(path, &img, length);
        return path;
    }
};

TEST_F(CliInfoDump, ExportWritesTheCsvOfTheFileAsTheEditorOpensIt) {
    const auto img = test::makeImage(3, test::fullShape());
    const std::string path = write(*img, "in.si");
    Opened opened;
    ASSERT_EQ(opened.db.load(path), 0);
    ChannelDatabase& db = opened.db;
    const std::string expected = exportCsv(db.image());

    const test::ProcessResult toStdout = cli({"export", path}, dir.path());
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_TRUE(toStdout.out == expected);
    const test::ProcessResult toFile = cli({"export", "-o", dir.file("list.csv"), path}, dir.path());
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_TRUE(test::readFile(dir.file("list.csv")) == expected);
    EXPECT_EQ(cli({"export"}, dir.path()).exitCode, 2);
    EXPECT_EQ(cli({"export", dir.file("missing.si")}, dir.path()).exitCode, 1);
}

// sort and apply-order write what the editor's tools give the file opened the editor's way: to -o OUT, or
// over FILE after keeping its original as FILE.bak.
TEST_F(CliInfoDump, SortAndApplyOrderWriteWhatTheEditorGets) {
    const auto img = test::makeImage(6, test::fullShape());
    const std::string reference = write(*img, "ref.si");
    std::reverse(img->programs, img->programs + img->tvCount);  // a new scan in another order
    img->programs[0].serviceId ^= 0x4444;
    img->programs[0].name[0] = '~';  // and one TV program no longer known
    const std::string path = write(*img, "new.si");
    const auto expected = [&](auto tool) {
        Opened file, ref;
        EXPECT_EQ(file.db.load(path), 0);
        EXPECT_EQ(ref.db.load(reference), 0);
        tool(file.db, ref.db.image());
        file.db.updateChecksum();
        return std::string(reinterpret_cast<const char*>(&file.db.image()), kImageSize);
    };
    const std::string sorted = expected([](ChannelDatabase& db, const all_tables_block&) {
        EXPECT_EQ(sortPrograms(db, SortKey::Provider), 0);
    });
    const std::string ordered = expected([](ChannelDatabase& db, const all_tables_block& ref) {
        EXPECT_TRUE(applyOrder(db, ref, true));
    });

    const test::ProcessResult toFile = cli({"sort", "--by", "provider", "-o", dir.file("out.si"), path}, dir.path());
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_TRUE(test::readFile(dir.file("out.si")) == sorted);
    const std::string original = test::readFile(path);
    const test::ProcessResult r = cli({"apply-order", "--favourites", "--reference", reference, path}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "TV: 9999 of 10000 matched, Radio: 10000 of 10000 matched\n");
    EXPECT_TRUE(test::readFile(path) == ordered);
    EXPECT_TRUE(test::readFile(path + ".bak") == original);
    for (const auto& [args, exit] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"sort", "--by", "size", path}, 2},
             {{"sort", "--by", "name", "--list", "10", path}, 2},
             {{"apply-order", "--reference", dir.file("missing.si"), path}, 1},
             {{"apply-order", path}, 2}})
        EXPECT_EQ(cli(args, dir.path()).exitCode, exit) << args[0] << " " << args[1];
}

TEST_F(CliInfoDump, CheckReadsTheFileAsItIsAndSaysWhatIsWrong) {
    auto img = test::makeImage(7, test::ImageShape{});
    refreshCrc(*img);
    const std::string clean = write(*img, "clean.si");
    const test::ProcessResult ok = cli({"check", clean}, dir.path());
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, "no problems found\n");

    img->favourites[0].favEntries[0] = img->programCount;  // an entry beyond the table
    img->satellites[1].tpCount += 2;
    const std::string damaged = write(*img, "damaged.si");  // the CRC no longer fits either
    const test::ProcessResult found = cli({"check", damaged}, dir.path());
    EXPECT_EQ(found.exitCode, 1);
    EXPECT_EQ(found.out.substr(0, 5), "crc: ");
    EXPECT_NE(found.out.find("\nfavourite: list 1 "), std::string::npos) << found.out;
    EXPECT_NE(found.out.find("\ncount: satellite 2 "), std::string::npos) << found.out;
    EXPECT_EQ(test::readFile(damaged), std::string(reinterpret_cast<const char*>(img.get()), kImageSize))
        << "check changes nothing";

    img->programCount = 20001;  // the editor refuses such a file; the check reports it
    const test::ProcessResult capacity = cli({"check", write(*img, "over.si")}, dir.path());
    EXPECT_EQ(capacity.exitCode, 1);
    EXPECT_NE(capacity.out.find("capacity: 20001 programs"), std::string::npos);
    EXPECT_EQ(cli({"check", write(*img, "short.si", 100)}, dir.path()).exitCode, 1);
    EXPECT_EQ(cli({"check"}, dir.path()).exitCode, 2);
}

TEST_F(CliInfoDump, DumpEqualsTheProgramsFileTheEditorWrites) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        const test::ImageShape shape = seed == 6 ? test::fullShape() : test::randomShape(rng);
        auto img = test::makeImage(seed, shape);
        const std::string path = write(*img, "in.si");

        auto state = std::make_unique<EditorState>();
        test::RecordingMessages messages;
        ChannelDatabase db(*state, messages);
        {
            test::ScopedChdir cwd(dir.path());
            ASSERT_EQ(db.load(path), 0);
        }
        const std::string editorDump = test::readFile(dir.file("programs.nfo"));

        const test::ProcessResult toStdout = cli({"dump", path}, dir.path());
        ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
        EXPECT_EQ(toStdout.out, editorDump) << "seed " << seed;

        const test::ProcessResult toFile = cli({"dump", "-o", dir.file("out.nfo"), path}, dir.path());
        ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
        EXPECT_EQ(test::readFile(dir.file("out.nfo")), editorDump);
        std::remove(dir.file("programs.nfo").c_str());
    }
}

TEST_F(CliInfoDump, InfoJsonDescribesTheImageAfterTheSweep) {
    auto img = std::make_unique<all_tables_block>();
    test::ImageBuilder b(*img);
    b.satellite(1, "Astra");
    b.transponder(1, 11778);
    b.provider("unused");
    b.provider("ARD");
    b.program("A", 0, 1, true);
    b.program("B", 0, 1, true);
    b.program("C", 0, 1, false);
    b.favourites(0, {0, 1}, {2});
    b.favourites(8, {}, {2});
    test::setName(img->favourites[0].favName, "Fav_1");
    test::setName(img->favourites[1].favName, "Qu\"ote\xE9");
    test::setName(img->favourites[2].favName, "ABCDEFGHIJKLMNOP");
    refreshCrc(*img);
    const std::string path = write(*img, "a.si");

    const test::ProcessResult r = cli({"info", "--json", path}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"satellites\":1,\"transponders\":1,\"providers\":1,\"programs\":3,\"tv\":2,\"radio\":1,"
              "\"crc_ok\":true,\"favourites\":[{\"name\":\"Fav_1\",\"tv\":2,\"radio\":1},"
              "{\"name\":\"Qu\\\"ote\xC3\xA9\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"ABCDEFGHIJKLMNOP\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":1}]}\n");
    EXPECT_FALSE(test::fileExists(dir.file("programs.nfo")));
    EXPECT_FALSE(test::fileExists(dir.file("veravaravo.cfg")));

    // Byte 10079 counts as 0 for the check; any other change breaks it.
    reinterpret_cast<std::uint8_t*>(img.get())[kClearedFlashByte] = 0x77;
    EXPECT_NE(cli({"info", "--json", write(*img, "b.si")}, dir.path()).out.find("\"crc_ok\":true"), std::string::npos);
    reinterpret_cast<std::uint8_t*>(img.get())[kImageSize - 1] ^= 1;
    EXPECT_NE(cli({"info", "--json", write(*img, "c.si")}, dir.path()).out.find("\"crc_ok\":false"), std::string::npos);

    const test::ProcessResult text = cli({"info", path}, dir.path());
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Programs:      3"), std::string::npos) << text.out;
}

TEST_F(CliInfoDump, UnusableFilesAndBadUsage) {
    auto img = test::makeImage(5, test::ImageShape{});
    const std::string shortFile = write(*img, "short.si", 1000);
    img->programCount = 20001;
    const std::string foreign = write(*img, "foreign.si");

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"info", dir.file("missing.si")}, {"info", shortFile}, {"dump", foreign}}) {
        const test::ProcessResult r = cli(args, dir.path());
        EXPECT_EQ(r.exitCode, 1) << args[1];
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(cli({"info"}, dir.path()).exitCode, 2);
    EXPECT_EQ(cli({"info", "--bogus", shortFile}, dir.path()).exitCode, 2);
    EXPECT_EQ(cli({"dump", "-o"}, dir.path()).exitCode, 2);
    EXPECT_EQ(cli({"frobnicate"}, dir.path()).exitCode, 2);
    EXPECT_EQ(cli({}, dir.path()).exitCode, 2);
    const test::ProcessResult help = cli({"--help"}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("dump"), std::string::npos);
}

}  // namespace
}  // namespace vizud
