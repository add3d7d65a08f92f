// Checks shared by the editing tests: the consistency rules every edit keeps, the bytes no edit may touch,
// copies of snapshot lists so two databases can be fed the same nodes, and a small channel table on which
// cases chain edits and views that log what they did and found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/editor_state.h"
#include "database/image_layout.h"
#include "database/program_snapshot.h"
#include "database/table_codes.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud::test {

// The first broken rule of a consistent image, or "" when every rule holds: counts within capacity, TV
// programs before radio ones, favourite TV entries before radio entries, every reference in range, each
// satellite's tpCount equal to its transponders and, when `sortedTransponders`, the transponders grouped
// by satellite and ascending by frequency.
std::string brokenRule(const all_tables_block& img, bool sortedTransponders);

// "" when no byte outside the tables and counts differs (the lead, the CRC field, the box's parameters
// apart from byte 10079, the reserved count word); else what differs.
std::string untouchedBytesDiffer(const all_tables_block& before, const all_tables_block& after);

// The index of the first differing byte, or -1.
long firstDifference(const all_tables_block& a, const all_tables_block& b);

// A hash of everything an undo must give back (the image, each clipboard node, the hand-over values), to
// tell states of a history apart without keeping them.
inline std::size_t stateHash(const EditorState& state) {
    std::string out(reinterpret_cast<const char*>(&state.image), kImageSize);
    for (const ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next)
        out.append(reinterpret_cast<const char*>(node), offsetof(ProgramSnapshot, next));
    out += "|" + std::to_string(state.currentTpFrequency) + "|" + std::to_string(state.addedProgramIndex) + "|" +
           std::to_string(state.newProgramKind) + "|" + state.editedSatName;
    return std::hash<std::string>{}(out);
}

// The entries of a list in use, in order.
inline std::vector<int> entries(const st_fav& list) {
    return std::vector<int>(list.favEntries, list.favEntries + list.favCount);
}

// Snapshot lists owned by a vector, linked in order.
struct SnapshotList {
    std::vector<std::unique_ptr<ProgramSnapshot>> nodes;

    ProgramSnapshot* head() { return nodes.empty() ? nullptr : nodes.front().get(); }
    void append(const ProgramSnapshot& node);
    SnapshotList clone() const;
    void putTvFirst();  // TV nodes before radio ones, each kind in its order
};

// Copies a raw clipboard list (allocated with new, as the list view does) and back.
ProgramSnapshot* cloneRawList(const ProgramSnapshot* head);

// A record view with the given words set.
RecordView words(std::initializer_list<std::pair<int, std::uint32_t>> values, const char* name = nullptr);

// Satellites 7 (Astra) and 9 (Hotbird); transponders 7:10700, 7:11720, 7:12500, 9:10992; providers ARD
// and ZDF; programs P0..P8 (service 100 + p) on transponder p % 4 and provider p % 2, P0..P4 TV and P5..P8
// radio. Every call returns the table so that calls chain in order: an edit logs its result, a view
// " | " and what it shows, a setting nothing.
struct Channels : DatabaseFixture {
    Channels();

    // Edits, and what else a case logs.
    Channels& text(const std::string& s) {
        log += " " + s;
        return *this;
    }
    Channels& value(int v) { return text(std::to_string(v)); }
    Channels& edit(int table, int op, int index, RecordView view = {}) {
        return value(db.modifyRecord(table, op, index, view));
    }
    Channels& tpInsert(std::uint32_t satId, std::uint32_t frequency, std::uint32_t polarization = 0) {
        return edit(kTableTransponders, kOpInsert, 0,
                    words({{0, satId}, {2, polarization}, {7, frequency}, {8, 27500}}));
    }
    Channels& tpMove(int t, std::uint32_t satId, std::uint32_t frequency);  // to a new satellite and frequency
    Channels& tpDelete(int t) { return edit(kTableTransponders, kOpDelete, t); }
    // Satellite `s` set with its motor on or off at `number`: the result, then the positioner number kept.
    Channels& motor(int s, std::uint32_t on, std::uint32_t number);
    Channels& provider(int op, int index, const char* name) {
        return edit(kTableProviders, op, index, words({}, name));
    }
    Channels& favourite(int op, int list, std::uint32_t program, const char* name = "") {
        return edit(kTableFavourites, op, list, words({{1, program}}, name));
    }
    // Service 4711 on provider 1, pids 101, 102 and 103, as the program dialog hands a program over.
    Channels& insert(int index, const char* name, int kind = -1, std::uint32_t tp = 1) {
        return set(state->newProgramKind, kind).edit(kTablePrograms, kOpInsert, index, program(name, tp));
    }
    Channels& update(int index, const char* name) { return edit(kTablePrograms, kOpUpdate, index, program(name, 1)); }
    Channels& remove(int index) { return edit(kTablePrograms, kOpDelete, index); }
    Channels& removeEntry(std::uint32_t list, std::uint32_t radio, int position) {
        return edit(kTablePrograms, kOpRemoveListEntry, position, words({{0, list}, {1, radio}}));
    }
    Channels& deleteShown(int p);  // the list's Delete: getFavMembership, then deleteInView
    Channels& deleteInView(int p, std::uint32_t mask) { return value(db.deleteInView(p, mask)); }
    Channels& checkPaste(int position) { return value(db.checkPastePosition(position)); }
    Channels& paste(int position);  // the clipboard, as the list's Paste does it
    Channels& move(std::vector<int> sources, int position) { return value(db.movePrograms(sources, position)); }
    Channels& moveEntries(int list, bool radio, std::vector<int> positions, int position) {
        return value(db.moveListEntries(list, radio, positions, position));
    }
    Channels& pasteSnapshots(int table, int list, int position, std::uint32_t mode, bool batch = false) {
        return value(batch ? db.pasteSnapshotsBatch(table, list, position, nodes.head(), mode)
                           : db.pasteSnapshots(table, list, position, nodes.head(), mode));
    }

    // Settings.
    template <typename T, typename V>
    Channels& set(T& field, V v) {
        field = static_cast<T>(v);
        return *this;
    }
    Channels& tv(int count) { return set(image().tvCount, count); }
    Channels& fav(int list, std::initializer_list<int> tvEntries, std::initializer_list<int> radioEntries) {
        build.favourites(list, tvEntries, radioEntries);
        return *this;
    }
    Channels& retune(int from, int to);   // programs on transponder `from` move to `to`
    Channels& full(std::uint32_t seed) {  // a random image with every table full
        makeImage(image(), seed, fullShape());
        return *this;
    }
    Channels& mode(std::uint32_t viewMode) { return set(state->browse.viewMode, viewMode); }
    Channels& root(const char* selectedText) { return set(state->browse.selectedText, selectedText); }
    Channels& drag() { return set(state->dragActive, 1); }
    Channels& copy(int p, bool cut = false);  // a clipboard node as the list's Copy (or Cut) makes it
    Channels& cut(int p) { return copy(p, true); }
    Channels& emptyClipboard() {
        freeSnapshotList(state->programClipboard);
        return *this;
    }
    Channels& clipTp(int t) { return set(state->programClipboard->tpIndex, t); }  // of the first clipboard node
    Channels& snap(int p);  // a snapshot node as a drop carries it
    Channels& newNodes() {
        nodes.nodes.clear();
        return *this;
    }
    Channels& keep() {  // the image unchanged() compares with
        kept = std::make_unique<all_tables_block>(image());
        return *this;
    }

    // Views.
    Channels& programs();      // the names, "/" at the TV-radio boundary
    Channels& list(int l);     // the entries, "/" after the TV entries
    Channels& transponders();  // each frequency ("/p" for a polarization p other than 0), [tpCount of each satellite]
    Channels& tpRefs();        // the transponder of each program
    Channels& providers();     // the provider names, then the provider of each program
    Channels& clipboard();     // the program each clipboard node names
    Channels& pasted();        // the pasted flag of each snapshot node
    Channels& unchanged() { return text(firstDifference(*kept, image()) < 0 ? "| unchanged" : "| changed"); }

    static RecordView program(const char* name, std::uint32_t tp) {
        return words({{0, 4711}, {1, 1}, {2, tp}, {3, 101}, {4, 102}, {5, 103}}, name);
    }

    // " |", `label`, then `at` of each of `count` rows, "/" before row `boundary`.
    Channels& row(const char* label, int count, int boundary, const std::function<std::string(int)>& at);

    std::string log;
    SnapshotList nodes;
    std::unique_ptr<all_tables_block> kept;
};

// A rule checked on a fresh Channels: `run` chains edits and views, and the log must read `expected`,
// followed by the messages shown (" | said: text; text") and any consistency rule the edits broke.
struct Case {
    const char* rule;
    void (*run)(Channels&);
    const char* expected;
};
std::string runCase(const Case& c);

}  // namespace vizud::test
