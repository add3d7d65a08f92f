// Everything the editor shares process-wide: the one image, what the browser shows, the clipboard and
// drag lists, and the values views and dialogs hand to each other.
// The editor has exactly one EditorState in static storage; tests make as many as they like.
#pragma once

#include <cstdint>
#include <string>

#include "database/image_layout.h"
#include "database/program_snapshot.h"

namespace vizud {

// filterKind values: which kind of tree node drives the list filter.
inline constexpr std::uint8_t kFilterProvider = 1;
inline constexpr std::uint8_t kFilterSatellite = 2;
inline constexpr std::uint8_t kFilterTransponder = 4;
inline constexpr std::uint8_t kFilterFavs = 8;

// viewMode bits.
inline constexpr std::uint32_t kViewTvAndRadio = 1u << 0;
inline constexpr std::uint32_t kViewTvOnly = 1u << 1;
inline constexpr std::uint32_t kViewRadioOnly = 1u << 2;
inline constexpr std::uint32_t kViewWholeTable = 1u << 4;
inline constexpr std::uint32_t kViewFirstFavouriteBit = 5;  // bits 5..13: lists 1..9
inline constexpr std::uint32_t kViewFavouriteMask = 0x1FFu << kViewFirstFavouriteBit;

struct BrowseState {
    std::string selectedText;  // text of the tree node selected last
    std::string parentText;    // text of that node's parent
    std::uint8_t filterKind = 0;
    std::uint8_t editMask = 0;  // bit 0 cut, 1 copy, 2 paste, 3 delete
    std::uint32_t viewMode = kViewTvAndRadio | kViewWholeTable;
    // The table index of the satellite whose node (or transponder node) is selected, so that a second
    // satellite of the same name filters its own programs; -1 to find the satellite by its name.
    int satelliteIndex = -1;
};

struct EditorState {
    EditorState() = default;
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;
    ~EditorState() {
        freeSnapshotList(programClipboard);
        freeSnapshotList(dragBuffer);
    }

    all_tables_block image{};
    BrowseState browse;
    ProgramSnapshot* programClipboard = nullptr;
    ProgramSnapshot* dragBuffer = nullptr;

    bool treeRebuildRequest = false;
    bool treeRefreshRequest = false;
    int currentTpFrequency = -1;  // MHz; negative for none
    std::string editedSatName;
    int addedProgramIndex = -1;
    int newProgramKind = -1;  // -1 none, 0 TV, 1 radio
    int dragActive = 0;
    int pasteActive = 0;
};

}  // namespace vizud
