#include "app/csv_order_dialog.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace vizud {

CsvOrderDialog::CsvOrderDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("csvOrderDialog");
    setWindowTitle(tr("Order like a CSV list"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The programs take the order of the list's rows. Also take from the list:"), this));
    m_names = new QCheckBox(tr("&Names"), this);
    m_flags = new QCheckBox(tr("&Flags (scrambled, SCPC, locked, user)"), this);
    m_favourites = new QCheckBox(tr("Fa&vourite lists"), this);
    m_deleteMissing = new QCheckBox(tr("&Delete the programs no row matches"), this);
    for (QCheckBox* box : {m_names, m_flags, m_favourites, m_deleteMissing})
        layout->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<CsvApplyOptions> CsvOrderDialog::ask(QWidget* parent) {
    CsvOrderDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    CsvApplyOptions options;
    options.names = dialog.m_names->isChecked();
    options.flags = dialog.m_flags->isChecked();
    options.favourites = dialog.m_favourites->isChecked();
    options.deleteMissing = dialog.m_deleteMissing->isChecked();
    return options;
}

}  // namespace vizud
