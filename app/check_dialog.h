// Tools > Check database: the findings, one line each, and the offer to repair what can be repaired
// safely.
#pragma once

#include <QtWidgets/QDialog>

#include <vector>

class QPlainTextEdit;

#include "app/document_services.h"
#include "listtools/database_check.h"

namespace vizud {

// A read-only report of one line per item in a fixed-width font, without wrapping: the check's findings,
// the transponder plan.
QPlainTextEdit* reportView(const QString& text, const char* name, QWidget* parent);

class CheckDialog : public QDialog {
    Q_OBJECT

public:
    explicit CheckDialog(const std::vector<Finding>& findings, QWidget* parent = nullptr);

    // exec() gives Accepted when the user chose Repair.

    // Before an upload: the findings with Repair and upload (when any can be repaired), Upload as it is
    // and Cancel.
    static UploadChoice askBeforeUpload(const std::vector<Finding>& findings, QWidget* parent);

private:
    CheckDialog(const std::vector<Finding>& findings, bool beforeUpload, QWidget* parent);
};

}  // namespace vizud
