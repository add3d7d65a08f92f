// The tree's transponder dialog ("Transponder edit"): adds a transponder to the satellite under which the
// tree's menu was opened, or changes one; the satellite is fixed, the frequency typed, and "Restore" puts
// the loaded values back. Afterwards the current transponder frequency tells the tree what happened: -1
// cancelled, -10 refused as a duplicate and then cancelled, else the frequency added or changed (MHz).
#pragma once

#include <string>

#include "database/channel_database.h"
#include "dialogs/transponder_fields.h"

namespace vizud {

class TransponderTreeDialogModel {
public:
    TransponderTreeDialogModel(ChannelDatabase& db, Messages& messages);

    // Edit mode: `number` is the transponder's index. Add mode: the satId of the satellite that receives
    // the new transponder. 0, or the failed read's result after its message (the dialog is not shown).
    int prepare(int number, int mode);
    void open();
    void restore();
    // True when the transponder was stored; false after a message (the dialog stays open).
    bool ok();
    // The field the last refused OK named.
    DialogField refusedField() const { return m_refused; }
    void cancel();

    int mode() const { return m_mode; }
    // The satellite's name, shown read-only (UTF-8).
    const std::string& satelliteName() const { return m_satelliteName; }
    bool restoreEnabled() const { return m_mode == kTransponderEdit; }
    // The polarisation of the transponder as OK stored it (the tree's node letter).
    int polarisation() const { return m_tp.polarization; }

    TransponderFields fields;

private:
    ChannelDatabase& m_db;
    Messages& m_messages;
    DialogField m_refused = DialogField::None;
    int m_mode = kTransponderEdit;
    int m_tpIndex = -1;
    st_ts m_tp{};
    std::string m_satelliteName;
};

}  // namespace vizud
