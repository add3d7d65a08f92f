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
