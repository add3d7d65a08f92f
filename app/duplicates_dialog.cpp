#include "app/duplicates_dialog.h"

#include <QtGui/QFont>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>
#include <QtWidgets/QVBoxLayout>

namespace vizud {

enum Column { kClass, kNumber, kName, kSatellite, kFrequency, kPolarization, kServiceId, kLists, kColumns };

DuplicateRowsModel::DuplicateRowsModel(const all_tables_block& img, const std::vector<DuplicateGroup>& groups,
                                       QObject* parent)
    : QAbstractTableModel(parent) {
    std::vector<std::vector<DuplicateLine>> lines = describeGroups(img, groups);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t i = 0; i < lines[g].size(); ++i)
            m_rows.push_back(Row{std::move(lines[g][i]), i == 0, groups[g].tv});
    }
}

int DuplicateRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DuplicateRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant DuplicateRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::FontRole && row.kept) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole)
        return {};
    const DuplicateLine& line = row.line;
    switch (index.column()) {
        case kClass:
            return !row.kept ? tr("duplicate") : row.tv ? tr("TV") : tr("Radio");
        case kNumber:
            return line.number;
        case kName:
            return QString::fromStdString(line.name);
        case kSatellite:
            return QString::fromStdString(line.satellite);
        case kFrequency:
            return line.frequency;
        case kPolarization:
            return QString::fromStdString(line.polarization);
        case kServiceId:
            return line.serviceId;
        case kLists:
            return QString::fromStdString(line.lists);
        default:
            return {};
    }
}

QVariant DuplicateRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString titles[kColumns] = {tr("Class"),     tr("No."),          tr("Name"),       tr("Satellite"),
                                      tr("Frequency"), tr("Polarization"), tr("Service ID"), tr("Lists")};
    return section >= 0 && section < kColumns ? titles[section] : QVariant();
}

DuplicatesDialog::DuplicatesDialog(const all_tables_block& img, const std::vector<DuplicateGroup>& groups,
                                   QWidget* parent)
    : QDialog(parent), m_model(img, groups) {
    setObjectName("duplicatesDialog");
    setWindowTitle(tr("Duplicates"));
    const int duplicates = m_model.rowCount() - static_cast<int>(groups.size());
    auto* summary = new QLabel(
        duplicates == 1
            ? tr("1 program repeats a service listed before it in its class; the first of each group is kept.")
            : tr("%1 programs repeat a service listed before them in their class; the first of each group is kept.")
                  .arg(duplicates),
        this);
    summary->setWordWrap(true);
    m_view = new QTreeView(this);
    m_view->setObjectName("duplicateGroups");
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setModel(&m_model);
    // Sized once, from the first hundred rows: a header that resizes to its contents measures the rows
    // again at each layout, far too slow for a list with thousands of groups.
    m_view->header()->setResizeContentsPrecision(100);
    for (int column = 0; column < kColumns; ++column)
        m_view->resizeColumnToContents(column);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* select = buttons->addButton(tr("&Select duplicates"), QDialogButtonBox::ActionRole);
    select->setObjectName("selectDuplicates");
    select->setToolTip(tr("Close and select the duplicates in the list of all programs"));
    QPushButton* remove = buttons->addButton(tr("&Remove duplicates"), QDialogButtonBox::AcceptRole);
    remove->setObjectName("removeDuplicates");
    remove->setToolTip(tr("Delete the duplicates; a favourite list that held one holds its kept program"));
    connect(select, &QPushButton::clicked, this, [this] { done(kSelect); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
    resize(820, 420);
}

}  // namespace vizud
