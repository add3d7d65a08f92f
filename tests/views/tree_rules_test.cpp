// The tree's rules: node kinds, what a selection shows, renames, transponder nodes and tool tips.
#include <gtest/gtest.h>

#include <tuple>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "views/list_rows.h"
#include "views/tree_rules.h"

namespace vizud {
namespace {

using Texts = std::vector<std::string>;

TEST(TreeRules, NodesAreToldApartByTheirTexts) {
    const struct {
        const char *text, *parent, *grandparent;
        TreeNodeKind kind;
    } cases[] = {
        {"Favs", "", "", TreeNodeKind::Root},
        {"Satellites", "", "", TreeNodeKind::Root},
        {"Fav_3", "Favs", "", TreeNodeKind::FavouriteList},
        {"Providers", "Providers", "", TreeNodeKind::Provider},  // a provider may be named like a root
        {"Astra", "Satellites", "", TreeNodeKind::Satellite},
        {"11778(V)", "Astra", "Satellites", TreeNodeKind::Transponder},
        {"Empty", "Astra", "Satellites", TreeNodeKind::Placeholder},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classifyNode(c.text, c.parent, c.grandparent), c.kind) << c.text;
}

class TreeEdits : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra", 130);
        build.satellite(9, "Astra");  // two satellites of one name
        build.transponder(7, 11778, 1);
        build.transponder(9, 11778, 0);
        build.transponder(9, 11778, 1);  // one frequency, two polarisations
        build.provider("ARD");
        build.program("A", 1, 0, true);
        build.program("B", 2, 0, true);
    }
};

TEST_F(TreeEdits, RenamesStoreFifteenCharactersAndRefuseRootsAndEmptyNames) {
    std::string stored;
    EXPECT_TRUE(renameNode(db, messages, TreeNodeKind::Provider, 0, "A name of twenty chr", stored));
    EXPECT_EQ(stored, "A name of twent");
    EXPECT_EQ(nameText(image().providers[0].name), "A name of twent");
    EXPECT_TRUE(renameNode(db, messages, TreeNodeKind::Satellite, 1, "Hotbird", stored));
    EXPECT_EQ(nameText(image().satellites[1].name), "Hotbird");
    EXPECT_EQ(nameText(image().satellites[0].name), "Astra") << "the node's own satellite, not the first of its name";
    EXPECT_TRUE(renameNode(db, messages, TreeNodeKind::FavouriteList, 8, "Sport", stored));
    EXPECT_EQ(nameText(image().favourites[8].favName), "Sport");

    // The in-place editor takes what a rename keeps, a character-table byte counted in.
    for (const std::string old : {"Astra", "\x05Sky"}) {
        const std::string lead = old.front() == '\x05' ? "\x05" : "";
        const std::string typed = lead + std::string(static_cast<std::size_t>(typedNameLimit(old)), 'n');
        EXPECT_TRUE(renameNode(db, messages, TreeNodeKind::FavouriteList, 1, typed + "x", stored));
        EXPECT_EQ(stored, typed) << "all the editor took is kept, nothing more";
    }

    EXPECT_FALSE(renameNode(db, messages, TreeNodeKind::Root, -1, "Mine", stored));
    EXPECT_FALSE(renameNode(db, messages, TreeNodeKind::Provider, 0, "", stored));
    EXPECT_FALSE(renameNode(db, messages, TreeNodeKind::Transponder, 0, "12000(H)", stored));
    EXPECT_EQ(messages.texts(), (Texts{"You cannot change name of this tree element.",
                                       "A name can not be empty. The old name is kept."}));
}

// After a rebuild a node is found by its text and its namesakes before it; the selection also by its place.
TEST(TreeRules, ANodeIsFoundAgainByItsTextAndNamesakes) {
    const Texts before{"Astra", "Sirius", "Astra", "Thor"};
    const Texts after{"Hotbird", "Astra", "Astra", "Thor"};  // Sirius deleted, Hotbird added before the others
    const struct {
        int index;
        bool orPlace;
        int expected;
    } cases[] = {{0, false, 1}, {2, false, 2}, {3, false, 3}, {1, false, -1}, {1, true, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(findNodeStep(after, nodeStep(before, c.index), c.orPlace), c.expected) << c.index;
}

TEST_F(TreeEdits, ATransponderNodeNamesItsOwnTransponderAndGoesBeforeTheFirstOfItsFrequency) {
    EXPECT_EQ(transponderNodeText(12245, 0), "12245(H)");
    EXPECT_EQ(transponderNodeText(12245, 2), "12245(L)");
    EXPECT_EQ(transponderNodeText(12245, 7), "12245(R)");
    EXPECT_EQ(findNodeTransponder(db, 1, "11778(V)"), 2);
    EXPECT_EQ(findNodeTransponder(db, 1, "11778(H)"), 1);
    EXPECT_EQ(findNodeTransponder(db, 0, "11778(V)"), 0);
    EXPECT_EQ(findNodeTransponder(db, 0, "Empty"), -1);
    const std::vector<std::string> children{"10700(H)", "11720(V)", "12500(H)"};
    EXPECT_EQ(transponderNodePlace(children, 11720), 1);
    EXPECT_EQ(transponderNodePlace(children, 10000), 0);
    EXPECT_EQ(transponderNodePlace(children, 12600), 3);
    EXPECT_EQ(nodeFrequency("Empty"), 0);
    EXPECT_EQ(nodeLetter("11778"), '\0');
    EXPECT_EQ(nodeLetter("11778(V)"), 'V');
    EXPECT_EQ(nodeLetter(std::string_view("11778(V)").substr(0, 6)), '\0');

    // The list of the second satellite's vertical transponder holds that transponder's program only.
    state->browse.viewMode = kViewTvAndRadio | kViewWholeTable;
    selectNode(state->browse, TreeNodeKind::Transponder, "11778(V)", "Astra", 1);
    db.setLoaded(1);
    const ListFill fill = fillRows(db);
    ASSERT_EQ(fill.rows.size(), 1u);
    EXPECT_EQ(fill.rows[0].program, 1);
}

// A selection shows what its node stands for; a list chosen after a provider keeps the provider's texts in the
// browse state, and the heading names the list.
TEST_F(TreeEdits, ASelectionShowsWhatItsNodeStandsForAndTheHeadingNamesIt) {
    BrowseState& browse = state->browse;
    browse.viewMode = kViewTvOnly | (1u << (kViewFirstFavouriteBit + 2));
    selectNode(browse, TreeNodeKind::FavouriteList, "Fav_4", "Favs", 3);
    EXPECT_EQ(browse.viewMode, kViewTvOnly | (1u << (kViewFirstFavouriteBit + 3)));
    EXPECT_EQ(browse.filterKind, 0);

    selectNode(browse, TreeNodeKind::Root, "Providers", "", -1);
    EXPECT_EQ(browse.viewMode, kViewTvOnly | kViewWholeTable) << "the category stays";
    EXPECT_EQ(browse.editMask, 0x0F);
    selectNode(browse, TreeNodeKind::Root, "Favs", "", -1);
    EXPECT_EQ(browse.filterKind, kFilterFavs) << "a root after a root still shows its own programs";
    EXPECT_EQ(browse.editMask, 0x0B);
    selectNode(browse, TreeNodeKind::FavouriteList, "Fav_4", "Favs", 3);
    EXPECT_EQ(browse.editMask, 0x0F) << "a list takes a paste of what was cut or copied elsewhere";

    selectNode(browse, TreeNodeKind::Transponder, "11778(V)", "Astra", 4);
    EXPECT_EQ(browse.filterKind, kFilterTransponder);
    EXPECT_EQ(browse.parentText, "Astra");
    EXPECT_EQ(browse.satelliteIndex, 4);
    selectNode(browse, TreeNodeKind::Provider, "ARD", "Providers", 0);
    EXPECT_EQ(browse.filterKind, kFilterProvider);
    EXPECT_EQ(browse.satelliteIndex, -1);

    test::setName(image().favourites[1].favName, "\5Fav_2");
    const std::tuple<TreeNodeKind, const char*, const char*, int, const char*> selections[] = {
        {TreeNodeKind::Provider, "ARD", "Providers", 0, "ARD"},
        {TreeNodeKind::FavouriteList, "\5Fav_2", "Favs", 1, "Fav_2"},
        {TreeNodeKind::Satellite, "\5Sat 58", "Satellites", 0, "Sat 58"},
        {TreeNodeKind::Root, "Favs", "", -1, "Favs"},
    };
    for (const auto& [kind, text, parent, record, name] : selections) {
        selectNode(browse, kind, text, parent, record);
        EXPECT_EQ(shownViewName(db), name);
    }
}

TEST_F(TreeEdits, ToolTipsOfRootsSatellitesAndTransponders) {
    EXPECT_EQ(rootTip("Providers"), "List of providers.");
    EXPECT_EQ(rootTip("Favs"), "User favourite channels.");
    EXPECT_EQ(satelliteTip(db, 0),
              "Degree: 13,0\xB0 E, Lower LO: 9750, Upper LO: 10600 \nDiSEqC: OFF, 22Khz: Auto, Positioner: No");
    image().transponders[2].fec = 5;
    image().transponders[2].tsId = 1079;
    EXPECT_EQ(transponderTip(db, 2),
              "Freq: 11778, Symb: 27500 MS/s, FEC: 5/6, Pol: Vertical,\nNet ID: 0, Oryginal Net "
              "ID: 0, Transport Stream ID: 1079");
    EXPECT_EQ(transponderTip(db, transponderCount(image())), "");
}

}  // namespace
}  // namespace vizud
