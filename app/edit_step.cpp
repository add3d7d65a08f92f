#include "app/edit_step.h"

#include "app/editor_document.h"

namespace vizud {

namespace {

constexpr int kKeyMoveId = 1;

bool sameView(const BrowseState& a, const BrowseState& b) {
    return a.selectedText == b.selectedText && a.parentText == b.parentText && a.filterKind == b.filterKind &&
           a.viewMode == b.viewMode && a.satelliteIndex == b.satelliteIndex;
}

}  // namespace

EditStep::EditStep(CViz_ud_app_17Doc& doc, StateDelta delta, const QString& text, EditRows rows, bool joins)
    : QUndoCommand(text), m_doc(doc), m_delta(std::move(delta)), m_rows(std::move(rows)), m_joins(joins) {}

int EditStep::id() const {
    return m_rows.keyMove ? kKeyMoveId : -1;
}

bool EditStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const EditStep*>(other);
    if (next == nullptr || !next->m_joins || !m_rows.keyMove || !next->m_rows.keyMove ||
        next->m_rows.list != m_rows.list || !sameView(next->m_rows.browse, m_rows.browse) ||
        next->m_rows.before != m_rows.after || next->text() != text())
        return false;
    if (!m_delta.absorb(next->m_delta))
        return false;
    m_rows.after = next->m_rows.after;
    return true;
}

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
