#include "views/list_editing.h"

#include <algorithm>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"

namespace vizud {
namespace {

inline constexpr std::uint8_t kMayCut = 1u << 0;
inline constexpr std::uint8_t kMayCopy = 1u << 1;
inline constexpr std::uint8_t kMayPaste = 1u << 2;
inline constexpr std::uint8_t kMayDelete = 1u << 3;

bool realRow(const ListFill& fill, int row) {
    return row >= 0 && row < static_cast<int>(fill.rows.size());
}

// Where a paste may go: a real row, or in a favourite list that shows no entries its placeholder row,
// which cannot be selected (row 0 or none): the first place of the list's shown part.
bool pastePlace(const ListFill& fill, int row) {
    return realRow(fill, row) || (fill.favouriteList >= 0 && fill.rows.empty() && row <= 0);
}

}  // namespace

EditRules editRules(const ChannelDatabase& db, const ListFill& fill, int firstSelectedRow) {
    const std::uint8_t mask = db.state().browse.editMask;
    const bool real = realRow(fill, firstSelectedRow);
    EditRules rules;
    rules.cut = real && (mask & kMayCut);
    rules.copy = real && (mask & kMayCopy);
    rules.paste = pastePlace(fill, firstSelectedRow) && (mask & kMayPaste) && db.state().programClipboard != nullptr;
    rules.remove = real && (mask & kMayDelete);
    return rules;
}

bool fillClipboard(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows, bool cut) {
    EditorState& state = db.state();
    freeSnapshotList(state.programClipboard);
    state.browse.editMask |= kMayPaste;
    const bool leavesTable = cut && fill.favouriteList < 0 && state.browse.selectedText != "Favs";
    bool tv = false;
    bool radio = false;
    ProgramSnapshot** link = &state.programClipboard;
    for (const int row : rows) {
        if (!realRow(fill, row))
            continue;
        auto* node = new ProgramSnapshot{};
        const int program = fill.rows[static_cast<std::size_t>(row)].program;
        db.getClipSnapshot(program, *node);
        node->programIndex = leavesTable ? -1 : program;
        node->pasted = 1;
        (node->isTv == 1 ? tv : radio) = true;
        *link = node;
        link = &node->next;
    }
    return tv && radio;
}

Removal removeRows(ChannelDatabase& db, const ListFill& fill, const std::vector<int>& rows) {
    // Highest first, so every index still names its program (or list entry) when its turn comes.
    const bool list = fill.favouriteList >= 0 && fill.favouriteList < kFavouriteLists;
    std::vector<int> targets;
    targets.reserve(rows.size());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (realRow(fill, *it)) {
            const ListRow& row = fill.rows[static_cast<std::size_t>(*it)];
            targets.push_back(list ? row.sequence : row.program);
        }
    }
    // As the engine's delete decides: a list shown, the "Favs" root, or else the table.
    Removal removal;
    if (list) {
        // The rows' own entries, whichever view shows the list: a list that names a program twice loses
        // the entry chosen, not the first.
        removal.kind = Removal::FromList;
        removal.listName = latin1ToUtf8(showName(nameText(db.image().favourites[fill.favouriteList].favName)).text);
        db.removeListEntries(fill.favouriteList, false, targets);
        return removal;
    }
    if (db.state().browse.selectedText == "Favs")
        removal.kind = Removal::FromEveryList;
    db.deleteInViewMany(targets);
    return removal;
}

int rowAfterRemoval(const std::vector<int>& rows, int rowsLeft) {
    if (rows.empty())
        return -1;
    const int highest = rows.back();
    const int row = highest - static_cast<int>(rows.size()) + 1;
    return std::min(row, rowsLeft - 1);
}

bool pasteBefore(ChannelDatabase& db, const ListFill& fill, int row) {
    if (!pastePlace(fill, row))
        return false;
    EditorState& state = db.state();
    int target = std::max(row, 0);
    if (fill.favouriteList < 0) {
        target = fill.rows[static_cast<std::size_t>(row)].program;
    } else if (state.browse.viewMode & kViewRadioOnly) {
        target += favouriteTvCount(db.image().favourites[fill.favouriteList]);
    }
    if (db.checkPastePosition(target) == 0)
        return false;
    state.pasteActive = 1;
    const int result = db.pasteClipboard(target);
    state.pasteActive = 0;
    return result == 0;
}

}  // namespace vizud
