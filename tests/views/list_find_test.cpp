// Find: which rows match a typed text, and how next and previous wrap round.
#include <gtest/gtest.h>

#include "tests/support/database_fixture.h"
#include "views/list_find.h"

namespace vizud {
namespace {

TEST(ListFind, NamesMatchIgnoringCaseAndTheirCharacterTableByte) {
    test::DatabaseFixture fx;
    fx.build.satellite(1, "Astra");
    fx.build.transponder(1, 11778);
    fx.build.provider("ARD");
    for (const char* name : {"ARD",
                             "\x05"
                             "Das Erste",
                             "ZDF", "\xC4rzte TV", "radio eins"})
        fx.build.program(name, 0, 0, true);
    fx.db.setLoaded(1);
    fx.state->browse.selectedText = "Satellites";
    const ListFill fill = fillRows(fx.db);
    const struct {
        const char* typed;
        std::vector<int> rows;
    } cases[] = {
        {"da", {1}},  {"ERSTE", {1}}, {"d", {0, 1, 2, 4}},  {"\xC3\xA4rz", {3}},  // "ärz" matches "Ärzte"
        {"\x05", {}}, {"", {}},       {"\xE2\x82\xAC", {}},                       // the euro sign: no name has it
        {"TV", {3}},  {"s x", {}},    {"o e", {4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findRows(fx.db, fill, c.typed), c.rows) << "typed \"" << c.typed << "\"";
}

// The ends of each range of capitals fold, the characters just beside them do not.
TEST(ListFind, ExactlyTheLatin1CapitalsFoldToTheirSmallLetters) {
    const struct {
        unsigned char stored;
        const char* typed;  // UTF-8
        bool found;
    } cases[] = {
        {'A', "a", true},           {'Z', "z", true},           {'@', "`", false},
        {'[', "{", false},          {0xC0, "\xC3\xA0", true},   {0xDE, "\xC3\xBE", true},
        {0xD7, "\xC3\xB7", false}, {0xBF, "\xC3\x9F", false}, {0xDF, "\xC3\xBF", false},
    };
    for (const auto& c : cases) {
        test::DatabaseFixture fx;
        fx.build.satellite(1, "Astra");
        fx.build.transponder(1, 11778);
        fx.build.provider("P");
        fx.build.program(std::string(1, static_cast<char>(c.stored)), 0, 0, true);
        fx.db.setLoaded(1);
        fx.state->browse.selectedText = "Satellites";
        EXPECT_EQ(findRows(fx.db, fillRows(fx.db), c.typed).size(), c.found ? 1u : 0u) << int{c.stored};
    }
}

TEST(ListFind, NextAndPreviousWrapRound) {
    EXPECT_EQ(nextMatch(-1, 3, true), 0);
    EXPECT_EQ(nextMatch(-1, 3, false), 2);
    EXPECT_EQ(nextMatch(2, 3, true), 0);
    EXPECT_EQ(nextMatch(0, 3, false), 2);
    EXPECT_EQ(nextMatch(1, 3, true), 2);
    EXPECT_EQ(nextMatch(0, 0, true), -1);
}

}  // namespace
}  // namespace vizud
