// Export: the exact lines for the cases that break such exports (a leading character-table byte, Latin-1
// letters, commas and quotes in names, references that point nowhere, lists and flags).
#include <gtest/gtest.h>

#include <sstream>

#include "listtools/csv_export.h"
#include "tests/support/database_fixture.h"

namespace vizud {
namespace {

TEST(CsvExport, EveryFieldAsTheHeaderSays) {
    test::DatabaseFixture fx;
    fx.build.satellite(7, "\5Astra", 192);
    fx.build.satellite(9, "Thor", 8);
    fx.image().satellites[1].eastWest = 'W';
    fx.build.transponder(7, 11778, 1, 27500);
    fx.build.transponder(9, 10872, 0, 25000);
    fx.image().transponders[1].fec = 0;
    fx.image().transponders[0].fec = 7;
    fx.build.provider("\1\326ffentlich");  // a character-table byte 1 is not shown
    fx.build.program("Das \"Erste\", HD", 0, 0, true, 28106);
    fx.build.program("\13NRK1", 1, 0, true, 17);
    fx.build.program("Radio", 5, 9, false, 3);   // transponder and provider point nowhere
    fx.image().programs[0].programFlags = 0x21;  // scrambled, user
    fx.image().programs[1].programFlags = 0x06;  // SCPC, locked
    fx.build.favourites(0, {0}, {2});
    fx.build.favourites(2, {0, 1}, {});
    fx.build.favourites(8, {0}, {});

    const st_program& first = fx.image().programs[0];
    const std::string pids =
        std::to_string(first.videoPid) + "," + std::to_string(first.audioPid) + "," + std::to_string(first.pcrPid);
    std::vector<std::string> lines;
    std::istringstream csv(exportCsv(fx.image()));
    for (std::string line; std::getline(csv, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u) << "one line per program";
    EXPECT_EQ(lines[0], std::string(kCsvHeader) + "\r");
    EXPECT_EQ(lines[1],
              "1,TV,\"Das \"\"Erste\"\", HD\",\xC3\x96"
              "ffentlich,Astra,19.2E,11778,V,27500,DVBS2,28106," +
                  pids + ",1,0,0,1,139\r");
    EXPECT_EQ(lines[2].substr(0, lines[2].find(",", lines[2].find("DVBS"))),
              "2,TV,NRK1,\xC3\x96"
              "ffentlich,Thor,0.8W,10872,H,25000,DVBS");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 11), ",0,1,1,0,3\r");
    EXPECT_EQ(lines[3].rfind("3,Radio,Radio,,,,,,,,3,", 0), 0u) << "references that point nowhere are empty";
    EXPECT_EQ(lines[3].substr(lines[3].size() - 3), ",1\r");
}

}  // namespace
}  // namespace vizud
