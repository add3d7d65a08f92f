// Satellites, transponders, providers and favourite lists: sorted inserts, renumbering of the programs'
// references, the refusals at exactly the capacities, and a damaged image that must not be overrun.
#include <gtest/gtest.h>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

using test::Channels;

const test::Case kCases[] = {
    {"an inserted transponder goes behind the equal frequencies of its satellite; later references move on",
     [](Channels& e) { e.tpInsert(7, 11720, 1).transponders().tpRefs(); },
     "0 | 10700 11720 11720/1 12500 10992 [4 1] | 0 1 3 4 0 1 3 4 0"},
    {"an equal transponder is refused on its own satellite only",
     [](Channels& e) { e.tpInsert(7, 11720).tpInsert(9, 11720).transponders(); },
     "-10 0 | 10700 11720 12500 10992 11720 [3 2] | said: Transponder with entered values exist"},
    {"the 3000th transponder fits and the next is refused",
     [](Channels& e) {
         while (e.image().tpCount < kMaxTransponders - 1)
             e.build.transponder(9, 11000 + e.image().tpCount);
         e.tpInsert(7, 12000).keep().tpInsert(7, 12100).value(e.image().tpCount).unchanged();
     },
     "0 -1 3000 | unchanged | said: Not enought free space in transponder table."},
    {"a transponder in use or outside the table stays; a deleted one leaves its satellite, references follow",
     // 12500, the last of satellite 7 and followed by satellite 9's, is freed
     [](Channels& e) { e.retune(2, 3).tpDelete(1).tpDelete(4).tpDelete(3000).tpDelete(2).transponders().tpRefs(); },
     "-8 -3 -2 0 | 10700 11720 10992 [2 1] | 0 1 2 2 0 1 2 2 0"},
    {"a cut program in the clipboard keeps its transponder, and its node follows the table",
     [](Channels& e) {
         e.retune(0, 1).cut(0);
         e.state->programClipboard->tpIndex = 0;
         e.tpDelete(0);
         e.state->programClipboard->tpIndex = 2;
         e.tpDelete(0).value(e.state->programClipboard->tpIndex);
     },
     "-8 0 1"},
    {"a new frequency or satellite moves the transponder to its sorted place, its references with it",
     [](Channels& e) {
         e.tpMove(0, 7, 12000).transponders().tpRefs().text("|").tpMove(1, 9, 12000).transponders().tpRefs();
     },
     "0 | 11720 12000 12500 10992 [3 1] | 1 0 2 3 1 0 2 3 1 | 0 | 11720 12500 10992 12000 [2 2] | 3 0 1 2 3 0 1 2 3"},
    {"a motor left at position 0 gets the lowest free one from 29 (its own counts as taken), else the given one",
     [](Channels& e) {
         e.image().satellites[0].positionerNo = 30;
         e.image().satellites[1].positionerNo = 29;
         RecordView view;
         e.db.getRecord(kTableSatellites, 0, view);
         for (const std::uint32_t motorAndNumber : {0x100u, 0x12Du, 0u}) {
             view.word[7] = motorAndNumber >> 8;
             view.word[8] = motorAndNumber & 0xFF;
             e.value(e.db.setSatellite(0, view)).value(e.image().satellites[0].positionerNo);
         }
     },
     "0 31 0 45 0 0"},
    {"a new satellite goes right after the last with a 16-byte name; an index outside the table is refused",
     [](Channels& e) {
         RecordView view;
         view.word[0] = 300;
         view.word[10] = 'W';
         view.word16 = "Eutelsat 5 West A";
         e.value(e.db.setSatellite(150, view)).value(e.db.setSatellite(200, view)).value(e.db.setSatellite(-1, view));
         const st_sat& added = e.image().satellites[2];
         e.value(e.image().satCount).value(added.satId).value(added.eastWest).text(nameText(added.name));
     },
     "0 -2 -2 3 300 87 Eutelsat 5 West "},
    {"an added satellite takes its index as key when free, else the lowest key no satellite or transponder uses",
     [](Channels& e) {
         e.build.transponder(2, 11000);  // a transponder whose satellite is missing keeps key 2 taken
         st_sat sat{};
         sat.satId = 7;
         sat.tpCount = 5;
         e.value(e.db.addSatellite(sat)).value(e.db.addSatellite(sat));
         e.value(e.image().satellites[2].satId).value(e.image().satellites[3].satId);
         while (e.image().satCount < kMaxSatellites)
             e.db.addSatellite(sat);
         e.keep().value(e.db.addSatellite(sat)).unchanged();
     },
     "2 3 0 3 -1 | unchanged"},
    {"a satellite goes with its transponders and their programs unless the clipboard needs one of them",
     [](Channels& e) {
         e.fav(0, {3, 1}, {7}).cut(4);  // P4, on transponder 0
         const auto contents = e.db.satelliteContents(0);
         e.value(contents.transponders).value(contents.programs).value(contents.neededByClipboard);
         e.keep().value(e.db.deleteSatellite(0)).unchanged();
         e.state->programClipboard->tpIndex = 3;
         e.value(e.db.deleteSatellite(0)).value(e.db.deleteSatellite(1)).value(e.state->programClipboard->tpIndex);
         e.programs().transponders().tpRefs().list(0);
     },
     "3 7 1 -8 | unchanged 0 -1 0 | P3 / P7 | 10992 [1] | 0 0 | 0 / 1"},
    {"a second satellite of a key owns no transponders: it goes alone",
     [](Channels& e) {
         e.build.satellite(7, "Astra copy");
         e.fav(0, {3}, {7}).value(e.db.deleteSatellite(2)).value(e.image().satCount).programs().transponders().list(0);
     },
     "0 2 | P0 P1 P2 P3 P4 / P5 P6 P7 P8 | 10700 11720 12500 10992 [3 1] | 3 / 7"},
    {"a provider put in before others pushes their programs on; renames and inserts stop at the table's ends",
     [](Channels& e) {
         e.provider(kOpInsert, 2, "Sky Deutschland!").provider(kOpInsert, 1, "Sky Deutschland!");
         e.provider(kOpUpdate, 3, "ORF").provider(kOpUpdate, 4, "ORF").provider(kOpInsert, 5, "ORF");
         e.provider(kOpInsert, 400, "ORF").provider(kOpDelete, 0, "ORF").providers();
         while (e.image().providerCount < kMaxProviders - 1)
             e.build.provider("Filler");
         e.text("|").provider(kOpInsert, kMaxProviders - 1, "Last").provider(kOpInsert, kMaxProviders, "X");
         e.provider(kOpInsert, 0, "X");
     },
     "0 0 0 -3 -3 -2 -1 | ARD Sky Deutschland! ZDF ORF | 0 2 0 2 0 2 0 2 0 | 0 -2 -4 | said: Provider table is full."},
    {"a program added to a list joins its own part once; removing takes it out; lists and programs must exist",
     [](Channels& e) {
         e.fav(0, {0}, {7, 8}).favourite(kOpInsert, 0, 2).favourite(kOpInsert, 0, 2).favourite(kOpInsert, 0, 5);
         e.favourite(kOpDelete, 0, 7).favourite(kOpDelete, 0, 6).favourite(kOpInsert, 0, 9);
         e.favourite(kOpInsert, 9, 1).favourite(kOpDelete, 9, 1).favourite(kOpRemoveListEntry, 0, 1).list(0);
     },
     "0 0 0 0 0 -3 -4 -4 -1 | 0 2 / 8 5"},
    {"a list takes its 399th entry by add but not its 400th",
     [](Channels& e) {
         for (int p = 0; p < 500; ++p)
             e.build.program("Radio", 0, 0, false);
         st_fav& list = e.image().favourites[2];
         for (list.favCount = 0; list.favCount < 398; ++list.favCount)
             list.favEntries[list.favCount] = static_cast<std::uint16_t>(5 + list.favCount);
         e.favourite(kOpInsert, 2, 450).favourite(kOpInsert, 2, 451).value(list.favCount);
     },
     "0 -6 399"},
    {"a list's new name keeps 16 bytes and leaves its entries alone; there is no tenth list",
     [](Channels& e) {
         e.favourite(kOpUpdate, 8, 0, "A twenty char name!!").favourite(kOpUpdate, 9, 0, "A twenty char name!!");
         e.value(e.image().favourites[8].favEntries[0]).text(nameText(e.image().favourites[8].favName));
     },
     "0 -2 0 A twenty char na"},
};

TEST(TableEdits, EachRuleOnTheChannelTable) {
    for (const test::Case& c : kCases)
        EXPECT_EQ(test::runCase(c), c.expected) << c.rule;
}

// References that point anywhere: no edit may read or write outside the image for them.
TEST(DamagedImage, EditsStayInsideTheTables) {
    test::DatabaseFixture fx;
    test::makeImage(fx.image(), 9, test::fullShape());
    all_tables_block& img = fx.image();
    for (int p = 0; p < img.programCount; p += 3) {
        img.programs[p].tpIndex = 0xFFFF;
        img.programs[p].providerIndex = 0xFFF0;
    }
    for (st_fav& list : img.favourites) {
        for (int i = 0; i < list.favCount; i += 2)
            list.favEntries[i] = 0xFFFF;
    }
    img.satellites[0].satId = 0xFFFF;
    ProgramSnapshot snap;
    fx.db.getProgramSnapshot(0, 1, snap);
    RecordView view;
    view.word[0] = view.word[1] = 0xFFFFFFFF;
    for (const int table : {500, 501, 502, 503, 504}) {
        for (const int op : {550, 551, 552, 553}) {
            for (const int index : {-1, 0, 399, 19999, 20000, 65535})
                fx.db.modifyRecord(table, op, index, view);
        }
    }
    std::uint32_t mask = 0xFFFFFFFF;
    fx.db.deleteInView(0, mask);
    int position = 65535;
    fx.db.pasteClipboard(position);
    test::SnapshotList nodes;
    nodes.append(snap);
    fx.db.pasteSnapshots(501, -1, 19999, nodes.head(), kViewWholeTable);
    fx.db.pasteSnapshotsBatch(504, 8, 3, nodes.head(), 1u << 13);
    fx.db.renumberAfterDrop(-5);
    EXPECT_TRUE(countsWithinCapacity(img));
}

}  // namespace
}  // namespace vizud
