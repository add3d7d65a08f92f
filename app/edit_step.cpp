#include "app/edit_step.h"

#include "app/editor_document.h"

namespace vizud {

EditStep::EditStep(CViz_ud_app_17Doc& doc, StateDelta delta, const QString& text, EditRows rows)
    : QUndoCommand(text), m_doc(doc), m_delta(std::move(delta)), m_rows(std::move(rows)) {}

void EditStep::undo() {
    m_doc.exchangeStep(*this, true);
    m_done = false;
}

void EditStep::redo() {
    if (m_done)
        return;
    m_doc.exchangeStep(*this, false);
    m_done = true;
}

}  // namespace vizud
