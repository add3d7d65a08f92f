// CLeftView: the tree pane of the main window (favourite lists, providers, satellites and transponders).
// For now an empty tree that answers the document's refreshes; the tree's content comes with its own work.
#pragma once

#include <QtWidgets/QTreeWidget>

namespace vizud {

class CLeftView : public QTreeWidget {
    Q_OBJECT

public:
    explicit CLeftView(QWidget* parent = nullptr);

    // The document changed the image: re-read what the tree shows.
    void onUpdate();
    int updateCount() const { return m_updates; }

private:
    int m_updates = 0;
};

}  // namespace vizud
