// Sorting: on random images the table keeps its programs, each block ends up in key order and equal keys
// keep their order (the lists follow through the editor's reorder, tested with it); by hand, names with a
// character-table byte and Latin-1 capitals, and a list sorted on its own.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>

#include "database/image_access.h"
#include "listtools/list_sort.h"
#include "tests/listtools/two_satellites.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

std::string bytesOf(const st_program& prog) {
    return std::string(reinterpret_cast<const char*>(&prog), sizeof prog);
}

std::string foldedName(const st_program& prog) {
    std::string text(prog.name, strnlen(prog.name, 16));
    if (!text.empty() && static_cast<unsigned char>(text[0]) < 32)
        text.erase(0, 1);
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 0x20);
    }
    return text;
}

TEST(ListSort, ByNameEachBlockIsInOrderStableAndNothingIsLost) {
    std::mt19937 rng(8);
    for (int round = 0; round < 20; ++round) {
        test::DatabaseFixture fx;
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), test::randomShape(rng));
        const all_tables_block& img = fx.image();
        std::map<std::string, int> oldIndex;
        for (int p = 0; p < img.programCount; ++p)
            oldIndex[bytesOf(img.programs[p])] = p;
        const int tv = img.tvCount;

        ASSERT_EQ(sortPrograms(fx.db, SortKey::Name), 0);
        for (int p = 1; p < img.programCount; ++p) {
            if (p == tv)
                continue;  // the radio block starts afresh
            const std::string a = foldedName(img.programs[p - 1]);
            const std::string b = foldedName(img.programs[p]);
            ASSERT_LE(a, b) << "round " << round << " row " << p;
            if (a == b && oldIndex.size() == static_cast<std::size_t>(img.programCount)) {
                EXPECT_LT(oldIndex[bytesOf(img.programs[p - 1])], oldIndex[bytesOf(img.programs[p])]) << "stable";
            }
        }
        for (int p = 0; p < img.programCount; ++p) {
            const auto it = oldIndex.find(bytesOf(img.programs[p]));
            ASSERT_NE(it, oldIndex.end()) << "a program that was not there";
            EXPECT_EQ(it->second < tv, p < tv) << "no program changes class";
        }
    }
}

TEST(ListSort, KeysReadNamesAsTheEditorShowsThemAndAListSortsAlone) {
    test::TwoSatellites fx;
    fx.build.transponder(1, 12000);
    fx.build.provider("ZDF");
    fx.build.provider("ARD");
    fx.build.program("\5zdf neo", 1, 1, true);  // on Hotbird, 13.0E: before Astra's, though after it in the table
    fx.build.program("\xC4rzte", 2, 2, true);   // Ärzte
    fx.build.program("arte", 0, 2, true);
    fx.build.program("Bayern", 2, 1, true);
    fx.build.program("Radio", 0, 1, false);
    fx.build.favourites(4, {0, 1, 2}, {4});
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Provider), 0);
    EXPECT_EQ(fx.order(), "arte,\xC4rzte,Bayern,\5zdf neo|Radio") << "the name orders programs of one provider";
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Name), 0);
    EXPECT_EQ(fx.order(), "arte,Bayern,\5zdf neo,\xC4rzte|Radio") << "Latin-1 letters after ASCII, the byte ignored";
    ASSERT_EQ(sortPrograms(fx.db, SortKey::Transponder), 0);
    EXPECT_EQ(fx.order(), "\5zdf neo,arte,Bayern,\xC4rzte|Radio") << "13.0E before 19.2E, then frequency";

    const std::string table = fx.order();
    ASSERT_EQ(sortListEntries(fx.db, 4, SortKey::Name), 0);
    EXPECT_EQ(fx.order(), table) << "only the list changes";
    EXPECT_EQ(fx.list(4), "arte,\5zdf neo,\xC4rzte|Radio");
    EXPECT_EQ(sortListEntries(fx.db, 9, SortKey::Name), -1);
    EXPECT_FALSE(sortKeyNamed("size"));
}

}  // namespace
}  // namespace vizud
