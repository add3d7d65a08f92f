// Tools > Duplicates...: the groups of programs with the same service, each kept program (in bold) with
// its duplicates below it, and the two ways on: select the duplicates in the whole-table list, or remove
// them.
#pragma once

#include <QtCore/QAbstractTableModel>
#include <QtWidgets/QDialog>

#include <vector>

#include "listtools/duplicates.h"

class QTreeView;

namespace vizud {

// One row per program of a group, the kept one first; texts made only for the rows shown, so a list
// with thousands of groups opens at once.
class DuplicateRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DuplicateRowsModel(const all_tables_block& img, const std::vector<DuplicateGroup>& groups,
                       QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        DuplicateLine line;
        bool kept = false;
        bool tv = true;
    };
    std::vector<Row> m_rows;
};

class DuplicatesDialog : public QDialog {
    Q_OBJECT

public:
    // exec() gives Rejected (closed), kRemove or kSelect.
    static constexpr int kRemove = QDialog::Accepted;
    static constexpr int kSelect = 2;

    DuplicatesDialog(const all_tables_block& img, const std::vector<DuplicateGroup>& groups, QWidget* parent = nullptr);

private:
    DuplicateRowsModel m_model;
    QTreeView* m_view = nullptr;
};

}  // namespace vizud
