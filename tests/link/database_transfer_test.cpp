// ChannelDatabase::download and upload through a runner over the box simulator.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "database/image_crc.h"
#include "tests/link/box_on_pty.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud::link {
namespace {

std::vector<std::uint8_t> bytesOf(const all_tables_block& image) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&image);
    return std::vector<std::uint8_t>(p, p + sizeof(image));
}

class DatabaseTransfer : public test::DatabaseFixture, public ::testing::Test {
protected:
    DatabaseTransfer() { db.setProgramsDumpPath(dir.file("programs.nfo")); }

    DirectTransferRunner runner(const std::string& device, int cancelAfterMs = -1) {
        const auto start = std::chrono::steady_clock::now();
        return DirectTransferRunner(session, test::hostRequest(device, TransferMode::Download), {}, [=] {
            return cancelAfterMs >= 0 &&
                   std::chrono::steady_clock::now() - start > std::chrono::milliseconds(cancelAfterMs);
        });
    }

    test::TempDir dir;
    TransferSession session{image()};
};

TEST_F(DatabaseTransfer, DownloadReplacesTheImageAndWritesTheDump) {
    std::mt19937 rng(21);
    auto boxImage = test::makeImage(21, test::randomShape(rng));
    test::BoxOnPty box({}, bytesOf(*boxImage));
    auto direct = runner(box.path());
    EXPECT_EQ(db.download(direct), 0);
    EXPECT_EQ(db.isLoaded(), 1u);
    EXPECT_EQ(bytesOf(image()), bytesOf(*boxImage));
    EXPECT_EQ(test::readFile(dir.file("programs.nfo")), db.programsDumpText());
}

TEST_F(DatabaseTransfer, CancelledDownloadChangesNothing) {
    boxsim::BoxConfig config;
    config.faults.silent = true;
    test::BoxOnPty box(config);
    build.satellite(1, "Astra");
    const auto before = bytesOf(image());
    auto direct = runner(box.path(), 300);
    EXPECT_EQ(db.download(direct), -1);
    EXPECT_EQ(db.isLoaded(), 0u);
    EXPECT_EQ(bytesOf(image()), before);
    EXPECT_FALSE(test::fileExists(dir.file("programs.nfo")));
}

TEST_F(DatabaseTransfer, UploadSendsTheRefreshedImageAndAsksToWaitForTheReboot) {
    build.satellite(1, "Astra");
    build.transponder(1, 11778);
    build.provider("ARD");
    build.program("Das Erste", 0, 0, true);
    test::BoxOnPty box;
    auto direct = runner(box.path());
    EXPECT_EQ(db.upload(direct), 0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please wait until STB reboots..."});
    ASSERT_TRUE(box.box().waitForTransfers(1, 5000));
    const std::vector<std::uint8_t> received = box.box().database();
    all_tables_block sent;
    std::memcpy(&sent, received.data(), sizeof(sent));
    EXPECT_EQ(sent.imageCrc, computeImageCrc(sent)) << "the CRC is refreshed before sending";
    EXPECT_EQ(bytesOf(sent), bytesOf(image()));
}

TEST_F(DatabaseTransfer, FailedOrCancelledUploadDoesNotAskToWait) {
    {
        boxsim::BoxConfig config;
        config.deviceId = 0x12345678;  // not in the device table
        test::BoxOnPty box(config);
        auto direct = runner(box.path());
        EXPECT_EQ(db.upload(direct), 0);
        EXPECT_EQ(direct.lastOutcome().ending.code, kReportTimeout);
    }
    {
        boxsim::BoxConfig config;
        config.faults.silent = true;
        test::BoxOnPty box(config);
        auto direct = runner(box.path(), 300);
        EXPECT_EQ(db.upload(direct), 0);
        EXPECT_EQ(direct.lastOutcome().ending.code, kReportAborted);
    }
    auto direct = runner("/nonexistent/ttyS9");
    EXPECT_EQ(db.upload(direct), 0);
    EXPECT_TRUE(direct.lastOutcome().cancelledFlag);
    EXPECT_TRUE(messages.texts().empty());
}

}  // namespace
}  // namespace vizud::link
