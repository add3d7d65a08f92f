// CViz_ud_app_17View: the program list pane of the main window. For now an empty table that answers the
// document's refreshes; the rows, filters and editing commands come with their own work.
#pragma once

#include <QtWidgets/QTableView>

namespace vizud {

class CViz_ud_app_17View : public QTableView {
    Q_OBJECT

public:
    explicit CViz_ud_app_17View(QWidget* parent = nullptr);

    // The document changed the image or the filter: refill the list.
    void onUpdate();
    int updateCount() const { return m_updates; }

private:
    int m_updates = 0;
};

}  // namespace vizud
