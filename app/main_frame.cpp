#include "app/main_frame.h"

#include <algorithm>

#include <QtCore/QMimeData>
#include <QtCore/QTimer>
#include <QtCore/QUrl>
#include <QtGui/QCloseEvent>
#include <QtGui/QShortcut>
#include <QtGui/QUndoStack>
#include <QtPrintSupport/QPageSetupDialog>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewDialog>
#include <QtPrintSupport/QPrinter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QVBoxLayout>

#include "app/about_box.h"
#include "app/check_dialog.h"
#include "app/compare_dialog.h"
#include "app/csv_order_dialog.h"
#include "app/command_ids.h"
#include "app/duplicates_dialog.h"
#include "app/editor_document.h"
#include "app/kept_downloads_dialog.h"
#include "app/translated_texts.h"
#include "app/transponder_plan_dialog.h"
#include "views/beside_pane.h"
#include "views/find_bar.h"
#include "views/left_view.h"
#include "views/list_printer.h"
#include "views/program_list_view.h"
#include "views/tree_rules.h"
#include "views/whole_table_selection.h"

namespace vizud {

namespace {

constexpr const char* kApplicationTitle = "Diruriz Ezoviv for HD";

std::vector<std::string> localFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr) {
        return files;
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            files.push_back(url.toLocalFile().toStdString());
        }
    }
    return files;
}

// The move of the selected rows a command number names.
KeyMove keyMoveOf(int commandId) {
    switch (commandId) {
        case kCmdMoveUp:
            return KeyMove::Up;
        case kCmdMoveDown:
            return KeyMove::Down;
        case kCmdMoveToStart:
            return KeyMove::ToStart;
        default:
            return KeyMove::ToEnd;
    }
}

}  // namespace

CMainFrame::CMainFrame(CViz_ud_app_17Doc& doc, QWidget* parent) : CMainFrame(doc, Options{}, parent) {}

CMainFrame::CMainFrame(CViz_ud_app_17Doc& doc, Options options, QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_options(std::move(options)),
      m_filterRefresh(doc.database().state().browse.viewMode),
      m_actions(createFrameActions(*this)) {
    setObjectName("mainFrame");
    setWindowIcon(QIcon(":/images/vizud_48.png"));
    setAcceptDrops(true);
    createStatusBar();
    createClient();
    connectCommands();
    fillRecentFiles();
    doc.tools().setCsvOptionsQuestion([this] { return CsvOrderDialog::ask(this); });
    onTitleChanged(doc.title());
    resize(1200, 700);  // room for the tree and all ten columns of the list
    // The size and place the user last left the window in.
    if (const QByteArray geometry = doc.settings().layoutState("window"); !geometry.isEmpty())
        restoreGeometry(geometry);

    connect(&m_doc, &CViz_ud_app_17Doc::titleChanged, this, &CMainFrame::onTitleChanged);
    connect(&m_doc, &CViz_ud_app_17Doc::modifiedStateChanged, this, &CMainFrame::requestIdleUpdate);
    connect(&m_doc, &CViz_ud_app_17Doc::modifiedStateChanged, this, &QWidget::setWindowModified);
    connect(&m_doc, &CViz_ud_app_17Doc::viewsNeedUpdate, this, &CMainFrame::requestIdleUpdate);
    connect(&m_doc, &CViz_ud_app_17Doc::viewsNeedUpdate, m_leftView, &CLeftView::onUpdate);
    connect(&m_doc, &CViz_ud_app_17Doc::viewsNeedUpdate, m_listView, &CViz_ud_app_17View::onUpdate);
    connect(&m_doc, &CViz_ud_app_17Doc::recentFilesChanged, this, &CMainFrame::fillRecentFiles);
    connect(&m_doc, &CViz_ud_app_17Doc::downloadFinished, this, [this](int programs) {
        statusBar()->showMessage(tr("Downloaded %1 programs from the box").arg(programs));
    });
    // The views' initial update: an image loaded before the window existed is shown at once.
    m_doc.updateAllViews();
    onIdle();
}

CMainFrame::~CMainFrame() {
    m_doc.settings().setLayoutState("splitter", m_splitter->saveState());
    m_doc.settings().setLayoutState("listColumns", m_listView->horizontalHeader()->saveState());
    EditorState& state = m_doc.database().state();
    if (!m_options.configPath.empty()) {
        saveConfiguration(m_doc.config(), m_options.configPath);
    }
    state.browse.selectedText.clear();
    state.browse.parentText.clear();
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    // The lock-key panes are left out: Qt offers no reliable way to read Caps, Num and Scroll Lock on every
    // Linux desktop (X11, Wayland), and a pane that may show the wrong state is worse than none.
    m_modifiedPane = new QLabel(bar);
    m_modifiedPane->setObjectName("modifiedPane");
    m_modifiedPane->setAlignment(Qt::AlignCenter);
    m_modifiedPane->setMinimumWidth(m_modifiedPane->fontMetrics().horizontalAdvance(tr("OVR")) + 8);
    bar->addPermanentWidget(m_modifiedPane);
    m_countsPane = new QLabel(bar);
    m_countsPane->setObjectName("countsPane");
    bar->addPermanentWidget(m_countsPane);
    connect(bar, &QStatusBar::messageChanged, this, &CMainFrame::onStatusMessage);
    bar->showMessage(tr("Ready"));
}

void CMainFrame::onStatusMessage(const QString& message) {
    if (message.isEmpty()) {
        statusBar()->showMessage(tr("Ready"));
    }
}

void CMainFrame::createClient() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("splitter");
    m_leftView = new CLeftView(m_doc, m_splitter);
    // The list with its find bar above it.
    auto* listPane = new QWidget(m_splitter);
    listPane->setObjectName("listPane");
    auto* paneLayout = new QVBoxLayout(listPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    // The main list and, right of it when opened, the favourite list beside it.
    auto* lists = new QSplitter(Qt::Horizontal, listPane);
    lists->setObjectName("listSplitter");
    m_listView = new CViz_ud_app_17View(m_doc, lists);
    m_findBar = new FindBar(m_doc, *m_listView, listPane);
    paneLayout->addWidget(m_findBar);
    paneLayout->addWidget(lists, 1);
    lists->addWidget(m_listView);
    createBesidePane(*lists);
    // The tree's selection and edits refresh the list (the tree is their sender and stays as it is).
    connect(m_leftView, &CLeftView::browseChanged, m_listView, &CViz_ud_app_17View::onUpdate);
    m_listView->setFavouriteDropTarget(m_leftView);
    connect(m_listView, &CViz_ud_app_17View::transpondersEdited, m_leftView, &CLeftView::refreshTransponderNodes);
    // The editing commands follow the list's selection and the pane in use.
    connect(m_listView->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMainFrame::requestIdleUpdate);
    // A refill drops the selection without a selectionChanged: the commands must not stay enabled for it
    // (Ctrl+Home with nothing selected then reaches the list's own first-row jump).
    connect(m_listView->model(), &QAbstractItemModel::modelReset, this, &CMainFrame::requestIdleUpdate);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr)
            m_besideActive = now == m_beside || m_beside->isAncestorOf(now);
        if (now != nullptr && (now == m_listView || m_listView->isAncestorOf(now)))
            m_listActive = true;
        else if (now != nullptr && (now == m_leftView || m_leftView->isAncestorOf(now)))
            m_listActive = false;
        requestIdleUpdate();
    });
    connect(m_leftView, &CLeftView::imageEdited, this, [this](bool programs) {
        if (programs)
            m_listView->onUpdate();
        requestIdleUpdate();
    });
    m_splitter->addWidget(m_leftView);
    m_splitter->addWidget(listPane);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({260, 740});
    // The splitter and the column widths as the user left them.
    SettingsStore& settings = m_doc.settings();
    const QByteArray splitter = settings.layoutState("splitter");
    if (!splitter.isEmpty())
        m_splitter->restoreState(splitter);
    const QByteArray columns = settings.layoutState("listColumns");
    if (!columns.isEmpty())
        m_listView->horizontalHeader()->restoreState(columns);
    setCentralWidget(m_splitter);
    auto* findNext = new QShortcut(QKeySequence(Qt::Key_F3), this);
    auto* findPrevious = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    connect(findNext, &QShortcut::activated, m_findBar, &FindBar::findNext);
    connect(findPrevious, &QShortcut::activated, m_findBar, &FindBar::findPrevious);
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(next, &QShortcut::activated, this, &CMainFrame::focusOtherPane);
    connect(previous, &QShortcut::activated, this, &CMainFrame::focusOtherPane);
}

void CMainFrame::createBesidePane(QSplitter& lists) {
    m_beside = new BesidePane(m_doc, &lists);
    lists.addWidget(m_beside);
    lists.setStretchFactor(0, 3);
    lists.setStretchFactor(1, 2);
    CViz_ud_app_17View& beside = m_beside->view();
    m_listView->dragHandler().setBesideList(&beside);
    QAction* toggle = m_actions[kCmdViewBesideList];
    toggle->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    // Opened and on the list the user left it with.
    SettingsStore& settings = m_doc.settings();
    m_beside->setList(settings.besideList());
    m_beside->setVisible(settings.besideOpen());
    toggle->setChecked(settings.besideOpen());
    connect(m_beside, &BesidePane::listChosen, this, [this](int list) { m_doc.settings().setBesideList(list); });
    connect(&m_doc, &CViz_ud_app_17Doc::viewsNeedUpdate, m_beside, &BesidePane::onUpdate);
    // Every edit, made in either list, in the tree or by undo and redo, shows in both lists at once.
    connect(&m_doc.undoStack(), &QUndoStack::indexChanged, this, [this] {
        if (m_beside->isHidden())
            return;
        m_beside->view().refreshKeepingView();
        m_listView->refreshKeepingView();
    });
    connect(&beside, &CViz_ud_app_17View::transpondersEdited, m_leftView, &CLeftView::refreshTransponderNodes);
    connect(beside.selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMainFrame::requestIdleUpdate);
    connect(beside.model(), &QAbstractItemModel::modelReset, this, &CMainFrame::requestIdleUpdate);
}

CViz_ud_app_17View* CMainFrame::activeList() const {
    if (m_besideActive && !m_beside->isHidden())
        return &m_beside->view();
    return m_listActive ? m_listView : nullptr;
}

void CMainFrame::focusOtherPane() {
    if (m_leftView->hasFocus()) {
        m_listView->setFocus();
    } else {
        m_leftView->setFocus();
    }
}

void CMainFrame::connectCommands() {
    for (const auto& [id, action] : m_actions.byId) {
        const int commandId = id;
        connect(action, &QAction::triggered, this, [this, commandId] { runCommand(commandId); });
        connect(action, &QAction::triggered, this, &CMainFrame::requestIdleUpdate);
    }
    // The two favourite-list submenus show the lists' names as they are when they open.
    for (QMenu* menu : {m_actions.addToListMenu, m_actions.removeFromListMenu}) {
        connect(menu, &QMenu::aboutToShow, this,
                [this] { m_listView->labelListActions(m_actions.addToList, m_actions.removeFromList); });
    }
    for (int i = 0; i < 4; ++i) {
        connect(m_actions.recentFiles[i], &QAction::triggered, this, [this, i] { openRecentFile(i); });
    }
    // A category button checked without a click (a screen reader's "toggle", the keyboard) runs the same
    // command a click does; the idle update then shows the one category in force.
    for (int id : {kCmdShowTvAndRadio, kCmdShowTv, kCmdShowRadio}) {
        connect(m_actions[id], &QAction::toggled, this, [this, id](bool checked) {
            if (checked && !filterCommandChecked(m_doc.database().state().browse, id))
                runCommand(id);
            requestIdleUpdate();
        });
    }
    // Undo and redo name the step they take back or repeat.
    QUndoStack& history = m_doc.undoStack();
    connect(&history, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        m_actions[kCmdEditUndo]->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(&history, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        m_actions[kCmdEditRedo]->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    connect(&history, &QUndoStack::canUndoChanged, m_actions[kCmdEditUndo], &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, m_actions[kCmdEditRedo], &QAction::setEnabled);
    connect(&history, &QUndoStack::indexChanged, this, &CMainFrame::requestIdleUpdate);
    connect(&m_doc, &CViz_ud_app_17Doc::historyStepApplied, this, &CMainFrame::showHistoryStep);
    m_actions[kCmdViewToolbar]->setChecked(true);
    m_actions[kCmdViewStatusBar]->setChecked(true);
}

void CMainFrame::runCommand(int commandId) {
    DocumentCommands& commands = m_doc.commands();
    switch (commandId) {
        case kCmdFileNew:
            commands.fileNew();
            break;
        case kCmdFileOpen:
            commands.fileOpen();
            break;
        case kCmdFileSave:
            commands.fileSave();
            break;
        case kCmdFileSaveAs:
            commands.fileSaveAs();
            break;
        case kCmdFilePrintSetup:
            printerSetup();
            break;
        case kCmdFileExport:
            commands.exportList();
            break;
        case kCmdFileOpenDownload:
            openKeptDownload();
            break;
        case kCmdToolsSortByName:
        case kCmdToolsSortByProvider:
        case kCmdToolsSortByTransponder:
        case kCmdToolsOrderLikeFile:
        case kCmdToolsCheck:
        case kCmdToolsUpdateTransponders:
        case kCmdToolsDuplicates:
            runTool(commandId);
            break;
        case kCmdToolsCompare:
            compareWithFile();
            break;
        case kCmdFilePrint:
            printDocument();
            break;
        case kCmdFilePrintPreview:
            printPreview();
            break;
        case kCmdAppExit:
            close();
            break;
        case kCmdDownload:
            commands.download();
            break;
        case kCmdUpload:
            commands.upload();
            break;
        case kCmdUpgrade:
            commands.upgrade();
            break;
        case kCmdPortMenu:
        case kCmdPortToolbar:
            m_doc.showPortDialog(this);
            break;
        case kCmdOptions:
            m_doc.showOptionsDialog(this);
            break;
        case kCmdAppAbout: {
            AboutBox about(this);
            about.exec();
            break;
        }
        case kCmdViewToolbar:
            m_actions.toolBar->setVisible(m_actions[kCmdViewToolbar]->isChecked());
            break;
        case kCmdViewStatusBar:
            statusBar()->setVisible(m_actions[kCmdViewStatusBar]->isChecked());
            break;
        case kCmdEditFind:
            m_findBar->open();
            break;
        case kCmdEditUndo:
            m_doc.undoStack().undo();
            break;
        case kCmdEditRedo:
            m_doc.undoStack().redo();
            break;
        case kCmdEditCut:
            if (CViz_ud_app_17View* list = activeList())
                list->cutRows();
            break;
        case kCmdEditCopy:
            if (CViz_ud_app_17View* list = activeList())
                list->copyRows();
            break;
        case kCmdEditPaste:
            if (CViz_ud_app_17View* list = activeList())
                list->pasteRows();
            break;
        case kCmdEditDelete:
            if (CViz_ud_app_17View* list = activeList())
                list->deleteRows();
            break;
        case kCmdEditMoveTo:
            if (CViz_ud_app_17View* list = activeList())
                list->askMoveTo();
            break;
        case kCmdEditLock:
        case kCmdEditUnlock:
            if (CViz_ud_app_17View* list = activeList())
                list->lockSelection(commandId == kCmdEditLock);
            break;
        case kCmdMoveUp:
        case kCmdMoveDown:
        case kCmdMoveToStart:
        case kCmdMoveToEnd:
            if (CViz_ud_app_17View* list = activeList())
                list->moveSelectionByKey(keyMoveOf(commandId));
            break;
        case kCmdViewBesideList: {
            const bool open = m_actions[kCmdViewBesideList]->isChecked();
            m_beside->setVisible(open);
            m_doc.settings().setBesideOpen(open);
            if (open)
                m_beside->onUpdate();
            break;
        }
        case kCmdShowTvAndRadio:
        case kCmdShowTv:
        case kCmdShowRadio:
            // The views follow at the next idle update, not here.
            applyFilterCommand(m_doc.database().state().browse, commandId);
            break;
        default:
            if (commandId >= kCmdAddToFirstList && commandId < kCmdAddToFirstList + kFavouriteLists)
                m_listView->addSelectionToList(commandId - kCmdAddToFirstList);
            else if (commandId >= kCmdRemoveFromFirstList && commandId < kCmdRemoveFromFirstList + kFavouriteLists)
                m_listView->removeSelectionFromList(commandId - kCmdRemoveFromFirstList);
            break;
    }
}

void CMainFrame::runTool(int commandId) {
    ListToolCommands& tools = m_doc.tools();
    QString step;
    switch (commandId) {
        case kCmdToolsSortByName:
            step = tools.sortView(SortKey::Name) ? tr("Sort by name") : QString();
            break;
        case kCmdToolsSortByProvider:
            step = tools.sortView(SortKey::Provider) ? tr("Sort by provider") : QString();
            break;
        case kCmdToolsSortByTransponder:
            step = tools.sortView(SortKey::Transponder) ? tr("Sort by transponder") : QString();
            break;
        case kCmdToolsOrderLikeFile:
            step = tools.orderLikeFile() ? tr("Order like another file") : QString();
            break;
        case kCmdToolsCheck: {
            if (!tools.listLoaded())
                return;
            CheckDialog dialog(tools.check(), this);
            step = dialog.exec() == QDialog::Accepted && tools.repair() ? tr("Repair database") : QString();
            break;
        }
        case kCmdToolsUpdateTransponders: {
            const std::optional<TransponderPlan> plan = tools.planTransponderUpdate();
            if (!plan)
                return;
            TransponderPlanDialog dialog(*plan, this);
            step = dialog.exec() == QDialog::Accepted && tools.applyTransponderPlan(*plan) ? tr("Update transponders")
                                                                                             : QString();
            break;
        }
        case kCmdToolsDuplicates:
            runDuplicates();
            return;
        default:
            return;
    }
    if (step.isEmpty())
        return;
    // The whole table may have changed: the tree and the list are read again, keeping the view.
    m_doc.imageEdited(step);
    m_leftView->rebuildKeepingSelection();
    m_listView->onUpdate();
    requestIdleUpdate();
}

void CMainFrame::openKeptDownload() {
    DocumentCommands& commands = m_doc.commands();
    const std::vector<KeptDownload> kept = keptDownloads(commands.keptDownloadsFolder());
    if (kept.empty()) {
        m_doc.messages().show("No download has been kept yet: each download from the box is kept from now on.",
                              MessageIcon::Information);
        return;
    }
    KeptDownloadsDialog dialog(kept, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().empty() || !commands.saveModified())
        return;
    commands.openDocument(dialog.chosenPath());
}

void CMainFrame::runDuplicates() {
    ListToolCommands& tools = m_doc.tools();
    const std::vector<DuplicateGroup> groups = tools.duplicateGroups();
    if (groups.empty())
        return;
    DuplicatesDialog dialog(m_doc.database().image(), groups, this);
    const int chosen = dialog.exec();
    if (chosen == DuplicatesDialog::kSelect) {
        std::vector<int> programs;
        for (const DuplicateGroup& group : groups)
            programs.insert(programs.end(), group.duplicates.begin(), group.duplicates.end());
        selectProgramsInWholeTable(m_doc.database(), *m_leftView, *m_listView, programs);
        m_filterRefresh.takeChange(m_doc.database().state().browse.viewMode);  // refilled already
    } else if (chosen == DuplicatesDialog::kRemove) {
        const std::string step = tools.removeDuplicateGroups();
        if (step.empty())
            return;
        // Only programs went, as with the list's Delete: the tree's nodes stay, the list is read again.
        m_doc.imageEdited(translated(step));
        m_listView->onUpdate();
    }
    requestIdleUpdate();
}

void CMainFrame::compareWithFile() {
    const std::optional<FileComparison> comparison = m_doc.tools().compareWithFile();
    if (!comparison)
        return;
    CompareDialog dialog(*comparison, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    selectProgramsInWholeTable(m_doc.database(), *m_leftView, *m_listView, comparison->diff.added);
    m_filterRefresh.takeChange(m_doc.database().state().browse.viewMode);  // the list shows the category already
    requestIdleUpdate();
}

void CMainFrame::printerSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

QPrinter& CMainFrame::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

int CMainFrame::printList(QPagedPaintDevice& device) const {
    const BrowseState& browse = m_doc.database().state().browse;
    const QString category = (browse.viewMode & kViewTvOnly)      ? tr("TV")
                             : (browse.viewMode & kViewRadioOnly) ? tr("Radio")
                                                                  : tr("TV and Radio");
    const QString node = QString::fromStdString(shownViewName(m_doc.database()));
    PrintHeading heading{node.isEmpty() ? category : node + " - " + category,
                         QString::fromStdString(m_doc.commands().names().fileName)};
    return ListPrinter(*m_listView->model(), heading).print(device);
}

void CMainFrame::printDocument() {
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        printList(printer());
}

void CMainFrame::printPreview() {
    QPrintPreviewDialog preview(&printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { printList(*target); });
    preview.exec();
}

void CMainFrame::requestIdleUpdate() {
    if (m_idlePending) {
        return;
    }
    m_idlePending = true;
    QTimer::singleShot(0, this, &CMainFrame::onIdle);
}

void CMainFrame::onIdle() {
    m_idlePending = false;
    const EditorState& state = m_doc.database().state();
    for (int id : {kCmdShowTvAndRadio, kCmdShowTv, kCmdShowRadio}) {
        m_actions[id]->setEnabled(true);
        m_actions[id]->setChecked(filterCommandChecked(state.browse, id));
    }
    if (m_filterRefresh.takeChange(state.browse.viewMode)) {
        m_doc.updateAllViews();
    }
    // The list's editing commands, while the list is the pane in use.
    const CViz_ud_app_17View* list = activeList();
    const EditRules rules = list != nullptr ? list->editRules() : EditRules{};
    m_actions[kCmdEditCut]->setEnabled(rules.cut);
    m_actions[kCmdEditCopy]->setEnabled(rules.copy);
    m_actions[kCmdEditPaste]->setEnabled(rules.paste);
    m_actions[kCmdEditDelete]->setEnabled(rules.remove);
    // Move to in the list beside moves its entries: allowed wherever Delete is.
    m_actions[kCmdEditMoveTo]->setEnabled(list == m_listView ? rules.copy : rules.remove);
    // Locks change the programs of any view; the moves follow Move to (the list beside moves its entries).
    const std::vector<int> selectedRows = list != nullptr ? list->selectedRowsAscending() : std::vector<int>{};
    for (const int id : {kCmdEditLock, kCmdEditUnlock})
        m_actions[id]->setEnabled(list != nullptr && list->lockAllowed(selectedRows, id == kCmdEditLock));
    const bool moves = list == m_listView ? rules.copy : rules.remove;
    for (const int id : {kCmdMoveUp, kCmdMoveDown, kCmdMoveToStart, kCmdMoveToEnd})
        m_actions[id]->setEnabled(moves && list->keyMoveAllowed(selectedRows, keyMoveOf(id)));
    // Adding to a list takes the main list's selection, whichever list has the focus.
    const bool adds = (list == m_listView ? rules : m_listView->editRules()).copy;
    for (QAction* add : m_actions.addToList)
        add->setEnabled(adds);
    m_actions[kCmdEditUndo]->setEnabled(m_doc.undoStack().canUndo());
    m_actions[kCmdEditRedo]->setEnabled(m_doc.undoStack().canRedo());
    m_modifiedPane->setText(m_doc.isModified() ? tr("OVR") : QString());
    const DocumentCommands& commands = m_doc.commands();
    m_actions[kCmdToolsDuplicates]->setEnabled(commands.fileOpened() || commands.downloaded());
    m_actions[kCmdToolsCompare]->setEnabled(commands.fileOpened() || commands.downloaded());
    const CountsPane pane = vizud::countsPane(m_doc.database(), commands.fileOpened(), commands.downloaded());
    const QString counts = translated(pane.text);
    m_countsPane->setText(counts);
    // The pane's width is a minimum: with the desktop's font a full database's counts need more room.
    m_countsPane->setFixedWidth(std::max(pane.width, m_countsPane->fontMetrics().horizontalAdvance(counts) + 12));
    m_actions[kCmdViewToolbar]->setChecked(!m_actions.toolBar->isHidden());
    m_actions[kCmdViewStatusBar]->setChecked(!statusBar()->isHidden());
}

void CMainFrame::showHistoryStep(const EditRows& rows, bool undone) {
    m_leftView->rebuildKeepingSelection();
    m_listView->onUpdate();
    const BrowseState& now = m_doc.database().state().browse;
    const BrowseState& then = rows.browse;
    const bool sameView = then.viewMode == now.viewMode && then.filterKind == now.filterKind &&
                          then.selectedText == now.selectedText && then.parentText == now.parentText &&
                          then.satelliteIndex == now.satelliteIndex;
    if (rows.list && sameView)
        m_listView->selectRowList(undone ? rows.before : rows.after);
    requestIdleUpdate();
}

void CMainFrame::onTitleChanged(const QString& title) {
    // "[*]" is where Qt shows the unsaved-changes mark.
    setWindowTitle(title.isEmpty() ? QString(kApplicationTitle) + "[*]" : title + "[*] - " + kApplicationTitle);
    setWindowModified(m_doc.isModified());
}

void CMainFrame::fillRecentFiles() {
    const QStringList files = m_doc.recentFiles();
    for (int i = 0; i < 4; ++i) {
        QAction* entry = m_actions.recentFiles[i];
        if (i < files.size()) {
            entry->setText(QString("&%1 %2").arg(i + 1).arg(files[i]));
            entry->setData(files[i]);
            entry->setVisible(true);
        } else {
            entry->setVisible(false);
        }
    }
    m_actions.recentPlaceholder->setVisible(files.isEmpty());
}

void CMainFrame::openRecentFile(int index) {
    const QString path = m_actions.recentFiles[index]->data().toString();
    if (!path.isEmpty()) {
        m_doc.commands().openRecentFile(path.toStdString());
    }
    requestIdleUpdate();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_doc.commands().saveModified()) {
        m_doc.settings().setLayoutState("window", saveGeometry());
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = localFiles(event->mimeData());
    if (files.empty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop has finished: the save-first question must not run inside the drag.
    QTimer::singleShot(0, this, [this, files] {
        m_doc.commands().dropFiles(files);
        requestIdleUpdate();
    });
}

}  // namespace vizud
