#include "app/editor_document.h"

#include <algorithm>

#include <QtWidgets/QApplication>

#include "app/check_dialog.h"
#include "app/options_dialog.h"
#include "app/port_dialog.h"
#include "app/recent_files.h"
#include "app/serial_device_list.h"

namespace vizud {

CViz_ud_app_17Doc::CViz_ud_app_17Doc(ChannelDatabase& db, Messages& messages, FileChooser& files,
                                     SettingsStore& settings, DocumentTransfers& transfers, ConfigRecord& config,
                                     QObject* parent)
    : QObject(parent),
      m_db(db),
      m_messages(messages),
      m_settings(settings),
      m_commands(db, messages, files, settings, transfers, *this, config),
      m_tools(db, messages, files, m_commands) {
    // 100 steps of a full database fit in well under 100 MB: a step keeps only the changed blocks.
    m_undo.setUndoLimit(kUndoSteps);
    m_shadow.reset(m_db.state());
    connect(&m_undo, &QUndoStack::cleanChanged, this, &CViz_ud_app_17Doc::onCleanChanged);
}

QStringList CViz_ud_app_17Doc::recentFiles() const {
    QStringList list;
    for (const std::string& path : m_settings.recentFiles()) {
        list << QString::fromStdString(path);
    }
    return list;
}

void CViz_ud_app_17Doc::updateAllViews() {
    emit viewsNeedUpdate();
}

void CViz_ud_app_17Doc::imageEdited(const QString& text, EditRows rows) {
    m_db.updateChecksum();
    StateDelta delta = StateDelta::record(m_shadow, m_db.state());
    if (delta.empty())
        return;
    const bool keyMove = rows.keyMove;
    m_undo.push(new EditStep(*this, std::move(delta), text, std::move(rows), keyMove && m_moveOpen));
    m_moveOpen = keyMove;
    setModifiedFlag(true);
}

void CViz_ud_app_17Doc::clipboardWillBeCut() {
    m_moveOpen = false;
    m_shadow.clipboardWillChange(m_db.state());
}

void CViz_ud_app_17Doc::clipboardWillBeCopied() {
    m_moveOpen = false;
    // The steps on either side of the live state keep the list the copy replaces.
    for (const int index : {m_undo.index() - 1, m_undo.index()}) {
        if (index < 0 || index >= m_undo.count())
            continue;
        auto* step = dynamic_cast<EditStep*>(const_cast<QUndoCommand*>(m_undo.command(index)));
        if (step != nullptr)
            step->delta().keepClipboard(m_db.state().programClipboard, m_shadow.listId());
    }
}

void CViz_ud_app_17Doc::clipboardFilled() {
    m_shadow.clipboardChanged(m_db.state());
}

void CViz_ud_app_17Doc::exchangeStep(EditStep& step, bool undone) {
    m_moveOpen = false;
    step.delta().exchange(m_shadow, m_db.state());
    m_db.state().treeRebuildRequest = true;
    emit historyStepApplied(step.rows(), undone);
}

void CViz_ud_app_17Doc::onCleanChanged(bool clean) {
    m_fromStack = true;
    setModifiedFlag(!clean || m_baseModified);
    m_fromStack = false;
}

void CViz_ud_app_17Doc::imageReplaced() {
    m_moveOpen = false;
    m_undo.clear();
    m_shadow.reset(m_db.state());
}

void CViz_ud_app_17Doc::imageSwept() {
    imageEdited(tr("Remove unused providers"));
}

UploadChoice CViz_ud_app_17Doc::askBeforeUpload(const std::vector<Finding>& findings) {
    return CheckDialog::askBeforeUpload(findings, QApplication::activeWindow());
}

void CViz_ud_app_17Doc::imageRepaired() {
    imageEdited(tr("Repair database"));
}

void CViz_ud_app_17Doc::setDocumentTitle(const std::string& title) {
    emit titleChanged(QString::fromStdString(title));
}

void CViz_ud_app_17Doc::addRecentFile(const std::string& path) {
    std::vector<std::string> list = m_settings.recentFiles();
    vizud::addRecentFile(list, path);
    m_settings.setRecentFiles(list);
    emit recentFilesChanged();
}

void CViz_ud_app_17Doc::removeRecentFile(const std::string& path) {
    std::vector<std::string> list = m_settings.recentFiles();
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    m_settings.setRecentFiles(list);
    emit recentFilesChanged();
}

void CViz_ud_app_17Doc::modifiedChanged(bool modified) {
    if (!m_fromStack) {
        // Saved, opened or new: this state is the clean one. Downloaded: modified whatever the stack says.
        m_baseModified = modified;
        if (!modified)
            m_undo.setClean();
    }
    emit modifiedStateChanged(modified);
}

void CViz_ud_app_17Doc::showPortDialog(QWidget* parent) {
    PortDialog dialog(config(), m_settings, listSerialDevices(), parent);
    dialog.exec();
}

void CViz_ud_app_17Doc::showOptionsDialog(QWidget* parent) {
    OptionsDialog dialog(config(), parent);
    dialog.exec();
}

}  // namespace vizud
