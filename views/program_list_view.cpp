#include "views/program_list_view.h"

#include <algorithm>

#include <QtGui/QClipboard>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyledItemDelegate>

#include "app/editor_document.h"
#include "app/translated_texts.h"
#include "database/image_access.h"
#include "dialogs/dialog_openers.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/transponder_fields.h"
#include "views/elide_text.h"
#include "views/favourite_adding.h"
#include "views/list_commands.h"

namespace vizud {
namespace {

// Cuts a text that does not fit its cell with "...", as the box's editor drew its rows.
class DotsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The style draws the cell without its text (background, find mark, selection, focus) and the cut text
    // is drawn on one line at the style's margins: a full list repaints many cells, and the style's own
    // text layout (cutting, wrapping, measuring again) would shape each text three times.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = cell.widget;
        const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        if (text.isEmpty())
            return;
        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : cell.state & QStyle::State_Active   ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        const QPalette::ColorRole role = cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetrics& metrics = cell.fontMetrics;
        const QPoint baseline(cell.rect.left() + margin,
                              cell.rect.top() + (cell.rect.height() - metrics.height()) / 2 + metrics.ascent());
        painter->save();
        painter->setClipRect(cell.rect.adjusted(margin, 0, -margin, 0), Qt::IntersectClip);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(group, role));
        painter->drawText(baseline, text);
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QStyle* style = option->widget != nullptr ? option->widget->style() : QApplication::style();
        const int margin = (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1) * 2;
        const QFontMetrics& metrics = option->fontMetrics;
        const int available = option->rect.width() - margin;
        option->textElideMode = Qt::ElideNone;
        // Most cells (numbers, codes) fit even in the widest glyphs: they need no measuring.
        if (option->text.size() * metrics.maxWidth() <= available)
            return;
        option->text = elideWithDots(option->text, available, QStringLiteral("..."),
                                     [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    }
};

}  // namespace

QString programsText(const QString& one, const QString& many, std::size_t count) {
    return count == 1 ? one : many.arg(count);
}

EditRows CViz_ud_app_17View::listRows(const BrowseState& view, std::vector<int> before) const {
    EditRows rows;
    rows.list = !isBeside();  // undo and redo reselect rows of the main list only
    rows.browse = view;
    rows.before = std::move(before);
    rows.after = selectedRowsAscending();
    return rows;
}

void CViz_ud_app_17View::selectRowList(const std::vector<int>& rows) {
    QItemSelection selection;
    int start = -1;
    int previous = -2;
    const int count = m_model.rowCount();
    auto close = [&] {
        if (start >= 0)
            selection.select(m_model.index(start, 0), m_model.index(previous, 0));
    };
    for (const int row : rows) {
        if (row < 0 || row >= count)
            continue;
        if (row != previous + 1) {
            close();
            start = row;
        }
        previous = row;
    }
    close();
    if (selection.isEmpty())
        return;
    const QModelIndex first = m_model.index(rows.front() >= 0 && rows.front() < count ? rows.front() : start, 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(first);
}

CViz_ud_app_17View::CViz_ud_app_17View(CViz_ud_app_17Doc& doc, QWidget* parent)
    : QTableView(parent), m_doc(doc), m_model(doc.database()) {
    setObjectName("programListView");
    setModel(&m_model);
    setItemDelegate(new DotsDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Fixed-height rows: a full table scrolls without measuring 20000 rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The box's widths, widened where the desktop's font needs more room for a header.
    const QFontMetrics headerFont = horizontalHeader()->fontMetrics();
    for (int column = 0; column < kListColumns; ++column) {
        const ColumnSpec& spec = kListColumnSpecs[static_cast<std::size_t>(column)];
        setColumnWidth(column,
                       std::max(spec.width, headerFont.horizontalAdvance(QString::fromLatin1(spec.header)) + 14));
    }
    resize(100, 100);
}

void CViz_ud_app_17View::onUpdate() {
    ++m_updates;
    m_model.refill();
    clearSelection();
    scrollToTop();
    if (m_model.fill().unknownList)
        m_doc.messages().show(kUnknownListText, MessageIcon::Stop);
}

int CViz_ud_app_17View::firstSelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

void CViz_ud_app_17View::showRow(int row) {
    if (row < 0 || row >= m_model.rowCount())
        return;
    const QModelIndex index = m_model.index(row, 0);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CViz_ud_app_17View::selectRows(int first, int count, bool show) {
    const int rows = m_model.rowCount();
    if (first < 0 || first >= rows || count <= 0)
        return;
    const int last = std::min(first + count, rows) - 1;
    const QModelIndex index = m_model.index(first, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(index, m_model.index(last, 0)),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (show)
        scrollTo(index);
}

std::vector<int> CViz_ud_app_17View::selectedRowsAscending() const {
    // The list selects whole rows only: its selection's ranges name the rows, without asking the model
    // about every row and column (20000 selected rows are read in well under a millisecond).
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

EditRules CViz_ud_app_17View::editRules() const {
    if (isBeside()) {
        // The list beside edits its own entries only: the browse state's edit mask is the main list's.
        const bool real = editEnabled(m_model.fill(), firstSelectedRow());
        return {false, false, false, real};
    }
    return vizud::editRules(m_doc.database(), m_model.fill(), firstSelectedRow());
}

void CViz_ud_app_17View::showBesideList(int list) {
    m_model.setBesideList(list);
    onUpdate();
}

void CViz_ud_app_17View::refreshKeepingView() {
    const std::vector<int> rows = selectedRowsAscending();
    const int scrolled = verticalScrollBar()->value();
    m_model.refill();
    selectRowList(rows);
    verticalScrollBar()->setValue(scrolled);
}

bool CViz_ud_app_17View::takesDropAt(QPoint at) const {
    return isVisible() && viewport()->rect().contains(viewport()->mapFromGlobal(at));
}

void CViz_ud_app_17View::dropRowsFrom(const ListFill& from, const std::vector<int>& rows, QPoint at) {
    const int list = m_model.besideList();
    if (list < 0)
        return;
    // Before the row under the pointer; below the last row (or in an empty list) at the end.
    const int row = rowAt(viewport()->mapFromGlobal(at).y());
    const int count = static_cast<int>(m_model.fill().rows.size());
    const int position = row >= 0 && row < count ? m_model.fill().rows[static_cast<std::size_t>(row)].sequence
                                                 : favouriteCount(m_doc.database().image().favourites[list]);
    // The rows are all TV or all radio (a drag takes no mix): they stand together in their part.
    std::vector<int> programs;
    programs.reserve(rows.size());
    for (const int r : rows) {
        if (r >= 0 && r < static_cast<int>(from.rows.size()))
            programs.push_back(from.rows[static_cast<std::size_t>(r)].program);
    }
    if (programs.empty())
        return;
    const all_tables_block& img = m_doc.database().image();
    const int tvEntries = favouriteTvCount(img.favourites[list]);
    const bool tv = programs.front() < std::min<int>(img.tvCount, programCount(img));
    const FavouriteEdit edit = addToFavouriteList(m_doc.database(), list, programs, position);
    if (!edit.refusal.empty()) {
        m_doc.messages().show(edit.refusal, MessageIcon::Exclamation);
        return;
    }
    if (!edit.changed)
        return;
    onUpdate();
    selectRows(tv ? std::min(position, tvEntries) : std::max(position, tvEntries), edit.programs, true);
    m_doc.imageEdited(translated(edit.stepName), listRows(m_doc.database().state().browse, {}));
}

void CViz_ud_app_17View::copyToSystemClipboard(const std::vector<int>& rows) const {
    // The rows as a spreadsheet or a mail takes them: a header line, then one line a row, tab-separated.
    QStringList lines;
    QStringList header;
    for (int column = 0; column < kListColumns; ++column)
        header << m_model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << header.join('\t');
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < kListColumns; ++column)
            cells << m_model.index(row, column).data().toString();
        lines << cells.join('\t');
    }
    QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

void CViz_ud_app_17View::copyRows() {
    if (!editRules().copy)
        return;
    const std::vector<int> rows = selectedRowsAscending();
    m_doc.clipboardWillBeCopied();
    const bool mixed = fillClipboard(m_doc.database(), m_model.fill(), rows, false);
    m_doc.clipboardFilled();
    copyToSystemClipboard(rows);
    if (mixed)
        m_doc.messages().show(kMixedClipboardText, MessageIcon::Information);
}

void CViz_ud_app_17View::cutRows() {
    if (!editRules().cut)
        return;
    const std::vector<int> rows = selectedRowsAscending();
    const BrowseState view = m_doc.database().state().browse;
    m_doc.clipboardWillBeCut();
    const bool mixed = fillClipboard(m_doc.database(), m_model.fill(), rows, true);
    m_doc.clipboardFilled();
    removeRows(m_doc.database(), m_model.fill(), rows);
    onUpdate();
    showRow(rowAfterRemoval(rows, m_model.rowCount()));
    m_doc.imageEdited(programsText(tr("Cut 1 program"), tr("Cut %1 programs"), rows.size()), listRows(view, rows));
    if (mixed)
        m_doc.messages().show(kMixedClipboardText, MessageIcon::Information);
}

void CViz_ud_app_17View::deleteRows() {
    if (!editRules().remove)
        return;
    const std::vector<int> rows = selectedRowsAscending();
    const BrowseState view = m_doc.database().state().browse;
    const Removal removal = removeRows(m_doc.database(), m_model.fill(), rows);
    onUpdate();
    showRow(rowAfterRemoval(rows, m_model.rowCount()));
    // Taken out of favourite lists, the programs stay in the table: the step says so.
    QString step;
    switch (removal.kind) {
        case Removal::FromTable:
            step = programsText(tr("Delete 1 program"), tr("Delete %1 programs"), rows.size());
            break;
        case Removal::FromList:
            step = programsText(tr("Remove 1 program from %1"), tr("Remove %1 programs from %2"), rows.size())
                       .arg(QString::fromStdString(removal.listName));
            break;
        case Removal::FromEveryList:
            step = programsText(tr("Remove 1 program from every favourite list"),
                                tr("Remove %1 programs from every favourite list"), rows.size());
            break;
    }
    m_doc.imageEdited(step, listRows(view, rows));
}

void CViz_ud_app_17View::pasteRows() {
    if (!editRules().paste)
        return;
    const int row = firstSelectedRow();
    const int count = countSnapshots(m_doc.database().state().programClipboard);
    const BrowseState view = m_doc.database().state().browse;
    const std::vector<int> before = selectedRowsAscending();
    if (!pasteBefore(m_doc.database(), m_model.fill(), row))
        return;
    onUpdate();
    // The row that was selected, now after the pasted block.
    showRow(std::min(row + count, m_model.rowCount() - 1));
    m_doc.imageEdited(programsText(tr("Paste 1 program"), tr("Paste %1 programs"), static_cast<std::size_t>(count)),
                      listRows(view, before));
}

void CViz_ud_app_17View::askMoveTo() {
    const int first = firstSelectedRow();
    if (!editEnabled(m_model.fill(), first))
        return;
    const int current = m_model.fill().rows[static_cast<std::size_t>(first)].sequence + 1;
    bool ok = false;
    const int number = QInputDialog::getInt(this, tr("Move to"), tr("Ch Index of the first selected program:"), current,
                                            1, kMaxPrograms, 1, &ok);
    if (ok)
        moveSelectedTo(number);
}

bool CViz_ud_app_17View::beginRowMove(ListDrag& drag) {
    switch (beginListDrag(m_doc.database(), m_model.fill(), selectedRowsAscending(), drag)) {
        case DragStart::Ignored:
            return false;
        case DragStart::Mixed:
            m_doc.messages().show(kMixedDragText, MessageIcon::Information);
            return false;
        case DragStart::Started:
            break;
    }
    return true;
}

void CViz_ud_app_17View::moveSelectedTo(int number) {
    ChannelDatabase& db = m_doc.database();
    const std::vector<int> rows = selectedRowsAscending();
    ListDrag drag;
    if (!beginRowMove(drag))
        return;
    const BrowseState view = db.state().browse;
    const DropResult result = moveRowsToNumber(db, m_model.fill(), drag, number);
    if (!result.placed || !result.changed)
        return;
    onUpdate();
    selectRows(firstDroppedRow(m_model.fill(), result), result.count, true);
    m_doc.imageEdited(programsText(tr("Move 1 program"), tr("Move %1 programs"), rows.size()), listRows(view, rows));
}

void CViz_ud_app_17View::openProgramEditor(int row, int mode) {
    const ProgramEditorTarget target = programEditorTarget(m_model.fill(), row, mode);
    if (!target.open)
        return;
    ChannelDatabase& db = m_doc.database();
    if (openProgramDialog(this, db, m_doc.messages(), target.programIndex, target.mode) != DialogResult::Ok)
        return;
    // The dialog may have created a provider: the tree appends it in the refresh.
    const BrowseState view = db.state().browse;
    db.state().treeRefreshRequest = true;
    m_doc.updateAllViews();
    const int shown = rowOfProgram(m_model.fill(), db.state().addedProgramIndex);
    showRow(shown >= 0 ? shown : row);
    m_doc.imageEdited(target.mode == kProgramDialogAdd ? tr("Add program") : tr("Edit program"), listRows(view, {row}));
}

void CViz_ud_app_17View::openTransponderEditor(int row, int mode) {
    if (row < 0 || row >= static_cast<int>(m_model.fill().rows.size()))
        return;
    ChannelDatabase& db = m_doc.database();
    const int program = m_model.programAt(row);
    const BrowseState view = db.state().browse;
    if (openTransponderListDialog(this, db, m_doc.messages(), program, mode) != DialogResult::Ok)
        return;
    emit transpondersEdited();
    onUpdate();
    showRow(row);
    m_doc.imageEdited(mode == kTransponderAdd ? tr("Add transponder") : tr("Edit transponder"), listRows(view, {row}));
}

void CViz_ud_app_17View::deleteTransponder(int row) {
    ChannelDatabase& db = m_doc.database();
    const int tp = transponderOfRow(db, m_model.fill(), row);
    if (tp < 0)
        return;
    db.state().currentTpFrequency = db.image().transponders[tp].frequency;
    openTransponderDeleteDialog(this, db, m_doc.messages(), tp, 2);
    if (db.state().currentTpFrequency < 0)
        return;
    emit transpondersEdited();
    onUpdate();
    m_doc.imageEdited(tr("Delete transponder"));
}

void CViz_ud_app_17View::contextMenuEvent(QContextMenuEvent* event) {
    // A right click opens the menu when the button goes up, so that a right drag can select rows instead.
    if (event->reason() == QContextMenuEvent::Mouse) {
        event->accept();
        return;
    }
    openKeyboardMenu();
}

void CViz_ud_app_17View::openKeyboardMenu() {
    const int row = std::max(firstSelectedRow(), 0);
    openContextMenu(row, viewport()->mapToGlobal(visualRect(m_model.index(row, 0)).bottomLeft()), false);
}

void CViz_ud_app_17View::openContextMenu(int row, QPoint at, bool byMouse) {
    const bool outside = byMouse && row < 0;
    const bool real = editEnabled(m_model.fill(), row);

    QMenu menu(this);
    QAction* edit = menu.addAction(tr("Edit"), this, [this, row] { openProgramEditor(row, kProgramDialogEdit); });
    edit->setStatusTip(tr("Edit selected program."));
    edit->setEnabled(real);
    if (!isBeside()) {
        QAction* add = menu.addAction(tr("Add"), this, [this, row] { openProgramEditor(row, kProgramDialogAdd); });
        add->setStatusTip(tr("Add program."));
        add->setEnabled(addEnabled(outside));
    }
    menu.addSeparator();
    const EditRules rules = editRules();
    menu.addAction(tr("Cut"), this, &CViz_ud_app_17View::cutRows)->setEnabled(rules.cut);
    menu.addAction(tr("Copy"), this, &CViz_ud_app_17View::copyRows)->setEnabled(rules.copy);
    menu.addAction(tr("Paste"), this, &CViz_ud_app_17View::pasteRows)->setEnabled(rules.paste);
    menu.addAction(tr("Delete"), this, &CViz_ud_app_17View::deleteRows)->setEnabled(rules.remove);
    menu.addAction(tr("Move to..."), this, &CViz_ud_app_17View::askMoveTo)->setEnabled(real);
    const std::vector<int> selection = selectedRowsAscending();
    menu.addAction(tr("Lock"), this, [this] { lockSelection(true); })->setEnabled(lockAllowed(selection, true));
    menu.addAction(tr("Unlock"), this, [this] { lockSelection(false); })->setEnabled(lockAllowed(selection, false));
    addListMenus(menu);
    menu.addSeparator();
    QMenu* transponder = menu.addMenu(tr("Transponder"));
    transponder->setEnabled(real);
    transponder->addAction(tr("Edit"), this, [this, row] { openTransponderEditor(row, kTransponderEdit); })
        ->setStatusTip(tr("Edit selected transponder."));
    transponder->addAction(tr("Add"), this, [this, row] { openTransponderEditor(row, kTransponderAdd); })
        ->setStatusTip(tr("Add transponder."));
    transponder->addAction(tr("Delete"), this, [this, row] { deleteTransponder(row); })
        ->setStatusTip(tr("Delete selected transponder."));
    if (isBeside()) {
        menu.exec(at);
        return;
    }
    menu.addSeparator();
    QMenu* view = menu.addMenu(tr("View"));
    const struct {
        const char* text;
        std::uint32_t bit;
    } categories[] = {{QT_TR_NOOP("T&V / Radio"), kViewTvAndRadio},
                      {QT_TR_NOOP("&TV"), kViewTvOnly},
                      {QT_TR_NOOP("&Radio"), kViewRadioOnly}};
    for (const auto& category : categories) {
        QAction* action = view->addAction(tr(category.text), this, [this, bit = category.bit] {
            BrowseState& browse = m_doc.database().state().browse;
            browse.viewMode = (browse.viewMode & ~std::uint32_t{7}) | bit;
            onUpdate();
        });
        action->setCheckable(true);
        action->setChecked((m_doc.database().state().browse.viewMode & category.bit) != 0);
    }
    menu.exec(at);
}

void CViz_ud_app_17View::mousePressEvent(QMouseEvent* event) {
    if (!m_drag.mousePress(event))
        QTableView::mousePressEvent(event);
}

void CViz_ud_app_17View::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.mouseMove(event))
        QTableView::mouseMoveEvent(event);
}

void CViz_ud_app_17View::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (!m_drag.mouseRelease(event))
            openContextMenu(rowAt(event->position().toPoint().y()), event->globalPosition().toPoint(), true);
        return;
    }
    // The list's own release first (it ends its pressed state), then the drop selects the moved rows.
    const bool dragging = m_drag.dragging();
    if (dragging)
        QTableView::mouseReleaseEvent(event);
    if (!m_drag.mouseRelease(event) && !dragging)
        QTableView::mouseReleaseEvent(event);
}

void CViz_ud_app_17View::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (m_drag.dragging()) {
        QPainter painter(viewport());
        m_drag.paintDropMark(painter);
    }
}

void CViz_ud_app_17View::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && editEnabled(m_model.fill(), index.row())) {
        // A transponder column opens the transponder, the others the program.
        const int column = index.column();
        if (column >= kColumnFrequency && column <= kColumnSystem)
            openTransponderEditor(index.row(), kTransponderEdit);
        else
            openProgramEditor(index.row(), kProgramDialogEdit);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void CViz_ud_app_17View::keyPressEvent(QKeyEvent* event) {
    if (m_drag.keyPress(event))
        return;
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        openKeyboardMenu();  // as the Menu key
        return;
    }
    // The first and last row and a page up or down select the row they reach, as the arrow keys do (the
    // table alone only moves its current row on Ctrl+Home and Ctrl+End). Home and End do it too: with
    // rows selected, Ctrl+Home and Ctrl+End move them to the start or end of their block instead.
    const bool ends = modifiers == Qt::ControlModifier || modifiers == Qt::NoModifier;
    const CursorAction jump = ends && key == Qt::Key_Home                              ? MoveHome
                              : ends && key == Qt::Key_End                             ? MoveEnd
                              : modifiers == Qt::NoModifier && key == Qt::Key_PageUp   ? MovePageUp
                              : modifiers == Qt::NoModifier && key == Qt::Key_PageDown ? MovePageDown
                                                                                       : MoveNext;
    if (jump != MoveNext) {
        // From no current row (just after a refill) the keys start at the first row, not at it.
        if (!currentIndex().isValid() && m_model.rowCount() > 0)
            selectionModel()->setCurrentIndex(m_model.index(0, 0), QItemSelectionModel::NoUpdate);
        // The table's Home and End without Ctrl stay in the row: the row jumps are its Ctrl ones.
        const bool rowEnd = jump == MoveHome || jump == MoveEnd;
        showRow(moveCursor(jump, rowEnd ? Qt::KeyboardModifiers(Qt::ControlModifier) : modifiers).row());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        // The first selected row that is on the page: Enter edits what the user sees.
        const int top = rowAt(0);
        const int bottom = rowAt(viewport()->height() - 1);
        int first = -1;
        for (const QModelIndex& index : selectionModel()->selectedRows()) {
            const int row = index.row();
            if (row >= top && (bottom < 0 || row <= bottom) && (first < 0 || row < first))
                first = row;
        }
        if (editEnabled(m_model.fill(), first)) {
            openProgramEditor(first, kProgramDialogEdit);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

}  // namespace vizud
