// The find bar above the program list (Edit > Find, Ctrl+F): typing marks the rows whose names contain
// the text and selects the first; Enter or F3 goes to the next match, Shift+Enter or Shift+F3 to the
// previous; "Select all" selects every match for a cut, delete, drag or copy; Esc closes it.
#pragma once

#include <QtWidgets/QWidget>

#include <vector>

class QLabel;
class QLineEdit;

namespace vizud {

class CViz_ud_app_17Doc;
class CViz_ud_app_17View;

class FindBar : public QWidget {
    Q_OBJECT

public:
    FindBar(CViz_ud_app_17Doc& doc, CViz_ud_app_17View& list, QWidget* parent = nullptr);

    // Shows the bar with its text selected, ready for typing.
    void open();
    void close();
    void findNext();
    void findPrevious();
    void selectAllMatches();

    QLineEdit* textField() const { return m_text; }
    int matchCount() const { return static_cast<int>(m_matches.size()); }
    // "3 of 17", "17 found", or "Not found".
    QString countText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refind();
    void go(bool forward);
    void showCount();

    CViz_ud_app_17Doc& m_doc;
    CViz_ud_app_17View& m_list;
    QLineEdit* m_text = nullptr;
    QLabel* m_count = nullptr;
    std::vector<int> m_matches;
    int m_current = -1;
};

}  // namespace vizud
