// The vizud program as a user starts it: the screenshot mode on a full database, a file that cannot be
// opened, and the file-type registration it writes for the user.
#include <gtest/gtest.h>

#include <QtGui/QImage>

#include <cstdlib>

#include "tests/support/image_factory.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

TEST(EditorProgram, ScreenshotOfAFullDatabaseAndAFileThatCannotBeOpened) {
    test::TempDir dir;
    setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto image = test::makeImage(7, test::fullShape());
    test::writeFile(dir.file("full.si"), image.get(), kImageSize);
    const auto result =
        test::runProcess({VIZUD_EDITOR, "--screenshot", dir.file("shot.png"), dir.file("full.si")}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage shot(QString::fromStdString(dir.file("shot.png")));
    ASSERT_FALSE(shot.isNull());
    EXPECT_GT(shot.width(), 600);
    EXPECT_FALSE(test::fileExists(dir.file("veravaravo.cfg"))) << "a screenshot leaves the folder alone";
    EXPECT_FALSE(test::fileExists(dir.file("programs.nfo")));

    const std::string desktop = test::readFile(dir.file("data/applications/vizud.desktop"));
    EXPECT_NE(desktop.find(std::string("Exec=") + VIZUD_EDITOR + " %f"), std::string::npos) << desktop;
    EXPECT_TRUE(test::fileExists(dir.file("data/mime/packages/vizud.xml")));

    // A file that cannot be opened ends the start.
    const auto missing =
        test::runProcess({VIZUD_EDITOR, "--screenshot", dir.file("none.png"), dir.file("missing.si")}, dir.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Open1"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("Error: Open failed"), std::string::npos);
    EXPECT_FALSE(test::fileExists(dir.file("none.png")));
}

}  // namespace
}  // namespace vizud
