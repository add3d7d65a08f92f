// The main window's and the settings dialogs' rules, without widgets.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/frame_state.h"
#include "app/port_settings.h"
#include "app/recent_files.h"
#include "tests/support/database_fixture.h"

namespace vizud {
namespace {

TEST(CountsPane, DashesUntilAnImageArrivesThenTvAndRadioCounts) {
    test::DatabaseFixture fx;
    fx.image().programCount = 1200;
    fx.image().tvCount = 800;
    const CountsPane none = countsPane(fx.db, false, false);
    EXPECT_EQ(none.text, "---");
    EXPECT_EQ(none.width, 70);
    EXPECT_EQ(countsPane(fx.db, true, false).text, "TV:800, Radio:400");
    EXPECT_EQ(countsPane(fx.db, false, true).width, 100);
    fx.image().tvCount = 1300;  // a damaged image never gives a negative radio count
    EXPECT_EQ(countsPane(fx.db, false, true).text, "TV:1300, Radio:0");
}

// That a change of the filter refreshes the views once, and no change not at all, the window tests check.
TEST(FilterCommands, SetOnlyTheCategoryBits) {
    BrowseState browse;
    browse.viewMode = kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + 2));
    applyFilterCommand(browse, kCmdShowTv);
    EXPECT_EQ(browse.viewMode, kViewTvOnly | (1u << (kViewFirstFavouriteBit + 2)));
    EXPECT_TRUE(filterCommandChecked(browse, kCmdShowTv));
    EXPECT_FALSE(filterCommandChecked(browse, kCmdShowTvAndRadio));
    applyFilterCommand(browse, kCmdShowRadio);
    EXPECT_EQ(browse.viewMode & 7u, kViewRadioOnly);
    applyFilterCommand(browse, kCmdFileOpen);
    EXPECT_EQ(browse.viewMode & 7u, kViewRadioOnly) << "other commands leave viewMode alone";
}

TEST(SettingsDialogs, ForeignPortValuesGiveCom1And115200TheLowestTickWinsOtherOptionBitsStay) {
    ConfigRecord config{.port = 7, .baudRate = 9600};
    const PortChoice shown = openPortSettings(config);
    EXPECT_EQ(shown.port, 1);
    EXPECT_EQ(shown.baudItem, kBaudItem115200);
    EXPECT_EQ(config.port, 1) << "the port is corrected when the dialog opens, before OK or Cancel";
    EXPECT_EQ(config.baudRate, 9600u) << "the baud rate only on OK";
    acceptPortSettings({false, false, true, false}, shown.baudItem, config);
    EXPECT_EQ(config.baudRate, 115200u);
    EXPECT_EQ(config.port, 3);

    config.baudRate = 57600;
    EXPECT_EQ(openPortSettings(config).baudItem, kBaudItem57600);
    acceptPortSettings({false, true, false, true}, kBaudItem57600, config);
    EXPECT_EQ(config.port, 2);
    EXPECT_EQ(config.baudRate, 57600u);
    acceptPortSettings({false, false, false, false}, kBaudItem115200, config);
    EXPECT_EQ(config.port, 1);
    EXPECT_EQ(defaultPortChoice().port, 1);
    EXPECT_EQ(defaultPortChoice().baudItem, kBaudItem115200);
    EXPECT_EQ(defaultPortDevice(3), "/dev/ttyS2");

    // The options dialog's tick follows bit 0 and keeps the other bits.
    config.options = 0x82;
    EXPECT_FALSE(reopenLastTicked(config));
    acceptOptions(true, config);
    EXPECT_EQ(config.options, 0x83);
    acceptOptions(false, config);
    EXPECT_EQ(config.options, 0x82);
}

TEST(RecentFiles, NewestFirstEachOnceFourAtMost) {
    std::vector<std::string> list;
    for (const char* p : {"a", "b", "c", "d", "e"})
        addRecentFile(list, p);
    EXPECT_EQ(list, (std::vector<std::string>{"e", "d", "c", "b"}));
    addRecentFile(list, "c");
    EXPECT_EQ(list, (std::vector<std::string>{"c", "e", "d", "b"}));
    removeRecentFile(list, "e");
    EXPECT_EQ(list, (std::vector<std::string>{"c", "d", "b"}));
}

}  // namespace
}  // namespace vizud
