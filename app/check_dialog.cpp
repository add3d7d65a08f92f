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
namespace {

constexpr int kUploadAsItIs = 2;  // the dialog's result beside Accepted (repair) and Rejected

}  // namespace

QPlainTextEdit* reportView(const QString& text, const char* name, QWidget* parent) {
    auto* report = new QPlainTextEdit(text, parent);
    report->setObjectName(name);
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return report;
}

CheckDialog::CheckDialog(const std::vector<Finding>& findings, QWidget* parent) : CheckDialog(findings, false, parent) {}

CheckDialog::CheckDialog(const std::vector<Finding>& findings, bool beforeUpload, QWidget* parent) : QDialog(parent) {
    setObjectName(beforeUpload ? "uploadCheckDialog" : "checkDialog");
    setWindowTitle(beforeUpload ? tr("Upload") : tr("Check database"));
    const auto repairable = std::count_if(findings.begin(), findings.end(), isRepairable);
    QString heading = findings.empty()      ? tr("No problems found.")
                      : findings.size() == 1 ? (repairable == 1 ? tr("1 problem found; it can be repaired safely.")
                                                                : tr("1 problem found; it cannot be repaired safely."))
                                             : tr("%1 problems found, %2 of them can be repaired safely.")
                                                   .arg(findings.size())
                                                   .arg(repairable);
    if (beforeUpload)
        heading = tr("The list to be uploaded has problems the box may not cope with.") + "\n" + heading;
    auto* summary = new QLabel(heading, this);
    QPlainTextEdit* report = reportView(translated(reportText(findings)), "checkReport", this);
    auto* buttons = new QDialogButtonBox(beforeUpload ? QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    const QString repairTip = tr("Drop favourite entries that name no program or name one twice, move entries to the "
                                 "part of their program, set the satellites' transponder counts right");
    if (repairable > 0) {
        QPushButton* repair =
            buttons->addButton(beforeUpload ? tr("&Repair and upload") : tr("&Repair"), QDialogButtonBox::AcceptRole);
        repair->setObjectName("repairButton");
        repair->setToolTip(repairTip);
        repair->setDefault(true);
        connect(repair, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (beforeUpload) {
        QPushButton* asItIs = buttons->addButton(tr("&Upload as it is"), QDialogButtonBox::ApplyRole);
        asItIs->setObjectName("uploadAsItIsButton");
        connect(asItIs, &QPushButton::clicked, this, [this] { done(kUploadAsItIs); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(report);
    layout->addWidget(buttons);
    resize(720, 360);
}

UploadChoice CheckDialog::askBeforeUpload(const std::vector<Finding>& findings, QWidget* parent) {
    CheckDialog dialog(findings, true, parent);
    switch (dialog.exec()) {
        case QDialog::Accepted:
            return UploadChoice::RepairFirst;
        case kUploadAsItIs:
            return UploadChoice::AsItIs;
        default:
            return UploadChoice::Cancel;
    }
}

}  // namespace vizud
