// One step of the edit history: what an edit changed in the editor state, kept as the other side of the
// change. Undoing exchanges the kept side with the live state and redoing exchanges it back, so a step
// holds one side only: the 4 KB blocks of the image that differ, the clipboard, and the values the views
// and dialogs hand to each other. The shadow is the live state as of the last step, from which the next
// step is told apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "database/editor_state.h"

namespace vizud {

// The fields of a clipboard node that edits of the image change.
struct ClipboardNodeFields {
    std::int32_t programIndex = -1;
    std::uint32_t pasted = 0;
    std::uint16_t providerIndex = 0;
    std::uint16_t tpIndex = 0;
    bool operator==(const ClipboardNodeFields&) const = default;
};

struct HandOverValues {
    int currentTpFrequency = -1;
    int addedProgramIndex = -1;
    int newProgramKind = -1;
    std::string editedSatName;
    bool operator==(const HandOverValues&) const = default;
};

// A clipboard list kept by the history as one block of nodes rather than a chain of allocations.
class StoredClipboard {
public:
    static StoredClipboard take(ProgramSnapshot*& head);  // the list leaves `head` (set to null)
    ProgramSnapshot* release();                           // the list as nodes again, and this one empty
    std::size_t bytes() const;

private:
    std::vector<ProgramSnapshot> m_nodes;  // their `next` unused
};

class EditorShadow {
public:
    EditorShadow();
    ~EditorShadow();
    EditorShadow(const EditorShadow&) = delete;
    EditorShadow& operator=(const EditorShadow&) = delete;

    // The state was replaced as a whole (opened, new, downloaded): it becomes the shadow, and a list set
    // aside by clipboardWillChange is freed.
    void reset(const EditorState& live);
    // A cut calls this before filling the clipboard: the list in use is set aside for the cut's step,
    // which gives it back on undo.
    void clipboardWillChange(EditorState& live);
    // After the clipboard got a new list (a cut or a copy): the shadow follows it.
    void clipboardChanged(const EditorState& live);
    // The number naming the live clipboard list.
    std::uint64_t listId() const { return m_listId; }

    const all_tables_block& image() const { return *m_image; }

private:
    friend class StateDelta;
    std::unique_ptr<all_tables_block> m_image;
    std::uint64_t m_listId = 0;  // names the live clipboard list; every new list gets a new number
    std::uint64_t m_nextListId = 1;
    std::vector<ClipboardNodeFields> m_fields;
    HandOverValues m_values;
    bool m_hasAside = false;  // the clipboard changed since the last step; m_aside is the list it had
    ProgramSnapshot* m_aside = nullptr;
    std::uint64_t m_asideId = 0;
};

class StateDelta {
public:
    static constexpr std::size_t kBlock = 4096;

    StateDelta() = default;

    // The step from the shadow to the live state; the shadow then is the live state. A clipboard list set
    // aside since the last step becomes the step's.
    static StateDelta record(EditorShadow& shadow, const EditorState& live);

    // Undo and redo alike: the kept side and the live state change places; the shadow follows.
    void exchange(EditorShadow& shadow, EditorState& live);

    // A copy is about to replace the clipboard list `head` (named `id`) outside the history. The steps next
    // to the live state (the one undo would take back and the one redo would repeat) keep that list as it
    // is on their other side, so that undoing or redoing across the copy gives the right list back and
    // coming back gives the copied one.
    void keepClipboard(const ProgramSnapshot* head, std::uint64_t id);

    // The step recorded right after this one (`next`) joins it: this step then leads from its own other
    // side straight to the state after `next`, as moves from the keyboard merge into one step. False, and
    // nothing changed, when either step hands a clipboard list over or their lists differ.
    bool absorb(const StateDelta& next);

    // Nothing differs: not worth a step.
    bool empty() const;
    // The memory the step holds.
    std::size_t bytes() const;

private:
    std::vector<std::uint32_t> m_blocks;  // indices of the blocks kept, ascending
    std::vector<std::uint8_t> m_bytes;    // their bytes, kBlock each (the last block of the image is shorter)
    void exchangeClipboard(EditorShadow& shadow, EditorState& live);

    bool m_ownsList = false;
    StoredClipboard m_list;      // with m_ownsList: the clipboard list on the other side
    std::uint64_t m_listId = 0;  // the list m_list is, or the list m_fields belong to
    std::vector<ClipboardNodeFields> m_fields;
    bool m_hasFields = false;
    HandOverValues m_values;
    bool m_hasValues = false;
};

}  // namespace vizud
