// Pieces shared by the editing operations: moving records to open and close gaps, keeping favourite
// entries pointing at the programs they named, and finding or creating the satellite, provider and
// transponder of a pasted program. Internal to database/.
//
// Every count read here goes through the clamps of image_access.h, so a damaged image can never make an
// edit move or write records outside their table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/editor_state.h"
#include "database/image_access.h"
#include "database/messages.h"
#include "database/program_snapshot.h"
#include "database/record_view.h"
#include "database/table_codes.h"

namespace vizud::edit {

// tvCount, never above the programs in use.
inline int tvCountOf(const all_tables_block& img) {
    return std::min<int>(img.tvCount, programCount(img));
}

// The favourite list a viewMode shows: its lowest set bit among 5..13; list 0 when none is set.
int listOfMode(std::uint32_t mode);

inline bool showsWholeTable(std::uint32_t mode) {
    return (mode & kViewWholeTable) != 0;
}

// Opening a gap of n at pos: records pos..count-1 move to pos+n.., highest first. The caller has made
// sure that count + n stays within the table. Slots pos..pos+n-1 keep their old bytes until written.
template <typename T>
void openGap(T* table, int count, int pos, int n) {
    if (pos < count && n > 0) {
        std::memmove(table + pos + n, table + pos, sizeof(T) * static_cast<std::size_t>(count - pos));
    }
}

// Closing the gap at pos: records pos+1..count-1 move one place down; slot count-1 keeps its bytes.
template <typename T>
void closeGap(T* table, int count, int pos) {
    if (pos + 1 < count) {
        std::memmove(table + pos, table + pos + 1, sizeof(T) * static_cast<std::size_t>(count - pos - 1));
    }
}

// ---- Favourite lists ------------------------------------------------------------------------------

// Removes the entry at `pos` (< favCount): the entries behind it move down, favCount - 1, and favTvCount
// - 1 when the entry lay in the TV part.
void removeListEntry(st_fav& list, int pos);

// Inserts `value` at `pos` (<= favCount < 400), counting it as TV when `tv` is set.
void insertListEntry(st_fav& list, int pos, std::uint16_t value, bool tv);

// Removes every entry equal to `program` from the list. Returns how many were removed.
int removeProgramFromList(st_fav& list, int program);

// After a program was inserted at p: every entry of all nine lists that is at least p names a program one
// place further on. An entry of 65535 (which names no program) stays as it is, so nothing wraps.
void renumberFavouritesAfterInsert(all_tables_block& img, int p);

// After program p was deleted: its entries leave every list, and every entry above p moves one down.
void renumberFavouritesAfterDelete(all_tables_block& img, int p);

// ---- Programs --------------------------------------------------------------------------------------

// A whole program record from a snapshot node (its provider and transponder already resolved).
st_program programFromSnapshot(const ProgramSnapshot& node);

// Creates the node's program in its kind's place: a TV node at tvCount (a gap opened there), a radio node
// at programCount; renumbers the favourite lists after the insert and returns the new index.
// REQUIRES: the program table is not full.
int createProgramFromSnapshot(all_tables_block& img, const ProgramSnapshot& node);

// True when the program carries exactly the node's name and seven fields, the node's provider and
// transponder taken as `providerIndex` and `tpIndex`.
bool programMatchesSnapshot(const st_program& prog, const ProgramSnapshot& node, int providerIndex, int tpIndex);

// Deletes program p (in use): closes its gap and lowers the counts; with `favourites` its entries leave
// every list and the entries above it move down; with `clipboard` the clipboard nodes follow (a node that
// named p names no program any more).
void deleteProgramAt(EditorState& state, int p, bool favourites, bool clipboard);

// Clipboard nodes follow the programs they name when the table changes under them.
void renumberClipboardAfterProgramInsert(EditorState& state, int p, const ProgramSnapshot* except);

// ---- Satellite, provider and transponder of a pasted program ---------------------------------------

struct TransponderKey {
    std::uint64_t high;
    std::uint32_t low;
    bool operator==(const TransponderKey&) const = default;
};
struct TransponderKeyHash {
    std::size_t operator()(const TransponderKey& k) const {
        return std::hash<std::uint64_t>()(k.high * 0x9E3779B97F4A7C15ull ^ k.low);
    }
};

// Finds, for a snapshot node, the satellite with its satId, the first provider with its provider name and
// the first transponder with its seven transmission values, appending what is missing. A node either
// gets all three or nothing: the table that is full is reported before any of them is appended.
//
// The per-row operations search the tables as they stand; a batch builds an index of the providers and
// transponders once (the tables only grow at their ends during a paste, so "first" stays first).
class SnapshotResolver {
public:
    SnapshotResolver(all_tables_block& img, Messages& messages, bool indexed);

    // 0, or after its message: -1 satellite table full, -2 provider table full, -3 transponder table full.
    // `providerFullText` is the message for a full provider table. With `programMustFit` (a favourite
    // list's paste of a node that will create its program) a full program table refuses the node with -4
    // after "Program table is full. Can't add program!" before anything is appended.
    int resolve(ProgramSnapshot& node, const char* providerFullText, bool programMustFit = false);

    // The provider and transponder the node would get without appending; false when either is missing.
    bool lookup(const ProgramSnapshot& node, int& provider, int& transponder) const;

private:
    int findSatellite(int satId) const;
    int findProvider(const char (&name)[16]) const;
    int findTransponder(const ProgramSnapshot& node) const;
    static TransponderKey keyOf(std::uint8_t polarization, std::uint8_t fec, std::uint16_t tsId,
                                std::uint16_t networkId, std::uint16_t originalNetworkId, std::uint16_t frequency,
                                std::uint16_t symbolRate);

    all_tables_block& m_img;
    Messages& m_messages;
    bool m_indexed;
    std::unordered_map<std::string, int> m_providers;
    std::unordered_map<TransponderKey, int, TransponderKeyHash> m_transponders;
};

// ---- Checks shared by the per-row and the batch paste ----------------------------------------------

struct PasteCheck {
    int result = 0;        // the refusal, when `proceed` is false
    bool proceed = false;  // false: return `result` without placing anything
    int count = 0;         // nodes in the list
    int position = 0;      // the position to paste at (a list's radio-only view already adjusted)
};

// Table 501: counts the nodes and applies every check that comes before the first node is placed,
// showing the refusal's message. Clears every node's `pasted` flag.
PasteCheck checkProgramTablePaste(EditorState& state, Messages& messages, int position, ProgramSnapshot* first);

// Table 504 of pasteSnapshots: the nodes into favourite list `list` (at most 400 nodes ever fit).
int pasteIntoList(EditorState& state, Messages& messages, int list, int position, ProgramSnapshot* first,
                  std::uint32_t mode);

// ---- Per-table edits behind ChannelDatabase::modifyRecord -------------------------------------------

int modifyProgram(EditorState& state, Messages& messages, int operation, int index, const RecordView& view);
int modifyTransponder(EditorState& state, Messages& messages, int operation, int index, const RecordView& view);
// Inserts `records` as the transponder dialog inserts one (each after its satellite's transponders of a
// frequency up to its own, the satellite's count raised), with the references renumbered once for all.
// -1 when the table cannot take them all: nothing changes.
int insertTransponders(EditorState& state, const std::vector<st_ts>& records);
int modifyProvider(EditorState& state, Messages& messages, int operation, int index, const RecordView& view);
int modifyFavouriteList(EditorState& state, int operation, int list, const RecordView& view);

}  // namespace vizud::edit
