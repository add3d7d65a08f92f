// vizud-cli as a user runs it: on channel files the tests write (export, sort, apply-order, check, dump,
// info), and download, upload and upgrade against the real vizud-boxsim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "app/config_record.h"
#include "app/kept_downloads.h"
#include "database/image_crc.h"
#include "link/serial_port.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/duplicates.h"
#include "listtools/list_sort.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

using Clock = std::chrono::steady_clock;

// Polls `done` every 20 ms for up to `ms` milliseconds; whether it came true.
template <typename Done>
bool eventually(Done done, int ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (Clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

using Finished = test::ProcessResult;

// A program running in the background in the current folder with its output going to files (the box, and a
// transfer to interrupt); ended with SIGTERM at the end.
class Background {
public:
    Background(std::vector<std::string> argv, const std::string& out, const std::string& err) {
        std::vector<char*> args;
        for (std::string& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        if ((m_pid = ::fork()) != 0)
            return;
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ~Background() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            wait(5000);
        }
    }

    void signal(int sig) const { ::kill(m_pid, sig); }
    // The exit code, or -1 when the program has not ended within `ms` or did not exit by itself.
    int wait(int ms) {
        int status = 0;
        if (m_pid <= 0 || !eventually([&] { return ::waitpid(m_pid, &status, WNOHANG) == m_pid; }, ms))
            return -1;
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
};

std::string bytes(const all_tables_block& image) {
    return std::string(reinterpret_cast<const char*>(&image), kImageSize);
}

// What the editor saves after `tool` on the file at `path` opened its way.
template <typename Tool>
std::string editorGives(const std::string& path, Tool tool) {
    test::DatabaseFixture file;
    EXPECT_EQ(file.db.load(path), 0) << path;
    tool(file.db);
    file.db.updateChecksum();
    return bytes(file.image());
}

class Cli : public ::testing::Test {
protected:
    // Kept downloads go to the test's folder, not the user's.
    void SetUp() override { ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1); }
    // Runs vizud-cli in the test's folder to its end, which must come with exit code `exit`.
    Finished cli(std::vector<std::string> args, int exit = 0) {
        args.insert(args.begin(), VIZUD_CLI_PATH);
        Finished r = test::runProcess(args, dir.path());
        EXPECT_EQ(r.exitCode, exit) << testing::PrintToString(args) << r.err;
        return r;
    }
    std::string write(const all_tables_block& img, const std::string& name, std::size_t length = kImageSize) {
        test::writeFile(dir.file(name), &img, length);
        return dir.file(name);
    }
    // Starts vizud-boxsim with `options` and returns the pseudo-terminal it printed.
    std::string startBox(std::vector<std::string> options) {
        options.insert(options.begin(), VIZUD_BOXSIM_PATH);
        std::remove("box.out");  // a box started before printed its device there
        box = std::make_unique<Background>(options, "box.out", "box.err");
        std::string out;
        EXPECT_TRUE(eventually([&] { return (out = test::readFile("box.out")).find('\n') != out.npos; }, 10000))
            << "vizud-boxsim printed no device: " << test::readFile("box.err");
        return out.substr(0, out.find('\n'));
    }
    // What the box wrote to `name` once it has all of it (the transfer ends on the host side first).
    std::string whenWritten(const std::string& name, const std::string& expected) {
        eventually([&] { return test::readFile(dir.file(name)) == expected; }, 5000);
        return test::readFile(dir.file(name));
    }
    test::TempDir dir;
    test::ScopedChdir cwd{dir.path()};  // for the programs in the background and the files the tests open
    std::unique_ptr<Background> box;
};
using CliInfoDump = Cli;
using LinkEndToEnd = Cli;

// sort and apply-order write what the editor's tools give the file opened the editor's way: to -o OUT, or
// over FILE after keeping its original as FILE.bak; diff tells the rescan from its reference.
TEST_F(CliInfoDump, SortApplyOrderAndDiffGiveWhatTheEditorGets) {
    const auto img = test::makeImage(6, test::fullShape());
    const std::string reference = write(*img, "ref.si");
    std::reverse(img->programs, img->programs + img->tvCount);  // a new scan in another order
    img->programs[0].serviceId ^= 0x4444;
    img->programs[0].name[0] = '~';  // and one TV program no longer known
    const std::string path = write(*img, "new.si");
    const std::string sorted =
        editorGives(path, [](ChannelDatabase& db) { EXPECT_EQ(sortPrograms(db, SortKey::Provider), 0); });
    test::DatabaseFixture ref;
    ASSERT_EQ(ref.db.load(reference), 0);
    const std::string ordered =
        editorGives(path, [&](ChannelDatabase& db) { EXPECT_TRUE(applyOrder(db, ref.image(), true)); });

    const std::pair<std::vector<std::string>, std::string> diffs[] = {
        {{"diff", path, path}, "0 added, 0 removed, 0 renamed, 0 changed\n"},
        {{"diff", "--json", reference, path}, "{\"added\":[1],\"removed\":[10000],\"renamed\":[],\"changed\":[]}\n"},
        {{"diff", reference, path}, "+ TV    1           ~"}};
    for (const auto& [args, out] : diffs)
        EXPECT_EQ(cli(args, args[1] == path ? 0 : 1).out.substr(0, out.size()), out);
    cli({"sort", "--by", "provider", "-o", dir.file("out.si"), path});
    EXPECT_TRUE(test::readFile(dir.file("out.si")) == sorted);
    cli({"sort", "--by", "name", "--list", "1", "-o", dir.file("list1.si"), path});
    EXPECT_TRUE(test::readFile(dir.file("list1.si")) ==
                editorGives(path, [](ChannelDatabase& db) { EXPECT_EQ(sortListEntries(db, 0, SortKey::Name), 0); }));
    const std::string original = test::readFile(path);
    EXPECT_EQ(cli({"apply-order", "--favourites", "--reference", reference, path}).out,
              "TV: 9999 of 10000 matched, Radio: 10000 of 10000 matched\n");
    EXPECT_TRUE(test::readFile(path) == ordered);
    EXPECT_TRUE(test::readFile(path + ".bak") == original);
}

// apply-order with a CSV list: the unchanged export gives what the file's own .si gives; a row deleted in
// the spreadsheet deletes its program, a row matching nothing is counted by its line; a malformed list is
// refused with its line and nothing is written.
TEST_F(CliInfoDump, ApplyOrderTakesAnExportedListEditedInASpreadsheet) {
    const auto img = test::makeImage(3, test::ImageShape{});
    const std::string path = write(*img, "list.si"), csv = dir.file("list.CSV"), out = dir.file("out.si");
    cli({"export", "-o", csv, path});
    cli({"apply-order", "--reference", path, "-o", dir.file("self.si"), path});
    const std::vector<std::string> all = {
        "apply-order", "--names", "--flags", "--favourites", "--delete-missing", "--reference", csv, "-o", out, path};
    EXPECT_EQ(cli(all).out, "TV: 70 of 70 matched, Radio: 50 of 50 matched\n");
    EXPECT_TRUE(test::readFile(out) == test::readFile(dir.file("self.si")));

    std::string text = test::readFile(csv);
    const std::size_t second = text.find("\r\n") + 2;
    text.erase(second, text.find("\r\n", second) + 2 - second);  // the first program's row
    const auto withRow = [&](const std::string& polarization) {
        const std::string edited = text + "Nobody,TV,x,,,0.1E,10000," + polarization + ",,,7\r\n";
        test::writeFile(csv, edited.data(), edited.size());
    };
    withRow("H");
    EXPECT_EQ(cli(all).out, "TV: 69 of 70 matched, Radio: 50 of 50 matched\n1 row matched nothing (line 121)\n");

    std::remove(out.c_str());
    withRow("Q");
    const Finished r = cli(all, 1);
    EXPECT_NE(r.err.find("line 121: unknown polarization"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(out).good()) << "nothing written";
}

// duplicates names the groups by 1-based numbers and leaves the file as it is; --remove writes what the
// editor's removal gives the file opened the editor's way.
TEST_F(CliInfoDump, DuplicatesListsTheGroupsAndRemovesWhatTheEditorRemoves) {
    auto img = test::makeImage(8, test::ImageShape{});
    img->programs[5] = img->programs[9] = img->programs[2];
    img->programs[100] = img->programs[80];
    const std::string path = write(*img, "twice.si");
    EXPECT_EQ(cli({"duplicates", "--json", path}).out,
              "{\"groups\":[{\"class\":\"TV\",\"keep\":3,\"duplicates\":[6,10]},"
              "{\"class\":\"Radio\",\"keep\":81,\"duplicates\":[101]}]}\n");
    const Finished text = cli({"duplicates", path});
    EXPECT_EQ(text.out.substr(text.out.rfind('\n', text.out.size() - 2) + 1), "3 duplicates in 2 groups\n");
    EXPECT_EQ(text.out.substr(0, 5), "TV 3 ");

    const std::string expected = editorGives(path, [](ChannelDatabase& db) { removeDuplicates(db); });
    EXPECT_EQ(cli({"duplicates", "--remove", "-o", dir.file("out.si"), path}).out, "3 duplicates removed\n");
    EXPECT_TRUE(test::readFile(dir.file("out.si")) == expected);
    EXPECT_TRUE(test::readFile(path) == bytes(*img));
}

// check reads the file as it is (no sweep, counts beyond the capacity are findings) and changes nothing; what
// it finds is the list tools' (database_check_test).
TEST_F(CliInfoDump, CheckReadsTheFileAsItIsAndSaysWhatIsWrong) {
    auto img = test::makeImage(7, test::ImageShape{});
    refreshCrc(*img);
    EXPECT_EQ(cli({"check", write(*img, "clean.si")}).out, "no problems found\n");

    img->favourites[0].favEntries[0] = img->programCount;  // an entry beyond the table; the CRC no longer fits
    const std::string damaged = write(*img, "damaged.si");
    const Finished found = cli({"check", damaged}, 1);
    EXPECT_EQ(found.out.substr(0, 5), "crc: ");
    EXPECT_NE(found.out.find("\nfavourite: list 1 "), std::string::npos) << found.out;
    EXPECT_EQ(test::readFile(damaged), bytes(*img));

    img->programCount = 20001;  // the editor refuses such a file
    EXPECT_NE(cli({"check", write(*img, "over.si")}, 1).out.find("capacity: 20001 programs"), std::string::npos);
}

// dump and export write, to standard output or to -o OUT, the programs.nfo and the CSV list the editor gives
// the file.
TEST_F(CliInfoDump, DumpAndExportWriteWhatTheEditorGives) {
    std::mt19937 rng(3);
    const std::string path = write(*test::makeImage(3, test::randomShape(rng)), "in.si");
    test::DatabaseFixture fx;
    ASSERT_EQ(fx.db.load(path), 0);
    const std::pair<const char*, std::string> cases[] = {{"dump", test::readFile(dir.file("programs.nfo"))},
                                                         {"export", exportCsv(fx.image())}};
    for (const auto& [command, expected] : cases) {
        EXPECT_TRUE(cli({command, path}).out == expected) << command;
        cli({command, "-o", dir.file("out"), path});
        EXPECT_TRUE(test::readFile(dir.file("out")) == expected) << command;
    }
}

// info gives the counts after the provider sweep, whether the stored CRC fits, and the lists with their
// names as UTF-8 JSON strings; it writes nothing.
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
    test::setName(img->favourites[1].favName, "Qu\"ote\xE9");
    test::setName(img->favourites[2].favName, "ABCDEFGHIJKLMNOP");
    refreshCrc(*img);
    const std::string path = write(*img, "a.si");

    EXPECT_EQ(cli({"info", "--json", path}).out,
              "{\"satellites\":1,\"transponders\":1,\"providers\":1,\"programs\":3,\"tv\":2,\"radio\":1,"
              "\"crc_ok\":true,\"favourites\":[{\"name\":\"\",\"tv\":2,\"radio\":1},"
              "{\"name\":\"Qu\\\"ote\xC3\xA9\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"ABCDEFGHIJKLMNOP\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":0},"
              "{\"name\":\"\",\"tv\":0,\"radio\":0},{\"name\":\"\",\"tv\":0,\"radio\":1}]}\n");
    EXPECT_FALSE(test::fileExists(dir.file("programs.nfo")));
    EXPECT_FALSE(test::fileExists(dir.file("veravaravo.cfg")));

    reinterpret_cast<std::uint8_t*>(img.get())[kImageSize - 1] ^= 1;
    EXPECT_NE(cli({"info", "--json", write(*img, "c.si")}).out.find("\"crc_ok\":false"), std::string::npos);
    EXPECT_NE(cli({"info", path}).out.find("Programs:      3"), std::string::npos);
}

// A bad command line ends with 2, a file that cannot be used with 1 (with 2 for diff, whose 1 means the files
// differ); either says why on standard error only.
TEST_F(CliInfoDump, UnusableFilesAndBadUsage) {
    auto img = test::makeImage(5, test::ImageShape{});
    write(*img, "good.si");
    write(*img, "short.si", 1000);
    write(*img, "short100.si", 100);
    img->programCount = 20001;
    write(*img, "foreign.si");
    // Command lines as typed in the test's folder.
    const std::pair<std::vector<const char*>, int> cases[] = {
        {{"info missing.si", "export short.si", "dump foreign.si", "check short100.si", "duplicates short.si",
          "apply-order --reference missing.si good.si", "upgrade missing.dlp --device /dev/null"},
         1},
        {{"", "frobnicate", "info", "info --bogus good.si", "dump -o", "sort --by size good.si",
          "sort --by name --list 10 good.si", "apply-order good.si", "apply-order --names --reference good.si good.si",
          "duplicates --json --remove good.si", "duplicates -o x.si good.si", "diff good.si", "diff missing.si good.si",
          "download x.si", "download -o x.si --baud 9600", "upload x.si --port 5", "upload x.si --port 12"},
         2}};
    for (const auto& [lines, exit] : cases) {
        for (const char* line : lines) {
            std::istringstream words(line);
            const Finished r = cli({std::istream_iterator<std::string>(words), {}}, exit);
            EXPECT_TRUE(r.out.empty()) << line;
            EXPECT_FALSE(r.err.empty()) << line;
        }
    }
    EXPECT_NE(cli({"--help"}).out.find("dump"), std::string::npos);
}

// import-transponders brings the satellite named from a satellites.xml: here one new transponder.
TEST_F(CliInfoDump, ImportTranspondersAddsWhatTheFileHasForTheSatelliteNamed) {
    auto img = test::makeImage(4, test::ImageShape{});
    st_sat& sat = img->satellites[0];
    std::memset(sat.name, 0, sizeof sat.name);
    std::memcpy(sat.name, "Astra", 5);
    sat.position = 192;
    sat.eastWest = 'E';
    const std::string in = write(*img, "in.si"), out = dir.file("out.si");
    const std::string xml = R"(<satellites><sat name="A" position="192"><transponder frequency="1000" )"
                            R"(symbol_rate="27500000" polarization="1" fec_inner="8"/></sat></satellites>)";
    test::writeFile(dir.file("sat.xml"), xml.data(), xml.size());
    cli({"import-transponders", "--xml", dir.file("sat.xml"), "--satellite", "Astra", "-o", out, in});
    test::DatabaseFixture file;
    ASSERT_EQ(file.db.load(out), 0);
    EXPECT_EQ(file.image().tpCount, img->tpCount + 1);
}

// ---- Transfers with vizud-boxsim -------------------------------------------------------------------------

// download writes the box's database; upload sends the file as the editor opens it (providers swept, CRC
// refreshed); upgrade sends the software without the header (the sizes: tests/link transfers_test).
TEST_F(LinkEndToEnd, DownloadUploadAndUpgradeAsTheReadmeShows) {
    std::mt19937 rng(31);
    test::writeFile(dir.file("box.si"), test::makeImage(31, test::randomShape(rng)).get(), kImageSize);
    const std::string device =
        startBox({"--serve", "box.si", "--upload-to", "received.si", "--upgrade-to", "flash.bin"});
    ASSERT_FALSE(device.empty());

    const Finished down = cli({"download", "-o", "x.si", "--device", device});
    EXPECT_NE(down.err.find("Complete"), std::string::npos) << down.err;
    // Not on a terminal: each status on a line of its own and the progress in steps of ten, no bar.
    EXPECT_NE(down.err.find("Box...\n10 / 100\n20 / 100\n"), std::string::npos) << down.err;
    EXPECT_EQ(test::readFile(dir.file("x.si")), test::readFile(dir.file("box.si")));
    const std::vector<KeptDownload> kept = keptDownloads(dir.file("data/vizud/downloads"));
    ASSERT_EQ(kept.size(), 1u) << "every download is also kept";
    EXPECT_EQ(test::readFile(kept[0].path), test::readFile(dir.file("box.si")));

    const Finished up = cli({"upload", "x.si", "--device", device});
    EXPECT_NE(up.err.find("Please wait until STB reboots..."), std::string::npos) << up.err;
    const std::string expected = editorGives(dir.file("x.si"), [](ChannelDatabase&) {});
    EXPECT_EQ(whenWritten("received.si", expected), expected);

    std::string file("\x01\x01\x01\x03\x03\0\x03\0", 8);  // the header of 1 MiB of software for transfer type 3
    while (file.size() < 0x100000)
        file += static_cast<char>(rng());
    test::writeFile(dir.file("soft.dlp"), file.data(), file.size());
    EXPECT_EQ(cli({"upgrade", "soft.dlp", "--device", device}).err.find("reboots"), std::string::npos)
        << "no reboot message after an upgrade";
    std::string flashed = file.substr(64);
    flashed.resize(0x600000, '\0');
    EXPECT_TRUE(whenWritten("flash.bin", flashed) == flashed);
}

// A port that cannot be opened, a box that refuses and a port held by another program end with 1, the
// reason on standard error and no file; without --device or --port the configuration names the port.
TEST_F(LinkEndToEnd, PortChoiceAndItsErrors) {
    Finished r = cli({"download", "-o", "x.si", "--device", dir.file("ttyNone")}, 1);
    EXPECT_NE(r.err.find("Can not open port COM1\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(dir.file("ttyNone") + ": No such file or directory"), std::string::npos) << r.err;

    const std::string refusing = startBox({"--refuse"});
    r = cli({"download", "-o", "x.si", "--device", refusing}, 1);
    EXPECT_NE(r.err.find("Timeout - 63"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Communication timeout"), std::string::npos) << r.err;
    EXPECT_FALSE(test::fileExists(dir.file("x.si")));

    // COM3 at 57600 from veravaravo.cfg, mapped through VIZUD_COM3 to the box.
    const std::string device = startBox({});
    ASSERT_TRUE(saveConfiguration(ConfigRecord{.port = 3, .baudRate = 57600}, dir.file(kConfigFileName)));
    ::setenv("VIZUD_COM3", device.c_str(), 1);
    r = cli({"download", "-o", "x.si"});
    ::unsetenv("VIZUD_COM3");
    EXPECT_NE(r.err.find("Opening port COM3"), std::string::npos) << r.err;
    EXPECT_TRUE(test::fileExists(dir.file("x.si")));

    link::SerialPort held;
    ASSERT_TRUE(held.open(device, 115200).ok);
    r = cli({"upload", "x.si", "--device", device}, 1);
    EXPECT_NE(r.err.find("Can not open port COM3"), std::string::npos) << r.err;  // the configured number
    EXPECT_NE(r.err.find("in use by another program"), std::string::npos) << r.err;
}

TEST_F(LinkEndToEnd, InterruptCancelsTheTransfer) {
    const std::string device = startBox({"--silent"});
    Background download({VIZUD_CLI_PATH, "download", "-o", "x.si", "--device", device}, "cli.out", "cli.err");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    download.signal(SIGINT);
    const Clock::time_point sent = Clock::now();
    EXPECT_EQ(download.wait(5000), 1);
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - sent).count(), 1.5);
    const std::string err = test::readFile("cli.err");
    EXPECT_NE(err.find("Wait for Close....."), std::string::npos) << err;
    EXPECT_FALSE(test::fileExists(dir.file("x.si")));
}

}  // namespace
}  // namespace vizud
