// The program list's rows: which programs a fill lists for each selection and category, against the
// per-row filter walk on random images, and the ten texts of a row for the cases that can go wrong.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "database/image_access.h"
#include "tests/support/image_factory.h"
#include "tests/views/random_views.h"
#include "views/elide_text.h"
#include "views/list_rows.h"
#include "views/row_texts.h"

namespace vizud {
namespace {

// The fill as the box's editor made it: every sequence number of the list shown asked in turn, kept when
// its category is shown and the tree's filter lets it through.
std::vector<ListRow> rowsOneByOne(const ChannelDatabase& db) {
    const all_tables_block& img = db.image();
    const std::uint32_t mode = db.state().browse.viewMode;
    int list = mode & kViewWholeTable ? -1 : 0;
    while (list >= 0 && !(mode & (1u << (kViewFirstFavouriteBit + list))))
        ++list;
    const int total = list < 0 ? programCount(img) : favouriteCount(img.favourites[list]);
    const int tv = list < 0 ? std::min<int>(img.tvCount, total) : favouriteTvCount(img.favourites[list]);
    std::vector<ListRow> rows;
    for (int s = 0; s < total; ++s) {
        const bool category = (mode & kViewTvAndRadio) || (mode & (s < tv ? kViewTvOnly : kViewRadioOnly));
        if (category && (db.state().browse.filterKind == 0 || !db.isFilteredOut(s)))
            rows.push_back({s, list < 0 ? s : img.favourites[list].favEntries[s]});
    }
    return rows;
}

TEST(ListRows, EveryFillListsWhatTheRowByRowWalkLists) {
    std::mt19937 rng(3);
    for (int round = 0; round < 40; ++round) {
        test::DatabaseFixture fx;
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        fx.state->browse.viewMode = kViewTvAndRadio;
        EXPECT_TRUE(fillRows(fx.db).unknownList) << "a list needs its bit";
        for (int step = 0; step < 12; ++step) {
            test::randomView(rng, fx);
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

class RowTexts : public ::testing::Test, public test::DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.satellite(7, "Astra copy");  // the first satellite of a key names its transponders
        build.transponder(7, 11778, 1, 27500);
        image().transponders[0].fec = 0;
        build.provider("\5ARD");
        build.program("\5News", 0, 0, true);
        build.program("SixteenCharacter", 0, 0, false);
        image().programs[0].programFlags = 0b111;
        build.favourites(1, {0}, {});
        build.favourites(8, {0}, {1});
        formatter.refresh();
    }
    std::string text(int program, int column, int sequence = 0) { return formatter.text({sequence, program}, column); }
    RowFormatter formatter{db};
};

TEST_F(RowTexts, TheTenColumnsOfARowAndWhatAnUnknownCodeOrUnreadableRecordShows) {
    const char* expected[][kListColumns] = {
        {"0001", "News", "T LSC", "ARD", "Astra", "11778", "27500", "V", "DVBS", " 2      9"},
        {"0301", "SixteenCharacter", "R    ", "ARD", "Astra", "11778", "27500", "V", "DVBS", "        9"}};
    for (int program = 0; program < 2; ++program) {
        for (int column = 0; column < kListColumns; ++column)
            EXPECT_EQ(text(program, column, program * 300), expected[program][column]) << program << " " << column;
    }

    image().satellites[1].satId = image().transponders[0].satId = 255;  // the highest key names its transponders too
    formatter.refresh();
    EXPECT_EQ(text(0, kColumnSatellite), "Astra copy");

    // Unknown codes show blanks; an unreadable record ends the row.
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
    EXPECT_EQ(text(2, kColumnStatus), "") << "a list entry naming no program";
}

// The printed columns: the box's proportions over the page, but never narrower than a header.
TEST(ListColumns, TheBoxsWidthsShareThePageAndNoColumnIsNarrowerThanItsHeader) {
    std::array<int, kListColumns> none{}, headers{}, tooWide{};
    headers[kColumnSymbolRate] = 90;
    headers[kColumnPolarisation] = 100;
    tooWide.fill(100);
    const std::array<int, kListColumns> box = fitColumnWidths(none, 845);
    EXPECT_EQ(box[kColumnName], 130);
    EXPECT_EQ(std::accumulate(box.begin(), box.end(), 0), 845) << "845 is the sum of the box's widths";
    for (const int total : {845, 1690}) {
        const std::array<int, kListColumns> widths = fitColumnWidths(headers, total);
        int sum = 0;
        for (int c = 0; c < kListColumns; ++c) {
            EXPECT_GE(widths[static_cast<std::size_t>(c)], headers[static_cast<std::size_t>(c)]) << c;
            sum += widths[static_cast<std::size_t>(c)];
        }
        EXPECT_GT(sum, total - kListColumns) << "the room left is shared out";
        EXPECT_LE(sum, total);
    }
    EXPECT_EQ(fitColumnWidths(tooWide, 845), tooWide);
}

// A cut cell keeps the longest start that fits with "..." (at least one character), whatever the widths
// of the characters: the same as dropping characters one by one from the end.
struct Cell {
    std::string s;
    std::size_t size() const { return s.size(); }
    Cell left(std::size_t n) const { return {s.substr(0, n)}; }
    Cell operator+(const Cell& other) const { return {s + other.s}; }
};
TEST(CellText, CutToTheLongestStartThatFits) {
    std::mt19937 random(7);
    const auto widthOf = [](const Cell& text) {
        int width = 0;
        for (const char c : text.s)
            width += 3 + (c & 7);
        return width;
    };
    for (int round = 0; round < 2000; ++round) {
        Cell text;
        for (int n = static_cast<int>(random() % 24); n > 0; --n)
            text.s += static_cast<char>('a' + random() % 26);
        const int available = static_cast<int>(random() % 120);
        const Cell dots{"..."};
        std::size_t keep = text.size() - (text.size() > 0);
        while (keep > 1 && widthOf(text.left(keep)) + widthOf(dots) > available)
            --keep;
        const std::string expected =
            widthOf(text) <= available || text.size() <= 1 ? text.s : text.s.substr(0, keep) + "...";
        EXPECT_EQ(elideWithDots(text, available, dots, widthOf).s, expected) << text.s << " in " << available;
    }
}

}  // namespace
}  // namespace vizud
