#include "views/list_drag_handler.h"

#include <algorithm>

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>

#include "app/editor_document.h"
#include "views/program_list_view.h"

namespace vizud {

ListDragHandler::ListDragHandler(CViz_ud_app_17View& view, CViz_ud_app_17Doc& doc) : m_view(view), m_doc(doc) {
    m_timer.setInterval(kScrollInterval);
    connect(&m_timer, &QTimer::timeout, this, &ListDragHandler::scrollStep);
}

int ListDragHandler::rowUnder(QPoint pos) const {
    // Over the rows: the row at that height; above them: the first row shown; below them: the last row
    // shown (or, when the rows end above the bottom, the last row).
    const int height = m_view.viewport()->height();
    const int y = pos.y() < 0 ? 2 : pos.y() >= height ? height - 2 : pos.y();
    return m_view.rowAt(y);
}

DropPlace ListDragHandler::placeOf(QPoint pos) const {
    const QPoint inList = m_view.viewport()->mapTo(&m_view, pos);
    const QWidget* window = m_view.window();
    const bool overWindow = window->rect().contains(window->mapFromGlobal(m_view.viewport()->mapToGlobal(pos)));
    return dropPlace(inList.x(), pos.y(), m_view.width(), m_view.viewport()->height(), overWindow);
}

int ListDragHandler::listUnder(QPoint pos) const {
    return m_target != nullptr ? m_target->favouriteListAt(m_view.viewport()->mapToGlobal(pos)) : -1;
}

bool ListDragHandler::overBeside(QPoint pos) const {
    return m_beside != nullptr && m_beside->takesDropAt(m_view.viewport()->mapToGlobal(pos));
}

void ListDragHandler::selectRange(int from, int to) {
    if (from > to)
        std::swap(from, to);
    m_view.selectRows(from, to - from + 1, false);
}

bool ListDragHandler::mousePress(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int row = m_view.rowAt(pos.y());
    if (event->button() == Qt::RightButton) {
        m_rightActive = true;
        m_rightMoved = false;
        m_rightAnchor = row;
        // The menu opens on the row under the pointer; a row outside the selection becomes the selection.
        if (row >= 0 && !m_view.selectionModel()->isRowSelected(row, {}))
            m_view.selectRows(row, 1, false);
        return true;
    }
    if (event->button() != Qt::LeftButton || row < 0 || event->modifiers() != Qt::NoModifier)
        return false;
    m_armed = true;
    m_pressRow = row;
    m_pressPos = pos;
    // A press on a selected row keeps the selection: it is what will be dragged. A click without a drag
    // selects that row alone when the button goes up.
    m_pressOnSelected = m_view.selectionModel()->isRowSelected(row, {});
    return m_pressOnSelected;
}

bool ListDragHandler::mouseMove(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_rightActive && (event->buttons() & Qt::RightButton)) {
        const int row = m_view.rowAt(pos.y());
        if (row != m_rightAnchor) {
            m_rightMoved = true;
            if (row >= 0 && m_rightAnchor >= 0)
                selectRange(m_rightAnchor, row);
            else
                m_view.selectionModel()->clearSelection();
        }
        return true;
    }
    if (m_dragging) {
        follow(pos);
        return true;
    }
    if (!m_armed || !(event->buttons() & Qt::LeftButton))
        return false;
    if ((pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        startDrag();
    if (m_dragging)
        follow(pos);
    return true;  // the left button held on a row never drag-selects: it drags
}

bool ListDragHandler::mouseRelease(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const bool selected = m_rightActive && m_rightMoved;
        m_rightActive = false;
        return selected;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    const bool wasArmed = m_armed;
    m_armed = false;
    if (m_dragging) {
        drop(event->position().toPoint());
        return true;
    }
    if (wasArmed && m_pressOnSelected) {
        m_view.selectRows(m_pressRow, 1, false);
        return true;
    }
    return false;
}

bool ListDragHandler::keyPress(QKeyEvent* event) {
    if (!m_dragging)
        return false;
    if (event->key() == Qt::Key_Escape)
        endDrag();  // nothing has moved yet: giving up changes nothing
    return true;
}

void ListDragHandler::startDrag() {
    m_armed = false;
    if (!m_view.beginRowMove(m_drag))
        return;
    m_dragging = true;
    m_view.viewport()->setCursor(Qt::DragMoveCursor);
    m_timer.start();
}

void ListDragHandler::endDrag() {
    m_dragging = false;
    m_timer.stop();
    m_markRow = -1;
    if (m_markList >= 0 && m_target != nullptr)
        m_target->markDropList(-1);
    m_markList = -1;
    m_view.viewport()->unsetCursor();
    m_view.viewport()->update();
}

void ListDragHandler::follow(QPoint pos) {
    m_lastPos = pos;
    // Beside the list no line is drawn and the pointer says that a release there drops nothing, unless it
    // is over a favourite list's node: that node is marked and the pointer says the rows are added there.
    const bool outside = placeOf(pos) == DropPlace::Outside;
    const int list = outside ? listUnder(pos) : -1;
    if (list != m_markList && m_target != nullptr)
        m_target->markDropList(list);
    m_markList = list;
    const int mark = outside ? -1 : dropRow(m_drag, rowUnder(pos));
    // Over a favourite list's node or the list beside, a release adds the rows to that list: "copy".
    const bool adds = outside && (list >= 0 || overBeside(pos));
    m_view.viewport()->setCursor(!outside ? Qt::DragMoveCursor : adds ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
    if (mark != m_markRow) {
        m_markRow = mark;
        m_view.viewport()->update();
    }
    m_timer.start();  // the list scrolls once the pointer has rested outside it for a tick
}

void ListDragHandler::scrollStep() {
    const int height = m_view.viewport()->height();
    const DropPlace place = placeOf(m_lastPos);
    const int direction = place == DropPlace::Above ? -1 : place == DropPlace::Below ? 1 : 0;
    const int top = m_view.rowAt(0);
    const int rowHeight = m_view.rowHeight(0);
    if (direction == 0 || top < 0 || rowHeight <= 0)
        return;
    const bool wholeTable = m_view.listModel().fill().favouriteList < 0;
    const int next = autoScrollTop(m_drag, wholeTable, top, height / rowHeight, direction);
    if (next < 0)
        return;
    m_view.scrollTo(m_view.listModel().index(next, 0), QAbstractItemView::PositionAtTop);
    follow(m_lastPos);
}

void ListDragHandler::drop(QPoint pos) {
    const DropPlace place = placeOf(pos);
    const int list = place == DropPlace::Outside ? listUnder(pos) : -1;
    endDrag();
    if (list >= 0) {
        m_view.addRowsToList(list, m_drag.rows);  // the rows stay where they are
        return;
    }
    if (place == DropPlace::Outside) {
        // Released over the list beside: the rows are added to its list (they stay where they are here);
        // anywhere else beside the list the drag is given up as Esc gives it up.
        if (overBeside(pos))
            m_beside->dropRowsFrom(m_view.listModel().fill(), m_drag.rows, m_view.viewport()->mapToGlobal(pos));
        return;
    }
    const int d = dropRow(m_drag, rowUnder(pos));
    const ListFill& fill = m_view.listModel().fill();
    const DropResult result = dropListDrag(m_doc.database(), fill, m_drag, d);
    if (!result.placed || !result.changed)
        return;  // nothing moved: the selection stays, the document is not modified
    const BrowseState view = m_doc.database().state().browse;
    const int scrolled = m_view.verticalScrollBar()->value();
    m_view.onUpdate();
    // The list stays where it was, so the moved rows stand at the line they were dropped on; only when
    // none of them is in sight does it scroll to the first.
    m_view.verticalScrollBar()->setValue(scrolled);
    const int first = firstDroppedRow(m_view.listModel().fill(), result);
    m_view.selectRows(first, result.count, false);
    const int top = m_view.rowAt(0);
    const int bottom = m_view.rowAt(m_view.viewport()->height() - 1);
    if (top < 0 || first + result.count - 1 < top || (bottom >= 0 && first > bottom))
        m_view.scrollTo(m_view.listModel().index(first, 0));
    m_doc.imageEdited(programsText(tr("Move 1 program"), tr("Move %1 programs"), m_drag.rows.size()),
                      m_view.listRows(view, m_drag.rows));
}

void ListDragHandler::paintDropMark(QPainter& painter) const {
    if (!m_dragging || m_markRow < 0)
        return;
    const QRect row = m_view.visualRect(m_view.listModel().index(m_markRow, 0));
    const int y = std::max(row.top(), 1);  // above the first row: keep the whole line in sight
    painter.save();
    painter.setPen(QPen(m_view.palette().color(QPalette::Highlight), 3));
    painter.drawLine(0, y, m_view.viewport()->width(), y);
    painter.drawLine(0, y - 3, 0, y + 3);
    painter.restore();
}

}  // namespace vizud
