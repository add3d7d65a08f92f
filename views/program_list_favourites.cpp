// The program list's favourite-list commands: Add to / Remove from favourite list on the selected rows,
// and the rows of a drag released on a list's tree node. The rules are in favourite_adding.h.
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>

#include "app/editor_document.h"
#include "app/translated_texts.h"
#include "views/favourite_adding.h"
#include "views/program_list_view.h"

namespace vizud {

std::vector<int> CViz_ud_app_17View::programsOfRows(const std::vector<int>& rows) const {
    std::vector<int> programs;
    programs.reserve(rows.size());
    for (const int row : rows) {
        const int program = m_model.programAt(row);
        if (program >= 0)
            programs.push_back(program);
    }
    return programs;
}

void CViz_ud_app_17View::addRowsToList(int list, const std::vector<int>& rows) {
    applyListEdit(addToFavouriteList(m_doc.database(), list, programsOfRows(rows)), list, rows);
}

void CViz_ud_app_17View::addSelectionToList(int list) {
    addRowsToList(list, selectedRowsAscending());
}

void CViz_ud_app_17View::removeSelectionFromList(int list) {
    const std::vector<int> rows = selectedRowsAscending();
    applyListEdit(removeFromFavouriteList(m_doc.database(), list, programsOfRows(rows)), list, rows);
}

void CViz_ud_app_17View::applyListEdit(const FavouriteEdit& edit, int list, const std::vector<int>& rows) {
    if (!edit.refusal.empty()) {
        m_doc.messages().show(edit.refusal, MessageIcon::Exclamation);
        return;
    }
    if (!edit.changed)
        return;
    const BrowseState view = m_doc.database().state().browse;
    const bool shown = m_model.fill().favouriteList == list;
    const int scrolled = verticalScrollBar()->value();
    onUpdate();
    // The table's rows stay where they were: the selection and the scroll position too. The list itself
    // changed its rows when it is the one shown.
    if (!shown) {
        verticalScrollBar()->setValue(scrolled);
        selectRowList(rows);
        verticalScrollBar()->setValue(scrolled);
    }
    m_doc.imageEdited(translated(edit.stepName), listRows(view, rows));
}

void CViz_ud_app_17View::labelListActions(QAction* const* add, QAction* const* remove) const {
    const ChannelDatabase& db = m_doc.database();
    const std::vector<int> programs = programsOfRows(selectedRowsAscending());
    const unsigned holding = listsHolding(db.image(), programs);
    for (int l = 0; l < kFavouriteLists; ++l) {
        QString name = QString::fromStdString(favouriteListName(db.image(), l));
        name.replace('&', "&&");
        add[l]->setText(name);
        add[l]->setEnabled(!programs.empty());
        remove[l]->setText(name);
        remove[l]->setEnabled((holding >> l) & 1u);
    }
}

void CViz_ud_app_17View::addListMenus(QMenu& menu) {
    QMenu* add = menu.addMenu(tr("Add to favourite list"));
    QMenu* remove = menu.addMenu(tr("Remove from favourite list"));
    QAction* adds[kFavouriteLists];
    QAction* removes[kFavouriteLists];
    for (int l = 0; l < kFavouriteLists; ++l) {
        adds[l] = add->addAction(QString(), this, [this, l] { addSelectionToList(l); });
        adds[l]->setShortcut(QKeySequence(QString("Ctrl+%1").arg(l + 1)));
        removes[l] = remove->addAction(QString(), this, [this, l] { removeSelectionFromList(l); });
    }
    labelListActions(adds, removes);
}

}  // namespace vizud
