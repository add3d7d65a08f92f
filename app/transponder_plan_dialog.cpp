#include "app/transponder_plan_dialog.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include "app/check_dialog.h"
#include "app/translated_texts.h"

namespace vizud {

TransponderPlanDialog::TransponderPlanDialog(const TransponderPlan& plan, QWidget* parent) : QDialog(parent) {
    setObjectName("transponderPlanDialog");
    setWindowTitle(tr("Update transponders"));
    const bool changes = !plan.additions.empty() || !plan.changes.empty();
    auto* summary = new QLabel(changes ? tr("Transponders the file lists and this list lacks are added; those both "
                                            "have take the file's symbol rate and FEC. Nothing is deleted.")
                                       : tr("The transponders are up to date: the file brings nothing new."),
                               this);
    summary->setWordWrap(true);
    auto* totals = new QLabel(translated(planText(TransponderPlan{{}, plan.additions, plan.changes})).trimmed(), this);
    totals->setObjectName("planTotals");
    QPlainTextEdit* report = reportView(translated(planText(plan)), "planReport", this);
    auto* buttons = new QDialogButtonBox(changes ? QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    if (changes) {
        QPushButton* apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
        apply->setObjectName("applyButton");
        apply->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(totals);
    layout->addWidget(report);
    layout->addWidget(buttons);
    resize(640, 420);
}

}  // namespace vizud
