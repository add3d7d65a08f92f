#include "views/list_commands.h"

#include "database/image_access.h"
#include "dialogs/program_dialog_model.h"

namespace vizud {

ProgramEditorTarget programEditorTarget(const ListFill& fill, int row, int mode) {
    if (fill.rows.empty())
        return {-1, kProgramDialogAdd, true};
    if (row < 0 || row >= static_cast<int>(fill.rows.size()))
        return {};
    return {fill.rows[static_cast<std::size_t>(row)].program, mode, true};
}

bool editEnabled(const ListFill& fill, int firstSelectedRow) {
    return firstSelectedRow >= 0 && firstSelectedRow < static_cast<int>(fill.rows.size());
}

bool addEnabled(bool outsideRows) {
    return !outsideRows;
}

int rowOfProgram(const ListFill& fill, int program) {
    for (std::size_t r = 0; r < fill.rows.size(); ++r) {
        if (fill.rows[r].program == program)
            return static_cast<int>(r);
    }
    return -1;
}

int transponderOfRow(const ChannelDatabase& db, const ListFill& fill, int row) {
    const all_tables_block& img = db.image();
    if (row < 0 || row >= static_cast<int>(fill.rows.size()))
        return -1;
    const int program = fill.rows[static_cast<std::size_t>(row)].program;
    if (program < 0 || program >= programCount(img) || img.programs[program].tpIndex >= transponderCount(img))
        return -1;
    return img.programs[program].tpIndex;
}

}  // namespace vizud
