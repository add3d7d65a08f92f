// The smaller pieces of the shell: start-up picture, about box, file-dialog filters and the profile.
#include <gtest/gtest.h>

#include <QtCore/QElapsedTimer>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QPushButton>

#include "app/about_box.h"
#include "app/check_dialog.h"
#include "app/compare_dialog.h"
#include "app/gui_file_chooser.h"
#include "app/settings_store.h"
#include "app/startup_picture.h"
#include "app/transponder_plan_dialog.h"
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

// Its texts are the dialog's own; what the box decides is which labels show a picture and open their links.
TEST(AboutBox, TwoPicturesAndFourLinks) {
    AboutBox about;
    int pictures = 0, links = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            ++pictures;
        if (label->openExternalLinks())
            ++links;
    }
    EXPECT_EQ(pictures, 2);
    EXPECT_EQ(links, 4);
}

// Repair is the check's default button; additions alone can be applied; the compare buttons sit in the layout.
TEST(ToolDialogs, RepairIsTheDefaultAdditionsAloneApplyAndCompareButtonsAreLaidOut) {
    const CheckDialog check({{FindingKind::Crc, "crc"}});
    EXPECT_TRUE(check.findChild<QPushButton*>("repairButton")->isDefault());
    TransponderPlan plan;
    plan.additions.push_back(st_ts{});
    EXPECT_NE(TransponderPlanDialog(plan).findChild<QPushButton*>("applyButton"), nullptr);
    const CompareDialog compare(FileComparison{});
    EXPECT_GE(compare.layout()->indexOf(compare.findChild<QDialogButtonBox*>()), 0);
}

TEST(FileDialogFilters, PairsBecomeQtFiltersAndStarDotStarListsEverything) {
    EXPECT_EQ(nameFiltersFrom("Channel data (*.si)|*.si|All Files (*.*)|*.*||"),
              (QStringList{"Channel data (*.si)", "All Files (*)"}));
}

// The recent files and a COM number's device read back as stored: fewer files drop the rest, an emptied device
// falls back to the default.
TEST(SettingsStore, RecentFilesAndDevicesReadBackAsStored) {
    test::TempDir dir;
    SettingsStore settings(QString::fromStdString(dir.file("profile.ini")));
    const std::vector<std::string> four = {"/a.si", "/b.si", "/c.si", "/d.si"};
    settings.setRecentFiles(four);
    EXPECT_EQ(settings.recentFiles(), four);
    settings.setRecentFiles({"/e.si"});
    EXPECT_EQ(settings.recentFiles(), std::vector<std::string>{"/e.si"});
    settings.setPortDevice(2, "/dev/ttyUSB0");
    EXPECT_EQ(settings.portDevice(2), "/dev/ttyUSB0");
    settings.setPortDevice(2, "");
    EXPECT_EQ(settings.portDevice(2), "/dev/ttyS1");
}

}  // namespace
}  // namespace vizud
