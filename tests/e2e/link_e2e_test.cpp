// vizud-boxsim in one process, vizud-cli download/upload/upgrade in another, as a user runs them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <thread>

#include "app/config_record.h"
#include "database/channel_database.h"
#include "link/serial_port.h"
#include "tests/support/image_factory.h"
#include "tests/support/process_runner.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

using Clock = std::chrono::steady_clock;

// A program running in the background with its output going to files; ended with SIGTERM at the end.
class Background {
public:
    Background(const std::vector<std::string>& argv, const std::string& cwd, const std::string& out,
               const std::string& err) {
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            const int in = ::open("/dev/null", O_RDONLY);
            const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(in, 0);
            ::dup2(o, 1);
            ::dup2(e, 2);
            if (::chdir(cwd.c_str()) != 0)
                ::_exit(127);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
    }
    ~Background() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            wait(5000);
        }
    }
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    void signal(int sig) const { ::kill(m_pid, sig); }
    // The exit code, or -1 when the program has not ended within `ms`.
    int wait(int ms) {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
        while (m_pid > 0) {
            int status = 0;
            const pid_t r = ::waitpid(m_pid, &status, WNOHANG);
            if (r == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            if (Clock::now() > end)
                return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t m_pid = -1;
};

class LinkEndToEnd : public ::testing::Test {
protected:
    // Starts vizud-boxsim with `options` and returns the pseudo-terminal it printed.
    std::string startBox(std::vector<std::string> options) {
        options.insert(options.begin(), VIZUD_BOXSIM_PATH);
        box = std::make_unique<Background>(options, dir.path(), dir.file("box.out"), dir.file("box.err"));
        const Clock::time_point end = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < end) {
            const std::string out = test::readFile(dir.file("box.out"));
            if (const auto nl = out.find('\n'); nl != std::string::npos)
                return out.substr(0, nl);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ADD_FAILURE() << "vizud-boxsim printed no device: " << test::readFile(dir.file("box.err"));
        return {};
    }

    test::ProcessResult cli(std::vector<std::string> args) {
        args.insert(args.begin(), VIZUD_CLI_PATH);
        return test::runProcess(args, dir.path());
    }

    test::TempDir dir;
    std::unique_ptr<Background> box;
};

TEST_F(LinkEndToEnd, DownloadThenUploadAsTheReadmeShows) {
    std::mt19937 rng(31);
    auto boxImage = test::makeImage(31, test::randomShape(rng));
    test::writeFile(dir.file("box.si"), boxImage.get(), kImageSize);
    const std::string device = startBox({"--serve", "box.si", "--upload-to", "received.si"});
    ASSERT_FALSE(device.empty());

    const test::ProcessResult down = cli({"download", "-o", "x.si", "--device", device});
    ASSERT_EQ(down.exitCode, 0) << down.err;
    EXPECT_NE(down.err.find("Complete"), std::string::npos) << down.err;
    EXPECT_EQ(test::readFile(dir.file("x.si")), test::readFile(dir.file("box.si")));

    const test::ProcessResult up = cli({"upload", "x.si", "--device", device});
    ASSERT_EQ(up.exitCode, 0) << up.err;
    EXPECT_NE(up.err.find("Please wait until STB reboots..."), std::string::npos) << up.err;

    // What the box got is the file as the editor opens it: providers swept, CRC refreshed.
    auto state = std::make_unique<EditorState>();
    test::RecordingMessages messages;
    ChannelDatabase db(*state, messages);
    db.setProgramsDumpPath("");
    ASSERT_EQ(db.load(dir.file("x.si")), 0);
    db.updateChecksum();
    const std::string expected(reinterpret_cast<const char*>(&state->image), kImageSize);
    const Clock::time_point end = Clock::now() + std::chrono::seconds(5);
    while (test::readFile(dir.file("received.si")) != expected && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(test::readFile(dir.file("received.si")), expected);
}

TEST_F(LinkEndToEnd, UpgradeSendsTheSoftwareImage) {
    // 1 MiB: sent as transfer type 3, 6 MiB in 1536 blocks, zero beyond the file.
    std::string file(0x100000, '\0');
    std::mt19937 rng(4);
    for (char& c : file)
        c = static_cast<char>(rng());
    const std::uint8_t record[8] = {0x01, 0x01, 0x01, 0x03, 3, 0, 3, 0};
    std::memcpy(file.data(), record, sizeof(record));
    test::writeFile(dir.file("soft.dlp"), file.data(), file.size());
    const std::string device = startBox({"--upgrade-to", "flash.bin"});
    const test::ProcessResult r = cli({"upgrade", "soft.dlp", "--device", device});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("reboots"), std::string::npos) << "no reboot message after an upgrade";
    std::string expected = file.substr(64);
    expected.resize(0x600000, '\0');
    const Clock::time_point end = Clock::now() + std::chrono::seconds(5);
    while (test::readFile(dir.file("flash.bin")) != expected && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(test::readFile(dir.file("flash.bin")), expected);
}

TEST_F(LinkEndToEnd, RefusedDownloadWritesNoFile) {
    const std::string device = startBox({"--refuse"});
    const test::ProcessResult r = cli({"download", "-o", "x.si", "--device", device});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Timeout - 63"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Communication timeout"), std::string::npos) << r.err;
    EXPECT_FALSE(test::fileExists(dir.file("x.si")));
}

TEST_F(LinkEndToEnd, PortChoiceAndItsErrors) {
    test::ProcessResult r = cli({"download", "-o", "x.si", "--device", dir.file("ttyNone")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Can not open port COM1\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(dir.file("ttyNone") + ": No such file or directory"), std::string::npos) << r.err;

    EXPECT_EQ(cli({"download", "-o", "x.si", "--baud", "9600"}).exitCode, 2);
    EXPECT_EQ(cli({"upload", "x.si", "--port", "5"}).exitCode, 2);
    EXPECT_EQ(cli({"download"}).exitCode, 2);
    EXPECT_EQ(cli({"upgrade", dir.file("missing.dlp"), "--device", "/dev/null"}).exitCode, 1);

    // Without --device or --port the configuration file names the port: COM3 at 57600, mapped through
    // VIZUD_COM3 to the box.
    const std::string device = startBox({});
    ConfigRecord config;
    config.port = 3;
    config.baudRate = 57600;
    ASSERT_TRUE(saveConfiguration(config, dir.file(kConfigFileName)));
    ::setenv("VIZUD_COM3", device.c_str(), 1);
    r = cli({"download", "-o", "x.si"});
    ::unsetenv("VIZUD_COM3");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Opening port COM3"), std::string::npos) << r.err;
    EXPECT_TRUE(test::fileExists(dir.file("x.si")));

    // A port this process holds is busy for vizud-cli.
    link::SerialPort held;
    ASSERT_TRUE(held.open(device, 115200).ok);
    r = cli({"upload", "x.si", "--device", device});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Can not open port COM3"), std::string::npos) << r.err;  // the configured number
    EXPECT_NE(r.err.find("in use by another program"), std::string::npos) << r.err;
}

TEST_F(LinkEndToEnd, InterruptCancelsTheTransfer) {
    const std::string device = startBox({"--silent"});
    Background download({VIZUD_CLI_PATH, "download", "-o", "x.si", "--device", device}, dir.path(), dir.file("cli.out"),
                        dir.file("cli.err"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    download.signal(SIGINT);
    const Clock::time_point sent = Clock::now();
    EXPECT_EQ(download.wait(5000), 1);
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - sent).count(), 1.5);
    const std::string err = test::readFile(dir.file("cli.err"));
    EXPECT_NE(err.find("Wait for Close....."), std::string::npos) << err;
    EXPECT_FALSE(test::fileExists(dir.file("x.si")));
}

}  // namespace
}  // namespace vizud
