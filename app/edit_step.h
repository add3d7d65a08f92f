// One edit in the document's undo stack: the other side of the edit (a StateDelta) and where the list's
// rows stood before and after it. Undo and redo both hand the step to the document, which exchanges it
// with the live state and refreshes the views.
#pragma once

#include <QtGui/QUndoCommand>

#include <vector>

#include "app/state_delta.h"
#include "database/editor_state.h"

namespace vizud {

class CViz_ud_app_17Doc;

// The program list's rows an edit was about, so that undo and redo select them again.
struct EditRows {
    bool list = false;   // the edit was made in the program list
    BrowseState browse;  // the view it was made in
    std::vector<int> before, after;
    // A move from the keyboard: the next such move of the same rows in the same view joins this step.
    bool keyMove = false;
};

class EditStep : public QUndoCommand {
public:
    // `joins`: the step may merge into the one before it (nothing else happened since that one).
    EditStep(CViz_ud_app_17Doc& doc, StateDelta delta, const QString& text, EditRows rows, bool joins = false);

    void undo() override;
    void redo() override;
    // Moves from the keyboard share one id; a move merges into the step before it as typing does in a
    // text editor: the same rows (the earlier move's result is the later one's selection), the same view.
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    StateDelta& delta() { return m_delta; }
    const StateDelta& delta() const { return m_delta; }
    const EditRows& rows() const { return m_rows; }

private:
    CViz_ud_app_17Doc& m_doc;
    StateDelta m_delta;
    EditRows m_rows;
    bool m_joins = false;
    bool m_done = true;  // pushed after the edit was made: the first redo has nothing to do
};

}  // namespace vizud
