// Opening the port: numbers out of range, missing and busy devices, the reasons given, and the poll()
// timing of reads.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>

#include "link/serial_port.h"
#include "tests/link/box_on_pty.h"
#include "tools/box_simulator.h"

namespace vizud::link {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(SerialPort, NumbersOutsideOneToFourTouchNoDevice) {
    ComPortMap map;
    map.devices[0] = "/nonexistent/should-not-be-opened";
    SerialPort port;
    for (const int number : {0, 5, -1}) {
        const PortOpenResult r = port.openCom(number, map, 115200);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.device.empty());
        EXPECT_FALSE(port.isOpen());
    }
    EXPECT_EQ(map.deviceFor(1), "/nonexistent/should-not-be-opened");
    EXPECT_EQ(ComPortMap{}.deviceFor(4), "/dev/ttyS3");
}

TEST(SerialPort, FailuresNameTheDeviceAndTheReason) {
    SerialPort port;
    PortOpenResult r = port.open("/nonexistent/ttyUSB9", 115200);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_EQ(r.reason(), "/nonexistent/ttyUSB9: No such file or directory");

    r = port.open("/dev/null", 115200);
    EXPECT_EQ(r.error, ENOTTY);
    EXPECT_EQ(r.reason(), "/dev/null: not a serial port");
    EXPECT_FALSE(port.isOpen());

    const PortOpenResult denied{false, EACCES, "/dev/ttyS0"};
    EXPECT_NE(denied.reason().find("Permission denied"), std::string::npos);
    EXPECT_NE(denied.reason().find("dialout"), std::string::npos);
}

TEST(SerialPort, DeviceHeldByAnotherOpenFailsUntilItIsClosed) {
    boxsim::PseudoTerminal pty;
    ASSERT_TRUE(pty.open());
    FdPort master(pty.master);
    SerialPort first;
    ASSERT_TRUE(first.open(pty.path, 115200).ok);
    SerialPort second;
    const PortOpenResult busy = second.open(pty.path, 57600);
    EXPECT_FALSE(busy.ok);
    EXPECT_EQ(busy.error, EBUSY);
    EXPECT_NE(busy.reason().find("in use"), std::string::npos);
    EXPECT_FALSE(second.open(pty.path, 9600).ok) << "only 115200 and 57600";
    first.close();
    EXPECT_TRUE(second.open(pty.path, 57600).ok);
    pty.close();
}

TEST(SerialPort, ReadsWaitAsTheLineTimeoutsSay) {
    boxsim::PseudoTerminal pty;
    ASSERT_TRUE(pty.open());
    FdPort master(pty.master);
    SerialPort port;
    ASSERT_TRUE(port.open(pty.path, 115200).ok);
    port.setTimeouts({100, 10, 200, 10, 200});
    std::uint8_t buffer[32];

    // Nothing comes: 10 ms per requested byte plus 200 ms.
    Clock::time_point start = Clock::now();
    EXPECT_EQ(port.read(buffer, 10), 0);
    EXPECT_NEAR(secondsSince(start), 0.30, 0.08);

    // Three bytes, then silence: the read returns one interval after the last byte.
    const std::uint8_t three[3] = {1, 2, 3};
    ASSERT_EQ(master.write(three, 3), 3);
    start = Clock::now();
    EXPECT_EQ(port.read(buffer, 30), 3);
    EXPECT_NEAR(secondsSince(start), 0.10, 0.06);

    // A set abort flag ends a waiting read at once.
    std::atomic<bool> abort{true};
    port.setAbortFlag(&abort);
    start = Clock::now();
    EXPECT_EQ(port.read(buffer, 30), 0);
    EXPECT_LT(secondsSince(start), 0.05);
    pty.close();
}

TEST(SerialPort, WorkerReportsTheFailedPortAndFreesItAfterATransfer) {
    auto image = std::make_unique<all_tables_block>();
    TransferSession session(*image);
    TransferRequest request;
    request.mode = TransferMode::Upload;
    request.port.number = 3;
    request.port.map.devices[2] = "/nonexistent/ttyACM0";
    test::HostRun run = test::runHost(session, request);
    ASSERT_EQ(run.reports.size(), 2u);
    EXPECT_EQ(run.reports[0].code, kReportOpeningPort);
    EXPECT_EQ(run.reports[1].code, kReportPortFailed);
    EXPECT_EQ(run.reports[1].value, 3u);
    EXPECT_TRUE(run.outcome.cancelledFlag);
    EXPECT_EQ(session.lastPortFailure().device, "/nonexistent/ttyACM0");
    EXPECT_EQ(session.lastPortFailure().error, ENOENT);

    request.port.number = 5;
    run = test::runHost(session, request);
    EXPECT_EQ(run.outcome.ending.code, kReportPortFailed);
    EXPECT_EQ(run.outcome.ending.value, 5u);

    // After a transfer, good or bad, the port is free again.
    test::BoxOnPty box;
    ASSERT_TRUE(box.ok());
    EXPECT_EQ(test::runHost(session, test::hostRequest(box.path(), TransferMode::Download)).outcome.end, DialogEnd::Ok);
    SerialPort port;
    EXPECT_TRUE(port.open(box.path(), 115200).ok);
    port.close();
    run = test::runHost(session, test::hostRequest(box.path(), TransferMode::Upload));
    EXPECT_EQ(run.outcome.end, DialogEnd::Ok) << [&] {
        std::string t;
        for (auto& r : run.reports)
            t += std::to_string(r.code) + "/" + std::to_string(r.value) + " ";
        return t;
    }();
}

}  // namespace
}  // namespace vizud::link
