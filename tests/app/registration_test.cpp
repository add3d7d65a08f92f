// The freedesktop file-type registration and the serial devices offered for a COM number.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/file_type_registration.h"
#include "app/serial_device_list.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

TEST(DesktopExec, BlanksQuoteThePathAndReservedCharactersAreEscaped) {
    EXPECT_EQ(desktopExecArgument("/usr/bin/vizud"), "/usr/bin/vizud");
    EXPECT_EQ(desktopExecArgument("/home/anna/my tools/vizud"), "\"/home/anna/my tools/vizud\"");
    // A backslash is escaped for the quoting (\\) and again for the string value (\\\\).
    EXPECT_EQ(desktopExecArgument("/opt/a\\b"), "\"/opt/a\\\\\\\\b\"");
    EXPECT_EQ(desktopExecArgument("/opt/$x\"y`"), "\"/opt/\\\\$x\\\\\"y\\\\`\"");
    EXPECT_EQ(desktopExecArgument("/opt/100%/vizud"), "/opt/100%%/vizud");
}

TEST(Registration, WritesMimePackageAndDesktopEntryOnceAndSkipsAnUnwritableHome) {
    test::TempDir dir;
    ASSERT_TRUE(writeFileTypeRegistration(dir.path(), "/home/anna/my tools/vizud", "PNG"));
    // Their texts are pinned by the installed files below, the Exec quoting by DesktopExec.
    EXPECT_EQ(test::readFile(dir.file("applications/vizud.desktop")), desktopEntryText("/home/anna/my tools/vizud"));
    EXPECT_EQ(test::readFile(dir.file("mime/packages/vizud.xml")), mimePackageXml());
    EXPECT_EQ(test::readFile(dir.file("icons/hicolor/48x48/apps/vizud.png")), "PNG");
    EXPECT_FALSE(writeFileTypeRegistration(dir.path(), "/home/anna/my tools/vizud", "PNG"))
        << "a second start with the same program changes nothing";
    EXPECT_TRUE(writeFileTypeRegistration(dir.path(), "/usr/bin/vizud", "PNG"));
    // A home that cannot be written is silently skipped.
    const std::string blocked = dir.file("blocked");
    test::writeFile(blocked, "x", 1);  // a file where the folder would have to be
    EXPECT_FALSE(writeFileTypeRegistration(blocked, "/usr/bin/vizud", ""));
    EXPECT_FALSE(writeFileTypeRegistration("", "/usr/bin/vizud", ""));
    // The files cmake --install puts in place say the same.
    const std::string source = VIZUD_SOURCE_DIR;
    EXPECT_EQ(test::readFile(source + "/resources/xdg/vizud.xml"), mimePackageXml());
    EXPECT_EQ(test::readFile(source + "/resources/xdg/vizud.desktop"), desktopEntryText("vizud"));
}

TEST(Registration, ARelativeXdgDataHomeIsIgnored) {
    const char* set = std::getenv("XDG_DATA_HOME");
    const std::string saved = set != nullptr ? set : "";
    setenv("XDG_DATA_HOME", "data", 1);
    EXPECT_NE(userDataHome(), "data");
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(userDataHome(), "/srv/data");
    set != nullptr ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

// The caches are brought up to date by the programs PATH finds, waited for and silenced; a file of that name
// that cannot be run is skipped.
TEST(Registration, TheCacheUpdatesRunFromThePathSilentlyAndAreWaitedFor) {
    test::TempDir dir;
    // It writes late, so that a run not waited for leaves no file yet, and says where its output went.
    const std::string script =
        "#!/bin/sh\n"
        "PATH=/usr/bin:/bin\n"
        "sleep 0.2\n"
        "out=$(readlink /proc/$$/fd/1 /proc/$$/fd/2)\n"
        "echo \"$out\" >\"$1\"\n";
    for (const char* name : {"update-mime-database", "update-desktop-database"})
        test::writeFile(dir.file(name), script.data(), script.size());
    chmod(dir.file("update-mime-database").c_str(), 0755);
    const std::string path = std::getenv("PATH");
    setenv("PATH", dir.path().c_str(), 1);
    // The editor's own output may already go to /dev/null (a test runner's): send it to a file meanwhile.
    const int saved[] = {dup(1), dup(2)};
    const int log = open(dir.file("log").c_str(), O_WRONLY | O_CREAT, 0644);
    for (const int fd : {1, 2})
        dup2(log, fd);
    close(log);
    runRegistrationUpdates(dir.path());
    for (const int fd : {1, 2}) {
        dup2(saved[fd - 1], fd);
        close(saved[fd - 1]);
    }
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(test::readFile(dir.file("mime")), "/dev/null\n/dev/null\n");
    EXPECT_FALSE(test::fileExists(dir.file("applications")));
}

TEST(SerialDevices, ByIdFirstThenUsbAcmAndBuiltInInNaturalOrder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.file("serial/by-id"));
    for (const char* name : {"ttyS10", "ttyS2", "ttyACM0", "ttyUSB1", "ttyUSB0", "tty0", "null"})
        test::writeFile(dir.file(name), "", 0);
    test::writeFile(dir.file("serial/by-id/usb-FTDI_FT232R-if00-port0"), "", 0);
    std::vector<std::string> expected;
    for (const char* name :
         {"serial/by-id/usb-FTDI_FT232R-if00-port0", "ttyUSB0", "ttyUSB1", "ttyACM0", "ttyS2", "ttyS10"})
        expected.push_back(dir.file(name));
    EXPECT_EQ(listSerialDevices(dir.path()), expected);
    EXPECT_TRUE(listSerialDevices(dir.file("missing")).empty());
}

}  // namespace
}  // namespace vizud
