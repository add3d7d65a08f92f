// Downloads, uploads and software upgrades with the box simulator over a pseudo-terminal, through the
// session and through ChannelDatabase::download and upload: what arrives, each of the box's faults, a box
// that hangs up, and cancelling while the host waits for each kind of packet.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <tuple>

#include "database/image_crc.h"
#include "link/transfer_workers.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud::link {
namespace {

using test::bytesOf;

boxsim::BoxConfig boxWith(boxsim::BoxFaults faults, std::uint32_t deviceId = 0x03010101) {
    boxsim::BoxConfig config;
    config.faults = faults;
    config.deviceId = deviceId;
    return config;
}

class Transfer : public test::DatabaseFixture, public ::testing::Test {
protected:
    Transfer() {
        db.setProgramsDumpPath(dir.file("programs.nfo"));
        test::makeImage(image(), 8, test::randomShape(rng));
    }
    test::HostRun run(test::BoxOnPty& box, TransferMode mode, const std::string& dlp = {}) {
        EXPECT_TRUE(box.ok());
        TransferRequest request = test::hostRequest(box.path(), mode);
        request.dlpPath = dlp;
        return test::runHost(session, request);
    }
    DirectTransferRunner runner(const std::string& device) {
        seen.reports.clear();
        return DirectTransferRunner(
            session, test::hostRequest(device, TransferMode::Download),
            [this](const Report& r, const ReportAction&) { seen.reports.push_back(r); });  // no cancel
    }
    // A .dlp file whose head names the built-in hardware with `deviceId`; the rest is random.
    std::string writeDlp(std::size_t length, std::uint32_t deviceId = 0x03010101, const char* name = "soft.dlp") {
        std::mt19937 random(static_cast<unsigned>(length));
        dlpBytes.resize(length);
        std::generate(dlpBytes.begin(), dlpBytes.end(), [&] { return static_cast<std::uint8_t>(random()); });
        DeviceRecord record = builtInHostRecord();
        record.deviceId = deviceId;
        std::memcpy(dlpBytes.data(), &record, std::min<std::size_t>(length, 24));
        test::writeFile(dir.file(name), dlpBytes.data(), dlpBytes.size());
        return dir.file(name);
    }

    std::mt19937 rng{7};
    std::unique_ptr<all_tables_block> boxImage = test::makeImage(7, test::randomShape(rng));
    test::TempDir dir;
    TransferSession session{image()};
    test::RecordingSink seen;
    std::vector<std::uint8_t> dlpBytes;
};

// The box damages one block and sends garbage before each packet: the download still succeeds.
TEST_F(Transfer, DownloadReplacesTheImageWritesTheDumpAndFreesThePortAFailedOneChangesNothing) {
    const auto before = bytesOf(image());
    {
        test::BoxOnPty refusing(boxWith({.refuse = true}), bytesOf(*boxImage));
        auto direct = runner(refusing.path());
        EXPECT_EQ(db.download(direct), -1);
        EXPECT_EQ(db.isLoaded(), 0u);
        EXPECT_EQ(bytesOf(image()), before);
        EXPECT_FALSE(test::fileExists(dir.file("programs.nfo")));
    }
    test::BoxOnPty box(boxWith({.garbage = 24, .corruptPacket = 4}), bytesOf(*boxImage));
    auto direct = runner(box.path());
    EXPECT_EQ(db.download(direct), 0);
    EXPECT_EQ(db.isLoaded(), 1u);
    EXPECT_EQ(bytesOf(image()), bytesOf(*boxImage));
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), db.programsDumpText());
    ASSERT_GE(seen.reports.size(), 2u);
    EXPECT_EQ(seen.reports[1].code, kReportWaiting);
    EXPECT_EQ(seen.count(kReportDownloadDone), 1) << "completion is reported once, after the copy";
    SerialPort port;
    EXPECT_TRUE(port.open(box.path(), 115200).ok) << "the transfer let go of the port";
}

// The box's report comes damaged and after garbage; a box not in the device table makes the upload fail.
TEST_F(Transfer, UploadSendsTheRefreshedImageAsOneMebibyteIn256BlocksAndAsksToWaitForTheReboot) {
    {
        test::BoxOnPty box(boxWith({.garbage = 20, .corruptPacket = 1}));
        auto direct = runner(box.path());
        ++image().imageCrc;
        EXPECT_EQ(db.upload(direct), 0);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please wait until STB reboots..."});
        EXPECT_EQ(direct.lastOutcome().ending.code, kReportSendDone);
        EXPECT_TRUE(seen.has(kReportUploading, 12));
        EXPECT_TRUE(seen.has(kReportProgress, (100u << 16) | 1));  // block 0 of 256: (0 + 1) * 100 / 256
        EXPECT_TRUE(seen.has(kReportProgress, (100u << 16) | 100));
        ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
        std::vector<std::uint8_t> expected = bytesOf(image());
        expected.resize(0x100000, 0);
        EXPECT_EQ(box.box().database(), expected);
        EXPECT_EQ(image().imageCrc, computeImageCrc(image())) << "the CRC is refreshed before sending";
    }
    messages.clear();
    test::BoxOnPty foreign(boxWith({}, 0x12345678));
    auto direct = runner(foreign.path());
    EXPECT_EQ(db.upload(direct), 0);
    EXPECT_EQ(direct.lastOutcome().ending.code, kReportTimeout);
    EXPECT_TRUE(messages.texts().empty()) << "a failed upload does not ask to wait";
}

// The file's size picks the transfer type; everything after its 64-byte head goes out, zero-filled to
// the size of the type, and its first 24 bytes become the host's record.
TEST_F(Transfer, UpgradeSendsTheFileByItsSize) {
    const struct {
        std::size_t length;
        std::uint32_t diagnostic;
        bool asDatabase;  // type 4 is the box's database type: it lands as an uploaded database
        std::uint32_t size;
    } cases[] = {{0xFFFFF, 0, true, 0x100000}, {0x100000, 1, false, 0x600000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        test::BoxOnPty box;
        const test::HostRun r = run(box, TransferMode::Upgrade, writeDlp(c.length));
        EXPECT_EQ(r.outcome.end, DialogEnd::Ok);
        EXPECT_TRUE(r.has(kReportDiagnostic, static_cast<std::uint32_t>(c.length)));
        EXPECT_TRUE(r.has(kReportDiagnostic, c.diagnostic));
        ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
        std::vector<std::uint8_t> expected(dlpBytes.begin() + 64, dlpBytes.end());
        expected.resize(c.size, 0);
        EXPECT_EQ(c.asDatabase ? box.box().database() : box.box().upgradeImage(), expected);
        if (!c.asDatabase) {
            const FileHeader h = box.box().lastUpgradeHeader();
            EXPECT_EQ(std::tuple(h.imageType, h.imageSize, h.blockCount, h.target, box.box().lastUpgradeType()),
                      std::tuple(3u, 0x600000u, 1536u, 0x00690000u, 3u));
        }
        const DeviceRecord host = session.hostRecord();
        EXPECT_EQ(std::memcmp(&host, dlpBytes.data(), 24), 0);
        const std::uint8_t zeros[8] = {};
        EXPECT_EQ(std::memcmp(host.unused, zeros, 8), 0) << "the last 8 bytes keep their value, not the file's";
    }
    std::uint32_t diagnostic = 9;  // from 0x700000 bytes on, a full image
    EXPECT_EQ(upgradeTransferType(0x6FFFFF, &diagnostic), kTransferSoftware);
    EXPECT_EQ(diagnostic, 1u);
    EXPECT_EQ(upgradeTransferType(0x700000, &diagnostic), kTransferSoftwareFull);
    EXPECT_EQ(diagnostic, 2u);
}

// Each of the box's faults ends the transfer with the report that names it, and the editor's image stays.
TEST_F(Transfer, EachFaultEndsTheTransferWithItsReport) {
    auto foreign = test::makeImage(9, test::ImageShape{});
    foreign->programCount = kMaxPrograms + 1;
    const std::string family = writeDlp(0x100000, 0x03010201, "family.dlp");  // bits 8..11 differ from the box's
    const std::string tooShort = writeDlp(63, 0x03010101, "short.dlp");
    using M = TransferMode;
    using Check = std::function<void(const test::HostRun&, test::BoxOnPty&)>;
    const Check toldNo = [](auto&, test::BoxOnPty& box) {
        ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
        EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::Failed) << "the box was told no";
    };
    const Check oneHunt = [](auto& r, auto&) { EXPECT_TRUE(r.seconds > 4.5 && r.seconds < 8) << "25 reads of 202 ms"; };
    const Check familyDiag = [](auto& r, auto&) { EXPECT_TRUE(r.has(kReportDiagnostic, kDiagHeaderIdsDiffer)); };
    const struct Case {
        const char* what;
        M mode;
        boxsim::BoxFaults faults;
        std::uint32_t step;
        Check check = {};
        std::uint32_t deviceId = 0x03010101;
        std::string dlp = {};
        const all_tables_block* served = nullptr;
    } cases[] = {
        {"download: request not acknowledged", M::Download, {.withholdAck = 1}, kStepRequestNotAcked},
        {"download: report not acknowledged", M::Download, {.withholdAck = 2}, kStepReportNotAcked},
        {"download: counts past the tables", M::Download, {}, kStepNotAChannelImage, {}, 0x03010101, {}, foreign.get()},
        {"upload: silent", M::Upload, {.silent = true}, kStepNoRequest, oneHunt},
        {"upload: a box not in the device table", M::Upload, {}, kStepNoFileHeader, toldNo, 0x03010301},
        {"upload: query not acknowledged", M::Upload, {.withholdAck = 1}, kStepQueryNotAcked},
        {"upload: file header not acknowledged", M::Upload, {.withholdAck = 2}, kStepHeaderNotAcked},
        {"upload: block 197 not acknowledged", M::Upload, {.withholdAck = 200}, kStepBlockFailed},
        {"upgrade: software for another family", M::Upgrade, {}, kStepNoFileHeader, familyDiag, 0x03010101, family},
        {"upgrade: no such file", M::Upgrade, {}, kStepDlpUnreadable, {}, 0x03010101, dir.file("missing.dlp")},
        {"upgrade: shorter than its head", M::Upgrade, {}, kStepDlpTooShort, {}, 0x03010101, tooShort},
    };
    const auto before = bytesOf(image());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::BoxOnPty box(boxWith(c.faults, c.deviceId), bytesOf(c.served != nullptr ? *c.served : *boxImage));
        const test::HostRun r = run(box, c.mode, c.dlp);
        EXPECT_EQ(std::tuple(r.outcome.end, r.outcome.ending.code, r.outcome.ending.value),
                  std::tuple(DialogEnd::Cancel, kReportTimeout, c.step));
        EXPECT_EQ(r.count(kReportDownloadDone) + r.count(kReportSendDone), 0);
        EXPECT_EQ(bytesOf(image()), before) << "a failed transfer leaves the editor's image as it was";
        if (c.check)
            c.check(r, box);
    }
}

int openDescriptors() {
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator{}));
}

// Cancel pressed while the host waits for each kind of packet, and a box that hangs up (as a USB adapter
// pulled out) in the negotiation or among the blocks of each transfer. The host runs with the real line
// timing, under which it would wait 1.5 s or more in each of these states: the transfer ends within a second
// of the cancel or the hang-up, leaves the editor's image as it was and lets go of the port; a lost line
// names the device.
TEST_F(Transfer, CancelAndALostLineEndEveryStateWithinASecond) {
    using Clock = std::chrono::steady_clock;
    using M = TransferMode;
    const struct {
        M mode;
        boxsim::BoxFaults faults;
        const char* where;
    } cases[] = {
        {M::Download, {.silent = true}, "cancel: waiting for the acknowledgement of the request"},
        {M::Download, {.stallAfter = 40}, "cancel: waiting for a data block"},
        {M::Upload, {.silent = true}, "cancel: waiting for the box's request"},
        {M::Upload, {.stallAfter = 2}, "cancel: waiting for the box's report"},
        {M::Upload, {.stallAfter = 30}, "cancel: waiting for a block's acknowledgement"},
        {M::Download, {.hangupAfter = 3}, "download: hang-up in the negotiation"},
        {M::Download, {.hangupAfter = 40}, "download: hang-up among the blocks"},
        {M::Upload, {.hangupAfter = 3}, "upload: hang-up in the negotiation"},
        {M::Upload, {.hangupAfter = 40}, "upload: hang-up among the blocks"},
        {M::Upgrade, {.hangupAfter = 3}, "upgrade: hang-up in the negotiation"},
        {M::Upgrade, {.hangupAfter = 40}, "upgrade: hang-up among the blocks"},
    };
    const std::string dlp = writeDlp(0x100000);
    const auto before = bytesOf(image());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const int descriptors = openDescriptors();
        {
            std::atomic<Clock::rep> hungUp{0};
            test::BoxOnPty box(boxWith(c.faults), bytesOf(*boxImage), [&](const std::string& line) {
                if (line.rfind("hanging up", 0) == 0)
                    hungUp = Clock::now().time_since_epoch().count();
            });
            TransferRequest request = test::hostRequest(box.path(), c.mode, true);
            request.timing.blockPauseMs = 0;
            request.dlpPath = dlp;
            const bool lost = c.faults.hangupAfter > 0;
            const test::HostRun r = test::runHost(session, request, lost ? -1 : 600);
            EXPECT_EQ(std::tuple(r.outcome.end, r.outcome.cancelledFlag, r.outcome.ending.code),
                      std::tuple(DialogEnd::Cancel, true, lost ? kReportLineLost : kReportAborted));
            if (lost) {
                ASSERT_NE(hungUp.load(), 0) << "the box hung up";
                EXPECT_LE(Clock::now().time_since_epoch() - Clock::duration(hungUp.load()), std::chrono::seconds(1));
                EXPECT_EQ(session.lastPortFailure().reason(), box.path() + ": " + std::strerror(EIO));
                EXPECT_EQ(r.count(kReportTimeout) + r.count(kReportAborted), 0)
                    << "the failure of the step is not reported besides";
            } else {
                EXPECT_EQ(r.outcome.ending.value, 1u);
                EXPECT_LT(r.afterCancel, 1.0);
            }
            if (c.faults.stallAfter >= 30) {
                EXPECT_GT(r.count(kReportProgress), 0) << "cancelled among the blocks";
            }
        }
        EXPECT_EQ(bytesOf(image()), before);
        EXPECT_EQ(openDescriptors(), descriptors) << "the port is closed";
    }
}

}  // namespace
}  // namespace vizud::link
