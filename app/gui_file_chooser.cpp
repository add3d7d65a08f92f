#include "app/gui_file_chooser.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtWidgets/QFileDialog>

#include "app/translated_texts.h"

namespace vizud {

QStringList nameFiltersFrom(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns == "*.*") {
            patterns = "*";
        }
        QString description = parts[i];
        const qsizetype open = description.indexOf('(');
        if (open >= 0) {
            description = description.left(open).trimmed();
        }
        description = translated(description.toStdString());
        filters << QString("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

namespace {

// The titles of the dialogs that carry their command's name (FileDialogRequest::title).
[[maybe_unused]] constexpr const char* kDialogTitles[] = {
    QT_TRANSLATE_NOOP("vizud::CMainFrame", "Export list"),
    QT_TRANSLATE_NOOP("vizud::CMainFrame", "Order like another file"),
    QT_TRANSLATE_NOOP("vizud::CMainFrame", "Update transponders"),
    QT_TRANSLATE_NOOP("vizud::CMainFrame", "Compare with file"),
};

std::string runDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    const QString title = request.title.empty()
                              ? (save ? QFileDialog::tr("Save As") : QFileDialog::tr("Open"))
                              : QCoreApplication::translate("vizud::CMainFrame", request.title.c_str());
    QFileDialog dialog(parent, title);
    dialog.setObjectName("fileDialog");
    dialog.setNameFilters(nameFiltersFrom(request.filter));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The document asks before replacing a file, after the default extension has been added.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // A name with a folder starts there; a bare name or a pattern starts in the folder of the request.
    const QString initial = QString::fromStdString(request.initialName);
    QString folder = QString::fromStdString(request.folder);
    QString name;
    if (!initial.isEmpty() && !initial.contains('*')) {
        const QFileInfo info(initial);
        if (initial.contains('/'))
            folder = info.absolutePath();
        name = info.fileName();
    }
    if (!folder.isEmpty() && QDir(folder).exists())
        dialog.setDirectory(folder);
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

std::string GuiFileChooser::chooseFileToOpen(const FileDialogRequest& request) {
    return runDialog(m_parent, request, false);
}

std::string GuiFileChooser::chooseFileToSave(const FileDialogRequest& request) {
    return runDialog(m_parent, request, true);
}

}  // namespace vizud
