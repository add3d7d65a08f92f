#include "views/program_list_view.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QStyledItemDelegate>

#include "app/editor_document.h"
#include "views/elide_text.h"

namespace vizud {
namespace {

// Cuts a text that does not fit its cell with "...", as the box's editor drew its rows.
class DotsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QStyle* style = option->widget != nullptr ? option->widget->style() : QApplication::style();
        const int margin = (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1) * 2;
        const QFontMetrics& metrics = option->fontMetrics;
        option->text = elideWithDots(option->text, option->rect.width() - margin, QStringLiteral("..."),
                                     [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
        option->textElideMode = Qt::ElideNone;
    }
};

}  // namespace

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
    for (int column = 0; column < kListColumns; ++column)
        setColumnWidth(column, kListColumnSpecs[static_cast<std::size_t>(column)].width);
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

}  // namespace vizud
