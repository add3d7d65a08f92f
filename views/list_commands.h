// The program list's commands that open a dialog for a row: what they open it on, and what the list
// shows afterwards. The widget only finds the row and runs the dialog.
#pragma once

#include "database/channel_database.h"
#include "views/list_rows.h"

namespace vizud {

// The program dialog opened from a row: on the row's program, or (on the placeholder row, where only an
// add can start) on no program in add mode.
struct ProgramEditorTarget {
    int programIndex = -1;
    int mode = 0;
    bool open = false;
};
ProgramEditorTarget programEditorTarget(const ListFill& fill, int row, int mode);

// Edit is offered for a real row, Add anywhere but below the last row.
bool editEnabled(const ListFill& fill, int firstSelectedRow);
bool addEnabled(bool outsideRows);

// The row of the list that shows a program; -1 when the list does not show it (one pass over the rows).
int rowOfProgram(const ListFill& fill, int program);

// The transponder of the program on a row; -1 for none (the placeholder row, a broken reference).
int transponderOfRow(const ChannelDatabase& db, const ListFill& fill, int row);

}  // namespace vizud
