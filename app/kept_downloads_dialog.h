// File > Open recent download: the lists the box sent, newest first, with their date and counts.
#pragma once

#include <QtWidgets/QDialog>

#include <string>
#include <vector>

#include "app/kept_downloads.h"

class QTreeWidget;

namespace vizud {

class KeptDownloadsDialog : public QDialog {
    Q_OBJECT

public:
    KeptDownloadsDialog(const std::vector<KeptDownload>& kept, QWidget* parent = nullptr);

    // The copy chosen (after Accepted), or empty.
    std::string chosenPath() const;

private:
    std::vector<KeptDownload> m_kept;
    QTreeWidget* m_list = nullptr;
};

}  // namespace vizud
