// The one owner of the box's database image: every query, every edit and the channel file.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/editor_state.h"
#include "database/messages.h"
#include "database/program_snapshot.h"
#include "database/record_view.h"
#include "database/table_codes.h"
#include "database/tree_builder.h"

namespace vizud {

class TransferRunner;

inline constexpr const char* kProgramsDumpFile = "programs.nfo";

class ChannelDatabase {
public:
    ChannelDatabase(EditorState& state, Messages& messages);

    EditorState& state() { return m_state; }
    const EditorState& state() const { return m_state; }
    all_tables_block& image() { return m_state.image; }
    const all_tables_block& image() const { return m_state.image; }

    // ---- Image as a whole -------------------------------------------------------------------------
    std::uint8_t* imageData(std::uint32_t version = 0);
    std::uint32_t imageLength(std::uint32_t version = 0) const;
    std::uint32_t refreshCrc();
    void updateChecksum();
    std::uint32_t isLoaded() const { return m_loadedFlag; }
    void setLoaded(std::uint32_t flag) { m_loadedFlag = flag; }

    // ---- Channel file -----------------------------------------------------------------------------
    // 0 loaded; -1 "Open1" (cannot open); -3 "Error: Open failed2" with a second line saying why (short
    // file or counts beyond the capacities). On failure the previous image and loaded flag stay as they
    // were. `asRead`, when given, sees the file's image as read, before the provider sweep changes it.
    int load(const std::string& path, const std::function<void(const all_tables_block&)>& asRead = {});
    // 0 saved; -1 any step failed: the previous file and the image are untouched, and `why` names the
    // file and the reason.
    int save(const std::string& path, std::string* why = nullptr);
    // Writes the program dump; a file that cannot be written is skipped silently.
    void writeProgramsDump(const std::string& path) const;
    // The text writeProgramsDump writes.
    std::string programsDumpText() const;
    // Removes the providers that neither a program nor a clipboard node refers to (before an upload).
    void removeUnusedProviders();
    // Where load and download write the program dump; empty to write none (the command-line tool).
    void setProgramsDumpPath(std::string path) { m_dumpPath = std::move(path); }

    // ---- Queries ----------------------------------------------------------------------------------
    int getInfo(int code, std::uint32_t& value) const;
    int getRecord(int table, int index, RecordView& view) const;
    int getProgramSnapshot(std::uint32_t mode, int index, ProgramSnapshot& snapshot) const;
    int getClipSnapshot(int programIndex, ProgramSnapshot& snapshot) const;
    int getFavMembership(int programIndex, std::uint32_t& mask) const;
    int findSatIndexById(int satId) const;
    int findSatByName(std::string_view name, int* outIndex = nullptr) const;
    int findTransponder(int satId, int frequency) const;
    int findIndexByName(int table, std::string_view name) const;
    int isFilteredOut(int programIndex) const;
    // The programs 0..programCount-1 that isFilteredOut shows, in order, with the tree selection resolved
    // once for the whole pass (the list's fill on a full table).
    std::vector<int> shownPrograms() const;
    int fillTree(TreeBuilder& tree) const;
    void appendNewestProviderNode(TreeBuilder& tree) const;

    // ---- Edits ------------------------------------------------------------------------------------
    int setSatellite(int index, const RecordView& view);

    // ---- Satellites added and deleted as a whole (the tree's Add satellite... and Delete satellite...) ----
    // Appends `sat` as a new satellite without transponders, under a key that no satellite and no
    // transponder uses (its own index when that is free, else the lowest free one). The new index; -1
    // when the table holds 200 satellites; -2 when no key 0..255 is free. Nothing changes on a refusal.
    int addSatellite(const st_sat& sat);
    struct SatelliteContents {
        int transponders = 0;
        int programs = 0;
        bool neededByClipboard = false;  // a program in the clipboard names one of its transponders
    };
    // What deleteSatellite(index) would take with it. The satellite owns the transponders of its key
    // unless another satellite carries the key too (they stay with that one).
    SatelliteContents satelliteContents(int index) const;
    // Deletes satellite `index` with its transponders and their programs: the favourite lists lose the
    // programs' entries and the other entries, the programs and the clipboard nodes are renumbered. 0; -1
    // for no such satellite; -8 when the clipboard still needs one of its transponders (nothing changes).
    int deleteSatellite(int index);
    // Inserts transponders as the transponder dialog inserts one each, renumbering the programs' and the
    // clipboard's references once. 0; -1 when the table cannot take them all (nothing changes).
    int addTransponders(const std::vector<st_ts>& records);
    int modifyRecord(int table, int operation, int index, RecordView& view);
    int deleteInView(int programIndex, std::uint32_t favMask);
    int checkPastePosition(int position);
    int pasteClipboard(int& position);
    int pasteSnapshots(int table, int list, int position, ProgramSnapshot* first, std::uint32_t mode);
    int renumberAfterDrop(int dropPosition);

    // ---- Batch edits of whole selections (cut, delete and drag of many rows) -------------------------
    // Each has exactly the effect of the per-row sequence named beside it: the same image bytes, the same
    // clipboard and node fields, the same messages. When `results` is given it receives the result of
    // each row, in order. The return value is 0 when every row succeeded, else the first row's refusal.
    //
    // For each index in order: modifyRecord(501, 551, index) (honours dragActive).
    int deletePrograms(std::span<const int> indices, std::vector<int>* results = nullptr);
    // For each index in order: getFavMembership(index, mask), then deleteInView(index, mask).
    int deleteInViewMany(std::span<const int> programIndices, std::vector<int>* results = nullptr);
    // For each position in order: modifyRecord(501, 553, position) with word 0 = list, word 1 = radioRelative.
    int removeListEntries(int list, bool radioRelative, std::span<const int> positions,
                          std::vector<int>* results = nullptr);
    // pasteSnapshots with the gap in the program table opened once for all nodes (and the providers and
    // transponders looked up through an index); same arguments, result and `pasted` flags.
    int pasteSnapshotsBatch(int table, int list, int position, ProgramSnapshot* first, std::uint32_t mode);
    // The list's drop in the whole table: the programs `sources` (ascending, all TV or all radio) leave
    // their places and come back in their order at `position`, counted in the table without them and
    // inside their block. The favourite lists and the clipboard nodes follow their programs; nothing else
    // changes. This is what taking them out with dragActive, renumberAfterDrop and pasteSnapshots does,
    // except that a moved program keeps its own satellite, provider and transponder instead of the first
    // equal one being looked up again. -1, with nothing changed, for sources or a position outside the block.
    int movePrograms(std::span<const int> sources, int position);
    // The list's drop in favourite list `list`: the entries at `positions` (ascending, all in the TV part or
    // all in the radio part; counted from the first radio entry when `radioRelative`) leave and come back
    // in their order at `position` (counted the same way, in the list without them, inside their part).
    // What removeListEntries and pasteSnapshots into the list do when every program is found again, but
    // an entry never turns into another equal program nor is dropped when the list names it twice. -1, with
    // nothing changed, for positions outside the part.
    int moveListEntries(int list, bool radioRelative, std::span<const int> positions, int position);
    // A new order of the whole table: order[i] is the program (old index) that goes to index i. TV programs
    // must stay in the TV block and every program must appear once. The favourite lists and the clipboard
    // nodes follow their programs. -1, with nothing changed, for anything else.
    int reorderPrograms(std::span<const int> order);

    // ---- Transfers with the box -------------------------------------------------------------------
    int download(TransferRunner& runner);
    int upload(TransferRunner& runner);

private:
    void sweepProviders(bool keepClipboardProviders);
    struct ResolvedFilter;
    ResolvedFilter resolveFilter(bool wholeTable) const;
    bool hiddenBy(const ResolvedFilter& filter, int programIndex) const;

    EditorState& m_state;
    Messages& m_messages;
    std::uint32_t m_loadedFlag = 0;
    std::string m_dumpPath = kProgramsDumpFile;
};

}  // namespace vizud
