// The smaller pieces of the shell: start-up picture, about box, file-dialog filters and the profile.
#include <gtest/gtest.h>

#include <QtCore/QElapsedTimer>
#include <QtWidgets/QLabel>

#include "app/about_box.h"
#include "app/gui_file_chooser.h"
#include "app/settings_store.h"
#include "app/startup_picture.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

TEST(StartupPicture, Shows640By480AndClosesItselfAfter1700Ms) {
    StartupPicture picture;
    const auto* label = picture.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->pixmap().size(), QSize(640, 480));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(picture.exec(), QDialog::Accepted);
    EXPECT_GE(clock.elapsed(), 1650);
}

TEST(AboutBox, TextsPicturesAndLinks) {
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "Dodavev Uzavor for HD");
    QStringList texts;
    int pictures = 0;
    int links = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        if (!label->pixmap().isNull())
            ++pictures;
        if (label->openExternalLinks())
            ++links;
    }
    EXPECT_TRUE(texts.contains("Dodavev Uzavor Version 03.11"));
    EXPECT_TRUE(texts.contains("Channel Data and Tools"));
    EXPECT_EQ(pictures, 2);
    EXPECT_EQ(links, 4);
}

TEST(FileDialogFilters, PairsBecomeQtFiltersAndStarDotStarListsEverything) {
    EXPECT_EQ(nameFiltersFrom("Channel data (*.si)|*.si|All Files (*.*)|*.*||"),
              (QStringList{"Channel data (*.si)", "All Files (*)"}));
}

TEST(SettingsStore, RecentFilesSoftwareFileAndDevicesOutliveTheRun) {
    test::TempDir dir;
    const QString ini = QString::fromStdString(dir.file("profile.ini"));
    {
        SettingsStore settings(ini);
        EXPECT_EQ(settings.portDevice(2), "/dev/ttyS1");
        settings.setRecentFiles({"/a.si", "/b.si"});
        settings.writeString("Binary_File_Section", "Item_1", "/boxes/x.dlp");
        settings.setPortDevice(2, "/dev/ttyUSB0");
        settings.sync();
    }
    SettingsStore again(ini);
    EXPECT_EQ(again.recentFiles(), (std::vector<std::string>{"/a.si", "/b.si"}));
    EXPECT_EQ(again.readString("Binary_File_Section", "Item_1"), "/boxes/x.dlp");
    EXPECT_EQ(again.portDevice(2), "/dev/ttyUSB0");
    again.setPortDevice(2, "");
    EXPECT_EQ(again.portDevice(2), "/dev/ttyS1") << "an emptied device falls back to the default";
}

}  // namespace
}  // namespace vizud
