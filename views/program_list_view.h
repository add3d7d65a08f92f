// CViz_ud_app_17View: the program list pane of the main window. Ten fixed columns over the programs the
// tree's selection and the TV / radio category choose, in the image's order, refilled on every update of
// the views.
#pragma once

#include <QtWidgets/QTableView>

#include "app/edit_step.h"
#include "views/favourite_adding.h"
#include "views/keyboard_moves.h"
#include "views/list_drag_handler.h"
#include "views/list_editing.h"
#include "views/program_list_model.h"

namespace vizud {

class CViz_ud_app_17Doc;

// "Delete 1 program" or "Delete 3 programs": the name of an edit of `count` rows.
QString programsText(const QString& one, const QString& many, std::size_t count);

class CViz_ud_app_17View : public QTableView {
    Q_OBJECT

public:
    explicit CViz_ud_app_17View(CViz_ud_app_17Doc& doc, QWidget* parent = nullptr);

    // The image or the browse state changed: refill the list, nothing selected, scrolled to the top.
    void onUpdate();
    int updateCount() const { return m_updates; }

    ProgramListModel& listModel() { return m_model; }
    const ProgramListModel& listModel() const { return m_model; }

    // Makes this list the one beside the whole table, showing favourite list `list` (0..8) with a view of
    // its own: the browse state is neither read nor changed, an edit's rows are not the main list's, and
    // only what edits the list itself is offered (delete, move, the program and transponder dialogs).
    void showBesideList(int list);
    bool isBeside() const { return m_model.besideList() >= 0; }
    // Another view changed the image: the rows are read again, the selection and the scroll position
    // kept as far as the rows still reach.
    void refreshKeepingView();
    // A drag of the main list: whether the global point `at` lies over this list's rows (so that a release
    // there adds the rows to its list), and the drop itself of `rows` of `from` at that point.
    bool takesDropAt(QPoint at) const;
    void dropRowsFrom(const ListFill& from, const std::vector<int>& rows, QPoint at);

    // The program dialog on a row (mode kProgramDialogEdit or kProgramDialogAdd), and the list's
    // transponder dialogs on the row's transponder (kTransponderEdit, kTransponderAdd, or delete).
    void openProgramEditor(int row, int mode);
    void openTransponderEditor(int row, int mode);
    void deleteTransponder(int row);

    // Cut, copy, paste and delete on the selected rows, and what the rules allow now.
    EditRules editRules() const;
    void copyRows();
    void cutRows();
    void pasteRows();
    void deleteRows();
    // Edit > Move to: asks for the Ch Index the first selected row should get, then moves the selection
    // there as a drag would (moveSelectedTo does it without asking).
    void askMoveTo();
    void moveSelectedTo(int number);
    // The selected rows as a drag or a move; false when they cannot move together (after the message
    // when TV and radio rows are mixed) or there is nothing to move.
    bool beginRowMove(ListDrag& drag);

    // Add to / Remove from favourite list `list` (0..8) with the selected programs, and the programs of
    // `rows` (a drag released on the list's tree node) added: each one undo step; a list without room for
    // them refuses with its message.
    void addSelectionToList(int list);
    void removeSelectionFromList(int list);
    void addRowsToList(int list, const std::vector<int>& rows);
    // Names the nine actions of Add to (`add`) and Remove from (`remove`) favourite list by their lists and
    // enables them for the selection: Remove only for the lists holding any of the selected programs.
    void labelListActions(QAction* const* add, QAction* const* remove) const;

    // Edit > Lock / Unlock on the selected programs (one undo step), and whether it would change any of
    // the programs of `rows` (the selected rows, ascending).
    void lockSelection(bool lock);
    bool lockAllowed(const std::vector<int>& rows, bool lock) const;
    // Ctrl+Up / Ctrl+Down / Ctrl+Home / Ctrl+End on the selected rows: one move, which joins the move
    // before it in the undo history; the moved rows stay selected and in view. Allowed: the move of
    // `rows` would change the list.
    void moveSelectionByKey(KeyMove move);
    bool keyMoveAllowed(const std::vector<int>& rows, KeyMove move) const;

    // The selected rows, ascending; selecting `count` rows from `first` (the first becomes current and,
    // with `show`, is scrolled into view).
    std::vector<int> selectedRowsAscending() const;
    void selectRows(int first, int count, bool show);
    const ListDragHandler& dragHandler() const { return m_drag; }
    void setFavouriteDropTarget(FavouriteDropTarget* target) { m_drag.setFavouriteDropTarget(target); }
    ListDragHandler& dragHandler() { return m_drag; }
    // Selects the given rows (ascending), the first current and in sight: the rows an undo or redo
    // gave back.
    void selectRowList(const std::vector<int>& rows);
    // An edit's rows for the undo stack: `before` as they were, the selection now as after.
    EditRows listRows(const BrowseState& view, std::vector<int> before) const;

signals:
    // A transponder changed or went away: the tree's transponder nodes must be read again.
    void transpondersEdited();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int firstSelectedRow() const;
    // The context menu on `row` (-1: below the rows) at the screen point `at`.
    void openContextMenu(int row, QPoint at, bool byMouse);
    // The context menu from the keyboard (the Menu key, Shift+F10), on the first selected row.
    void openKeyboardMenu();
    void copyToSystemClipboard(const std::vector<int>& rows) const;
    std::vector<int> programsOfRows(const std::vector<int>& rows) const;
    void applyListEdit(const FavouriteEdit& edit, int list, const std::vector<int>& rows);
    void addListMenus(QMenu& menu);
    void showRow(int row);
    CViz_ud_app_17Doc& m_doc;
    ProgramListModel m_model;
    ListDragHandler m_drag{*this, m_doc};
    int m_updates = 0;
};

}  // namespace vizud
