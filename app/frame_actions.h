// The main window's commands as actions: menu text, accelerators, status prompt, tool tip and toolbar
// picture of each command number, and the menus and toolbar built from them.
#pragma once

#include <QtGui/QAction>

#include <map>

class QMainWindow;
class QMenu;
class QToolBar;

namespace vizud {

struct FrameActions {
    std::map<int, QAction*> byId;
    QMenu* fileMenu = nullptr;
    QAction* recentPlaceholder = nullptr;  // "Recent File", shown while the list is empty
    QAction* recentSeparator = nullptr;
    QAction* recentFiles[4] = {};
    QToolBar* toolBar = nullptr;
    // Edit > Add to / Remove from favourite list: one action a list, named by the list when the menu opens.
    QMenu* addToListMenu = nullptr;
    QMenu* removeFromListMenu = nullptr;
    QAction* addToList[9] = {};
    QAction* removeFromList[9] = {};

    QAction* operator[](int id) const;
};

// Creates every command of the frame, its menu bar and its toolbar.
FrameActions createFrameActions(QMainWindow& frame);

}  // namespace vizud
