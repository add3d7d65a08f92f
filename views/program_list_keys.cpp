// The program list's Lock / Unlock and its moves from the keyboard (Ctrl+Up, Ctrl+Down, Ctrl+Home,
// Ctrl+End) on the selected rows. The rules are in program_locks.h and keyboard_moves.h.
#include <algorithm>

#include "app/editor_document.h"
#include "app/translated_texts.h"
#include "views/program_list_view.h"
#include "views/program_locks.h"

namespace vizud {

bool CViz_ud_app_17View::lockAllowed(const std::vector<int>& rows, bool lock) const {
    return lockWouldChange(m_doc.database().image(), programsOfRows(rows), lock);
}

void CViz_ud_app_17View::lockSelection(bool lock) {
    const std::vector<int> rows = selectedRowsAscending();
    const BrowseState view = m_doc.database().state().browse;
    const LockEdit edit = setProgramsLocked(m_doc.database(), programsOfRows(rows), lock);
    if (!edit.changed)
        return;
    // The rows stay as they are; only their lock mark changes.
    viewport()->update();
    m_doc.imageEdited(translated(edit.stepName), listRows(view, rows));
}

bool CViz_ud_app_17View::keyMoveAllowed(const std::vector<int>& rows, KeyMove move) const {
    return vizud::keyMoveAllowed(m_doc.database(), m_model.fill(), rows, move);
}

void CViz_ud_app_17View::moveSelectionByKey(KeyMove move) {
    const std::vector<int> rows = selectedRowsAscending();
    const BrowseState view = m_doc.database().state().browse;
    const KeyMoveResult result = moveRowsByKey(m_doc.database(), m_model.fill(), rows, move);
    if (!result.drop.changed)
        return;
    onUpdate();
    // The moved rows in view: all of them where the page holds them, else their first.
    const int first = firstDroppedRow(m_model.fill(), result.drop);
    selectRows(first, result.drop.count, false);
    scrollTo(m_model.index(std::min(first + result.drop.count, m_model.rowCount()) - 1, 0));
    scrollTo(m_model.index(first, 0));
    EditRows edit = listRows(view, rows);
    edit.keyMove = true;
    m_doc.imageEdited(translated(result.stepName), std::move(edit));
}

}  // namespace vizud
