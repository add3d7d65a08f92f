// The tree pane's nodes and the list filter that a selected node drives. (The list's one-pass filter is
// compared with isFilteredOut in the random edit sequences.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/recording_tree.h"

namespace vizud {
namespace {

using Labels = std::vector<std::string>;

// The labels of `parent`'s children, in order.
Labels labels(test::RecordingTree& tree, TreeBuilder::Node parent) {
    Labels out;
    for (const TreeBuilder::Node n : tree.children(parent))
        out.push_back(tree.text(n));
    return out;
}

class FilterAndTree : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        for (const char* name : {"Astra", "Hotbird", "Empty Sat"})
            build.satellite(3 + image().satCount, name);
        const int transponders[][3] = {{3, 11778, 1}, {3, 12245, 0}, {4, 11778, 1}, {4, 11000, 2}, {3, 12500, 7}};
        for (const auto& [sat, frequency, polarization] : transponders)
            build.transponder(sat, frequency, polarization);
        build.provider("ARD");
        build.provider("RAI");
        build.program("A", 0, 0, true);  // Astra 11778V
        build.program("B", 1, 0, true);  // Astra 12245H
        build.program("C", 2, 1, true);  // Hotbird 11778V
        build.program("D", 3, 1, false);
        build.favourites(2, {1}, {3});
    }
};

TEST_F(FilterAndTree, EachNodeKindFiltersTheListAndTheSatelliteBitDecidesFirst) {
    const struct {
        std::uint8_t kind;
        const char* text;
        const char* parent;
        std::vector<int> shown;
    } cases[] = {
        {0, "anything", "", {0, 1, 2, 3}},
        {kFilterSatellite, "Hotbird", "", {2, 3}},
        {kFilterSatellite, "Nowhere", "", {}},
        {kFilterTransponder, "11778(V)", "Astra", {0}},  // the same frequency on another satellite is hidden
        {kFilterTransponder, "11778(H)", "Astra", {}},   // and so is another polarisation
        {kFilterTransponder, "11778(V)", "Nowhere", {}},
        {kFilterProvider, "RAI", "", {2, 3}},
        {kFilterFavs, "Favs", "", {1, 3}},
        {kFilterSatellite | kFilterProvider | kFilterFavs, "Astra", "", {0, 1}},
        {kFilterTransponder | kFilterProvider, "12245(H)", "Astra", {1}},
    };
    for (const auto& c : cases) {
        state->browse.filterKind = c.kind;
        state->browse.selectedText = c.text;
        state->browse.parentText = c.parent;
        std::vector<int> shown;
        for (int p = 0; p < image().programCount; ++p) {
            if (!db.isFilteredOut(p))
                shown.push_back(p);
        }
        EXPECT_EQ(shown, c.shown) << int(c.kind) << " " << c.text;
    }
}

TEST_F(FilterAndTree, FillTreeBuildsEveryRootAndAppendsTheNewestProviderOnce) {
    for (int l = 0; l < kFavouriteLists; ++l)
        test::setName(image().favourites[l].favName, "Fav_" + std::to_string(l + 1));
    test::RecordingTree tree;
    EXPECT_EQ(db.fillTree(tree), 0);
    EXPECT_EQ(labels(tree, 1),
              (Labels{"Fav_1", "Fav_2", "Fav_3", "Fav_4", "Fav_5", "Fav_6", "Fav_7", "Fav_8", "Fav_9"}));
    EXPECT_EQ(labels(tree, 2), (Labels{"ARD", "RAI"}));
    EXPECT_EQ(labels(tree, 3), (Labels{"Astra", "Hotbird", "Empty Sat"}));
    const auto sats = tree.children(3);
    EXPECT_EQ(labels(tree, sats[0]), (Labels{"11778(V)", "12245(H)", "12500(R)"}));
    EXPECT_EQ(labels(tree, sats[1]), (Labels{"11778(V)", "11000(L)"}));
    EXPECT_EQ(labels(tree, sats[2]), Labels{"Empty"});
    // The newest provider is appended once.
    db.appendNewestProviderNode(tree);
    EXPECT_EQ(labels(tree, 2), (Labels{"ARD", "RAI"}));
    build.provider("Sky");
    db.appendNewestProviderNode(tree);
    db.appendNewestProviderNode(tree);
    EXPECT_EQ(labels(tree, 2), (Labels{"ARD", "RAI", "Sky"}));
    test::RecordingTree empty;
    db.appendNewestProviderNode(empty);
    EXPECT_EQ(labels(empty, 2), Labels{"Sky"});
}

// Key 0 is a satellite's like any other; a transponder record behind the table is no node.
TEST_F(FilterAndTree, ASatelliteKeyedZeroShowsItsProgramsAndRecordsBehindTheTableAreNoNodes) {
    build.transponder(5, 10000);
    --image().tpCount;
    for (st_ts* tp : {&image().transponders[0], &image().transponders[1], &image().transponders[4]})
        tp->satId = 0;
    image().satellites[0].satId = 0;
    state->browse.filterKind = kFilterSatellite;
    state->browse.selectedText = "Astra";
    EXPECT_EQ(db.isFilteredOut(0), 0);
    test::RecordingTree tree;
    db.fillTree(tree);
    EXPECT_EQ(labels(tree, tree.children(3)[2]), Labels{"Empty"});
}

}  // namespace
}  // namespace vizud
