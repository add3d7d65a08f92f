// Transponders from a satellites.xml: on random images a file listing each satellite's transponders
// (some with another symbol rate or FEC, some new) brings exactly what the plan says, every program keeps
// its transponder, and the same file a second time changes nothing; then one table of refused files.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "database/image_access.h"
#include "listtools/database_check.h"
#include "listtools/satellites_xml.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

// A program's transponder by what identifies it on the air.
std::tuple<int, int, int> tuning(const all_tables_block& img, int program) {
    const st_ts& tp = img.transponders[img.programs[program].tpIndex];
    return {tp.satId, tp.frequency, tp.polarization};
}

TEST(SatellitesXml, ImportBringsWhatThePlanSaysAndASecondImportNothing) {
    std::mt19937 rng(5);
    for (int round = 0; round < 30; ++round) {
        test::DatabaseFixture fx;
        test::ImageShape shape = test::randomShape(rng);
        test::makeImage(fx.image(), static_cast<std::uint32_t>(rng()), shape);
        all_tables_block& img = fx.image();
        std::ostringstream xml;
        xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n" << std::string(70000, ' ');  // pieces
        int added = 0, changed = 0;
        std::set<int> positions;
        for (int s = 0; s < satelliteCount(img); ++s) {
            const st_sat& sat = img.satellites[s];
            const int tenths = sat.eastWest == 'W' ? -sat.position : sat.position;
            if (tenths < -1800 || tenths > 1800 || sat.satId > 0xFF || !positions.insert(tenths).second ||
                rng() % 4 == 0)
                continue;  // a satellite the file lacks (or has once, for two at one position)
            xml << "<sat name=\"S\" flags=\"0\" position=\"" << tenths << "\">\n";
            for (int t = 0; t < transponderCount(img); ++t) {
                const st_ts& tp = img.transponders[t];
                if (tp.satId != (sat.satId & 0xFF))
                    continue;
                const bool change = rng() % 3 == 0;
                changed += change;
                const int fec = tp.fec == 5 ? 4 : tp.fec == 7 ? 5 : tp.fec;
                xml << "<transponder frequency=\"" << tp.frequency * 1000 + 400 << "\" symbol_rate=\""
                    << (tp.symbolRate + change) * 1000 << "\" polarization=\"" << int(tp.polarization)
                    << "\" fec_inner=\"" << fec << "\"/>\n";
            }
            if (rng() % 2 == 0) {  // one the image lacks: well away from every frequency it has
                xml << "<transponder frequency=\"1000\" symbol_rate=\"27500000\" polarization=\"1\" "
                       "fec_inner=\"8\" system=\"1\" modulation=\"2\"/>\n";
                ++added;
            }
            xml << "</sat>\n";
        }
        xml << "</satellites>\n";
        std::istringstream in(xml.str());
        const SatellitesXml file = readSatellitesXml(in);
        ASSERT_EQ(file.error, "");
        const TransponderPlan plan = planTransponderUpdate(img, file);
        ASSERT_EQ(plan.additions.size(), static_cast<std::size_t>(added)) << xml.str();
        // A transponder listed twice in the image is changed once per copy: at least those counted.
        ASSERT_GE(plan.changes.size(), static_cast<std::size_t>(changed));
        std::vector<std::tuple<int, int, int>> before;
        for (int p = 0; p < programCount(img); ++p)
            before.push_back(tuning(img, p));
        const int transponders = transponderCount(img);
        const std::size_t findings = checkImage(img).size();
        std::string why;
        if (applyTransponderPlan(fx.db, plan, &why) != 0) {
            EXPECT_GT(transponders + added, kMaxTransponders) << why;
            continue;
        }
        EXPECT_EQ(transponderCount(img), transponders + added);
        fx.db.updateChecksum();
        EXPECT_EQ(checkImage(img).size(), findings) << reportText(checkImage(img));
        for (int p = 0; p < programCount(img); ++p)
            ASSERT_EQ(tuning(img, p), before[static_cast<std::size_t>(p)]) << "program " << p;
        const TransponderPlan again = planTransponderUpdate(img, file);
        EXPECT_TRUE(again.additions.empty() && again.changes.empty()) << planText(again);
    }
}

// 2 MHz off is still the image's transponder; one 1 MHz off a transponder the plan adds is that one.
TEST(SatellitesXml, TranspondersWithin2MHzAreTheSame) {
    test::DatabaseFixture fx;
    fx.build.satellite(1, "Astra", 192);
    fx.build.transponder(1, 11000, 0, 22000);
    fx.build.satellite(256, "Big", 130);  // no transponder can name it: left out of the plan
    const char* tp = R"(<transponder polarization="0" fec_inner="3" frequency=")";
    const SatellitesXml file = readSatellitesXml(
        std::string("<satellites><sat name=\"A\" position=\"192\">") + tp + R"(11002000" symbol_rate="27500000"/>)" +
        tp + R"(12000000" symbol_rate="27500000"/>)" + tp + R"(12001000" symbol_rate="30000000"/></sat></satellites>)");
    const TransponderPlan plan = planTransponderUpdate(fx.image(), file);
    ASSERT_EQ(std::tuple(plan.additions.size(), plan.changes.size()), std::tuple(1u, 1u));
    EXPECT_EQ(plan.changes[0].second.symbolRate, 27500);
    EXPECT_EQ(plan.additions[0].frequency, 12000);
    EXPECT_EQ(planText(plan),
              "Astra 19.2E: 1 added, 1 changed, 0 not in the file\n1 transponder to add, 1 to change\n");
    EXPECT_EQ(boxFec(6), 0) << "8/9 becomes auto";
}

TEST(SatellitesXml, FilesThatAreNotSuchAListAreRefusedWithTheLine) {
    const std::string sat = R"(<satellites><sat name="A" position="1">)", end = "</sat></satellites>";
    const std::string tp = sat + R"(<transponder frequency="11000000" symbol_rate="27500000" )";
    const std::string doctype = "line 1: a document type declaration is not accepted";
    const std::pair<std::string, std::string> cases[] = {
        {"<satellites>\n<sat name=\"A\" position=\"1\"></satellites>", "line 2: mismatched tag"},
        {"<list/>", "line 1: the root element is <list>, not <satellites>"},
        {"<satellites>\n<sat position=\"192\"/></satellites>", "line 2: <sat> without name"},
        {"<satellites><sat name=\"position\" position=\"1900\"/></satellites>",  // a name like an attribute's
         "line 1: position=\"1900\" is not a number from -1800 to 1800"},
        {sat + "\n\n<transponder frequency=\"x\"/>" + end,
         "line 3: frequency=\"x\" is not a number from 1000 to 65535000"},
        {tp + R"(polarization="4" fec_inner="0"/>)" + end, "line 1: polarization=\"4\" is not a number from 0 to 3"},
        {tp + R"(polarization="0" fec_inner="10"/>)" + end, "line 1: fec_inner=\"10\" is not a number from 0 to 9"},
        {tp + R"(polarization="1x" fec_inner="0"/>)" + end, "line 1: polarization=\"1x\" is not a number from 0 to 3"},
        {sat + R"(<transponder frequency="11000000" symbol_rate="65535001"/>)" + end,
         "line 1: symbol_rate=\"65535001\" is not a number from 1000 to 65535000"},
        {"<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n<satellites/>", doctype},
        {"<!DOCTYPE s SYSTEM \"file:///etc/passwd\"><satellites/>", doctype},
        {"<satellites>" + std::string(9, '\n') +
             "<a><a><a><a><a><a><a><a></a></a></a></a></a></a></a></a></satellites>",
         "line 10: elements nested too deep"},
    };
    for (const auto& [text, error] : cases) {
        const SatellitesXml file = readSatellitesXml(text);
        EXPECT_EQ(file.error, error) << text;
        EXPECT_TRUE(file.satellites.empty());
    }
}

}  // namespace
}  // namespace vizud
