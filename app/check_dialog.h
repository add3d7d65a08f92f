// Tools > Check database: the findings, one line each, and the offer to repair what can be repaired
// safely.
#pragma once

#include <QtWidgets/QDialog>

#include <vector>

#include "listtools/database_check.h"

namespace vizud {

class CheckDialog : public QDialog {
    Q_OBJECT

public:
    explicit CheckDialog(const std::vector<Finding>& findings, QWidget* parent = nullptr);

    // exec() gives Accepted when the user chose Repair.
};

}  // namespace vizud
