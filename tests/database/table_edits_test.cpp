// Edits of every table on the small channel table: program edits, the list's delete and paste, snapshot
// pastes (renumbering, the TV/radio boundary), satellites, transponders, providers and favourite lists
// (sorted inserts, the programs' references), the refusals at exactly the capacities, and a damaged image
// that must not be overrun.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

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
         e.fav(0, {1, 3, 4}, {5, 8}).copy(4).insert(3, "New", 0).value(e.state->newProgramKind);
         e.value(e.image().programs[3].serviceId).programs().list(0).clipboard();
     },
     "0 -1 4711 | P0 P1 P2 New P3 P4 / P5 P6 P7 P8 | 1 4 5 / 6 9 | clipboard 5"},
    {"an insert on the wrong side of the boundary is refused; at the boundary both kinds are taken",
     [](Channels& e) {
         e.keep().insert(6, "X", 0).insert(4, "X", 1).insert(10, "X", 0).unchanged();
         e.insert(5, "T", 0).insert(6, "R", 1).programs();
     },
     "-8 -7 -3 | unchanged 0 0 | P0 P1 P2 P3 P4 T / R P5 P6 P7 P8 | said: Can't put TV program among Radio program; "
     "Can't put Radio program among TV program"},
    {"an insert without a kind takes the kind of its place and still renumbers the lists",
     [](Channels& e) { e.fav(2, {4}, {6}).insert(2, "Old").programs().list(2); },
     "0 | P0 P1 Old P2 P3 P4 / P5 P6 P7 P8 | 5 / 7"},
    {"the 20000th program fits and the next is refused, whatever the kind; a clipboard paste into the full table "
     "is refused without a message",
     [](Channels& e) {
         e.full(3).remove(0).insert(0, "Last", 0, 0).value(e.image().programCount);
         e.keep().insert(0, "X", 0, 0).insert(0, "X", -1, 0).unchanged();
         e.copy(1).paste(1).value(e.state->programClipboard->pasted).unchanged();
         e.image().favourites[0].favCount = e.image().favourites[0].favTvCount = 0;
         e.snap(0).pasteSnapshots(kTableFavourites, 0, -1, listView(0)).value(e.image().favourites[0].favCount);
     },
     "0 0 20000 -4 -4 | unchanged -1 0 | unchanged 0 1 | said: Database is full.; Database is full."},
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
     [](Channels& e) {
         e.copy(1).checkPaste(5).checkPaste(6).emptyClipboard().copy(6).checkPaste(5).checkPaste(4);
         e.paste(4).paste(5).clipboard();  // the copied program behind the pasted one moves on
     },
     "1 0 1 0 -1 0 | clipboard 7 | said: Can't put TV program among radio program.; Can't put radio program among TV "
     "program."},
    {"cut programs pasted back at the boundary return to their lists, each in its own part (as often as a "
     "damaged list named one)",
     [](Channels& e) {
         e.fav(0, {0, 2, 4}, {6}).fav(1, {2, 0, 2}, {}).fav(2, {}, {6, 7, 8}).root("Satellites").cut(2).cut(6);
         e.deleteShown(6).deleteShown(2).list(0).checkPaste(4).paste(4).programs();
         e.list(0).list(1).list(2).clipboard();
     },
     "0 0 | 0 3 / 1 0 | P0 P1 P3 P4 P2 / P6 P5 P7 P8 | 0 4 3 / 5 | 0 4 4 / | / 5 7 8 | clipboard 4 5"},
    {"a clipboard node naming a missing transponder is pasted neither into the table nor into a list",
     [](Channels& e) {
         e.cut(1).keep().clipTp(4).paste(2).mode(listView(2)).paste(0).value(e.state->programClipboard->pasted);
         // A copied node names its program, whatever its stale transponder.
         e.unchanged().emptyClipboard().copy(0).clipTp(4).paste(0).list(2);
     },
     "-1 -1 0 | unchanged 0 | 0 /"},
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
    {"a snapshot paste into a list refuses a list or a place it lacks and each class in the other's part",
     [](Channels& e) {
         e.fav(0, {0, 1}, {5}).snap(6).pasteSnapshots(kTableFavourites, 9, 0, listView(0));
         e.pasteSnapshots(kTableFavourites, 0, 4, listView(0)).pasteSnapshots(kTableFavourites, 0, 0, listView(0));
         e.pasteSnapshots(kTableFavourites, 0, 2, listView(0));  // first in the radio part
         e.newNodes().snap(0).pasteSnapshots(kTableFavourites, 0, 3, listView(0)).list(0);
     },
     "-2 -2 -7 0 -8 | 0 1 / 6 5 | said: Can't put Radio program among TV program; Can't put TV program among Radio "
     "program"},
    {"a full table refuses the whole snapshot list; one that exactly fills the table is pasted",
     [](Channels& e) {
         e.full(5).snap(20).pasteSnapshots(kTablePrograms, -1, 5, kWhole).pasted().remove(0);
         e.pasteSnapshots(kTablePrograms, -1, 5, kWhole).pasted().value(e.image().programCount);
     },
     "-100 | pasted 0 0 0 | pasted 1 20000 | said: Not enought free space in programs table"},
    {"a snapshot's missing satellite, provider and transponder are created; the satellite counts its own here",
     [](Channels& e) {
         ProgramSnapshot& foreign = *e.snap(6).nodes.nodes.back();
         foreign.satId = foreign.tpSatId = 42;
         foreign.satTpCount = 17;
         foreign.frequency = 11216;
         foreign.positionerNo = 33;
         test::setName(foreign.satName, "Thor");
         test::setName(foreign.providerName, "Telenor");
         e.pasteSnapshots(kTablePrograms, -1, 9, kWhole).transponders().tpRefs().providers();
         e.text(nameText(e.image().satellites[2].name)).value(e.image().satellites[2].positionerNo);
     },
     "0 | 10700 11720 12500 10992 11216 [3 1 1] | 0 1 2 3 0 1 2 3 0 4 | ARD ZDF Telenor | 0 1 0 1 0 1 0 1 0 2 Thor 33"},
    {"a snapshot's transponder is its own when any of its key fields differs, by the batch paste too",
     [](Channels& e) {
         e.image().transponders[3].tsId = 1;
         e.image().transponders[3].originalNetworkId = 0x8000;
         e.snap(3).snap(3).nodes.nodes[0]->tsId = 0;
         e.nodes.nodes[0]->networkId = 0x8000;
         e.nodes.nodes[1]->originalNetworkId = 0;
         e.nodes.nodes[1]->networkId = 1;
         e.pasteSnapshots(kTablePrograms, -1, 5, kWhole, true).newNodes().snap(3).nodes.nodes[0]->polarization = 1;
         e.pasteSnapshots(kTablePrograms, -1, 7, kWhole).transponders().tpRefs();
     },
     "0 0 | 10700 11720 12500 10992 10992 10992 10992/1 [3 4] | 0 1 2 3 0 4 5 6 1 2 3 0"},
    {"the 200th satellite comes with a snapshot; a paste stopped by the next marks the snapshots it placed",
     [](Channels& e) {
         while (e.image().satCount < kMaxSatellites - 1)
             e.build.satellite(1000 + e.image().satCount, "Filler");
         e.snap(7).nodes.nodes.back()->satId = 77;
         e.pasteSnapshots(kTablePrograms, -1, 9, kWhole).newNodes().snap(6).snap(7).snap(8).nodes.nodes[1]->satId = 78;
         e.pasteSnapshots(kTablePrograms, -1, 10, kWhole).value(e.image().satCount).value(e.image().programCount);
         e.pasted();
     },
     "0 -1 200 11 | pasted 1 0 0 | said: Sat table if full"},
    {"into a list's empty part without a position TV snapshots come first; a part with entries wants a position",
     [](Channels& e) {
         e.snap(7).snap(0).snap(6).snap(3).nodes.nodes[1]->programIndex = 3;  // P0 is found by its fields
         auto* bytes = reinterpret_cast<unsigned char*>(&e.image());  // P0's bytes just before the program table
         std::memcpy(bytes + offsetof(all_tables_block, programs) - sizeof(st_program), e.image().programs, 32);
         e.pasteSnapshots(kTableFavourites, 8, -1, listView(8));
         e.pasteSnapshots(kTableFavourites, 8, -1, listView(8));
         e.pasteSnapshots(kTableFavourites, 8, -1, listView(8, kViewTvOnly)).list(8);
     },
     "0 -6 -6 | 0 3 / 7 6 | said: Select position to paste Your data!; Select position to paste Your data!"},
    {"a list's paste skips a program it holds, keeps radio out of the TV part, and takes its 400th entry",
     [](Channels& e) {
         e.fav(3, {0, 1}, {5}).snap(5).pasteSnapshots(kTableFavourites, 3, 3, listView(3)).pasted();
         e.newNodes().snap(6).pasteSnapshots(kTableFavourites, 3, 1, listView(3));
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
         e.move({9}, 4).move({1, 1}, 0).moveEntries(2, false, {0, 2}, 0).moveEntries(2, false, {0}, 2);
         e.moveEntries(2, true, {0}, -1).moveEntries(2, false, {1}, -1);
         e.unchanged().copy(3).move({3}, 0).programs().list(2).clipboard();
     },
     "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 | unchanged 0 | P3 P0 P1 P2 P4 / P5 P6 P7 P8 | 1 0 / 5 | clipboard 0"},
    {"a reorder names every program once, each in its own part; lists and clipboard nodes follow",
     [](Channels& e) {
         e.fav(2, {0}, {5}).copy(0).keep().value(e.db.reorderPrograms(std::vector<int>{0, 1}));
         e.value(e.db.reorderPrograms(std::vector<int>{0, 0, 2, 3, 4, 5, 6, 7, 8})).unchanged();
         e.value(e.db.reorderPrograms(std::vector<int>{1, 0, 2, 3, 4, 5, 6, 7, 8})).list(2).clipboard();
     },
     "-1 -1 | unchanged 0 | 1 / 5 | clipboard 1"},
    // Transponders, satellites, providers and favourite lists.
    {"an inserted transponder goes behind the equal frequencies of its satellite, later references move on; an "
     "equal transponder is refused on its own satellite only",
     [](Channels& e) {
         e.cut(0).clipTp(0xFFFF).tpInsert(7, 11720, 1).tpInsert(7, 11720).tpInsert(9, 11720).transponders().tpRefs();
         e.value(e.state->programClipboard->tpIndex);
     },
     "0 -10 0 | 10700 11720 11720/1 12500 10992 11720 [4 2] | 0 1 3 4 0 1 3 4 0 65535 | said: Transponder with entered "
     "values exist"},
    {"the 3000th transponder fits and the next is refused",
     [](Channels& e) {
         while (e.image().tpCount < kMaxTransponders - 1)
             e.build.transponder(9, 11000 + e.image().tpCount);
         e.tpInsert(7, 12000).keep().tpInsert(7, 12100).value(e.image().tpCount).unchanged();
     },
     "0 -1 3000 | unchanged | said: Not enought free space in transponder table."},
    {"a record left behind the transponder table is not the transponder of a snapshot",
     [](Channels& e) {
         e.image().transponders[4] = e.image().transponders[3];
         e.image().transponders[4].frequency = 11000;
         e.snap(3).nodes.nodes[0]->frequency = 11000;
         e.pasteSnapshots(kTablePrograms, -1, 5, kWhole).transponders().tpRefs();
     },
     "0 | 10700 11720 12500 10992 11000 [3 2] | 0 1 2 3 0 4 1 2 3 0"},
    {"a transponder in use or outside the table stays; a deleted one leaves its satellite, references follow",
     // 12500, the last of satellite 7 and followed by satellite 9's, is freed
     [](Channels& e) { e.retune(2, 3).tpDelete(1).tpDelete(4).tpDelete(3000).tpDelete(2).transponders().tpRefs(); },
     "-8 -3 -2 0 | 10700 11720 10992 [2 1] | 0 1 2 2 0 1 2 2 0"},
    {"a cut program in the clipboard keeps its transponder, and its node follows the table",
     [](Channels& e) {
         e.retune(0, 1).cut(0).clipTp(0).tpDelete(0).clipTp(2).tpDelete(0).value(e.state->programClipboard->tpIndex);
     },
     "-8 0 1"},
    {"a new frequency or satellite moves the transponder to its sorted place, its references with it",
     [](Channels& e) {
         e.tpMove(0, 7, 12000).transponders().tpRefs().text("|").tpMove(1, 9, 12000).transponders().tpRefs();
     },
     "0 | 11720 12000 12500 10992 [3 1] | 1 0 2 3 1 0 2 3 1 | 0 | 11720 12500 10992 12000 [2 2] | 3 0 1 2 3 0 1 2 3"},
    {"added transponders go to their sorted places, behind the equal frequencies of their satellite",
     [](Channels& e) {
         st_ts low{};
         low.satId = 7;
         low.frequency = 10000;
         st_ts equal = low;
         equal.frequency = 11720;
         equal.polarization = 1;
         e.value(e.db.addTransponders({low, equal})).transponders().tpRefs();
     },
     "0 | 10000 10700 11720 11720/1 12500 10992 [5 1] | 1 2 4 5 1 2 4 5 1"},
    {"a motor at position 0 gets the lowest free number up to 199, whatever the number of satellites",
     [](Channels& e) {
         for (int n = 29; n < 199; ++n) {
             if (n != 171) {
                 e.build.satellite(n, "Filler");
                 e.image().satellites[e.image().satCount - 1].positionerNo = static_cast<std::uint8_t>(n);
             }
         }
         e.motor(0, 1, 0).motor(1, 1, 0);
     },
     "0 171 0 199"},
    {"a motor left at position 0 gets the lowest free one from 29 (its own counts as taken), else the given one; a "
     "new satellite goes right after the last with a 16-byte name; an index outside the table is refused",
     [](Channels& e) {
         e.image().satellites[0].positionerNo = 30;
         e.image().satellites[1].positionerNo = 29;
         e.motor(0, 1, 0).motor(0, 1, 45).motor(0, 0, 0);
         RecordView view;
         view.word[0] = 300;
         view.word[10] = 'W';
         view.word16 = "Eutelsat 5 West A";
         e.value(e.db.setSatellite(150, view)).value(e.db.setSatellite(200, view)).value(e.db.setSatellite(-1, view));
         const st_sat& added = e.image().satellites[2];
         e.value(e.image().satCount).value(added.satId).value(added.eastWest).text(nameText(added.name));
         e.value(e.db.setSatellite(3, view)).value(e.image().satCount);
     },
     "0 31 0 45 0 0 0 -2 -2 3 300 87 Eutelsat 5 West  0 4"},
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
         e.fav(0, {3, 1}, {7}).cut(4);                 // P4, on transponder 0
         e.image().favourites[8].favEntries[394] = 7;  // behind the list's count, just before the transponders
         const auto contents = e.db.satelliteContents(0);
         e.value(contents.transponders).value(contents.programs).value(contents.neededByClipboard);
         e.keep()
             .value(e.db.deleteSatellite(0))
             .unchanged()
             .clipTp(3)
             .value(e.db.deleteSatellite(0))
             .value(e.db.deleteSatellite(1))
             .value(e.state->programClipboard->tpIndex);
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
    {"a program added to a list joins its own part once; removing takes it out; lists and programs must exist; a "
     "list's new name keeps 16 bytes and leaves its entries alone",
     [](Channels& e) {
         e.fav(0, {0}, {7, 8}).favourite(kOpInsert, 0, 2).favourite(kOpInsert, 0, 2).favourite(kOpInsert, 0, 5);
         e.favourite(kOpDelete, 0, 7).favourite(kOpDelete, 0, 6).favourite(kOpInsert, 0, 9);
         e.favourite(kOpInsert, 9, 1).favourite(kOpDelete, 9, 1).favourite(kOpRemoveListEntry, 0, 1);
         e.favourite(kOpUpdate, 0, 0, "A twenty char name!!").favourite(kOpUpdate, 9, 0, "A twenty char name!!");
         e.list(0).text(nameText(e.image().favourites[0].favName));
     },
     "0 0 0 0 0 -3 -4 -4 -1 0 -2 | 0 2 / 8 5 A twenty char na"},
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
};

TEST(Edits, EachRuleOnTheChannelTable) {
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
    fx.db.deleteInView(0, 0xFFFFFFFF);
    int position = 65535;
    fx.db.pasteClipboard(position);
    test::SnapshotList nodes;
    nodes.append(snap);
    fx.db.pasteSnapshots(501, -1, 19999, nodes.head(), kViewWholeTable);
    fx.db.pasteSnapshotsBatch(504, 8, 3, nodes.head(), 1u << 13);
    fx.db.renumberAfterDrop(-5);
    EXPECT_TRUE(countsWithinCapacity(img));
}

// A snapshot pasted into another image brings its satellite and transponder along field for field; the new
// satellite also owns the transponders here that already carried its key.
TEST(SnapshotPaste, ASatelliteAndTransponderNewHereArriveWhole) {
    Channels from, to;
    st_sat& sat = from.image().satellites[1];
    sat.tone22k = 1;
    sat.lnbHighLo = 10601;
    sat.diseqcMode = 3;
    st_ts& tp = from.image().transponders[3];
    tp.networkId = 0x2222;
    tp.originalNetworkId = 0x3333;
    tp.symbolRate = 22000;
    to.image().transponders[3].satId = 10;
    to.image().satellites[1].satId = 10;
    to.image().transponders[0].satId = 9;  // left without its satellite
    from.snap(3);
    to.nodes.append(*from.nodes.head());
    ASSERT_EQ(to.pasteSnapshots(kTablePrograms, -1, 5, kWhole).log, " 0");
    st_sat expected = sat;
    expected.tpCount = 2;
    const auto bytes = [](const auto& record) {
        return std::string(reinterpret_cast<const char*>(&record), sizeof record);
    };
    EXPECT_EQ(bytes(to.image().satellites[2]), bytes(expected));
    EXPECT_EQ(bytes(to.image().transponders[4]), bytes(tp));
}

// Arguments and records just outside the tables, and the refusal codes of the snapshot and list edits.
TEST(Edits, TheEdgesOfEachTable) {
    const test::Case cases[] = {
        {"a program row or list place before the first is refused; a list outside the nine is not written",
         [](Channels& e) {
             e.fav(0, {0, 1}, {5}).keep().insert(-1, "X").removeEntry(0, 1, -1).favourite(kOpUpdate, -1, 0, "X");
             e.favourite(kOpDelete, -1, 0).favourite(kOpInsert, -1, 0).unchanged();
         },
         "-2 -2 -2 -4 -4 | unchanged"},
        {"a radio snapshot before the table's TV boundary answers -7, a table without snapshots -1",
         [](Channels& e) {
             e.snap(6).pasteSnapshots(kTablePrograms, -1, 4, kWhole).pasteSnapshots(kTableSatellites, -1, 0, kWhole);
         },
         "-7 -1 | said: Can't put Radio program among TV program"},
        {"the batch paste tells transponders apart by polarisation whatever their FEC byte",
         [](Channels& e) {
             e.image().transponders[3].polarization = 1;
             e.snap(3).nodes.nodes[0]->polarization = 0;
             e.nodes.nodes[0]->fec = 0x80;
             e.pasteSnapshots(kTablePrograms, -1, 5, kWhole, true).transponders();
         },
         "0 | 10700 11720 12500 10992/1 10992 [3 2]"},
        {"a clipboard paste starts an empty list without a position; a cut node finds no room in a full table",
         [](Channels& e) {
             e.mode(listView(7)).copy(1).paste(-1).list(7).full(3).emptyClipboard().cut(1);
             e.image().favourites[0].favCount = e.image().favourites[0].favTvCount = 0;
             e.mode(listView(0)).paste(0).value(e.image().programCount);
         },
         "0 | 1 / -1 20000"},
        {"no snapshots into a full list without a position: the list is full",
         [](Channels& e) {
             e.image().favourites[3].favCount = e.image().favourites[3].favTvCount = 400;
             e.pasteSnapshots(kTableFavourites, 3, -1, listView(3));
         },
         "-5 | said: Favorite Table is full!"},
        {"a damaged list entry 65535 stays through a batch paste, a drop and a Delete of no program",
         [](Channels& e) {
             st_fav& list = e.image().favourites[0];
             e.fav(0, {0}, {}).set(list.favCount, 2).set(list.favEntries[1], 0xFFFF);
             e.snap(0).pasteSnapshots(kTablePrograms, -1, 0, kWhole, true).value(list.favEntries[1]);
             e.nodes.nodes[0]->programIndex = 70000;  // from a larger table
             e.state->dragBuffer = test::cloneRawList(e.nodes.head());
             e.value(e.db.renumberAfterDrop(0)).value(list.favEntries[1]).root("Favs").deleteInView(-1, 1u << 5);
             e.value(list.favCount).set(list.favCount, 1);
         },
         "0 65535 0 65535 0 2"},
        {"a cut TV program pasted back writes nothing behind the program table",
         [](Channels& e) {
             e.fav(0, {2}, {}).root("Satellites").cut(2).deleteShown(2).paste(2).list(0);
             const st_program empty{};
             e.text(std::memcmp(&e.image().programs[kMaxPrograms - 1], &empty, sizeof empty) == 0 ? "clear"
                                                                                                  : "written");
         },
         "0 0 | 2 / clear"},
        {"a satellite record behind the table has no contents; a deleted satellite leaves records behind alone",
         [](Channels& e) {
             e.build.transponder(42, 11000);
             e.image().satellites[2].satId = 42;
             e.retune(0, 3).retune(1, 3).retune(2, 3).set(e.image().programs[9].tpIndex, 3);
             e.value(e.db.satelliteContents(2).transponders).value(e.db.deleteSatellite(0));
             e.value(e.image().programs[9].tpIndex);
         },
         "0 0 3"},
        {"list entries move only from ascending places of a list that exists; a reorder names programs of the table",
         [](Channels& e) {
             e.image().transponders[51].polarization = 2;  // read as the count of a tenth list
             e.fav(2, {0, 1, 2}, {}).moveEntries(2, false, {0, 2, 1}, 0).moveEntries(9, false, {0}, 0);
             e.moveEntries(2, false, {}, 0).list(2);
             for (const int stranger : {9, -1})
                 e.value(e.db.reorderPrograms(std::vector<int>{0, 1, 2, 3, 4, stranger, 6, 7, 8}));
         },
         "-1 -1 -1 | 0 1 2 / -1 -1"},
    };
    for (const test::Case& c : cases)
        EXPECT_EQ(test::runCase(c), c.expected) << c.rule;
}

}  // namespace
}  // namespace vizud
