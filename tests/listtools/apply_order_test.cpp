// Order from a reference list, by hand: the second key, equal keys in both files, a reference with fewer or
// more programs, empty blocks, a full list taken over; a CSV reference: round trips on random images, its
// favourite lists by hand and the files it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <tuple>

#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/csv_reference.h"
#include "tests/listtools/two_satellites.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

using Small = test::TwoSatellites;

TEST(ApplyOrder, KeysFirstByServiceThenByNameOnTheSameSatellite) {
    Small ref, file;
    ref.build.program("A", 0, 0, true, 1);
    ref.build.program("B", 0, 0, true, 2);
    ref.build.program("\xC4rzte", 0, 0, true, 3);  // Latin-1 name
    ref.build.program("E", 0, 0, true, 5);
    ref.build.program("D", 1, 0, true, 4);
    ref.build.program("R1", 0, 0, false, 9);
    ref.build.program("R2", 0, 0, false, 10);
    ref.build.program("R3", 1, 0, false, 12);
    ref.image().satellites[1].eastWest = 'W';        // Hotbird at 13.0W there
    file.build.program("D", 0, 0, true, 40);         // name of D, but on Astra: not D
    file.build.program("\xC4rzte", 0, 0, true, 33);  // service id changed: found by name
    file.build.program("B", 0, 0, true, 2);
    file.build.program("X", 0, 0, true, 1);  // renamed, same service: found by the first key
    file.build.program("E", 0, 0, true, 55);
    file.build.program("Y", 0, 0, true, 5);  // the first key wins over the name
    file.build.program("R2", 0, 0, false, 10);
    file.build.program("R1", 0, 0, false, 9);
    file.build.program("R3", 1, 0, false, 11);  // the name of R3, but at 13.0E: not R3
    file.build.favourites(0, {0, 3}, {6});      // D, X, R2
    const auto match = applyOrder(file.db, ref.image(), false);
    ASSERT_TRUE(match);
    EXPECT_EQ(file.order(), "X,B,\xC4rzte,Y,D,E|R1,R2,R3");
    EXPECT_EQ(std::tuple(match->tvMatched, match->tvPrograms, match->radioMatched, match->radioPrograms),
              std::tuple(4, 6, 2, 3));
    EXPECT_EQ(file.list(0), "D,X|R2");
}

TEST(ApplyOrder, EqualKeysPairInTableOrderAndSizesMayDiffer) {
    Small ref, file;
    for (const char* name : {"a1", "a2", "a3", "a4"})  // one more than the file has
        ref.build.program(name, 0, 0, true, 7);
    ref.build.satellite(3, "Far", 192 + 32768);  // the name "c" there is not the name "c" on Astra
    ref.build.transponder(3, 11000);
    ref.build.program("c", 2, 0, true, 9);
    ref.build.favourites(0, {3, 4}, {});
    file.build.program("b2", 0, 0, true, 7);
    file.build.program("c", 0, 0, true, 8);
    file.build.program("b1", 0, 0, true, 7);
    file.build.program("r", 0, 0, false, 7);  // the reference's third "7" goes to the radio program
    ASSERT_TRUE(applyOrder(file.db, ref.image(), true));
    EXPECT_EQ(file.order(), "b2,b1,c|r");
    EXPECT_EQ(file.list(0), "|") << "a4 and c matched nothing";

    Small empty;
    ASSERT_TRUE(applyOrder(file.db, empty.image(), true)) << "an empty reference matches nothing";
    EXPECT_EQ(file.order(), "b2,b1,c|r");
    for (const st_fav& list : file.image().favourites)
        EXPECT_EQ(list.favCount, 0);
    ASSERT_TRUE(applyOrder(empty.db, file.image(), false)) << "an empty file has nothing to order";
    EXPECT_EQ(empty.image().programCount, 0);
}

TEST(ApplyOrder, FavouritesComeFromTheReferenceByClassHereAndOnlyMatched) {
    Small ref, file;
    for (int i = 0; i < 420; ++i)
        ref.build.program("t" + std::to_string(i), 0, 0, i < 410, i);
    for (int i = 0; i < 420; ++i)
        file.build.program((i == 3 ? "x" : "t") + std::to_string(i), 0, 0, i < 405, i == 3 ? 999 : i);  // a stranger
    st_fav& full = ref.image().favourites[2];
    std::iota(full.favEntries, full.favEntries + 400, 10);  // t10..t409, all TV in the reference
    full.favCount = full.favTvCount = 400;
    test::setName(full.favName, "Alles");
    ref.build.favourites(0, {0, 3, 4, 4}, {415});
    ref.build.favourites(1, {}, {420});  // beyond the reference's table
    ASSERT_TRUE(applyOrder(file.db, ref.image(), true));
    const st_fav& taken = file.image().favourites[2];
    EXPECT_STREQ(taken.favName, "Alles");
    EXPECT_EQ(taken.favCount, 400);
    EXPECT_EQ(taken.favTvCount, 395) << "t405..t409 are radio here and go to the radio part";
    EXPECT_STREQ(file.image().programs[taken.favEntries[395]].name, "t405");
    EXPECT_EQ(file.list(0), "t0,t4|t415") << "t3 matched nothing, t4 once";
    EXPECT_EQ(file.list(1), "|");
}

// What a CSV says of each program: name, place, flags, lists.
std::vector<std::string> csvRows(const std::string& csv) {
    const CsvReference read = readCsvReference(csv);
    EXPECT_EQ(read.error, "");
    std::vector<std::string> rows;
    for (const CsvReferenceRow& r : read.rows) {
        rows.push_back(r.name + "|" + std::to_string(r.position) + r.direction + std::to_string(r.frequency) + "/" +
                       std::to_string(r.polarization) + "/" + std::to_string(r.serviceId) + "|" +
                       std::to_string(r.flags) + "|" + std::to_string(r.favourites));
    }
    return rows;
}

// Even rounds apply a list's own export (the image stays byte for byte); odd rounds an export edited as a
// spreadsheet would be (blocks shuffled, rows deleted, names, flags and list digits changed), which the
// file then says exactly.
TEST(ApplyOrderFromCsv, AnExportGivesTheSameImageAndAnEditedOneItsOrderNamesFlagsAndLists) {
    std::mt19937 rng(25);
    const CsvApplyOptions all{true, true, true, true};
    for (int round = 0; round < 40; ++round) {
        test::DatabaseFixture file, edited;
        const auto seed = static_cast<std::uint32_t>(rng());
        const test::ImageShape shape = test::randomShape(rng);
        test::makeImage(file.image(), seed, shape);
        test::makeImage(edited.image(), seed, shape);
        if (file.image().programCount > 0)  // a name that is only its character-table byte is shown empty
            test::setName(file.image().programs[0].name, "\x05");
        const std::string before(reinterpret_cast<const char*>(&file.image()), kImageSize);
        if (round % 2 == 0) {
            const CsvOrderResult same = applyOrderFromCsv(file.db, readCsvReference(exportCsv(file.image())), all);
            ASSERT_EQ(same.error, "");
            EXPECT_TRUE(same.unmatchedLines.empty());
            EXPECT_TRUE(std::string(reinterpret_cast<const char*>(&file.image()), kImageSize) == before) << round;
            continue;
        }
        all_tables_block& img = edited.image();
        std::vector<int> order(img.programCount);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.begin() + img.tvCount, rng);
        std::shuffle(order.begin() + img.tvCount, order.end(), rng);
        ASSERT_EQ(edited.db.reorderPrograms(order), 0);
        for (int p = 0; p < img.programCount; ++p) {
            const unsigned fate = rng() % 6;
            if (fate == 0)
                test::setName(img.programs[p].name, "Neu\xC4 " + std::to_string(p));
            if (fate == 1)
                img.programs[p].programFlags ^= 0x21;
        }
        for (st_fav& list : img.favourites) {  // the last entry leaves, a program joins
            if (list.favCount > 0) {
                list.favTvCount = static_cast<std::uint16_t>(list.favTvCount - (list.favTvCount == list.favCount));
                --list.favCount;
            }
            const auto p = static_cast<std::uint16_t>(img.programCount > 0 ? rng() % img.programCount : 0);
            if (img.programCount == 0 || std::count(list.favEntries, list.favEntries + list.favCount, p) > 0)
                continue;
            const int at = p < img.tvCount ? list.favTvCount++ : list.favCount;
            std::copy_backward(list.favEntries + at, list.favEntries + list.favCount,
                               list.favEntries + list.favCount + 1);
            list.favEntries[at] = p;
            ++list.favCount;
        }
        std::vector<int> doomed;
        for (int p = img.programCount - 1; p >= 0; --p) {
            if (rng() % 5 == 0)
                doomed.push_back(p);
        }
        edited.state->dragActive = 0;
        edited.db.deletePrograms(doomed);
        const std::string csv = exportCsv(img);
        const CsvOrderResult result = applyOrderFromCsv(file.db, readCsvReference(csv), all);
        ASSERT_EQ(result.error, "");
        EXPECT_TRUE(result.unmatchedLines.empty());
        EXPECT_EQ(file.image().tvCount, img.tvCount);
        EXPECT_EQ(csvRows(exportCsv(file.image())), csvRows(csv)) << "round " << round;
    }
}

constexpr const char* kCsvColumns =
    "name,position,frequency,polarization,service_id,scrambled,scpc,locked,user,favourites";

// List 1 keeps its entries whose rows still hold 1 in their order and takes the newly marked after them,
// TV ones at the end of its TV part; a BOM and LF line ends are read as well; unknown columns are ignored; a
// row whose service id changed is found by its name, also with a position in whole degrees; a row naming a
// program another row found by its service id matches nothing.
TEST(ApplyOrderFromCsv, ListsKeepTheirOrderAndTakeNewEntriesAtTheEndOfTheirPart) {
    Small file;
    for (const char* name : {"A", "B", "C"})
        file.build.program(name, 0, 0, true, name[0]);
    for (const char* name : {"R", "S"})
        file.build.program(name, 0, 0, false, name[0]);
    file.image().programs[2].tpIndex = 1;                // C on Hotbird
    test::setName(file.image().programs[4].name, " S");  // a blank is no character-table byte: the row renames it
    file.build.favourites(0, {2, 0}, {4});
    const std::string csv =
        std::string("\xEF\xBB\xBF") + "extra," + kCsvColumns + "\nx,B,19.2E,11000,H,66,0,0,0,0,1\n" +
        "x,A,19.2E,11000,H,65,0,0,0,0,91\nx,C,13E,11000,H,167,0,0,0,0,\n" +
        "x,S,19.2E,11000,H,83,0,0,0,0,1\nx,R,19.2E,11000,H,99,0,0,0,0,1\nx,R,19.2E,11000,H,82,0,0,0,0,1\n";
    const CsvOrderResult result =
        applyOrderFromCsv(file.db, readCsvReference(csv), CsvApplyOptions{true, false, true, false});
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(file.order(), "B,A,C|S,R");
    EXPECT_EQ(unmatchedRowsText(result.unmatchedLines), "1 row matched nothing (line 6)");
    EXPECT_EQ(unmatchedRowsText({5, 9, 12, 20, 21, 30}), "6 rows matched nothing (lines 5, 9, 12, 20, 21, ...)");
    EXPECT_EQ(file.list(0), "A,B|S,R");
    EXPECT_EQ(file.list(8), "A|");
    const test::TempDir dir;
    ASSERT_TRUE(test::writeFile(dir.file("list.txt"), csv.data(), csv.size()));
    EXPECT_TRUE(isCsvReferenceFile(dir.file("list.txt"))) << "a header naming service_id, whatever the extension";
    EXPECT_TRUE(isCsvReferenceFile(dir.file("other.CSV"))) << "by its extension, whatever it holds";
    const std::string keys = "name,position,frequency,polarization,service_id\n";
    EXPECT_TRUE(readCsvReference("\xEF\xBB\xBFlocked,user,scpc,scrambled," + keys).hasFlags);
    EXPECT_TRUE(readCsvReference("favourites," + keys).hasFavourites);
}

// A file that is not such a list, or asks what the box cannot take, is refused naming the line, and the
// image stays as it was.
TEST(ApplyOrderFromCsv, MalformedListsAreRefusedWithTheirLine) {
    Small file;
    for (int i = 0; i < 401; ++i)
        file.build.program("t" + std::to_string(i), 0, 0, true, i);
    const std::string header = std::string(kCsvColumns) + "\r\n", row = "t1,19.2E,11000,H,1,0,0,0,0,\r\n";
    std::string full = header;
    for (int i = 0; i < 401; ++i)
        full += "t" + std::to_string(i) + ",19.2E,11000,H," + std::to_string(i) + ",0,0,0,0,2\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: no header line"},
        {header + row + "\"t2,19.2E,11000,H,2,0,0,0,0,\r\n", "line 3: the CSV is malformed"},
        {header + "t\"1,19.2E,11000,H,1,0,0,0,0,\r\n", "line 2: the CSV is malformed"},
        {"name,position,frequency,service_id\r\n", "line 1: the column polarization is missing"},
        {header + "t1,19.2E,11000,H,x1,0,0,0,0,\r\n", "line 2: service_id \"x1\" is not a number"},
        {header + row + "\r\n" + "t1,19.2E,11 000,H,1,0,0,0,0,\r\n", "line 4: frequency \"11 000\" is not a number"},
        {header + "\"t\r\n1\",19.2E,11000,H,1,0,0,0,0,\r\nt,19.2E,11000,X,1,0,0,0,0,\r\n",
         "line 4: unknown polarization \"X\" (H, V, L or R)"},
        {header + "t1,\"19,2E\",11000,H,1,0,0,0,0,\r\n", "line 2: position \"19,2E\" is not like 19.2E"},
        {header + "t1,19.2N,11000,H,1,0,0,0,0,\r\n", "line 2: position \"19.2N\" is not like 19.2E"},
        {header + "t1,6553.6E,11000,H,1,0,0,0,0,\r\n", "line 2: position \"6553.6E\" is not like 19.2E"},
        {header + "t1,19.2E,11000,H,1,2,0,0,0,\r\n", "line 2: scrambled \"2\" is neither 0 nor 1"},
        {header + "t1,19.2E,11000,H,1,0,0,0,0,10\r\n", "line 2: favourites \"10\" holds other than the digits 1 to 9"},
        {header + row + "t\xE2\x82\xAC,19.2E,11000,H,2,0,0,0,0,\r\n",
         "line 3: the name \"t\xE2\x82\xAC\" holds a character the box cannot store: \xE2\x82\xAC"},
        {header + "abcdefghijklmnopq,19.2E,11000,H,1,0,0,0,0,\r\n",
         "line 2: the name \"abcdefghijklmnopq\" is longer than 16 bytes"},
        {"name,position,frequency,polarization,service_id\r\n" + row,
         "line 1: the column scrambled, scpc, locked or user is missing"},
        {"name,position,frequency,polarization,service_id,scrambled,scpc,locked\r\nt1,19.2E,11000,H,1,0,0,0\r\n",
         "line 1: the column scrambled, scpc, locked or user is missing"},
        {full, "Favourite list 2 would hold 401 entries; it has room for 400."}};
    const std::string before(reinterpret_cast<const char*>(&file.image()), kImageSize);
    for (const auto& [csv, error] : cases) {
        const CsvReference reference = readCsvReference(csv);
        const std::string why =
            reference.error.empty()
                ? applyOrderFromCsv(file.db, reference, CsvApplyOptions{true, true, true, true}).error
                : reference.error;
        EXPECT_EQ(why.substr(0, error.size()), error) << why;
        EXPECT_TRUE(std::string(reinterpret_cast<const char*>(&file.image()), kImageSize) == before) << error;
    }
    file.image().favourites[1].favEntries[0] = 5;  // beyond the empty list: not one of its entries
    EXPECT_EQ(applyOrderFromCsv(file.db, readCsvReference(full.substr(0, full.rfind("t400,"))),
                                CsvApplyOptions{false, false, true, false})
                  .error,
              "")
        << "400 entries fit";
    EXPECT_EQ(file.list(1).substr(0, 6), "t0,t1,");
}

}  // namespace
}  // namespace vizud
