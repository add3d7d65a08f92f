// The field rules of the edit dialogs that the dialog tests do not reach in full: number reading, names,
// degrees and the Latin-1 edge; then the table of predefined satellites.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "dialogs/combo_items.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/predefined_satellites.h"

namespace vizud {
namespace {

// 2^32 + 17 must not read as 17.
TEST(FieldRules, DecimalReadingStopsAtTheFirstOtherCharacterAndNeverWraps) {
    const std::pair<const char*, std::int32_t> read[] = {{"17", 17},    {"  -5", -5}, {"+8190", 8190},
                                                         {"12abc", 12}, {"0x10", 0},  {"2147483647", 2147483647}};
    for (const auto& [text, value] : read)
        EXPECT_EQ(parseDecimal(text), value) << '"' << text << '"';
    EXPECT_EQ(parseDecimal("-2147483648"), -2147483647 - 1);
    for (const char* text : {"", "  ", "abc", "-", "- 5", "2147483648", "4294967313"})
        EXPECT_EQ(parseDecimal(text), std::nullopt) << '"' << text << '"';
}

TEST(FieldRules, NameKeepsItsCharacterTableByteAsideAndIsCutTo15Or14) {
    const ShownName news = showName("\x05News");
    EXPECT_EQ(news.text, "News");
    EXPECT_EQ(news.leadByte, 5);
    EXPECT_EQ(storedName(news.text, news.leadByte), "\x05News");
    EXPECT_EQ(showName("ARD").leadByte, 0);
    EXPECT_EQ(showName(std::string("\x20Space", 6)).text, " Space") << "32 is a character, not a table byte";
    EXPECT_EQ(storedName("ABCDEFGHIJKLMNOPQRST", 0), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(storedName("ABCDEFGHIJKLMNOPQRST", 0x1F), "\37ABCDEFGHIJKLMN");
}

// Degrees show with a comma and read back as whole tenths; every value survives the way there and back.
TEST(FieldRules, DegreesShowWithACommaAndReadBackAsWholeTenths) {
    EXPECT_EQ(degreeText(192), "19,2");
    EXPECT_EQ(degreeText(5), "0,5");
    EXPECT_EQ(degreeText(10), "1,0");
    const std::pair<const char*, int> read[] = {{"19,2", 192}, {"19.2", 192}, {"-5", 50},        {" 7,09", 70},
                                                {",5", 5},     {"13,", 130},  {"6553,5", 65535}, {"1e9", 10}};
    for (const auto& [text, tenths] : read)
        EXPECT_EQ(degreeTenths(text), tenths) << '"' << text << '"';
    for (const char* text : {"6553,6", "abc", "", ",", "99999999999999999999"})
        EXPECT_EQ(degreeTenths(text), std::nullopt) << '"' << text << '"';
    for (int tenths = 0; tenths <= 65535; tenths += 7)
        ASSERT_EQ(degreeTenths(degreeText(tenths)), tenths);
}

TEST(FieldRules, EveryDiseqcPortReadsBackAsTheEntryChosen) {
    for (int entry = 0; entry <= 16; ++entry)
        EXPECT_EQ(diseqc11Position(diseqc11Value(entry)), entry);
}

TEST(ComboItems, ATextNotListedHasNoPosition) {
    ComboItems items{{"10700", 0}, {"11720", 1}};
    items.pop_back();  // its storage still holds the removed item
    EXPECT_EQ(positionOfText(items, "11720"), -1);
}

TEST(Latin1Text, EveryByteSurvivesAndACharacterBeyondLatin1IsNamedAndRefused) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    EXPECT_EQ(latin1ToUtf8("M\xFCnchen"), "M\xC3\xBCnchen");
    const char* refused[] = {"\xE2\x82\xAC", "\xD0\x96", "\xC3"};  // the euro sign, Cyrillic Zhe, a cut sequence
    for (const std::string character : refused) {
        std::string offending;
        EXPECT_EQ(utf8ToLatin1("Pro " + character, &offending), std::nullopt);
        EXPECT_EQ(offending, character);
    }
}

TEST(PredefinedSatellites, TheTellingRowsReadAsTheBoxHasThem) {
    const auto rows = predefinedSatellites();
    ASSERT_EQ(rows.size(), 153u);
    const struct {
        int row;
        const char* name;
        int position, direction, lower, upper, tone, positioner;
    } telling[] = {
        {0, "Astra 1E-2C", 192, 'E', 9750, 10600, 0, 2},     {1, "Hotbird 2-8", 130, 'E', 9750, 10600, 0, 1},
        {10, "Badr-C", 262, 'E', 5150, 5150, 2, 0},          {18, "Paksat1-C", 380, 0, 5150, 5150, 2, 0},
        {25, "Insat3E-C ", 550, 'E', 5150, 5150, 2, 0},      {26, "Bonum 1", 560, 'E', 9750, 10600, 2, 0},
        {36, "Intelsat7, 10-C", 685, 'E', 5150, 5150, 2, 0}, {103, "Amazonas", 610, 'W', 9750, 10600, 0, 0},
        {135, "Nilesat 101", 70, 'W', 9750, 10600, 0, 27},   {142, "Satellite 1", 0, 'E', 9750, 10600, 0, 0},
        {147, "Satellite 6", 0, 'W', 5150, 5150, 2, 0},      {152, "Terrestrial", 0, 'E', 5150, 5150, 2, 0},
    };
    for (const auto& t : telling) {
        const PredefinedSatellite& s = rows[static_cast<std::size_t>(t.row)];
        EXPECT_EQ(
            std::tuple(std::string(s.name), s.position, s.direction, s.lowerLo, s.upperLo, s.tone, s.positionerNo),
            std::tuple(t.name, t.position, t.direction, t.lower, t.upper, t.tone, t.positioner));
    }
    // Every name finds its own row, byte for byte.
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(findPredefinedSatellite(rows[i].name), static_cast<int>(i)) << rows[i].name;
    for (const char* unknown : {"Insat3E-C", "hotbird 2-8", ""})
        EXPECT_EQ(findPredefinedSatellite(unknown), -1) << unknown;
}

}  // namespace
}  // namespace vizud
