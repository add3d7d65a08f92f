// Find: which rows match a typed text, and how next and previous wrap round.
#include <gtest/gtest.h>

#include "tests/support/database_fixture.h"
#include "views/list_find.h"

namespace vizud {
namespace {

// Names match ignoring case and their character-table byte; of Latin-1 exactly the capitals fold (the ends
// of each range of capitals do, the characters just beside them do not).
TEST(ListFind, NamesMatchIgnoringCaseAndTheirCharacterTableByte) {
    test::DatabaseFixture fx;
    fx.build.satellite(1, "Astra");
    fx.build.transponder(1, 11778);
    fx.build.provider("ARD");
    for (const char* name : {"ARD", "\1Das Erste", "ZDF", "\xC4rzte TV", "radio eins", "A", "Z", "@", "[", "\xC0",
                             "\xDE", "\xD7", "\xBF", "\xDF"})
        fx.build.program(name, 0, 0, true);
    fx.db.setLoaded(1);
    fx.state->browse.selectedText = "Satellites";
    const ListFill fill = fillRows(fx.db);
    const struct {
        const char* typed;  // UTF-8
        std::vector<int> rows;
    } cases[] = {
        {"da", {1}},        {"ERSTE", {1}},   {"d", {0, 1, 2, 4}},  {"\xC3\xA4rz", {3}},  // "ärz" matches "Ärzte"
        {"\x01", {}},       {"", {}},         {"\xE2\x82\xAC", {}},                       // no name has the euro
        {"TV", {3}},        {"s x", {}},      {"o e", {4}},         {"a", {0, 1, 4, 5}}, {"z", {2, 3, 6}},
        {"`", {}},          {"{", {}},        {"\xC3\xA0", {9}},    {"\xC3\xBE", {10}},  {"\xC3\xB7", {}},
        {"\xC3\x9F", {13}}, {"\xC3\xBF", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findRows(fx.db, fill, c.typed), c.rows) << "typed \"" << c.typed << "\"";
}

TEST(ListFind, NextAndPreviousWrapRound) {
    const int cases[][4] = {{-1, 3, 1, 0}, {-1, 3, 0, 2}, {2, 3, 1, 0}, {0, 3, 0, 2}, {1, 3, 1, 2}, {0, 0, 1, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(nextMatch(c[0], c[1], c[2] != 0), c[3]) << c[0] << " of " << c[1];
}

}  // namespace
}  // namespace vizud
