// The program list's mouse drags: the left button moves the selected rows (a line shows where they will
// land, the list scrolls by itself while the pointer is held above or below it, Esc or a release beside the
// list gives up, a release on a favourite list's node of the tree adds the rows' programs to it), the right
// button selects the rows from where it went down to where it is, and a right click without a drag opens
// the context menu. The rules are in list_drag.h; this class turns the pointer into rows.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QPoint>
#include <QtCore/QTimer>

#include "views/list_drag.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace vizud {

class CViz_ud_app_17Doc;
class CViz_ud_app_17View;

// A pane beside the list whose favourite lists take a drag released over them (the tree's list nodes):
// the dragged programs are added to that list, the rows stay where they are in the list.
class FavouriteDropTarget {
public:
    virtual ~FavouriteDropTarget() = default;
    // The favourite list (0..8) whose node is under the screen point `global`; -1 for none.
    virtual int favouriteListAt(QPoint global) const = 0;
    // Marks the node of list `list` as the one a release would drop on; -1 clears the mark.
    virtual void markDropList(int list) = 0;
};

class ListDragHandler : public QObject {
    Q_OBJECT

public:
    ListDragHandler(CViz_ud_app_17View& view, CViz_ud_app_17Doc& doc);

    // Each returns true when it took the event (the list's own handling is skipped).
    bool mousePress(QMouseEvent* event);
    bool mouseMove(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);
    bool keyPress(QKeyEvent* event);
    // Draws the drop position over the rows while a drag is on.
    void paintDropMark(QPainter& painter) const;

    bool dragging() const { return m_dragging; }
    void setFavouriteDropTarget(FavouriteDropTarget* target) { m_target = target; }
    // The list beside the whole table: a release over its rows adds the dragged rows to its list there.
    void setBesideList(CViz_ud_app_17View* beside) { m_beside = beside; }
    // The row the rows would be dropped before if the button went up now; -1 outside a drag.
    int dropMarkRow() const { return m_dragging ? m_markRow : -1; }

    static constexpr int kScrollInterval = 50;  // ms between auto-scroll steps

private:
    void startDrag();
    void endDrag();
    void follow(QPoint pos);
    void scrollStep();
    void drop(QPoint pos);
    int rowUnder(QPoint pos) const;
    // Where `pos` (in the rows' area) lies for a drop.
    DropPlace placeOf(QPoint pos) const;
    // `pos` (in the rows' area) lies over the rows of the list beside.
    bool overBeside(QPoint pos) const;
    void selectRange(int from, int to);
    // The favourite list a release at `pos` (in the rows' area, outside the list) would add the rows to.
    int listUnder(QPoint pos) const;

    CViz_ud_app_17View& m_view;
    CViz_ud_app_17Doc& m_doc;
    CViz_ud_app_17View* m_beside = nullptr;
    QTimer m_timer;
    ListDrag m_drag;
    bool m_armed = false;  // the left button went down on a row: a drag may start
    bool m_dragging = false;
    int m_pressRow = -1;
    bool m_pressOnSelected = false;
    QPoint m_pressPos;
    QPoint m_lastPos;
    int m_markRow = -1;
    bool m_rightActive = false;
    bool m_rightMoved = false;
    int m_rightAnchor = -1;
    FavouriteDropTarget* m_target = nullptr;
    int m_markList = -1;
};

}  // namespace vizud
