// Tools > Update transponders: what a satellites.xml brings to each satellite, shown before it is
// applied.
#pragma once

#include <QtWidgets/QDialog>

#include "listtools/satellites_xml.h"

namespace vizud {

class TransponderPlanDialog : public QDialog {
    Q_OBJECT

public:
    explicit TransponderPlanDialog(const TransponderPlan& plan, QWidget* parent = nullptr);

    // exec() gives Accepted when the user chose Apply.
};

}  // namespace vizud
