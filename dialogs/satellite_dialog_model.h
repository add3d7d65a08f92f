// The satellite dialog ("Satellite edit"): name, orbital position and direction, the two LNB oscillators,
// DiSEqC 1.0 mode, DiSEqC 1.1 port, 22 kHz tone, DiSEqC 1.2 positioner, and "Default" from the table of
// predefined satellites. The Qt form copies these fields to and from its controls.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "database/channel_database.h"
#include "dialogs/combo_items.h"
#include "dialogs/dialog_field.h"

namespace vizud {

// What the dialog's controls show, texts as UTF-8.
struct SatelliteFields {
    std::string name;
    std::string degree;
    EditableChoice eastWest;  // entries "E", "W"
    EditableChoice lowerLo;   // entries lowerLoEntries()
    EditableChoice upperLo;   // entries upperLoEntries()
    int diseqcMode = 0;       // entry of diseqcModeEntries()
    int diseqc11 = 0;         // entry of diseqc11Entries()
    int tone = 0;             // entry of toneEntries()
    std::string positionerNo;
    bool diseqc12 = false;
};

// Why no satellite can be added: the table holds its 200.
std::string satelliteTableFullText();

class SatelliteDialogModel {
public:
    SatelliteDialogModel(ChannelDatabase& db, Messages& messages);

    static const std::vector<std::string>& eastWestEntries();
    static const std::vector<std::string>& diseqcModeEntries();
    static const std::vector<std::string>& diseqc11Entries();
    static const std::vector<std::string>& toneEntries();

    // Finds the satellite by its name (the image's bytes) and reads it. 0, or a negative result after the
    // message "Error: 500->(...)": the dialog is then not shown.
    int prepare(const std::string& name);
    // The satellite at a table index (a tree node knows its own satellite, whatever its name).
    int prepareAt(int index);
    // A new satellite whose fields start from `initial`; OK appends it (ChannelDatabase::addSatellite).
    void prepareNew(const st_sat& initial);
    bool adding() const { return m_adding; }
    // Where a new satellite starts: predefined satellite `row` (predefined_satellites.h), or for -1 a
    // blank one (no name, 0.0E, the universal LNB's 9750 and 10600 MHz, DiSEqC and tone off/auto).
    static st_sat startingRecord(int row);
    // Fills the fields as the dialog opens; the edited satellite name becomes the satellite's name.
    void open();

    // The first entry of each LO list shows the satellite's own value when it is not a standard one.
    const std::vector<std::string>& lowerLoEntries() const { return m_lowerLoEntries; }
    const std::vector<std::string>& upperLoEntries() const { return m_upperLoEntries; }

    // "Default": the predefined satellite named by the name field fills the other fields.
    void setDefaults();
    // OK: checks every field; only when all have passed is the satellite written. True when written.
    bool ok();
    // The field the last refused OK named.
    DialogField refusedField() const { return m_refused; }

    int satelliteIndex() const { return m_index; }
    // How many characters the name field takes: the record holds 15, one of them a kept character-table byte.
    int nameLength() const { return m_leadByte != 0 ? 14 : 15; }

    SatelliteFields fields;

private:
    bool readLo(const EditableChoice& choice, const std::vector<std::string>& entries, const char* rangeMessage,
                std::uint16_t& out);

    ChannelDatabase& m_db;
    Messages& m_messages;
    int m_index = -1;
    bool m_adding = false;
    st_sat m_sat{};
    std::uint8_t m_leadByte = 0;  // the name's character-table byte, kept aside while the field shows the rest
    DialogField m_refused = DialogField::None;
    std::vector<std::string> m_lowerLoEntries;
    std::vector<std::string> m_upperLoEntries;
};

}  // namespace vizud
