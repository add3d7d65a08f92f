// The program dialog ("Channel edit"): edits one program or adds one, with its provider, satellite and
// transponder, PIDs, service id, status flags, TV or radio class and its nine favourite memberships. The
// Qt form copies these fields to and from its controls; every rule is here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "database/channel_database.h"
#include "dialogs/combo_items.h"
#include "dialogs/dialog_field.h"

namespace vizud {

inline constexpr int kProgramDialogAdd = 4;
inline constexpr int kProgramDialogEdit = 8;

// What the dialog's controls show, texts as UTF-8.
struct ProgramFields {
    std::string name;
    std::string provider;        // the provider field's text
    int providerSelection = -1;  // the provider entry shown selected, -1 for none
    int satelliteSelection = -1;
    int transponderSelection = -1;
    std::string videoPid, audioPid, pcrPid;
    bool pidsEnabled = false;  // the PID fields are read only while "SCPC" is checked
    std::string serviceId;
    bool scrambled = false, scpc = false, locked = false, userProgram = false;
    bool tv = false, radio = false;
    bool classEnabled = true;  // the "TV" and "Radio" buttons
    std::array<bool, kFavouriteLists> favourite{};
    std::array<std::string, kFavouriteLists> favouriteNames;
};

class ProgramDialogModel {
public:
    ProgramDialogModel(ChannelDatabase& db, Messages& messages);

    // Reads the program at `index` (-1: none selected, treated as 0 with nothing read) for `mode`
    // kProgramDialogEdit or kProgramDialogAdd. 0, or the result of the read that failed after its
    // message: the dialog is then not shown.
    int prepare(int index, int mode);
    // Fills the fields as the dialog opens (with the tree's preselection in add mode).
    void open();

    int mode() const { return m_mode; }

    const ComboItems& satellites() const { return m_satellites; }
    const ComboItems& providers() const { return m_providers; }
    const ComboItems& transponders() const { return m_transponders; }

    // The satellite combo chose another satellite: its transponders replace the list, the first selected.
    void satelliteChanged(int position);
    // "SCPC" was clicked: the PID fields are enabled with "0" or disabled with "Auto".
    void scpcClicked(bool checked);

    // OK: checks every field in order and changes the image only when all have passed. True when the
    // program was stored (the dialog closes); false after a message (the dialog stays open).
    bool ok();
    // The field the last refused OK named.
    DialogField refusedField() const { return m_refused; }

    ProgramFields fields;

private:
    struct Checked;
    bool check(Checked& out);
    bool apply(const Checked& checked);
    void rebuildTransponders();
    void preselectFromTree();
    bool isMember(int list, int program) const;

    ChannelDatabase& m_db;
    Messages& m_messages;
    int m_index = 0;
    int m_mode = kProgramDialogEdit;
    st_program m_program{};
    int m_satId = -1;  // key of the working satellite; -1 when none was read
    std::uint8_t m_leadByte = 0;
    DialogField m_refused = DialogField::None;
    ComboItems m_satellites;
    ComboItems m_providers;
    ComboItems m_transponders;
};

}  // namespace vizud
