// CViz_ud_app_17Doc: the document of the one image. The rules live in DocumentCommands; this class
// carries them into Qt: it tells the window about titles, the modified state and refreshes by signals,
// keeps the recent-file list in the profile and opens the two settings dialogs.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QUndoStack>

#include "app/document_commands.h"
#include "app/edit_step.h"
#include "app/list_tool_commands.h"
#include "app/settings_store.h"
#include "app/state_delta.h"

class QWidget;

namespace vizud {

// Steps the undo stack keeps; older ones are forgotten.
inline constexpr int kUndoSteps = 100;

class CViz_ud_app_17Doc : public QObject, private DocumentHost {
    Q_OBJECT

public:
    CViz_ud_app_17Doc(ChannelDatabase& db, Messages& messages, FileChooser& files, SettingsStore& settings,
                      DocumentTransfers& transfers, ConfigRecord& config, QObject* parent = nullptr);

    DocumentCommands& commands() { return m_commands; }
    ListToolCommands& tools() { return m_tools; }
    const DocumentCommands& commands() const { return m_commands; }
    ChannelDatabase& database() { return m_db; }
    Messages& messages() { return m_messages; }
    SettingsStore& settings() { return m_settings; }
    ConfigRecord& config() { return m_commands.config(); }

    bool isModified() const { return m_commands.isModified(); }
    void setModifiedFlag(bool modified) { m_commands.setModifiedFlag(modified); }
    QString title() const { return QString::fromStdString(m_commands.documentTitle()); }
    QStringList recentFiles() const;

    // Tells every view to re-read the image.
    void updateAllViews() override;
    // A view or dialog changed the editor state: the CRC is refreshed, the change becomes one step of the
    // undo stack named `text` ("Delete 3 programs"), and the document is modified. Every editing command
    // comes through here; an edit that changed nothing leaves no step.
    void imageEdited(const QString& text, EditRows rows = {});
    // Cut calls clipboardWillBeCut, copy clipboardWillBeCopied, before filling the clipboard; both call
    // clipboardFilled after, so that undo and redo give back the clipboard that belongs to each state.
    void clipboardWillBeCut();
    void clipboardWillBeCopied();
    void clipboardFilled();

    QUndoStack& undoStack() { return m_undo; }
    // EditStep's undo and redo: exchanges the step with the live state and refreshes the views.
    void exchangeStep(EditStep& step, bool undone);

    void showPortDialog(QWidget* parent);
    void showOptionsDialog(QWidget* parent);

signals:
    void titleChanged(const QString& title);
    void modifiedStateChanged(bool modified);
    void viewsNeedUpdate();
    void recentFilesChanged();
    // An undo or redo changed the state: the tree and the list show it and select `rows`' rows.
    void historyStepApplied(const vizud::EditRows& rows, bool undone);
    // A download put `programs` programs in the image.
    void downloadFinished(int programs);

private:
    void setDocumentTitle(const std::string& title) override;
    void addRecentFile(const std::string& path) override;
    void modifiedChanged(bool modified) override;
    void imageReplaced() override;
    void removeRecentFile(const std::string& path) override;
    void imageSwept() override;
    UploadChoice askBeforeUpload(const std::vector<Finding>& findings) override;
    void imageRepaired() override;
    void downloaded(int programs) override { emit downloadFinished(programs); }
    void onCleanChanged(bool clean);

    ChannelDatabase& m_db;
    Messages& m_messages;
    SettingsStore& m_settings;
    DocumentCommands m_commands;
    ListToolCommands m_tools;
    QUndoStack m_undo;
    EditorShadow m_shadow;
    bool m_baseModified = false;  // modified apart from the undo stack (a download not yet saved)
    bool m_fromStack = false;     // the modified flag is being set from the stack's clean state
    bool m_moveOpen = false;      // the last thing done was a move from the keyboard: the next may join it
};

}  // namespace vizud
