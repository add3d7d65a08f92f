#include "views/program_list_view.h"

namespace vizud {

CViz_ud_app_17View::CViz_ud_app_17View(QWidget* parent) : QTableView(parent) {
    setObjectName("programListView");
    resize(100, 100);
}

void CViz_ud_app_17View::onUpdate() {
    ++m_updates;
}

}  // namespace vizud
