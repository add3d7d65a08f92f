// A box that goes away mid-transfer, as a USB adapter pulled out: the simulator closes its side of the
// pseudo-terminal after N packets. Every transfer must then end within a second with the device named,
// leave the editor's image as it was and let go of the port.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

#include "link/transfer_workers.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud::link {
namespace {

using Clock = std::chrono::steady_clock;

int openDescriptors() {
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator{}));
}

// When the box hung up, for the time from the fault to the end of the transfer.
struct Hangup {
    std::atomic<Clock::rep> at{0};
    void hear(const std::string& line) {
        if (line.rfind("hanging up", 0) == 0)
            at.store(Clock::now().time_since_epoch().count());
    }
    double secondsSince() const {
        return std::chrono::duration<double>(Clock::now().time_since_epoch() - Clock::duration(at.load())).count();
    }
};

// Hang-ups in the negotiation and among the data blocks, for each transfer. The host
// runs with the real line timing: waiting out its time-outs instead would take many seconds.
TEST(LineLost, EveryTransferEndsWithinASecondNamingTheDeviceAndLetsGoOfThePort) {
    std::mt19937 rng(3);
    test::DatabaseFixture fx;
    test::makeImage(fx.image(), 8, test::randomShape(rng));
    TransferSession session{fx.image()};
    test::TempDir dir;
    std::vector<std::uint8_t> dlp(0x100000);
    for (auto& b : dlp)
        b = static_cast<std::uint8_t>(rng());
    const DeviceRecord record = builtInHostRecord();
    std::memcpy(dlp.data(), &record, 24);
    test::writeFile(dir.file("soft.dlp"), dlp.data(), dlp.size());
    const auto boxImage = test::makeImage(5, test::randomShape(rng));

    for (const TransferMode mode : {TransferMode::Download, TransferMode::Upload, TransferMode::Upgrade}) {
        for (const int after : {3, 40}) {
            SCOPED_TRACE(testing::Message() << "mode " << static_cast<int>(mode) << ", hang-up after " << after);
            const int descriptors = openDescriptors();
            const auto before = test::bytesOf(fx.image());
            {
                Hangup hangup;
                boxsim::BoxConfig config;
                config.faults.hangupAfter = after;
                test::BoxOnPty box(config, test::bytesOf(*boxImage),
                                   [&](const std::string& line) { hangup.hear(line); });
                TransferRequest request = test::hostRequest(box.path(), mode, true);
                request.dlpPath = dir.file("soft.dlp");
                const test::HostRun run = test::runHost(session, request);
                ASSERT_NE(hangup.at.load(), 0) << "the box hung up";
                EXPECT_LE(hangup.secondsSince(), 1.0);
                EXPECT_EQ(run.outcome.ending.code, kReportLineLost);
                EXPECT_EQ(run.outcome.end, DialogEnd::Cancel);
                EXPECT_EQ(session.lastPortFailure().reason(), box.path() + ": " + std::strerror(EIO));
                EXPECT_EQ(run.count(kReportTimeout) + run.count(kReportAborted), 0)
                    << "the failure of the step is not reported besides";
            }
            EXPECT_EQ(test::bytesOf(fx.image()), before);
            EXPECT_EQ(openDescriptors(), descriptors) << "the port is closed";
        }
    }
}

// The port itself: once the other side hung up, reads and writes fail at once (not after their
// time-outs) and keep failing; a port given a new descriptor starts afresh.
TEST(FdPortLineLost, AHangUpFailsEveryReadAndWriteAtOnceUntilANewDescriptor) {
    boxsim::PseudoTerminal pty;
    ASSERT_TRUE(pty.open());
    SerialPort host;
    ASSERT_TRUE(host.open(pty.path, 115200).ok);
    host.setTimeouts({200, 20, 2000, 20, 2000});
    EXPECT_EQ(host.probeLine(), 0);
    ::close(pty.master);
    pty.close();

    std::uint8_t byte = 0;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(host.read(&byte, 1), -1);
    EXPECT_EQ(host.lineLost(), EIO);
    EXPECT_EQ(host.write(&byte, 1), -1);
    EXPECT_EQ(host.read(&byte, 1), -1);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));

    boxsim::PseudoTerminal again;
    ASSERT_TRUE(again.open());
    ASSERT_TRUE(host.open(again.path, 115200).ok);
    EXPECT_EQ(host.lineLost(), 0);
    ::close(again.master);
    EXPECT_EQ(host.probeLine(), EIO) << "a hang-up is seen without reading";
    again.close();
}

}  // namespace
}  // namespace vizud::link
