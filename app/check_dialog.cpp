#include "app/check_dialog.h"

#include <QtGui/QFontDatabase>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

#include "app/translated_texts.h"

namespace vizud {

CheckDialog::CheckDialog(const std::vector<Finding>& findings, QWidget* parent) : QDialog(parent) {
    setObjectName("checkDialog");
    setWindowTitle(tr("Check database"));
    const auto repairable = std::count_if(findings.begin(), findings.end(), isRepairable);
    auto* summary = new QLabel(findings.empty() ? tr("No problems found.")
                                                : tr("%n problem(s) found, %1 of them can be repaired safely.", "",
                                                     static_cast<int>(findings.size()))
                                                      .arg(repairable),
                               this);
    auto* report = new QPlainTextEdit(translated(reportText(findings)), this);
    report->setObjectName("checkReport");
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    if (repairable > 0) {
        QPushButton* repair = buttons->addButton(tr("&Repair"), QDialogButtonBox::AcceptRole);
        repair->setObjectName("repairButton");
        repair->setToolTip(
            tr("Drop favourite entries that name no program or name one twice, move entries to the "
               "part of their program, set the satellites' transponder counts right"));
        repair->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(report);
    layout->addWidget(buttons);
    resize(720, 360);
}

}  // namespace vizud
