// CMainFrame: the editor's only top-level window. A splitter with the tree and the program list, the
// toolbar, the status bar with the modified and program-count panes, the menus, dropped files, and the
// configuration file written when the window is destroyed.
#pragma once

#include <QtWidgets/QMainWindow>

#include <memory>
#include <string>

#include "app/config_record.h"
#include "app/edit_step.h"
#include "app/frame_actions.h"
#include "app/frame_state.h"

class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QSplitter;

namespace vizud {

class BesidePane;
class CLeftView;
class FindBar;
class CViz_ud_app_17Doc;
class CViz_ud_app_17View;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    struct Options {
        // Where the configuration is written when the window is destroyed; empty to write nothing.
        std::string configPath = kConfigFileName;
    };

    explicit CMainFrame(CViz_ud_app_17Doc& doc, QWidget* parent = nullptr);
    CMainFrame(CViz_ud_app_17Doc& doc, Options options, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(int commandId) const { return m_actions[commandId]; }
    CLeftView* leftView() const { return m_leftView; }
    CViz_ud_app_17View* listView() const { return m_listView; }
    FindBar* findBar() const { return m_findBar; }
    BesidePane* besidePane() const { return m_beside; }
    QLabel* modifiedPane() const { return m_modifiedPane; }
    QLabel* countsPane() const { return m_countsPane; }

    // Prints the program list as it is shown (File > Print draws through this); the number of pages.
    int printList(QPagedPaintDevice& device) const;

    // Asks for the update of commands and panes at the next idle moment (once, however often asked).
    void requestIdleUpdate();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createStatusBar();
    void createClient();
    void connectCommands();
    void runCommand(int commandId);
    void onIdle();
    void onTitleChanged(const QString& title);
    void onStatusMessage(const QString& message);
    void fillRecentFiles();
    void openRecentFile(int index);
    void printerSetup();
    // File > Open recent download: picks one of the kept downloads and opens it after the save question.
    void openKeptDownload();
    // The Tools menu: the tool runs; a change becomes one undoable edit and the views are read again.
    void runTool(int commandId);
    // Tools > Duplicates...: the dialog, then the selection or the removal as one step.
    void runDuplicates();
    // Tools > Compare with file: the comparison in its dialog, and Select added.
    void compareWithFile();
    void printDocument();
    void printPreview();
    QPrinter& printer();
    void focusOtherPane();
    void showHistoryStep(const EditRows& rows, bool undone);
    void createBesidePane(QSplitter& lists);
    // The list the editing commands act on: the list beside while it has the focus, the main list while
    // it is the pane in use, else none (the tree).
    CViz_ud_app_17View* activeList() const;

    CViz_ud_app_17Doc& m_doc;
    Options m_options;
    QSplitter* m_splitter = nullptr;
    CLeftView* m_leftView = nullptr;
    CViz_ud_app_17View* m_listView = nullptr;
    FindBar* m_findBar = nullptr;
    BesidePane* m_beside = nullptr;
    bool m_besideActive = false;  // the list beside has the focus
    bool m_listActive = true;     // the list, not the tree, is the pane the editing commands act on
    FilterRefresh m_filterRefresh;
    FrameActions m_actions;
    QLabel* m_modifiedPane = nullptr;
    QLabel* m_countsPane = nullptr;
    bool m_idlePending = false;
    std::unique_ptr<QPrinter> m_printer;  // made on first use; Printer Setup's choices last the session
};

}  // namespace vizud
