// Sorting by hand: each block in key order, equal keys in their order (the lists follow through the editor's
// reorder, tested with it), names with a character-table byte and Latin-1 capitals, a list sorted on its own.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "database/image_access.h"
#include "listtools/list_sort.h"
#include "tests/listtools/two_satellites.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

TEST(ListSort, KeysReadNamesAsTheEditorShowsThemAndAListSortsAlone) {
    test::TwoSatellites fx;
    fx.build.transponder(1, 12000);
    fx.build.provider("ZDF");
    fx.build.provider("ARD");
    fx.build.program("\5zdf neo", 1, 1, true);  // on Hotbird, 13.0E: before Astra's, though after it in the table
    fx.build.program("\xC4rzte", 2, 2, true);   // Ärzte
    fx.build.program("arte", 0, 2, true);
    fx.build.program("Bayern", 2, 1, true);
    fx.build.program("\37ARTE", 0, 2, true);  // the same keys as "arte" in every order: stays after it
    fx.build.program("\1Zapp", 1, 1, true);
    fx.build.program("\xDF Radio", 0, 1, false);   // ß
    fx.build.program("\xBFKlassik", 1, 2, false);  // the radio block sorts on its own; ¿ is no capital
    fx.build.favourites(4, {0, 1, 2}, {6});
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Provider), 0);
    EXPECT_EQ(fx.order(), "arte,\37ARTE,\xC4rzte,Bayern,\1Zapp,\5zdf neo|\xBFKlassik,\xDF Radio")
        << "the name orders programs of one provider";
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Name), 0);
    EXPECT_EQ(fx.order(), "arte,\37ARTE,Bayern,\1Zapp,\5zdf neo,\xC4rzte|\xBFKlassik,\xDF Radio")
        << "Latin-1 letters after ASCII, a byte from 1 to 31 ignored";
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Transponder), 0);
    EXPECT_EQ(fx.order(), "\1Zapp,\5zdf neo,arte,\37ARTE,Bayern,\xC4rzte|\xBFKlassik,\xDF Radio")
        << "13.0E before 19.2E, then frequency";

    const std::string table = fx.order();
    fx.image().favourites[4].favEntries[4] = 7;  // beyond the list, yet a part of the file
    ASSERT_EQ(sortListEntries(fx.db, 4, SortKey::Name), 0);
    EXPECT_EQ(fx.image().favourites[4].favEntries[4], 7);
    EXPECT_EQ(fx.order(), table) << "only the list changes";
    EXPECT_EQ(fx.list(4), "arte,\5zdf neo,\xC4rzte|\xDF Radio");
    EXPECT_EQ(sortListEntries(fx.db, 9, SortKey::Name), -1);
    fx.image().favourites[4].favEntries[0] = 8;
    EXPECT_EQ(sortListEntries(fx.db, 4, SortKey::Name), -1) << "an entry beyond the table";
    EXPECT_FALSE(sortKeyNamed("size"));

    std::mt19937 rng(8);
    for (int round = 0; round < 20; ++round) {  // tables of every size: the sort is an order the editor takes
        test::DatabaseFixture any;
        test::makeImage(any.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        ASSERT_EQ(sortPrograms(any.db, static_cast<SortKey>(round % 3)), 0) << "round " << round;
    }
}

}  // namespace
}  // namespace vizud
