// The list beside the whole table: one favourite list, chosen in a combo box above it, shown as a second
// program list while the main list shows what the tree selects. Rows dragged from the main list are added
// to the list where they are released; inside it rows move, leave the list (Delete) and open the program
// dialog as in the main list, over the same rules with the list's own view.
#pragma once

#include <QtWidgets/QWidget>

class QComboBox;

namespace vizud {

class CViz_ud_app_17Doc;
class CViz_ud_app_17View;

class BesidePane : public QWidget {
    Q_OBJECT

public:
    BesidePane(CViz_ud_app_17Doc& doc, QWidget* parent = nullptr);

    CViz_ud_app_17View& view() { return *m_view; }
    QComboBox& chooser() { return *m_chooser; }
    // The favourite list shown (0..8).
    int list() const;
    void setList(int list);
    // The image changed as a whole (opened, new, renamed lists): the names and the rows are read again.
    void onUpdate();

signals:
    void listChosen(int list);

private:
    void fillNames();

    CViz_ud_app_17Doc& m_doc;
    QComboBox* m_chooser = nullptr;
    CViz_ud_app_17View* m_view = nullptr;
};

}  // namespace vizud
