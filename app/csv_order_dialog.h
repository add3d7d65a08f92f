// Tools > Order like another file with a CSV list: what the list brings besides its order, as four
// check boxes.
#pragma once

#include <optional>

#include <QtWidgets/QDialog>

#include "listtools/apply_order.h"

class QCheckBox;

namespace vizud {

class CsvOrderDialog : public QDialog {
    Q_OBJECT

public:
    explicit CsvOrderDialog(QWidget* parent = nullptr);

    // The options chosen, or nothing when the user cancelled.
    static std::optional<CsvApplyOptions> ask(QWidget* parent);

private:
    QCheckBox* m_names;
    QCheckBox* m_flags;
    QCheckBox* m_favourites;
    QCheckBox* m_deleteMissing;
};

}  // namespace vizud
