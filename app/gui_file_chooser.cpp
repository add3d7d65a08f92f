#include "app/gui_file_chooser.h"

#include <QtCore/QFileInfo>
#include <QtWidgets/QFileDialog>

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
        filters << QString("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

namespace {

std::string runDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, save ? QFileDialog::tr("Save As") : QFileDialog::tr("Open"));
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
    const QString initial = QString::fromStdString(request.initialName);
    if (!initial.isEmpty() && !initial.contains('*')) {
        const QFileInfo info(initial);
        if (info.dir().exists()) {
            dialog.setDirectory(info.absolutePath());
        }
        dialog.selectFile(info.fileName());
    }
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
