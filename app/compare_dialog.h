// Tools > Compare with file: the counts and the four lists (added, removed, renamed, changed) of what
// changed from the other file to the open list, and "Select added".
#pragma once

#include <QtWidgets/QDialog>

#include "app/list_tool_commands.h"

namespace vizud {

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    explicit CompareDialog(const FileComparison& comparison, QWidget* parent = nullptr);

    // exec() gives Accepted when the user chose Select added.
};

}  // namespace vizud
