#include "views/find_bar.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

#include "app/editor_document.h"
#include "views/list_find.h"
#include "views/program_list_view.h"

namespace vizud {

FindBar::FindBar(CViz_ud_app_17Doc& doc, CViz_ud_app_17View& list, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_list(list) {
    setObjectName("findBar");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Find:"), this));
    m_text = new QLineEdit(this);
    m_text->setObjectName("findText");
    m_text->setPlaceholderText(tr("Channel name"));
    m_text->setClearButtonEnabled(true);
    layout->addWidget(m_text, 1);
    const auto button = [this, layout](const QString& text, const QString& tip, auto slot) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        layout->addWidget(b);
        return b;
    };
    button(tr("Previous"), tr("Previous match (Shift+F3)"), &FindBar::findPrevious);
    button(tr("Next"), tr("Next match (F3)"), &FindBar::findNext);
    button(tr("Select all"), tr("Select every match"), &FindBar::selectAllMatches)->setObjectName("findSelectAll");
    m_count = new QLabel(this);
    m_count->setObjectName("findCount");
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance("00000 of 00000") + 8);
    layout->addWidget(m_count);
    button(QStringLiteral("\u2715"), tr("Close (Esc)"), &FindBar::close);
    connect(m_text, &QLineEdit::textChanged, this, [this] {
        refind();
        go(true);
    });
    connect(m_text, &QLineEdit::returnPressed, this, &FindBar::findNext);
    // The list refilled (an edit, another view): the marks follow the new rows.
    connect(&m_list.listModel(), &QAbstractItemModel::modelReset, this, [this] {
        if (isVisible())
            refind();
    });
    hide();
}

void FindBar::open() {
    show();
    m_text->setFocus();
    m_text->selectAll();
    refind();
}

void FindBar::close() {
    hide();
    m_matches.clear();
    m_current = -1;
    m_list.listModel().setMarkedRows({});
    m_list.setFocus();
}

void FindBar::refind() {
    m_matches = findRows(m_doc.database(), m_list.listModel().fill(), m_text->text().toStdString());
    m_current = -1;
    m_list.listModel().setMarkedRows(m_matches);
    showCount();
}

void FindBar::go(bool forward) {
    if (m_matches.empty()) {
        showCount();
        return;
    }
    const int next = nextMatch(m_current, matchCount(), forward);
    m_current = next;
    m_list.selectRows(m_matches[static_cast<std::size_t>(m_current)], 1, true);
    showCount();
}

void FindBar::findNext() {
    if (!isVisible()) {
        open();
        return;
    }
    go(true);
}

void FindBar::findPrevious() {
    if (!isVisible()) {
        open();
        return;
    }
    go(false);
}

void FindBar::selectAllMatches() {
    if (m_matches.empty())
        return;
    m_list.selectRowList(m_matches);
    m_list.setFocus();
    showCount();
}

QString FindBar::countText() const {
    if (m_text->text().isEmpty())
        return {};
    if (m_matches.empty())
        return tr("Not found");
    if (m_current < 0)
        return tr("%1 found").arg(matchCount());
    return tr("%1 of %2").arg(m_current + 1).arg(matchCount());
}

void FindBar::showCount() {
    m_count->setText(countText());
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & Qt::ShiftModifier)) {
        findPrevious();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vizud
