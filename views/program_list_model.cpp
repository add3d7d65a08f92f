#include "views/program_list_model.h"

#include <QtGui/QColor>

#include "app/translated_texts.h"

namespace vizud {

ProgramListModel::ProgramListModel(const ChannelDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_formatter(db) {}

void ProgramListModel::refill() {
    beginResetModel();
    m_open = m_db.isLoaded() != 0;
    m_fill = !m_open ? ListFill{} : m_besideList >= 0 ? fillFavouriteRows(m_db, m_besideList) : fillRows(m_db);
    m_formatter.refresh();
    m_marked.clear();
    endResetModel();
}

int ProgramListModel::programAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_fill.rows.size()))
        return -1;
    return m_fill.rows[static_cast<std::size_t>(row)].program;
}

int ProgramListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return showsPlaceholder() ? 1 : static_cast<int>(m_fill.rows.size());
}

int ProgramListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumns;
}

QVariant ProgramListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role == Qt::BackgroundRole) {
        const auto row = static_cast<std::size_t>(index.row());
        if (row < m_marked.size() && m_marked[row])
            return QColor(255, 236, 139);  // a find match: a soft yellow under the text
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    if (showsPlaceholder())
        return index.column() == kColumnName ? QString::fromLatin1(kNoChannelsText) : QString();
    const ListRow& row = m_fill.rows[static_cast<std::size_t>(index.row())];
    return QString::fromLatin1(m_formatter.text(row, index.column()));
}

void ProgramListModel::setMarkedRows(const std::vector<int>& rows) {
    std::vector<char> marked(m_fill.rows.size(), 0);
    for (const int row : rows) {
        if (row >= 0 && row < static_cast<int>(marked.size()))
            marked[static_cast<std::size_t>(row)] = 1;
    }
    if (marked == m_marked)
        return;
    m_marked = std::move(marked);
    if (!m_fill.rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kListColumns - 1), {Qt::BackgroundRole});
}

QVariant ProgramListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kListColumns)
        return {};
    if (role == Qt::DisplayRole)
        return translated(kListColumnSpecs[static_cast<std::size_t>(section)].header);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags ProgramListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return showsPlaceholder() ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace vizud
