#include "app/compare_dialog.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace vizud {

CompareDialog::CompareDialog(const FileComparison& comparison, QWidget* parent) : QDialog(parent) {
    setObjectName("compareDialog");
    setWindowTitle(tr("Compare with file"));
    const ProgramDiff& diff = comparison.diff;
    auto* summary = new QLabel(diff.empty() ? tr("The two lists hold the same programs.")
                                            : tr("%1 added, %2 removed, %3 renamed, %4 changed")
                                                  .arg(diff.added.size())
                                                  .arg(diff.removed.size())
                                                  .arg(diff.renamed.size())
                                                  .arg(diff.changed.size()),
                               this);
    summary->setObjectName("compareSummary");
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("compareTabs");
    const std::pair<char, QString> kinds[] = {{'+', tr("Added")},
                                              {'-', tr("Removed")},
                                              {'~', tr("Renamed")},
                                              {'*', tr("Changed")}};
    for (const auto& [mark, title] : kinds) {
        auto* list = new QTreeWidget(tabs);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);  // a full database gives thousands of lines
        list->setHeaderLabels({tr("Class"), tr("Number"), tr("Name"), tr("Satellite"), tr("Service ID")});
        QList<QTreeWidgetItem*> items;
        for (const DiffLine& line : comparison.lines) {
            if (line.mark != mark)
                continue;
            items.append(new QTreeWidgetItem(
                {line.radio ? tr("Radio") : tr("TV"), QString::fromStdString(line.number),
                 QString::fromStdString(line.name), QString::fromStdString(line.satellite),
                 QString::number(line.serviceId)}));
        }
        list->addTopLevelItems(items);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tabs->addTab(list, QString("%1 (%2)").arg(title).arg(items.size()));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* select = buttons->addButton(tr("&Select added"), QDialogButtonBox::AcceptRole);
    select->setObjectName("selectAddedButton");
    select->setToolTip(tr("Select, in the whole table, the programs of this list that the other file lacks"));
    select->setEnabled(!diff.added.empty());
    select->setDefault(!diff.added.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(760, 420);
}

}  // namespace vizud
