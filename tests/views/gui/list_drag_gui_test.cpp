// Dragging rows in the real main window with mouse events as a user makes them: a left drag that moves
// rows and reaches the saved file, the auto-scroll while the pointer is held below the list, a refused
// drag of TV and radio rows, and a right drag that selects a range.
#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QScrollBar>
#include <cstring>
#include <memory>

#include "database/image_access.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/database/editing_checks.h"
#include "views/program_list_view.h"

namespace vizud {
namespace {

class ListDragGui : public ::testing::Test, public test::GuiFixture {
protected:
    // A file with 30 programs (20 TV) opened in a window whose list shows about eight rows.
    void SetUp() override {
        start();
        path = channelFile("drag.si", 11);
        ASSERT_TRUE(doc.commands().openDocument(path));
        frame->resize(900, 330);
        frame->show();
        settle();
        list = frame->listView();
        doc.setModifiedFlag(false);
    }
    QPoint rowPoint(int row) const { return list->visualRect(list->model()->index(row, 1)).center(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* viewport = list->viewport();
        QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    void press(int row, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, rowPoint(row), button, button);
    }
    void moveTo(QPoint at, Qt::MouseButton held = Qt::LeftButton) { mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        settle();
    }
    std::string name(int program) { return nameText(fx.image().programs[program].name); }
    std::vector<int> selected() const { return list->selectedRowsAscending(); }

    std::string path;
    CViz_ud_app_17View* list = nullptr;
};

TEST_F(ListDragGui, RowsDraggedOntoARowLandBeforeItAndReachTheSavedFile) {
    const std::string second = name(2), third = name(3), eighth = name(8);
    list->selectRows(2, 2, true);
    press(2);
    moveTo(rowPoint(2) + QPoint(0, 12));
    ASSERT_TRUE(list->dragHandler().dragging());
    moveTo(rowPoint(8));
    EXPECT_EQ(list->dragHandler().dropMarkRow(), 8) << "the drop position is shown";
    release(rowPoint(8));

    EXPECT_FALSE(list->dragHandler().dragging());
    EXPECT_EQ(name(6), second);
    EXPECT_EQ(name(7), third);
    EXPECT_EQ(name(8), eighth);
    EXPECT_EQ(selected(), (std::vector<int>{6, 7})) << "the moved rows stay selected";
    EXPECT_TRUE(doc.isModified());

    ASSERT_TRUE(doc.commands().fileSave());
    const auto saved = savedImage(path);
    EXPECT_EQ(test::firstDifference(*saved, fx.image()), -1) << "the file holds what the list shows";
    EXPECT_EQ(nameText(saved->programs[6].name), second);
}

TEST_F(ListDragGui, HeldBelowTheListItScrollsToTheEndOfTheTvRowsAndDropsThere) {
    list->selectRows(0, 1, true);
    const std::string first = name(0);
    press(0);
    moveTo(rowPoint(0) + QPoint(0, 12));
    ASSERT_TRUE(list->dragHandler().dragging());
    const QPoint below(40, list->viewport()->height() + 30);
    moveTo(below);
    const int topBefore = list->rowAt(0);
    QTest::qWait(ListDragHandler::kScrollInterval * 40);
    const int top = list->rowAt(0);
    EXPECT_GT(top, topBefore) << "the list scrolled by itself";
    QTest::qWait(ListDragHandler::kScrollInterval * 4);
    EXPECT_EQ(list->rowAt(0), top) << "and stopped";
    // It stops once the first radio row (20) is shown, so that the end of the TV rows can be reached.
    const int lastShown = list->rowAt(list->viewport()->height() - 2);
    EXPECT_GE(lastShown, 20);
    EXPECT_LE(lastShown, 21);
    const int mark = list->dragHandler().dropMarkRow();
    EXPECT_EQ(mark, 20) << "below the list: the last row shown, kept in the TV rows";
    release(below);
    EXPECT_EQ(name(19), first) << "at the end of the TV rows";
    EXPECT_EQ(fx.image().tvCount, 20);
}

TEST_F(ListDragGui, TvAndRadioRowsDoNotDragTogetherAndChangeNothing) {
    const all_tables_block before = fx.image();
    list->selectRows(19, 2, true);
    press(19);
    moveTo(rowPoint(19) + QPoint(0, 12));
    moveTo(rowPoint(5));
    release(rowPoint(5));
    EXPECT_FALSE(list->dragHandler().dragging());
    ASSERT_FALSE(fx.messages.texts().empty());
    EXPECT_EQ(fx.messages.texts().back(), kMixedDragText);
    EXPECT_EQ(test::firstDifference(before, fx.image()), -1);
    EXPECT_FALSE(doc.isModified());

    // Esc during a drag gives up without a change.
    list->selectRows(3, 1, true);
    press(3);
    moveTo(rowPoint(3) + QPoint(0, 12));
    ASSERT_TRUE(list->dragHandler().dragging());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->dragHandler().dragging());
    release(rowPoint(7));
    EXPECT_EQ(test::firstDifference(before, fx.image()), -1);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(ListDragGui, ARightDragSelectsFromWhereItStarted) {
    press(4, Qt::RightButton);
    moveTo(rowPoint(7), Qt::RightButton);
    EXPECT_EQ(selected(), (std::vector<int>{4, 5, 6, 7}));
    moveTo(rowPoint(2), Qt::RightButton);
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4}));
    release(rowPoint(2), Qt::RightButton);  // no menu after a right drag
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4}));
    EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace vizud
