// Saving a channel file under faults: through a symbolic link, onto a full disk (for real on a small
// tmpfs when the tests run as root, and through a write that fails after some bytes), into a read-only,
// vanished or impossible place. Each failure names the file and the reason, and leaves the old file, the
// folder (no temporary file) and the editor's image as they were.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "database/atomic_file.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

std::size_t g_writeBudget = 0;  // bytes the failing write lets through

ssize_t writeUntilFull(int fd, const void* data, std::size_t length) {
    if (g_writeBudget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t n = ::write(fd, data, std::min(length, g_writeBudget));
    if (n > 0)
        g_writeBudget -= static_cast<std::size_t>(n);
    return n;
}

std::string g_folderInPlace;  // made while the file is written, so that the rename fails

ssize_t writeAndPutFolderInPlace(int fd, const void* data, std::size_t length) {
    std::filesystem::create_directory(g_folderInPlace);
    return ::write(fd, data, length);
}

class FileSave : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override { test::makeImage(image(), 3, test::ImageShape{}); }
    void TearDown() override { setAtomicWriteCallForTests(nullptr); }

    // The folder's entries: a failed save leaves no temporary file behind.
    using Names = std::vector<std::string>;
    Names entries(const std::string& folder) const {
        Names names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A failed save: the reason names `file` and holds `reason`; old file, folder and image as they were.
    void expectRefused(const std::string& path, const std::string& file, const std::string& reason) {
        const auto before = std::make_unique<all_tables_block>(image());
        const std::string folder = std::filesystem::path(file).parent_path().string();
        const auto listing = [&] { return std::filesystem::is_directory(folder) ? entries(folder) : Names{}; };
        std::error_code loop;  // a link to itself has no status
        const auto content = [&] { return std::filesystem::is_regular_file(file, loop) ? test::readFile(file) : ""; };
        const Names entriesBefore = listing();
        const std::string old = content();
        std::string why;
        EXPECT_EQ(db.save(path, &why), -1) << path;
        EXPECT_EQ(why.rfind(file + ": ", 0), 0u) << why;
        EXPECT_NE(why.find(reason), std::string::npos) << why;
        EXPECT_TRUE(messages.shown.empty()) << "save reports failures by its result only";
        EXPECT_EQ(std::memcmp(before.get(), &image(), kImageSize), 0) << "the image keeps its CRC";
        EXPECT_EQ(listing(), entriesBefore) << why;
        EXPECT_EQ(content(), old);
    }
    test::TempDir dir;
};

TEST_F(FileSave, ALinkStaysALinkAndItsTargetGetsTheContent) {
    std::filesystem::create_directory(dir.file("lists"));
    const std::string target = dir.file("lists/astra.si");
    test::writeFile(target, "old", 3);
    std::filesystem::create_symlink("lists/astra.si", dir.file("current.si"));  // relative, as users make them
    ASSERT_EQ(db.save(dir.file("current.si")), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("current.si")));
    EXPECT_EQ(test::readFile(target).size(), kImageSize);
    EXPECT_EQ(entries(dir.file("lists")), Names{"astra.si"});
    std::filesystem::create_symlink("loop.si", dir.file("loop.si"));
    expectRefused(dir.file("loop.si"), dir.file("loop.si"), "");
}

TEST_F(FileSave, AFullDiskAVanishedFolderAndAFolderInPlaceAreRefusedWithTheirReason) {
    const std::string file = dir.file("keep.si");
    test::writeFile(file, "old", 3);
    setAtomicWriteCallForTests(writeUntilFull);
    for (const std::size_t budget : {std::size_t{0}, std::size_t{4096}, kImageSize - 1}) {
        g_writeBudget = budget;
        expectRefused(file, file, "No space left on device");
    }
    setAtomicWriteCallForTests(nullptr);
    if (::geteuid() != 0) {  // root writes into read-only folders; it gets a read-only file system below
        ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
        expectRefused(file, file, "Permission denied");
        ::chmod(dir.path().c_str(), 0700);
    }
    expectRefused(dir.file("gone/x.si"), dir.file("gone/x.si"), "the folder " + dir.file("gone") + " does not exist");
    std::filesystem::create_directory(dir.file("folder.si"));
    expectRefused(dir.file("folder.si"), dir.file("folder.si"), "is a folder, not a file");
    std::filesystem::create_symlink("folder.si", dir.file("link.si"));
    expectRefused(dir.file("link.si"), dir.file("folder.si"), "is a folder, not a file");
    g_folderInPlace = dir.file("late.si");
    setAtomicWriteCallForTests(writeAndPutFolderInPlace);
    std::string why;
    EXPECT_EQ(db.save(g_folderInPlace, &why), -1);
    EXPECT_EQ(why, g_folderInPlace + ": " + std::strerror(EISDIR));
}

// Root writes into read-only folders and needs a real file system for a full disk: a small tmpfs.
TEST_F(FileSave, ARealFullDiskAndAReadOnlyFileSystem) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const std::string mountPoint = dir.file("small");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=600k") != 0)
        GTEST_SKIP() << "no tmpfs here: " << std::strerror(errno);
    const std::unique_ptr<const char, void (*)(const char*)> unmount(mountPoint.c_str(),
                                                                     [](const char* at) { ::umount(at); });
    const std::string file = mountPoint + "/keep.si";
    test::writeFile(file, "old", 3);
    expectRefused(file, file, "No space left on device");
    ASSERT_EQ(::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=600k"), 0);
    expectRefused(file, file, "Read-only file system");
}

}  // namespace
}  // namespace vizud
