// Comparing two files: one change to a copy per row, found as the match of ordering like another file
// finds it; a file compared with itself has no differences.
#include <gtest/gtest.h>

#include "listtools/program_diff.h"
#include "tests/listtools/two_satellites.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

// On the two satellites: provider Q besides P, TV programs A and B and radio program R on Astra.
void buildOld(test::ImageBuilder& b) {
    b.provider("Q");
    b.program("A", 0, 0, true, 1);
    b.program("B", 0, 0, true, 2);
    b.program("R", 0, 0, false, 3);
}

TEST(ProgramDiff, EachChangeToACopyIsFoundAsWhatItIs) {
    const struct {
        void (*change)(all_tables_block&);
        const char *added, *removed, *renamed, *changed;  // the lists of the JSON, 1-based
    } cases[] = {
        {[](auto&) {}, "", "", "", ""},
        // Only the second key (the name on the satellite) matches: the same program.
        {[](auto& n) { n.programs[1].serviceId = 22; }, "", "", "", ""},
        {[](auto& n) { n.programs[1].serviceId = 22, n.programs[1].pcrPid = 7; }, "", "", "", "[2,2]"},
        {[](auto& n) { n.programs[0].name[0] = 'Z'; }, "", "", "[1,1]", ""},
        {[](auto& n) { n.programs[2].providerIndex = 1; }, "", "", "", "[3,3]"},
        {[](auto& n) { n.programs[0].programFlags ^= 4; }, "", "", "", "[1,1]"},
        {[](auto& n) { n.programs[2].pcrPid = 0x7FFF + 1; }, "", "", "", "[3,3]"},
        {[](auto& n) { n.programs[1].videoPid = 3, n.programs[2].audioPid = 4; }, "", "", "", "[2,2],[3,3]"},
        // A new service id and a new name: another program.
        {[](auto& n) { n.programs[0].serviceId = 9, n.programs[0].name[0] = 'Z'; }, "1", "1", "", ""},
        {[](auto& n) { n.programs[1].tpIndex = 5; }, "2", "2", "", ""},
        // The radio program gone, a TV program scanned before the others.
        {[](auto& n) {
             n.programs[2] = n.programs[1], n.programs[1] = n.programs[0];
             test::setName(n.programs[0].name, "New");
             n.programs[0].serviceId = 40;
             n.tvCount = 3;
         },
         "1", "3", "", ""},
    };
    for (const auto& c : cases) {
        test::TwoSatellites was, is;
        buildOld(was.build);
        buildOld(is.build);
        c.change(is.image());
        const std::string expected = std::string(R"({"added":[)") + c.added + R"(],"removed":[)" + c.removed +
                                     R"(],"renamed":[)" + c.renamed + R"(],"changed":[)" + c.changed + "]}\n";
        const ProgramDiff diff = diffPrograms(was.image(), is.image());
        EXPECT_EQ(diffJson(diff), expected);
        if (std::string(c.renamed) == "[1,1]") {
            EXPECT_EQ(diffText(diffLines(diff, was.image(), is.image()), diff),
                      "~ TV    1->1        A -> Z  Astra 19.2E  sid 1\n0 added, 0 removed, 1 renamed, 0 changed\n");
        }
        EXPECT_EQ(diff.empty(), std::string(c.added) + c.removed + c.renamed + c.changed == "");
    }
}

}  // namespace
}  // namespace vizud
