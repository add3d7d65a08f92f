// Uploads and software upgrades to the box simulator over a pseudo-terminal, with the box's faults.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "database/image_layout.h"
#include "link/transfer_workers.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud::link {
namespace {

std::vector<std::uint8_t> bytesOf(const all_tables_block& image) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&image);
    return std::vector<std::uint8_t>(p, p + sizeof(image));
}

class Upload : public ::testing::Test {
protected:
    static std::unique_ptr<all_tables_block> randomImage() {
        std::mt19937 rng(3);
        return test::makeImage(3, test::randomShape(rng));
    }

    test::HostRun send(test::BoxOnPty& box, TransferMode mode = TransferMode::Upload, const std::string& dlp = {}) {
        EXPECT_TRUE(box.ok());
        TransferRequest request = test::hostRequest(box.path(), mode);
        request.dlpPath = dlp;
        return test::runHost(session, request);
    }

    static void expectFailedWith(const test::HostRun& run, int code, std::uint32_t value) {
        EXPECT_EQ(run.outcome.end, DialogEnd::Cancel);
        EXPECT_EQ(run.outcome.ending.code, code);
        EXPECT_EQ(run.outcome.ending.value, value);
    }

    std::unique_ptr<all_tables_block> image = randomImage();
    TransferSession session{*image};
};

TEST_F(Upload, SendsTheImageAsOneMebibyteIn256Blocks) {
    test::BoxOnPty box;
    const test::HostRun run = send(box);
    EXPECT_EQ(run.outcome.end, DialogEnd::Ok);
    EXPECT_EQ(run.outcome.ending.code, kReportSendDone);
    EXPECT_TRUE(run.has(kReportUploading, 12));
    EXPECT_TRUE(run.has(kReportProgress, (100u << 16) | 1));  // block 0 of 256: (0 + 1) * 100 / 256
    EXPECT_TRUE(run.has(kReportProgress, (100u << 16) | 100));
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::UploadReceived);
    std::vector<std::uint8_t> expected = bytesOf(*image);
    expected.resize(0x100000, 0);
    EXPECT_EQ(box.box().database(), expected);
    const DeviceRecord host = session.hostRecord();
    const DeviceRecord builtIn = builtInHostRecord();
    EXPECT_EQ(std::memcmp(&host, &builtIn, sizeof(host)), 0);
}

TEST_F(Upload, SilentBoxEndsAfterOneStartHunt) {
    boxsim::BoxConfig config;
    config.faults.silent = true;
    test::BoxOnPty box(config);
    const test::HostRun run = send(box);
    expectFailedWith(run, kReportTimeout, kStepNoRequest);
    // 25 single-byte reads of 202 ms each.
    EXPECT_GT(run.seconds, 4.5);
    EXPECT_LT(run.seconds, 8.0);
}

TEST_F(Upload, BoxNotInTheDeviceTableIsRefused) {
    for (const std::uint32_t id : {0x03010301u, 0x7FFFFFFFu}) {
        boxsim::BoxConfig config;
        config.deviceId = id;
        test::BoxOnPty box(config);
        const test::HostRun run = send(box);
        expectFailedWith(run, kReportTimeout, kStepNoFileHeader);
        ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
        EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::Failed) << "the box was told no";
    }
}

TEST_F(Upload, DamagedReportIsSentAgainAndGarbageSkipped) {
    boxsim::BoxConfig config;
    config.faults.corruptPacket = 1;  // the box's device report
    config.faults.garbage = 20;
    test::BoxOnPty box(config);
    EXPECT_EQ(send(box).outcome.end, DialogEnd::Ok);
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::UploadReceived);
}

TEST_F(Upload, WithheldAcknowledgements) {
    // 1: the query; 2: the file header; 3: block 0; 200: block 197.
    const std::pair<int, std::uint32_t> cases[] = {
        {1, kStepQueryNotAcked}, {2, kStepHeaderNotAcked}, {3, kStepBlockFailed}, {200, kStepBlockFailed}};
    for (const auto& [ack, step] : cases) {
        boxsim::BoxConfig config;
        config.faults.withholdAck = ack;
        test::BoxOnPty box(config);
        const test::HostRun run = send(box);
        SCOPED_TRACE(ack);
        expectFailedWith(run, kReportTimeout, step);
        EXPECT_FALSE(run.has(kReportSendDone, 0));
    }
}

class Upgrade : public Upload {
protected:
    std::string writeDlp(std::size_t length, std::uint32_t deviceId = 0x03010101) {
        std::vector<std::uint8_t> file(length);
        std::mt19937 rng(static_cast<unsigned>(length));
        for (auto& b : file)
            b = static_cast<std::uint8_t>(rng());
        DeviceRecord record = builtInHostRecord();
        record.deviceId = deviceId;
        std::memcpy(file.data(), &record, 24);
        dlpBytes = file;
        const std::string path = dir.file("soft.dlp");
        test::writeFile(path, file.data(), file.size());
        return path;
    }
    test::TempDir dir;
    std::vector<std::uint8_t> dlpBytes;
};

TEST_F(Upgrade, SmallFileGoesAsTypeFourZeroFilled) {
    test::BoxOnPty box;
    const test::HostRun run = send(box, TransferMode::Upgrade, writeDlp(0xFFFFF));
    EXPECT_EQ(run.outcome.end, DialogEnd::Ok);
    EXPECT_TRUE(run.has(kReportDiagnostic, 0xFFFFF));
    EXPECT_TRUE(run.has(kReportDiagnostic, 0));
    // Type 4 is the database type for the box: it lands as an uploaded database, 1 MiB, zero-filled.
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    std::vector<std::uint8_t> expected(dlpBytes.begin() + 64, dlpBytes.end());
    expected.resize(0x100000, 0);
    EXPECT_EQ(box.box().database(), expected);
}

TEST_F(Upgrade, OneMebibyteFileGoesAsTypeThreeIn1536Blocks) {
    test::BoxOnPty box;
    const test::HostRun run = send(box, TransferMode::Upgrade, writeDlp(0x100000));
    EXPECT_EQ(run.outcome.end, DialogEnd::Ok);
    EXPECT_TRUE(run.has(kReportDiagnostic, 1));
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    EXPECT_EQ(box.box().outcomes()[0], boxsim::BoxOutcome::UpgradeReceived);
    const FileHeader header = box.box().lastUpgradeHeader();
    EXPECT_EQ(header.imageType, 3u);
    EXPECT_EQ(header.imageSize, 0x600000u);
    EXPECT_EQ(header.blockCount, 1536u);
    EXPECT_EQ(header.target, 0x00690000u);
    EXPECT_EQ(box.box().lastUpgradeType(), 3u);
    std::vector<std::uint8_t> expected(dlpBytes.begin() + 64, dlpBytes.end());
    expected.resize(0x600000, 0);
    EXPECT_EQ(box.box().upgradeImage(), expected);
    const DeviceRecord host = session.hostRecord();
    EXPECT_EQ(std::memcmp(&host, dlpBytes.data(), 24), 0);
    // The last 8 bytes keep their value from before (zero in the built-in record), not the file's.
    const std::uint8_t zeros[8] = {};
    EXPECT_EQ(std::memcmp(host.unused, zeros, 8), 0);
    EXPECT_NE(std::memcmp(dlpBytes.data() + 24, zeros, 8), 0);
    EXPECT_EQ(upgradeTransferType(0x6FFFFF), kTransferSoftware);
    EXPECT_EQ(upgradeTransferType(0x700000), kTransferSoftwareFull);
}

TEST_F(Upgrade, SoftwareForAnotherFamilyIsRefused) {
    test::BoxOnPty box;
    // The file names hardware whose bits 8..11 differ from the box's: no file header can be made.
    const test::HostRun run = send(box, TransferMode::Upgrade, writeDlp(0x100000, 0x03010201));
    expectFailedWith(run, kReportTimeout, kStepNoFileHeader);
    EXPECT_TRUE(run.has(kReportDiagnostic, kDiagHeaderIdsDiffer));
}

TEST_F(Upgrade, UnreadableOrShortFileEndsTheTransfer) {
    test::BoxOnPty box;
    expectFailedWith(send(box, TransferMode::Upgrade, dir.file("missing.dlp")), kReportTimeout, kStepDlpUnreadable);
    expectFailedWith(send(box, TransferMode::Upgrade, writeDlp(63)), kReportTimeout, kStepDlpTooShort);
}

}  // namespace
}  // namespace vizud::link
