// Program edits, the list's delete and paste, snapshot pastes: the cases that break renumbering and the
// TV/radio boundary, and the refusals at exactly the capacities.
#include <gtest/gtest.h>

#include "database/image_access.h"
#include "tests/database/editing_checks.h"
#include "tests/support/image_factory.h"

namespace vizud {
namespace {

using test::Channels;

constexpr std::uint32_t kWhole = kViewWholeTable | kViewTvAndRadio;

constexpr std::uint32_t listView(int list, std::uint32_t part = kViewTvAndRadio) {
    return part | (1u << (kViewFirstFavouriteBit + list));
}

const test::Case kCases[] = {
    {"deleting the only TV program empties the TV part, and every list follows",
     [](Channels& e) {
         e.tv(1).fav(0, {0}, {2, 3}).fav(1, {}, {1, 8}).remove(0).programs().list(0).list(1);
     },
     "0 | / P1 P2 P3 P4 P5 P6 P7 P8 | / 1 2 | / 0 7"},
    {"deleting the first radio program keeps the TV part of programs and lists",
     [](Channels& e) {
         e.fav(0, {1, 3}, {5, 7}).remove(5).programs().list(0);
     },
     "0 | P0 P1 P2 P3 P4 / P6 P7 P8 | 1 3 / 6"},
    {"during a drag a delete leaves the lists to the drop; rows outside the table are refused",
     [](Channels& e) {
         e.fav(0, {1, 3}, {5, 7}).drag().remove(1).remove(8).remove(20000).remove(-1).list(0);
     },
     "0 -3 -2 -2 | 1 3 / 5 7"},
    {"an inserted TV program moves every later list entry, and the dialog's kind is used once",
     [](Channels& e) {
         e.fav(0, {1, 3, 4}, {5, 8}).insert(3, "New", 0).value(e.state->newProgramKind);
         e.value(e.image().programs[3].serviceId).programs().list(0);
     },
     "0 -1 4711 | P0 P1 P2 New P3 P4 / P5 P6 P7 P8 | 1 4 5 / 6 9"},
    {"an insert on the wrong side of the boundary is refused; at the boundary both kinds are taken",
     [](Channels& e) {
         e.keep().insert(6, "X", 0).insert(4, "X", 1).unchanged().insert(5, "T", 0).insert(6, "R", 1).programs();
     },
     "-8 -7 | unchanged 0 0 | P0 P1 P2 P3 P4 T / R P5 P6 P7 P8 | said: Can't put TV program among Radio program; "
     "Can't put Radio program among TV program"},
    {"an insert without a kind takes the kind of its place and still renumbers the lists",
     [](Channels& e) { e.fav(2, {4}, {6}).insert(2, "Old").programs().list(2); },
     "0 | P0 P1 Old P2 P3 P4 / P5 P6 P7 P8 | 5 / 7"},
    {"the 20000th program fits and the next is refused, whatever the kind",
     [](Channels& e) {
         e.full(3).remove(0).insert(0, "Last", 0, 0).value(e.image().programCount);
         e.keep().insert(0, "X", 0, 0).insert(0, "X", -1, 0).unchanged();
     },
     "0 0 20000 -4 -4 | unchanged | said: Database is full.; Database is full."},
    {"an update writes the fields in place and keeps the reserved bytes; what lies outside is refused",
     [](Channels& e) {
         e.image().programs[2].reserved12[0] = 0xAB;
         e.update(2, "Renamed but much longer").update(9, "X").update(20000, "X");
         e.edit(kTablePrograms, 554, 0).edit(505, kOpUpdate, 0).programs();
         const st_program& prog = e.image().programs[2];
         e.value(prog.serviceId).value(prog.tpIndex).value(prog.pcrPid).value(prog.reserved12[0]);
     },
     "0 -3 -2 -1 -1 | P0 P1 Renamed but much P3 P4 / P5 P6 P7 P8 4711 1 103 171"},
    {"a list entry is removed by its place in the view, counted from the first radio entry for the radio part",
     [](Channels& e) {
         e.fav(4, {0, 2}, {5, 6, 8}).removeEntry(4, 1, 1).removeEntry(4, 0, 0).removeEntry(4, 0, 3);
         e.removeEntry(9, 0, 0).list(4);
     },
     "0 0 -3 -2 | 2 / 5 8"},
    {"the list's Delete in the whole table takes the program from every list, and clipboard nodes follow",
     [](Channels& e) {
         e.fav(0, {1, 3}, {5}).copy(2).copy(3).copy(7).root("Satellites");
         e.deleteShown(3).deleteInView(8, 0).list(0).clipboard();
     },
     "0 -1 | 1 / 4 | clipboard 2 -1 6"},
    {"under the Favs root and in a list view the Delete takes the program out of lists only",
     [](Channels& e) {
         e.fav(0, {1, 3}, {5}).fav(3, {3}, {}).fav(5, {3}, {6}).root("Favs").deleteInView(3, (1u << 5) | (1u << 8));
         e.mode(listView(5)).deleteInView(6, 0).deleteInView(6, 0).value(e.image().programCount);
         e.list(0).list(3).list(5);
     },
     "0 0 -1 9 | 1 / 5 | / | 3 /"},
    {"a paste position must not put TV programs among radio ones nor radio among TV",
     [](Channels& e) { e.copy(1).checkPaste(5).checkPaste(6).emptyClipboard().copy(6).checkPaste(5).checkPaste(4); },
     "1 0 1 0 | said: Can't put TV program among radio program.; Can't put radio program among TV program."},
    {"cut programs pasted back at the boundary return to their lists, each in its own part (as often as a "
     "damaged list named one)",
     [](Channels& e) {
         e.fav(0, {0, 2, 4}, {6}).fav(1, {2, 0, 2}, {}).fav(2, {}, {6, 7, 8}).root("Satellites").cut(2).cut(6);
         e.deleteShown(6).deleteShown(2).list(0).checkPaste(4).paste(4).programs();
         e.list(0).list(1).list(2).clipboard();
     },
     "0 0 | 0 3 / 1 0 | P0 P1 P3 P4 P2 / P6 P5 P7 P8 | 0 4 3 / 5 | 0 4 4 / | / 5 7 8 | clipboard 4 5"},
    {"a clipboard paste into a full table is refused without a message",
     [](Channels& e) { e.full(4).copy(1).keep().paste(1).value(e.state->programClipboard->pasted).unchanged(); },
     "-1 0 | unchanged"},
    {"a clipboard node naming a missing transponder is pasted neither into the table nor into a list",
     [](Channels& e) {
         e.cut(1).keep();
         e.state->programClipboard->tpIndex = 4;
         e.paste(2).mode(listView(2)).paste(0).value(e.state->programClipboard->pasted).unchanged();
     },
     "-1 -1 0 | unchanged"},
    {"a clipboard paste into a list stops at 200 entries",
     [](Channels& e) {
         st_fav& list = e.image().favourites[6];
         for (list.favCount = 0; list.favCount < 199; ++list.favCount)
             list.favEntries[list.favCount] = static_cast<std::uint16_t>(list.favCount % 5);
         list.favTvCount = 199;
         e.mode(listView(6)).copy(1).copy(2).paste(199).emptyClipboard().copy(1).paste(199);
         e.value(list.favCount).value(list.favEntries[199]).value(list.favTvCount);
     },
     "-1 0 200 1 200"},
    {"a clipboard paste into a list creates a cut program at the end of its kind, and copied nodes follow",
     [](Channels& e) { e.fav(6, {0}, {5}).mode(listView(6)).cut(3).copy(7).paste(1).programs().list(6).clipboard(); },
     "0 | P0 P1 P2 P3 P4 P3 / P5 P6 P7 P8 | 0 5 / 8 6 | clipboard 5 8"},
    {"TV snapshots go at the boundary and not behind it",
     [](Channels& e) {
         e.snap(0).snap(1).pasteSnapshots(kTablePrograms, -1, 6, kWhole).pasteSnapshots(kTablePrograms, -1, 5, kWhole);
         e.programs().pasted();
     },
     "-8 0 | P0 P1 P2 P3 P4 P0 P1 / P5 P6 P7 P8 | pasted 1 1 | said: Can't put TV program among Radio program"},
    {"a radio snapshot before a TV one is refused, by the batch paste too",
     [](Channels& e) { e.snap(6).snap(0).keep().pasteSnapshots(kTablePrograms, -1, 5, kWhole, true).unchanged(); },
     "-8 | unchanged | said: Can't put TV program among Radio program"},
    {"a snapshot list that exactly fills the table is pasted",
     [](Channels& e) {
         e.full(5).remove(0).snap(20).pasteSnapshots(kTablePrograms, -1, 5, kWhole).pasted();
         e.value(e.image().programCount);
     },
     "0 0 | pasted 1 20000"},
    {"a full table refuses the whole snapshot list",
     [](Channels& e) { e.full(5).snap(20).pasteSnapshots(kTablePrograms, -1, 5, kWhole).pasted(); },
     "-100 | pasted 0 | said: Not enought free space in programs table"},
    {"a snapshot's missing satellite, provider and transponder are created; the satellite counts its own here",
     [](Channels& e) {
         ProgramSnapshot& foreign = *e.snap(6).nodes.nodes.back();
         foreign.satId = foreign.tpSatId = 42;
         foreign.satTpCount = 17;
         foreign.frequency = 11216;
         test::setName(foreign.satName, "Thor");
         test::setName(foreign.providerName, "Telenor");
         e.pasteSnapshots(kTablePrograms, -1, 9, kWhole).transponders().tpRefs().providers();
         e.text(nameText(e.image().satellites[2].name));
     },
     "0 | 10700 11720 12500 10992 11216 [3 1 1] | 0 1 2 3 0 1 2 3 0 4 | ARD ZDF Telenor | 0 1 0 1 0 1 0 1 0 2 Thor"},
    {"the 200th satellite comes with a snapshot; a paste stopped by the next marks the snapshots it placed",
     [](Channels& e) {
         while (e.image().satCount < kMaxSatellites - 1)
             e.build.satellite(1000 + e.image().satCount, "Filler");
         e.snap(7).nodes.nodes.back()->satId = 77;
         e.pasteSnapshots(kTablePrograms, -1, 9, kWhole);
         e.nodes.nodes.clear();
         e.snap(6).snap(7).snap(8).nodes.nodes[1]->satId = 78;
         e.pasteSnapshots(kTablePrograms, -1, 10, kWhole).value(e.image().satCount).value(e.image().programCount);
         e.pasted();
     },
     "0 -1 200 11 | pasted 1 0 0 | said: Sat table if full"},
    {"into a list's empty part without a position TV snapshots come first; a part with entries wants a position",
     [](Channels& e) {
         e.snap(7).snap(2).snap(6).snap(3).pasteSnapshots(kTableFavourites, 8, -1, listView(8));
         e.pasteSnapshots(kTableFavourites, 8, -1, listView(8));
         e.pasteSnapshots(kTableFavourites, 8, -1, listView(8, kViewTvOnly)).list(8);
     },
     "0 -6 -6 | 2 3 / 7 6 | said: Select position to paste Your data!; Select position to paste Your data!"},
    {"a list's paste skips a program it holds, keeps radio out of the TV part, and takes its 400th entry",
     [](Channels& e) {
         e.fav(3, {0, 1}, {5}).snap(5).pasteSnapshots(kTableFavourites, 3, 3, listView(3)).pasted();
         e.nodes.nodes.clear();
         e.snap(6).pasteSnapshots(kTableFavourites, 3, 1, listView(3));
         st_fav& list = e.image().favourites[3];
         for (list.favCount = 3; list.favCount < 400; ++list.favCount)
             list.favEntries[list.favCount] = 5;
         e.pasteSnapshots(kTableFavourites, 3, 2, listView(3));
         list.favCount = 399;
         e.pasteSnapshots(kTableFavourites, 3, 399, listView(3)).value(list.favCount);
     },
     "0 | pasted 0 -7 -100 0 400 | said: Can't put Radio program among TV program; Not enought free space in "
     "programs table"},
    {"a move refuses sources or a drop outside their block; lists and clipboard nodes follow the moved programs",
     [](Channels& e) {
         e.fav(2, {0, 3}, {5}).keep().move({4, 5}, 0).move({1, 2}, 4).move({5}, 4).move({2, 1}, 0).move({}, 0);
         e.move({9}, 4).moveEntries(2, false, {0, 2}, 0).moveEntries(2, false, {0}, 2).moveEntries(2, true, {0}, -1);
         e.unchanged().copy(3).move({3}, 0).programs().list(2).clipboard();
     },
     "-1 -1 -1 -1 -1 -1 -1 -1 -1 | unchanged 0 | P3 P0 P1 P2 P4 / P5 P6 P7 P8 | 1 0 / 5 | clipboard 0"},
};

TEST(ProgramEdits, EachRuleOnTheChannelTable) {
    for (const test::Case& c : kCases)
        EXPECT_EQ(test::runCase(c), c.expected) << c.rule;
}

}  // namespace
}  // namespace vizud
