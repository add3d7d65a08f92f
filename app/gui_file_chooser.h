// File dialogs of the editor: the FileChooser interface answered with QFileDialog.
#pragma once

#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtWidgets/QWidget>

#include "app/document_services.h"

namespace vizud {

// "Channel data (*.si)|*.si|All Files (*.*)|*.*||" as Qt name filters. "*.*" becomes "*", so files
// without an extension are listed under "All Files" as well.
QStringList nameFiltersFrom(const std::string& filter);

class GuiFileChooser : public FileChooser {
public:
    void setParent(QWidget* parent) { m_parent = parent; }

    std::string chooseFileToOpen(const FileDialogRequest& request) override;
    std::string chooseFileToSave(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace vizud
