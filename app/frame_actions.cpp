#include "app/frame_actions.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QActionGroup>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QToolBar>

#include "app/command_ids.h"
#include "app/toolbar_images.h"

namespace vizud {

namespace {

struct CommandText {
    int id;
    const char* menuText;
    // "status prompt\ntool tip", as the string table holds them.
    const char* prompt;
    int picture;       // index in the toolbar strips, -1 for none
    const char* keys;  // further accelerators, comma separated
};

// lupdate collects the texts from this table.
const CommandText kCommands[] = {
    {kCmdFileNew, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&New"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Create a new document\nNew"), -1, "Ctrl+N"},
    {kCmdFileOpen, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Open..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Open an existing document\nOpen"), 0, "Ctrl+O"},
    {kCmdFileOpenDownload, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Open recent &download..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Open a list the box sent earlier: every download is kept\nOpen recent download"),
     -1, ""},
    {kCmdFileSave, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Save"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Save the active document\nSave"), 1, "Ctrl+S"},
    {kCmdFileSaveAs, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Save &as..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Save the active document with a new name\nSave As"), -1, ""},
    {kCmdFileExport, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Export list..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Write the programs to a CSV file for a spreadsheet\nExport list"), -1, ""},
    {kCmdFilePrint, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Print..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Print the active document\nPrint"), 2, "Ctrl+P"},
    {kCmdFilePrintPreview, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Print Pre&view"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Display full pages\nPrint Preview"), -1, ""},
    {kCmdFilePrintSetup, QT_TRANSLATE_NOOP("vizud::CMainFrame", "P&rinter Setup..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Change the printer and printing options\nPrint Setup"), -1, ""},
    {kCmdAppExit, QT_TRANSLATE_NOOP("vizud::CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Quit the application; prompts to save documents\nExit"), -1, "Ctrl+Q"},
    {kCmdEditFind, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Find"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Find the specified text\nFind"), -1, "Ctrl+F"},
    {kCmdEditUndo, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Undo"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Undo the last action\nUndo"), -1, "Ctrl+Z,Alt+Backspace"},
    {kCmdEditRedo, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Redo"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Redo the previously undone action\nRedo"), -1, "Ctrl+Shift+Z,Ctrl+Y"},
    {kCmdEditMoveTo, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Move to..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move the selected programs to another number\nMove to"), -1, "Ctrl+M"},
    {kCmdEditCut, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Cu&t"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Cut the selection and put it on the Clipboard\nCut"), -1,
     "Ctrl+X,Shift+Del"},
    {kCmdEditCopy, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Copy"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Copy the selection and put it on the Clipboard\nCopy"), -1,
     "Ctrl+C,Ctrl+Ins"},
    {kCmdEditPaste, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Paste"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Insert Clipboard contents\nPaste"), -1, "Ctrl+V,Shift+Ins"},
    {kCmdEditDelete, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Delete"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Delete selected Item\nDelete"), 3, "Del"},
    {kCmdMoveUp, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move &up"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move the selected programs one place up\nMove up"), -1, "Ctrl+Up"},
    {kCmdMoveDown, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move &down"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move the selected programs one place down\nMove down"), -1, "Ctrl+Down"},
    {kCmdMoveToStart, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move to &start"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Move the selected programs to the start of their TV or radio block\nMove to start"),
     -1, "Ctrl+Home"},
    {kCmdMoveToEnd, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Move to e&nd"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Move the selected programs to the end of their TV or radio block\nMove to end"),
     -1, "Ctrl+End"},
    {kCmdEditLock, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Lock"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Lock the selected programs\nLock"), -1, "Ctrl+L"},
    {kCmdEditUnlock, QT_TRANSLATE_NOOP("vizud::CMainFrame", "U&nlock"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Unlock the selected programs\nUnlock"), -1, "Ctrl+Shift+L"},
    {kCmdToolsSortByName, QT_TRANSLATE_NOOP("vizud::CMainFrame", "By &name"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Sort the TV and the radio programs of the view by name\nSort by name"), -1,
     ""},
    {kCmdToolsSortByProvider, QT_TRANSLATE_NOOP("vizud::CMainFrame", "By &provider"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Sort the programs of the view by provider, then name\nSort by provider"),
     -1, ""},
    {kCmdToolsSortByTransponder, QT_TRANSLATE_NOOP("vizud::CMainFrame", "By &transponder"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Sort the programs of the view by satellite position, frequency and polarization\nSort by "
                       "transponder"),
     -1, ""},
    {kCmdToolsOrderLikeFile, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Order like another file..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Put the programs in the order of another channel file, such as the list before a new "
                       "scan\nOrder like another file"),
     -1, ""},
    {kCmdToolsUpdateTransponders, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Update transponders..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Add and update the satellites' transponders from a satellites.xml\nUpdate transponders"),
     -1, ""},
    {kCmdToolsCompare, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Co&mpare with file..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Show what changed from another channel file, such as the list before a new scan\nCompare "
                       "with file"),
     -1, ""},
    {kCmdToolsCheck, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Check database..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Look for damaged references, counts and lists\nCheck database"), -1, ""},
    {kCmdToolsDuplicates, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Duplicates..."),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Find the programs a new scan added twice, select or remove them\nDuplicates"),
     -1, ""},
    {kCmdViewToolbar, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Show or hide the toolbar\nToggle ToolBar"), -1, ""},
    {kCmdViewStatusBar, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Show or hide the status bar\nToggle StatusBar"), -1, ""},
    {kCmdViewBesideList, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Favourite list beside"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Show a favourite list beside the program list, to fill and order it\nFavourite list beside"),
     -1, ""},
    {kCmdShowTv, QT_TRANSLATE_NOOP("vizud::CMainFrame", "TV Programs"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Show TV programs only.\nTV Programs"), 4, ""},
    {kCmdShowRadio, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Radio Programs"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Show radio programs only.\nRadio Programs"), 5, ""},
    {kCmdShowTvAndRadio, QT_TRANSLATE_NOOP("vizud::CMainFrame", "TV and Radio Programs"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Show TV & radio programs.\nTV and Radio Programs"), 6, ""},
    {kCmdDownload, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Download database"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Load database from Set Top Box to PC.\nLoad database from Set Top Box to PC."),
     7, ""},
    {kCmdUpload, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Upload database"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame",
                       "Load database from PC to Set Top Box.\nLoad database from PC to Set Top Box."),
     8, ""},
    {kCmdUpgrade, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Software upgrade"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Soft Upgrade from PC DLP File.\nSoft Upgrade from PC DLP File."), 9, ""},
    {kCmdPortToolbar, QT_TRANSLATE_NOOP("vizud::CMainFrame", "COM port settings"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Config RS232 Port.\nConfig RS232 Port."), 10, ""},
    {kCmdPortMenu, QT_TRANSLATE_NOOP("vizud::CMainFrame", "ComPort"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Config RS232 Port.\nConfig RS232 Port."), -1, ""},
    {kCmdOptions, QT_TRANSLATE_NOOP("vizud::CMainFrame", "Options"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Set program options.\nOptions"), -1, ""},
    {kCmdAppAbout, QT_TRANSLATE_NOOP("vizud::CMainFrame", "&about KORVALE Editor"),
     QT_TRANSLATE_NOOP("vizud::CMainFrame", "Display program information, version number and copyright\nAbout"), 11,
     ""},
};

QString translated(const char* text) {
    return QCoreApplication::translate("vizud::CMainFrame", text);
}

QAction* makeAction(QMainWindow& frame, const CommandText& command) {
    auto* action = new QAction(translated(command.menuText), &frame);
    action->setData(command.id);
    action->setObjectName(QString("command%1").arg(command.id));
    const QString prompt = translated(command.prompt);
    const qsizetype newline = prompt.indexOf('\n');
    action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
    action->setToolTip(newline < 0 ? prompt : prompt.mid(newline + 1));
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(command.keys).split(',', Qt::SkipEmptyParts)) {
        keys << QKeySequence(key);
    }
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    if (command.picture >= 0) {
        action->setIcon(toolbarIcon(command.picture));
    }
    return action;
}

}  // namespace

QAction* FrameActions::operator[](int id) const {
    const auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second;
}

FrameActions createFrameActions(QMainWindow& frame) {
    FrameActions actions;
    for (const CommandText& command : kCommands) {
        actions.byId[command.id] = makeAction(frame, command);
    }
    for (int id :
         {kCmdShowTv, kCmdShowRadio, kCmdShowTvAndRadio, kCmdViewToolbar, kCmdViewStatusBar, kCmdViewBesideList}) {
        actions[id]->setCheckable(true);
    }
    // The three categories are one choice: exactly one of them is checked.
    auto* categories = new QActionGroup(&frame);
    categories->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int id : {kCmdShowTvAndRadio, kCmdShowTv, kCmdShowRadio})
        categories->addAction(actions[id]);
    frame.addActions({actions[kCmdEditFind], actions[kCmdEditUndo], actions[kCmdEditRedo], actions[kCmdEditMoveTo]});
    frame.addActions({actions[kCmdMoveUp], actions[kCmdMoveDown], actions[kCmdMoveToStart], actions[kCmdMoveToEnd],
                      actions[kCmdEditLock], actions[kCmdEditUnlock]});

    QMenuBar* bar = frame.menuBar();
    QMenu* file = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&File")));
    file->setObjectName("fileMenu");
    file->addActions({actions[kCmdFileNew], actions[kCmdFileOpen], actions[kCmdFileOpenDownload], actions[kCmdFileSave],
                      actions[kCmdFileSaveAs]});
    file->addAction(actions[kCmdFileExport]);
    file->addSeparator();
    file->addActions({actions[kCmdFilePrint], actions[kCmdFilePrintPreview], actions[kCmdFilePrintSetup]});
    file->addSeparator();
    actions.recentPlaceholder = file->addAction(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "Recent File")));
    actions.recentPlaceholder->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        actions.recentFiles[i] = file->addAction(QString());
        actions.recentFiles[i]->setObjectName(QString("recentFile%1").arg(i + 1));
        actions.recentFiles[i]->setStatusTip(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "Open this document")));
        actions.recentFiles[i]->setVisible(false);
    }
    actions.recentSeparator = file->addSeparator();
    file->addAction(actions[kCmdAppExit]);
    actions.fileMenu = file;

    QMenu* edit = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Edit")));
    edit->addActions({actions[kCmdEditFind], actions[kCmdEditUndo], actions[kCmdEditRedo]});
    edit->addSeparator();
    edit->addActions({actions[kCmdEditCut], actions[kCmdEditCopy], actions[kCmdEditPaste], actions[kCmdEditDelete]});
    edit->addSeparator();
    edit->addAction(actions[kCmdEditMoveTo]);
    edit->addActions({actions[kCmdMoveUp], actions[kCmdMoveDown], actions[kCmdMoveToStart], actions[kCmdMoveToEnd]});
    edit->addSeparator();
    edit->addActions({actions[kCmdEditLock], actions[kCmdEditUnlock]});
    edit->addSeparator();
    actions.addToListMenu = edit->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Add to favourite list")));
    actions.addToListMenu->setObjectName("addToListMenu");
    actions.removeFromListMenu =
        edit->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "R&emove from favourite list")));
    actions.removeFromListMenu->setObjectName("removeFromListMenu");
    for (int l = 0; l < 9; ++l) {
        QAction* add = actions.addToList[l] = actions.addToListMenu->addAction(QString::number(l + 1));
        add->setObjectName(QString("command%1").arg(kCmdAddToFirstList + l));
        add->setShortcut(QKeySequence(QString("Ctrl+%1").arg(l + 1)));
        add->setShortcutContext(Qt::WindowShortcut);
        add->setStatusTip(
            translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "Add the selected programs to the end of this list")));
        actions.byId[kCmdAddToFirstList + l] = add;
        QAction* remove = actions.removeFromList[l] = actions.removeFromListMenu->addAction(QString::number(l + 1));
        remove->setObjectName(QString("command%1").arg(kCmdRemoveFromFirstList + l));
        remove->setStatusTip(
            translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "Take the selected programs out of this list")));
        actions.byId[kCmdRemoveFromFirstList + l] = remove;
    }
    frame.addActions(QList<QAction*>(actions.addToList, actions.addToList + 9));

    QMenu* view = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&View")));
    view->addActions({actions[kCmdViewToolbar], actions[kCmdViewStatusBar]});
    view->addSeparator();
    view->addAction(actions[kCmdViewBesideList]);

    QMenu* toolsMenu = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Tools")));
    toolsMenu->setObjectName("toolsMenu");
    QMenu* sort = toolsMenu->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Sort")));
    sort->setObjectName("sortMenu");
    sort->addActions(
        {actions[kCmdToolsSortByName], actions[kCmdToolsSortByProvider], actions[kCmdToolsSortByTransponder]});
    // The list after a rescan: ordered like the old one, compared with it, its duplicates; then the
    // transponders, then the check.
    toolsMenu->addActions({actions[kCmdToolsOrderLikeFile], actions[kCmdToolsCompare], actions[kCmdToolsDuplicates]});
    toolsMenu->addSeparator();
    toolsMenu->addAction(actions[kCmdToolsUpdateTransponders]);
    toolsMenu->addSeparator();
    toolsMenu->addAction(actions[kCmdToolsCheck]);

    QMenu* options = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Options")));
    options->addActions({actions[kCmdPortMenu], actions[kCmdOptions]});

    QMenu* info = bar->addMenu(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "&Info")));
    info->addAction(actions[kCmdAppAbout]);

    QToolBar* tools = frame.addToolBar(translated(QT_TRANSLATE_NOOP("vizud::CMainFrame", "Standard")));
    tools->setObjectName("toolBar");
    tools->setIconSize(QSize(kToolbarButtonSize, kToolbarButtonSize));
    tools->setMovable(true);
    tools->addActions({actions[kCmdFileOpen], actions[kCmdFileSave]});
    tools->addSeparator();
    tools->addAction(actions[kCmdFilePrint]);
    tools->addSeparator();
    tools->addAction(actions[kCmdEditDelete]);
    tools->addSeparator();
    tools->addActions({actions[kCmdShowTv], actions[kCmdShowRadio], actions[kCmdShowTvAndRadio]});
    tools->addAction(actions[kCmdViewBesideList]);
    tools->addSeparator();
    tools->addActions({actions[kCmdDownload], actions[kCmdUpload], actions[kCmdUpgrade], actions[kCmdPortToolbar]});
    tools->addSeparator();
    tools->addAction(actions[kCmdAppAbout]);
    actions.toolBar = tools;
    return actions;
}

}  // namespace vizud
