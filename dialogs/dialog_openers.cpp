#include "dialogs/dialog_openers.h"

#include "dialogs/program_dialog.h"
#include "dialogs/satellite_dialog.h"
#include "dialogs/transponder_delete_dialog.h"
#include "dialogs/transponder_list_dialog.h"
#include "dialogs/transponder_tree_dialog.h"

namespace vizud {
namespace {

DialogResult run(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace

DialogResult openProgramDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int programIndex, int mode) {
    ProgramDialogModel model(db, messages);
    if (model.prepare(programIndex, mode) != 0)
        return DialogResult::Cancel;
    ProgramDialog dialog(model, parent);
    return run(dialog);
}

DialogResult openSatelliteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, const std::string& name) {
    SatelliteDialogModel model(db, messages);
    if (model.prepare(name) != 0)
        return DialogResult::Cancel;
    SatelliteDialog dialog(model, parent);
    return run(dialog);
}

DialogResult openSatelliteDialogAt(QWidget* parent, ChannelDatabase& db, Messages& messages, int satIndex) {
    SatelliteDialogModel model(db, messages);
    if (model.prepareAt(satIndex) != 0)
        return DialogResult::Cancel;
    SatelliteDialog dialog(model, parent);
    return run(dialog);
}

DialogResult openNewSatelliteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, const st_sat& initial) {
    SatelliteDialogModel model(db, messages);
    model.prepareNew(initial);
    SatelliteDialog dialog(model, parent);
    return run(dialog);
}

DialogResult openTransponderListDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int programIndex,
                                       int mode) {
    TransponderListDialogModel model(db, messages);
    if (model.prepare(programIndex, mode) != 0)
        return DialogResult::Cancel;
    TransponderListDialog dialog(model, parent);
    return run(dialog);
}

DialogResult openTransponderTreeDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int number, int mode,
                                       int* polarisation) {
    TransponderTreeDialogModel model(db, messages);
    if (model.prepare(number, mode) != 0) {
        model.cancel();
        return DialogResult::Cancel;
    }
    TransponderTreeDialog dialog(model, parent);
    const DialogResult result = run(dialog);
    if (polarisation != nullptr)
        *polarisation = model.polarisation();
    return result;
}

DialogResult openTransponderDeleteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int tpIndex,
                                         int callerValue) {
    TransponderDeleteModel model(db, messages);
    if (model.prepare(tpIndex, callerValue) != 0) {
        db.state().currentTpFrequency = -1;  // nothing was deleted
        return DialogResult::Cancel;
    }
    TransponderDeleteDialog dialog(model, parent);
    return run(dialog);
}

}  // namespace vizud
