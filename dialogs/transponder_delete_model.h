// The transponder delete dialog ("Transponder Delete"): removes one transponder of a satellite together
// with every program tuned to it. Afterwards a current transponder frequency that is not negative tells
// the caller which transponder went away.
#pragma once

#include <string>

#include "database/channel_database.h"
#include "dialogs/combo_items.h"

namespace vizud {

class TransponderDeleteModel {
public:
    TransponderDeleteModel(ChannelDatabase& db, Messages& messages);

    // Builds the lists for the satellite of transponder `tpIndex`. `callerValue` is kept, unused, as the
    // callers pass it. 0, or the failed read's result after its message (the dialog is not shown).
    int prepare(int tpIndex, int callerValue);
    // Selects the transponder of the current transponder frequency (none when no entry has it), then
    // clears that frequency.
    void open();

    const ComboItems& satellites() const { return m_satellites; }
    const ComboItems& transponders() const { return m_transponders; }
    // The satellite list is shown but cannot be changed here; a change made by the program rebuilds the
    // transponder list.
    void satelliteChanged(int position);

    // OK is offered only once a transponder is chosen.
    bool okEnabled() const {
        return transponderSelection >= 0 && transponderSelection < static_cast<int>(m_transponders.size());
    }
    // Asks, and on Yes deletes the transponder and its programs. True when the dialog closes (after Yes
    // or No); false after an error message (it stays open).
    bool ok();

    int satelliteSelection = -1;
    int transponderSelection = -1;

private:
    ChannelDatabase& m_db;
    Messages& m_messages;
    int m_satId = -1;
    int m_preparedTp = -1;
    int m_callerValue = 0;
    ComboItems m_satellites;
    ComboItems m_transponders;
};

// Deletes every program tuned to transponder `tpIndex` in one pass; exactly what deleting them one at a
// time from the lowest index up (modifyRecord 501, 551) does. Returns the number deleted.
int deleteProgramsOfTransponder(ChannelDatabase& db, int tpIndex);

}  // namespace vizud
