// The program list's rows over the image: a flat vector of (row number, program index) made in one pass,
// with each cell's text made only when it is shown.
#pragma once

#include <QtCore/QAbstractTableModel>

#include "views/list_rows.h"
#include "views/row_texts.h"

namespace vizud {

class ProgramListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ProgramListModel(const ChannelDatabase& db, QObject* parent = nullptr);

    // Re-reads the rows the browse state selects. With no database open the list has no rows; with one
    // open and nothing to show, the one placeholder row "---NO CHANNELS---".
    void refill();
    // The list beside the whole table: the model shows favourite list `list` whatever the browse state
    // selects (-1: back to the browse state's rows). Takes effect at the next refill.
    void setBesideList(int list) { m_besideList = list; }
    int besideList() const { return m_besideList; }
    const ListFill& fill() const { return m_fill; }
    // The program index behind a row; -1 for the placeholder row.
    int programAt(int row) const;
    // Rows Find marks (their background); a refill clears the marks.
    void setMarkedRows(const std::vector<int>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool showsPlaceholder() const { return m_open && m_fill.rows.empty(); }

    const ChannelDatabase& m_db;
    RowFormatter m_formatter;
    ListFill m_fill;
    std::vector<char> m_marked;
    bool m_open = false;
    int m_besideList = -1;
};

}  // namespace vizud
