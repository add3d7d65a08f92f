#include "app/kept_downloads_dialog.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace vizud {

KeptDownloadsDialog::KeptDownloadsDialog(const std::vector<KeptDownload>& kept, QWidget* parent)
    : QDialog(parent), m_kept(kept) {
    setObjectName("keptDownloadsDialog");
    setWindowTitle(tr("Open recent download"));
    auto* label = new QLabel(tr("The lists the box sent, newest first (the newest %1 are kept):").arg(kKeptDownloads), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName("keptDownloadsList");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Downloaded"), tr("TV programs"), tr("Radio programs")});
    for (const KeptDownload& copy : m_kept) {
        auto* item = new QTreeWidgetItem(m_list, {QString::fromStdString(copy.when), QString::number(copy.tv),
                                                  QString::number(copy.radio)});
        item->setToolTip(0, QString::fromStdString(copy.path));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(480, 360);
}

std::string KeptDownloadsDialog::chosenPath() const {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row >= 0 && row < static_cast<int>(m_kept.size()) ? m_kept[static_cast<std::size_t>(row)].path
                                                               : std::string();
}

}  // namespace vizud
