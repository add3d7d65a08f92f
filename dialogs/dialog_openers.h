// How the tree and the program list open the edit dialogs: one call per dialog with the values the
// dialog is prepared with. A preparation that fails has shown its message; the dialog is then not shown
// and the answer is Cancel. On OK the image has been changed (and its CRC refreshed) as the dialog says.
#pragma once

#include <string>

class QWidget;
struct st_sat;

namespace vizud {

class ChannelDatabase;
class Messages;

enum class DialogResult { Ok, Cancel };

// The program dialog for the program at `programIndex` (-1: none selected) in mode kProgramDialogEdit
// or kProgramDialogAdd. After an OK, EditorState::addedProgramIndex holds the program's final index.
DialogResult openProgramDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int programIndex, int mode);

// The satellite dialog for the satellite of this name (the image's bytes, as the tree holds it).
// EditorState::editedSatName then holds the satellite's name as stored.
DialogResult openSatelliteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, const std::string& name);
// The satellite dialog for the satellite at a table index.
DialogResult openSatelliteDialogAt(QWidget* parent, ChannelDatabase& db, Messages& messages, int satIndex);
// The satellite dialog for a new satellite starting from `initial`; OK appends it to the table.
DialogResult openNewSatelliteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, const st_sat& initial);

// The program list's transponder dialog, from the program at `programIndex`, in mode kTransponderAdd or
// kTransponderEdit.
DialogResult openTransponderListDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int programIndex,
                                       int mode);

// The tree's transponder dialog: in edit mode `number` is the transponder's index, in add mode the satId
// of the satellite the menu was opened under. EditorState::currentTpFrequency tells what happened, and
// `polarisation`, when given, receives the stored transponder's polarisation.
DialogResult openTransponderTreeDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int number, int mode,
                                       int* polarisation = nullptr);

// The transponder delete dialog for the satellite of transponder `tpIndex`. A current transponder
// frequency that is not negative afterwards names the transponder deleted.
DialogResult openTransponderDeleteDialog(QWidget* parent, ChannelDatabase& db, Messages& messages, int tpIndex,
                                         int callerValue);

}  // namespace vizud
