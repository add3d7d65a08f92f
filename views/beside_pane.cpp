#include "views/beside_pane.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QVBoxLayout>

#include "app/editor_document.h"
#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "views/program_list_view.h"

namespace vizud {

BesidePane::BesidePane(CViz_ud_app_17Doc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName("besidePane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_chooser = new QComboBox(this);
    m_chooser->setObjectName("besideListChooser");
    m_chooser->setToolTip(tr("The favourite list shown beside the whole table"));
    m_view = new CViz_ud_app_17View(doc, this);
    m_view->setObjectName("besideListView");
    layout->addWidget(m_chooser);
    layout->addWidget(m_view, 1);
    fillNames();
    m_view->showBesideList(0);
    connect(m_chooser, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_view->showBesideList(index);
        emit listChosen(index);
    });
}

int BesidePane::list() const {
    return m_chooser->currentIndex();
}

void BesidePane::setList(int list) {
    if (list >= 0 && list < kFavouriteLists)
        m_chooser->setCurrentIndex(list);
}

void BesidePane::fillNames() {
    // The nine lists by the names the tree shows (Latin-1, without a character-table byte).
    const QSignalBlocker blocker(m_chooser);
    const int current = std::max(m_chooser->currentIndex(), 0);
    m_chooser->clear();
    for (int l = 0; l < kFavouriteLists; ++l) {
        const std::string name = showName(nameText(m_doc.database().image().favourites[l].favName)).text;
        m_chooser->addItem(name.empty() ? tr("List %1").arg(l + 1) : QString::fromLatin1(name));
    }
    m_chooser->setCurrentIndex(current);
}

void BesidePane::onUpdate() {
    fillNames();
    m_view->onUpdate();
}

}  // namespace vizud
