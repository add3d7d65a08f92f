// Opening the port: numbers out of range, missing and busy devices, the reasons given, the line speed, the
// poll() timing of reads and writes, a line that hangs up, and the port a worker opens.
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

#include "link/serial_port.h"
#include "tests/link/box_on_pty.h"

namespace vizud::link {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(SerialPort, FailuresNameTheDeviceAndTheReasonAlsoThroughTheWorker) {
    ComPortMap map;
    map.devices[0] = "/nonexistent/should-not-be-opened";
    EXPECT_EQ(map.deviceFor(1), "/nonexistent/should-not-be-opened");
    EXPECT_EQ(ComPortMap{}.deviceFor(4), "/dev/ttyS3");
    const struct {
        bool byNumber;  // COM`number` through the map, else `device` itself
        int number;
        const char* device;  // the device the result names
        int error;
        const char* reason;
    } cases[] = {
        {true, 0, "", ENODEV, "the port number must be 1 to 4"},
        {true, 5, "", ENODEV, "the port number must be 1 to 4"},
        {false, 0, "/nonexistent/ttyUSB9", ENOENT, "/nonexistent/ttyUSB9: No such file or directory"},
        {false, 0, "/dev/null", ENOTTY, "/dev/null: not a serial port"},
    };
    SerialPort port;
    for (const auto& c : cases) {
        const PortOpenResult r = c.byNumber ? port.openCom(c.number, map, 115200) : port.open(c.device, 115200);
        EXPECT_EQ(std::tuple(r.ok, r.device, r.error, r.reason(), port.isOpen()),
                  std::tuple(false, c.device, c.error, c.reason, false));
    }
    const PortOpenResult denied{false, EACCES, "/dev/ttyS0"};
    EXPECT_NE(denied.reason().find("Permission denied"), std::string::npos);
    EXPECT_NE(denied.reason().find("dialout"), std::string::npos);

    // A worker that cannot open its port reports which one, and the session keeps why.
    auto image = std::make_unique<all_tables_block>();
    TransferSession session(*image);
    TransferRequest request;
    request.mode = TransferMode::Upload;
    request.port.number = 3;
    request.port.map.devices[2] = "/nonexistent/ttyACM0";
    session.reports().post(kReportAborted, 1);  // left over from an earlier transfer
    const test::HostRun run = test::runHost(session, request);
    ASSERT_EQ(run.reports.size(), 2u);
    EXPECT_EQ(run.reports[0].code, kReportOpeningPort);
    EXPECT_EQ(std::tuple(run.reports[1].code, run.reports[1].value, run.outcome.cancelledFlag),
              std::tuple(kReportPortFailed, 3u, true));
    EXPECT_EQ(session.lastPortFailure().reason(), "/nonexistent/ttyACM0: No such file or directory");
    EXPECT_EQ(portOpenProblem(request.port), "Can not open port COM3\n/nonexistent/ttyACM0: No such file or directory")
        << "the check before a transfer says what the transfer would";
}

TEST(SerialPort, OpenIsExclusiveReadsWaitAsTheLineTimeoutsSayAndAHangUpFailsThemAtOnce) {
    boxsim::PseudoTerminal pty;
    ASSERT_TRUE(pty.open());
    FdPort master(pty.master);
    const std::uint8_t stale = 0x55;
    ASSERT_EQ(master.write(&stale, 1), 1);  // came before the port was opened: discarded
    SerialPort port, second;
    ASSERT_TRUE(port.open(pty.path, 115200).ok);
    const PortOpenResult busy = second.open(pty.path, 57600);
    EXPECT_EQ(std::tuple(busy.ok, busy.error), std::tuple(false, EBUSY));
    EXPECT_NE(busy.reason().find("in use"), std::string::npos);

    // Nothing comes, at the real timing (20 ms per requested byte plus a second) and at a short one (10 ms
    // plus 200 ms); three bytes come and the read returns one interval after the last; a set abort flag
    // ends a waiting read at once.
    std::atomic<bool> abort{false};
    port.setAbortFlag(&abort);
    const struct {
        bool realTiming, abort;
        std::size_t sent, requested;
        double seconds, tolerance;
    } cases[] = {{true, false, 0, 25, 1.5, 0.1},
                 {false, false, 0, 10, 0.30, 0.08},
                 {false, false, 3, 30, 0.10, 0.06},
                 {false, true, 0, 30, 0.0, 0.05}};
    for (const auto& c : cases) {
        port.setTimeouts(c.realTiming ? PortTimeouts{} : PortTimeouts{100, 10, 200, 10, 200});
        abort = c.abort;
        const std::uint8_t sent[3] = {1, 2, 3};
        ASSERT_EQ(master.write(sent, c.sent), static_cast<long>(c.sent));
        std::uint8_t buffer[32];
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(port.read(buffer, c.requested), static_cast<long>(c.sent));
        EXPECT_NEAR(secondsSince(start), c.seconds, c.tolerance) << c.requested;
    }
    EXPECT_EQ(port.read(nullptr, 0), 0) << "reading nothing is no failure";
    // Nobody reads the other side: a write gives up after its time-out with what went out.
    port.setTimeouts({100, 10, 200, 0, 100});
    const std::vector<std::uint8_t> big(1 << 20);
    const Clock::time_point writing = Clock::now();
    const long written = port.write(big.data(), big.size());
    EXPECT_TRUE(written > 0 && written < static_cast<long>(big.size())) << written;
    EXPECT_NEAR(secondsSince(writing), 0.1, 0.08);
    ASSERT_EQ(::tcflow(port.fd(), TCOOFF), 0);  // output held, as by flow control: a time-out, not a lost line
    EXPECT_EQ(port.write(big.data(), 1), 0);
    EXPECT_EQ(port.lineLost(), 0);
    port.close();
    PortSelection probe;
    probe.device = pty.path;
    EXPECT_EQ(portOpenProblem(probe), "") << "the check before a transfer opens the port and lets it go";
    EXPECT_FALSE(second.open(pty.path, 9600).ok) << "only 115200 and 57600";
    EXPECT_TRUE(second.open(pty.path, 57600).ok) << "free once the other let go";
    termios tio{};
    ASSERT_EQ(::tcgetattr(second.fd(), &tio), 0);
    EXPECT_EQ(std::tuple(::cfgetispeed(&tio), ::cfgetospeed(&tio)), std::tuple(B57600, B57600));

    // Once the other side hung up, reads and writes fail at once (not after their time-outs) and keep
    // failing; a port given a new descriptor starts afresh.
    second.setTimeouts({200, 20, 2000, 20, 2000});
    EXPECT_EQ(second.probeLine(), 0);
    master.close();
    pty.close();
    std::uint8_t byte = 0;
    const Clock::time_point start = Clock::now();
    test::RecordingSink sink;
    PacketLink link(second, abort, sink);
    testing::internal::CaptureStdout();
    EXPECT_EQ(link.readBytes(&byte, 1) + link.readBytes(&byte, 1), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "netd_read() Error\n") << "once, as the line is found lost";
    EXPECT_EQ(second.lineLost(), EIO);
    EXPECT_EQ(second.write(&byte, 1), -1);
    EXPECT_EQ(second.read(&byte, 1), -1);
    EXPECT_LT(secondsSince(start), 0.5);
    boxsim::PseudoTerminal again;
    ASSERT_TRUE(again.open());
    const int savedStdin = ::dup(0);
    ::close(0);  // descriptor 0 is a port like any other (an editor started with stdin closed)
    ASSERT_TRUE(second.open(again.path, 115200).ok);
    EXPECT_EQ(std::tuple(second.fd(), second.lineLost()), std::tuple(0, 0));
    ASSERT_EQ(::write(again.master, "x", 1), 1);
    EXPECT_EQ(second.read(&byte, 1), 1);
    ::close(again.master);
    EXPECT_EQ(second.probeLine(), EIO) << "a hang-up is seen without reading";
    second.close();
    ::dup2(savedStdin, 0);
    ::close(savedStdin);
    again.close();

    // The box's side of the line waits to write into a full line when the other side lets go: lost with EIO.
    ASSERT_TRUE(again.open());
    FdPort box(again.master);
    box.setTimeouts({100, 10, 200, 0, 2000});
    std::thread letGo([&again] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        again.close();
    });
    EXPECT_GT(box.write(big.data(), big.size()), 0);
    letGo.join();
    EXPECT_EQ(box.lineLost(), EIO);
}

}  // namespace
}  // namespace vizud::link
