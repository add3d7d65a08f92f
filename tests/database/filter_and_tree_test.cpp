#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

// A tree over plain vectors: node 1..3 are the roots, children are numbered as they are appended.
class VectorTree : public TreeBuilder {
public:
    Node root(Root which) override { return static_cast<Node>(which) + 1; }
    Node appendChild(Node parent, const std::string& text) override {
        texts.push_back(text);
        const Node node = texts.size() + 3;
        children[parent].push_back(node);
        return node;
    }
    Node lastChild(Node parent) override {
        const auto it = children.find(parent);
        return it == children.end() || it->second.empty() ? kNoNode : it->second.back();
    }
    std::string text(Node node) override { return texts.at(node - 4); }

    std::vector<std::string> labels(Node parent) {
        std::vector<std::string> out;
        for (const Node n : children[parent]) out.push_back(text(n));
        return out;
    }

    std::vector<std::string> texts;
    std::map<Node, std::vector<Node>> children;
};

class FilterAndTree : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(3, "Astra");
        build.satellite(4, "Hotbird");
        build.satellite(5, "Empty Sat");
        build.transponder(3, 11778, 1);
        build.transponder(3, 12245, 0);
        build.transponder(4, 11778, 1);
        build.transponder(4, 11000, 2);
        build.transponder(3, 12500, 7);
        build.provider("ARD");
        build.provider("RAI");
        build.program("A", 0, 0, true);  // Astra 11778V
        build.program("B", 1, 0, true);  // Astra 12245H
        build.program("C", 2, 1, true);  // Hotbird 11778V
        build.program("D", 3, 1, false);
        build.favourites(2, {1}, {3});
    }

    std::vector<int> shown() {
        std::vector<int> out;
        for (int p = 0; p < image().programCount; ++p) {
            if (!db.isFilteredOut(p)) out.push_back(p);
        }
        return out;
    }

    void select(std::uint8_t kind, const std::string& text, const std::string& parent = "") {
        state->browse.filterKind = kind;
        state->browse.selectedText = text;
        state->browse.parentText = parent;
    }
};

TEST_F(FilterAndTree, EachNodeKindFiltersTheList) {
    select(0, "anything");
    EXPECT_EQ(shown(), (std::vector<int>{0, 1, 2, 3}));
    select(kFilterSatellite, "Hotbird");
    EXPECT_EQ(shown(), (std::vector<int>{2, 3}));
    select(kFilterSatellite, "Nowhere");
    EXPECT_EQ(shown(), std::vector<int>{});
    select(kFilterTransponder, "11778(V)", "Astra");
    EXPECT_EQ(shown(), std::vector<int>{0}) << "same frequency on another satellite is hidden";
    select(kFilterTransponder, "11778(V)", "Nowhere");
    EXPECT_EQ(shown(), std::vector<int>{});
    select(kFilterProvider, "RAI");
    EXPECT_EQ(shown(), (std::vector<int>{2, 3}));
    select(kFilterFavs, "Favs");
    EXPECT_EQ(shown(), (std::vector<int>{1, 3}));
}

TEST_F(FilterAndTree, SatelliteBitDecidesBeforeTheOthers) {
    select(kFilterSatellite | kFilterProvider | kFilterFavs, "Astra");
    EXPECT_EQ(shown(), (std::vector<int>{0, 1}));
    select(kFilterTransponder | kFilterProvider, "12245(H)", "Astra");
    EXPECT_EQ(shown(), std::vector<int>{1});
}

TEST_F(FilterAndTree, FillTreeBuildsListsProvidersSatellitesAndTransponders) {
    for (int l = 0; l < kFavouriteLists; ++l) {
        test::setName(image().favourites[l].favName, "Fav_" + std::to_string(l + 1));
    }
    VectorTree tree;
    EXPECT_EQ(db.fillTree(tree), 0);
    EXPECT_EQ(tree.labels(1), (std::vector<std::string>{"Fav_1", "Fav_2", "Fav_3", "Fav_4", "Fav_5", "Fav_6",
                                                        "Fav_7", "Fav_8", "Fav_9"}));
    EXPECT_EQ(tree.labels(2), (std::vector<std::string>{"ARD", "RAI"}));
    EXPECT_EQ(tree.labels(3), (std::vector<std::string>{"Astra", "Hotbird", "Empty Sat"}));
    const auto sats = tree.children[3];
    EXPECT_EQ(tree.labels(sats[0]), (std::vector<std::string>{"11778(V)", "12245(H)", "12500(R)"}));
    EXPECT_EQ(tree.labels(sats[1]), (std::vector<std::string>{"11778(V)", "11000(L)"}));
    EXPECT_EQ(tree.labels(sats[2]), std::vector<std::string>{"Empty"});
}

TEST_F(FilterAndTree, NewestProviderIsAppendedOnlyOnce) {
    VectorTree tree;
    db.fillTree(tree);
    db.appendNewestProviderNode(tree);
    EXPECT_EQ(tree.labels(2), (std::vector<std::string>{"ARD", "RAI"}));
    build.provider("Sky");
    db.appendNewestProviderNode(tree);
    db.appendNewestProviderNode(tree);
    EXPECT_EQ(tree.labels(2), (std::vector<std::string>{"ARD", "RAI", "Sky"}));

    VectorTree empty;
    db.appendNewestProviderNode(empty);
    EXPECT_EQ(empty.labels(2), std::vector<std::string>{"Sky"});
}

}  // namespace
}  // namespace vizud

namespace vizud {
namespace {

TEST(FilterPass, ShownProgramsAgreesWithIsFilteredOutOnRandomImages) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        test::DatabaseFixture f;
        std::mt19937 rng(seed);
        test::makeImage(f.image(), seed, test::randomShape(rng));
        all_tables_block& img = f.image();
        BrowseState& browse = f.state->browse;
        const std::uint8_t kinds[] = {0, kFilterProvider, kFilterSatellite, kFilterTransponder, kFilterFavs, 0x0F};
        for (const std::uint8_t kind : kinds) {
            browse.filterKind = kind;
            const int sat = img.satCount ? static_cast<int>(rng() % img.satCount) : 0;
            browse.selectedText = std::string(img.satellites[sat].name, strnlen(img.satellites[sat].name, 16));
            browse.parentText = browse.selectedText;
            if (kind == kFilterProvider && img.providerCount) {
                browse.selectedText = std::string(img.providers[0].name, strnlen(img.providers[0].name, 16));
            }
            if (kind == kFilterTransponder && img.tpCount) {
                browse.selectedText = std::to_string(img.transponders[rng() % img.tpCount].frequency) + "(H)";
            }
            std::vector<int> expected;
            for (int p = 0; p < img.programCount; ++p) {
                if (!f.db.isFilteredOut(p)) expected.push_back(p);
            }
            EXPECT_EQ(f.db.shownPrograms(), expected) << "seed " << seed << " kind " << int(kind);
        }
    }
}

}  // namespace
}  // namespace vizud
