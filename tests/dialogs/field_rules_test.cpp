// The field rules of the edit dialogs that the dialog tests do not reach in full: number reading, names,
// degrees and the Latin-1 edge; then the table of predefined satellites.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/predefined_satellites.h"

namespace vizud {
namespace {

TEST(FieldRules, DecimalReadingStopsAtTheFirstOtherCharacterAndNeverWraps) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"17", 17},
        {"  -5", -5},
        {"+8190", 8190},
        {"12abc", 12},
        {"0x10", 0},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {"- 5", std::nullopt},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"4294967313", std::nullopt},  // 2^32 + 17 must not read as 17
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseDecimal(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FieldRules, NameKeepsItsCharacterTableByteAsideAndIsCutTo15Or14) {
    const ShownName news = showName("\x05News");
    EXPECT_EQ(news.text, "News");
    EXPECT_EQ(news.leadByte, 5);
    EXPECT_EQ(storedName(news.text, news.leadByte), "\x05News");
    EXPECT_EQ(showName("ARD").leadByte, 0);
    EXPECT_EQ(showName(std::string("\x20Space", 6)).text, " Space") << "32 is a character, not a table byte";

    const std::string twenty = "ABCDEFGHIJKLMNOPQRST";
    EXPECT_EQ(storedName(twenty, 0), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(storedName(twenty, 0x1F),
              "\x1F"
              "ABCDEFGHIJKLMN");
}

TEST(FieldRules, DegreesShowWithACommaAndReadBackAsWholeTenths) {
    EXPECT_EQ(degreeText(192), "19,2");
    EXPECT_EQ(degreeText(5), "0,5");
    EXPECT_EQ(degreeText(0), "0,0");
    EXPECT_EQ(degreeText(10), "1,0");
    const struct {
        const char* text;
        std::optional<int> tenths;
    } cases[] = {
        {"19,2", 192},
        {"19.2", 192},
        {"-5", 50},
        {"0,5", 5},
        {"190", 1900},
        {" 7,09", 70},
        {",5", 5},
        {"13,", 130},
        {"6553,5", 65535},
        {"6553,6", std::nullopt},
        {"1e9", 10},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {",", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(degreeTenths(c.text), c.tenths) << '"' << c.text << '"';
    }
    for (int tenths = 0; tenths <= 65535; tenths += 7) {
        ASSERT_EQ(degreeTenths(degreeText(tenths)), tenths);
    }
}

TEST(Latin1Text, EveryByteSurvivesTheWayToUnicodeAndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    EXPECT_EQ(latin1ToUtf8("M\xFCnchen"), "M\xC3\xBCnchen");
}

TEST(Latin1Text, ACharacterBeyondLatin1IsNamedAndRefused) {
    std::string offending;
    EXPECT_EQ(utf8ToLatin1("Pro\xE2\x82\xAC 7", &offending), std::nullopt);  // the euro sign
    EXPECT_EQ(offending, "\xE2\x82\xAC");
    EXPECT_EQ(utf8ToLatin1("\xD0\x96", &offending), std::nullopt);  // Cyrillic Zhe
    EXPECT_EQ(offending, "\xD0\x96");
    EXPECT_EQ(utf8ToLatin1("\xC3", &offending), std::nullopt) << "a cut sequence";
}

TEST(PredefinedSatellites, TheTellingRowsReadAsTheBoxHasThem) {
    const auto rows = predefinedSatellites();
    ASSERT_EQ(rows.size(), 153u);
    const struct {
        int row;
        const char* name;
        int position;
        int direction, lower, upper, tone, positioner;
    } telling[] = {
        {0, "Astra 1E-2C", 192, 'E', 9750, 10600, 0, 2},   {1, "Hotbird 2-8", 130, 'E', 9750, 10600, 0, 1},
        {10, "Badr-C", 262, 'E', 5150, 5150, 2, 0},        {18, "Paksat1-C", 380, 0, 5150, 5150, 2, 0},
        {26, "Bonum 1", 560, 'E', 9750, 10600, 2, 0},      {103, "Amazonas", 610, 'W', 9750, 10600, 0, 0},
        {135, "Nilesat 101", 70, 'W', 9750, 10600, 0, 27}, {142, "Satellite 1", 0, 'E', 9750, 10600, 0, 0},
        {147, "Satellite 6", 0, 'W', 5150, 5150, 2, 0},    {152, "Terrestrial", 0, 'E', 5150, 5150, 2, 0},
    };
    for (const auto& t : telling) {
        const PredefinedSatellite& s = rows[static_cast<std::size_t>(t.row)];
        EXPECT_STREQ(s.name, t.name);
        EXPECT_EQ(findPredefinedSatellite(t.name), t.row);
        EXPECT_EQ(s.position, t.position) << t.name;
        EXPECT_EQ(s.direction, t.direction) << t.name;
        EXPECT_EQ(s.lowerLo, t.lower) << t.name;
        EXPECT_EQ(s.upperLo, t.upper) << t.name;
        EXPECT_EQ(s.tone, t.tone) << t.name;
        EXPECT_EQ(s.positionerNo, t.positioner) << t.name;
    }
    EXPECT_EQ(rows[18].spare, 69);
}

TEST(PredefinedSatellites, RowsCarryTheirPositionExceptThreeAndShareTheConstantColumns) {
    const auto rows = predefinedSatellites();
    int positionerSum = 0;
    std::set<std::string> names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int expected = i == 109 ? 108 : i == 113 ? 114 : i == 114 ? 113 : static_cast<int>(i);
        EXPECT_EQ(rows[i].rowNumber, expected) << i;
        EXPECT_EQ(rows[i].diseqcMode, 0);
        EXPECT_EQ(rows[i].diseqc12, 0);
        EXPECT_EQ(rows[i].diseqc11, 0);
        EXPECT_EQ(rows[i].spare, i == 18 ? 69 : 0);
        positionerSum += rows[i].positionerNo;
        names.insert(rows[i].name);
    }
    EXPECT_EQ(positionerSum, 1 + 2 + 3 + 4 + 5 + 6 + 8 + 8 + 11 + 14 + 17 + 18 + 20 + 20 + 22 + 25 + 26 + 27);
    EXPECT_EQ(names.size(), rows.size()) << "every name finds its own row";
}

TEST(PredefinedSatellites, LookupIsByteForByte) {
    EXPECT_EQ(findPredefinedSatellite("Insat3E-C "), 25);
    EXPECT_EQ(findPredefinedSatellite("Insat3E-C"), -1);
    EXPECT_EQ(findPredefinedSatellite("hotbird 2-8"), -1);
    EXPECT_EQ(findPredefinedSatellite("Intelsat7, 10-C"), 36);
    EXPECT_EQ(findPredefinedSatellite(""), -1);
}

}  // namespace
}  // namespace vizud
