// The catalogue's matching: a shown text is translated line by line through its source, values put back
// in the translation's order and translated themselves where they are sources.
#include <gtest/gtest.h>

#include "app/user_texts.h"

namespace vizud {
namespace {

// A catalogue that marks each source it translates and swaps the values of the range message.
std::string markedLookup(const char* source) {
    if (std::string_view(source) == "You must enter value %1..%2")
        return "%2 bis %1";
    if (std::string_view(source) == "Save it now?")
        return "";  // no translation: the English line stays
    return "<" + std::string(source) + ">";
}

TEST(UserTexts, LinesAreTranslatedThroughTheirSources) {
    const struct {
        const char* shown;
        const char* expected;
    } cases[] = {
        {"Database is full.", "<Database is full.>"},
        {"Fav 1.si not saved!\nSave it now?", "<Fav 1.si not saved!>\nSave it now?"},
        {"Unknown Frequency value: 99!\nYou must enter value 1000..13000",
         "<Unknown Frequency value: 99!>\n13000 bis 1000"},
        {"favourite: list 3 \"News\" entry 2 repeats program 5 \"BBC: World\"",
         "<favourite: <<list 3 \"News\"> entry 2 repeats <program 5 \"BBC: World\">>>"},
        {"DiSEqC: OFF, 22Khz: Auto, Positioner: Yes", "<DiSEqC: <OFF>, 22Khz: <Auto>, Positioner: <Yes>>"},
        {"/tmp/x.si: File name too long\n\nA text of another program",
         "/tmp/x.si: File name too long\n\nA text of another program"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translateText(c.shown, markedLookup), c.expected) << c.shown;
}

TEST(UserTexts, KnownTextsAreTheCataloguesLines) {
    EXPECT_TRUE(knownText("x.si not saved!\nSave it now?"));
    EXPECT_TRUE(knownText("Error: Save failed!\n/tmp/x.si: Permission denied"));
    EXPECT_FALSE(knownText("Database is full"));
    EXPECT_FALSE(knownText("Save it now?\nA new question"));
    for (std::string_view source : userTexts())
        EXPECT_TRUE(knownText(source)) << source;
}

}  // namespace
}  // namespace vizud
