// The program list's rows: which programs a fill lists for each selection and category, against the
// per-row filter walk on random images, and the ten texts of a row for the cases that can go wrong.
#include <gtest/gtest.h>

#include <random>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "views/list_rows.h"
#include "views/row_texts.h"

namespace vizud {
namespace {

// The fill as the box's editor made it: every sequence number of the category range asked in turn.
std::vector<ListRow> rowsOneByOne(const ChannelDatabase& db) {
    const all_tables_block& img = db.image();
    const BrowseState& browse = db.state().browse;
    const std::uint32_t mode = browse.viewMode;
    int list = -1;
    int total = programCount(img);
    int tv = std::min<int>(img.tvCount, total);
    if (!(mode & kViewWholeTable)) {
        for (int k = 0; k < kFavouriteLists && list < 0; ++k) {
            if (mode & (1u << (kViewFirstFavouriteBit + k)))
                list = k;
        }
        total = favouriteCount(img.favourites[list]);
        tv = favouriteTvCount(img.favourites[list]);
    }
    int start = 0, count = 0;
    if (mode & kViewTvAndRadio)
        count = total;
    if (mode & kViewTvOnly)
        count = tv;
    if (mode & kViewRadioOnly)
        start = tv, count = total - tv;
    std::vector<ListRow> rows;
    for (int s = start; s < start + count; ++s) {
        if (browse.filterKind != 0 && db.isFilteredOut(s))
            continue;
        rows.push_back({s, list < 0 ? s : img.favourites[list].favEntries[s]});
    }
    return rows;
}

TEST(ListRows, EveryFillListsWhatTheRowByRowWalkLists) {
    std::mt19937 rng(3);
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int round = 0; round < 40; ++round) {
        test::DatabaseFixture fx;
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        const all_tables_block& img = fx.image();
        BrowseState& browse = fx.state->browse;
        for (int step = 0; step < 12; ++step) {
            const std::uint32_t category = 1u << pick(3);
            const int source = pick(10);
            browse.viewMode = category | (source == 9 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + source));
            browse.filterKind = 0;
            if (source == 9) {
                switch (pick(5)) {
                    case 0:
                        if (img.providerCount > 0) {
                            browse.filterKind = kFilterProvider;
                            browse.selectedText = nameText(img.providers[pick(img.providerCount)].name);
                        }
                        break;
                    case 1:
                    case 2:
                        if (img.satCount > 0 && img.tpCount > 0) {
                            const st_ts& tp = img.transponders[pick(img.tpCount)];
                            const int s = fx.db.findSatIndexById(tp.satId);
                            browse.filterKind = pick(2) ? kFilterSatellite : kFilterTransponder;
                            browse.satelliteIndex = pick(2) ? s : -1;
                            browse.parentText = s < 0 ? "" : nameText(img.satellites[s].name);
                            browse.selectedText = browse.filterKind == kFilterSatellite
                                                      ? browse.parentText
                                                      : std::to_string(tp.frequency) + "(H)";
                        }
                        break;
                    case 3:
                        browse.filterKind = kFilterFavs;
                        break;
                    default:
                        break;
                }
            }
            const ListFill fill = fillRows(fx.db);
            const std::vector<ListRow> expected = rowsOneByOne(fx.db);
            ASSERT_EQ(fill.rows.size(), expected.size()) << "round " << round << " step " << step;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                ASSERT_EQ(fill.rows[i].sequence, expected[i].sequence);
                ASSERT_EQ(fill.rows[i].program, expected[i].program);
            }
        }
    }
}

TEST(ListRows, CategoriesNumberRadioAfterTvAndAListNeedsItsBit) {
    test::DatabaseFixture fx;
    test::ImageShape shape;
    shape.programs = 500;
    shape.tv = 300;
    test::makeImage(fx.image(), 5, shape);
    fx.state->browse.viewMode = kViewRadioOnly | kViewWholeTable;
    const ListFill radio = fillRows(fx.db);
    ASSERT_EQ(radio.rows.size(), 200u);
    EXPECT_EQ(radio.rows.front().sequence, 300) << "the first radio row reads 0301";
    fx.state->browse.viewMode = kViewTvAndRadio;
    EXPECT_TRUE(fillRows(fx.db).unknownList);
}

class RowTexts : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.satellite(7, "Astra copy");  // the first satellite of a key names its transponders
        build.transponder(7, 11778, 1, 27500);
        image().transponders[0].fec = 0;
        build.provider("\x05" "ARD");
        build.program(
            "\x05"
            "News",
            0, 0, true);
        build.program("SixteenCharacter", 0, 0, false);
        image().programs[0].programFlags = 0b111;
        build.favourites(1, {0}, {});
        build.favourites(8, {0}, {1});
        formatter.refresh();
    }
    std::string text(int program, int column, int sequence = 0) { return formatter.text({sequence, program}, column); }
    RowFormatter formatter{db};
};

TEST_F(RowTexts, TheTenColumnsOfARow) {
    const char* expected[] = {"0001", "News", "T LSC", "ARD", "Astra", "11778", "27500", "V", "DVBS", " 2      9"};
    for (int column = 0; column < kListColumns; ++column)
        EXPECT_EQ(text(0, column), expected[column]) << kListColumnSpecs[static_cast<std::size_t>(column)].header;
    EXPECT_EQ(text(1, kColumnName, 300), "SixteenCharacter");
    EXPECT_EQ(text(1, kColumnIndex, 300), "0301");
    EXPECT_EQ(text(1, kColumnStatus), "R    ");
    EXPECT_EQ(text(1, kColumnFavourites), "        9");
}

TEST_F(RowTexts, UnknownCodesShowBlanksAndAnUnreadableRecordEndsTheRow) {
    image().transponders[0].polarization = 4;
    image().transponders[0].fec = 9;
    EXPECT_EQ(text(0, kColumnPolarisation), " ");
    EXPECT_EQ(text(0, kColumnSystem), "    ");
    image().transponders[0].fec = 7;
    EXPECT_EQ(text(0, kColumnSystem), "DVBS2");
    image().programs[0].providerIndex = 9;
    EXPECT_EQ(text(0, kColumnName), "News");
    EXPECT_EQ(text(0, kColumnProvider), "");
    EXPECT_EQ(text(0, kColumnFrequency), "") << "the texts after a failed read stay empty";
    EXPECT_EQ(text(5, kColumnName), "") << "a list entry naming no program";
}

}  // namespace
}  // namespace vizud
