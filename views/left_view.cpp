#include "views/left_view.h"

#include <QtWidgets/QHeaderView>

namespace vizud {

CLeftView::CLeftView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("leftView");
    header()->hide();
    setColumnCount(1);
    resize(100, 100);
}

void CLeftView::onUpdate() {
    ++m_updates;
}

}  // namespace vizud
