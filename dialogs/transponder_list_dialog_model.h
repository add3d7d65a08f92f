// The program list's transponder dialog ("TP Edit"): starts from a program, lets the user pick the
// satellite and a transponder of it, and changes that transponder or adds a new one.
#pragma once

#include <string>

#include "database/channel_database.h"
#include "dialogs/combo_items.h"
#include "dialogs/transponder_fields.h"

namespace vizud {

class TransponderListDialogModel {
public:
    TransponderListDialogModel(ChannelDatabase& db, Messages& messages);

    // Reads the program at `programIndex`, its transponder and satellite, and builds both lists. 0, or the
    // failed read's result after its message (the dialog is not shown).
    int prepare(int programIndex, int mode);
    void open();

    int mode() const { return m_mode; }
    const ComboItems& satellites() const { return m_satellites; }
    const ComboItems& transponders() const { return m_transponders; }

    // Another satellite: its transponders fill the frequency list; in edit mode the first one is loaded.
    void satelliteChanged(int position);
    // Edit mode: the transponder picked from the frequency list is loaded into the fields.
    void frequencyChanged(int position);

    // True when the transponder was stored; false after a message (the dialog stays open).
    bool ok();
    // The field the last refused OK named.
    DialogField refusedField() const { return m_refused; }

    // The transponder whose values the fields show (the one an edit changes); -1 for none.
    int shownTransponder() const { return m_shownTp; }

    TransponderFields fields;  // `frequency` is the text of the frequency list's edit field
    int satelliteSelection = -1;
    int frequencySelection = -1;

private:
    void loadTransponder(int tpIndex);

    ChannelDatabase& m_db;
    Messages& m_messages;
    DialogField m_refused = DialogField::None;
    int m_mode = kTransponderEdit;
    st_ts m_tp{};
    int m_shownTp = -1;
    ComboItems m_satellites;
    ComboItems m_transponders;
};

}  // namespace vizud
