#include "dialogs/transponder_delete_model.h"

#include <vector>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/prepare_reads.h"

namespace vizud {

TransponderDeleteModel::TransponderDeleteModel(ChannelDatabase& db, Messages& messages)
    : m_db(db), m_messages(messages) {}

int TransponderDeleteModel::prepare(int tpIndex, int callerValue) {
    m_callerValue = callerValue;
    m_satellites.clear();
    m_transponders.clear();
    st_ts tp{};
    int satIndex = -1;
    if (const int r = readTransponder(m_db, m_messages, tpIndex, tp); r != 0)
        return r;
    m_satId = tp.satId;
    m_preparedTp = tpIndex;
    if (const int r = readSatelliteIndex(m_db, m_messages, m_satId, satIndex); r != 0)
        return r;
    m_satellites = satelliteItems(m_db);
    satelliteSelection = satIndex;
    m_transponders = transponderItems(m_db, m_satId);
    transponderSelection = -1;
    return 0;
}

void TransponderDeleteModel::open() {
    EditorState& state = m_db.state();
    const std::string frequency = std::to_string(state.currentTpFrequency);
    // The transponder it was opened for, when it has that frequency: another of the same frequency (the
    // other polarisation) must not stand in for it.
    const int prepared = positionOfIndex(m_transponders, m_preparedTp);
    if (state.currentTpFrequency < 0)
        transponderSelection = -1;
    else if (prepared >= 0 && m_transponders[static_cast<std::size_t>(prepared)].text == frequency)
        transponderSelection = prepared;
    else
        transponderSelection = positionOfText(m_transponders, frequency);
    state.currentTpFrequency = -1;
}

void TransponderDeleteModel::satelliteChanged(int position) {
    const int satIndex = indexAt(m_satellites, position);
    if (satIndex < 0)
        return;
    satelliteSelection = position;
    m_satId = m_db.image().satellites[satIndex].satId;
    m_transponders = transponderItems(m_db, m_satId);
    transponderSelection = m_transponders.empty() ? -1 : 0;
}

bool TransponderDeleteModel::ok() {
    if (!okEnabled()) {
        m_messages.show("Please choose the transponder to delete.", MessageIcon::Exclamation);
        return false;
    }
    const all_tables_block& img = m_db.image();
    const ComboItem& item = m_transponders[static_cast<std::size_t>(transponderSelection)];
    const int tpIndex = item.index;
    // A cut program waiting to be pasted still needs the transponder: refuse before anything is deleted.
    for (const ProgramSnapshot* node = m_db.state().programClipboard; node != nullptr; node = node->next) {
        if (node->tpIndex == tpIndex) {
            m_messages.show(
                "Transponder " + item.text + " (MHz) is still used by a program in the clipboard.\nPaste it first.",
                MessageIcon::Exclamation);
            return false;
        }
    }
    RecordView view;
    const int satIndex = indexAt(m_satellites, satelliteSelection);
    if (const int r = m_db.getRecord(kTableSatellites, satIndex, view); r != 0) {
        m_messages.show(databaseErrorText(kTableSatellites, r), MessageIcon::None);
        return false;
    }
    std::string question = "Do you realy want to delete transponder " + item.text + " (MHz)\nfrom satellite: " +
                           latin1ToUtf8(showName(nameText(img.satellites[satIndex].name)).text);
    // Its programs go with it: say how many, as the satellite delete does.
    int programs = 0;
    for (int p = 0; p < programCount(img); ++p)
        programs += img.programs[p].tpIndex == tpIndex ? 1 : 0;
    if (programs == 1)
        question += "\nIts 1 program is deleted with it.";
    else if (programs > 1)
        question += "\nIts " + std::to_string(programs) + " programs are deleted with it.";
    if (m_messages.ask(question, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes) {
        deleteProgramsOfTransponder(m_db, tpIndex);
        m_db.state().currentTpFrequency = m_db.image().transponders[tpIndex].frequency;
        if (const int r = m_db.modifyRecord(kTableTransponders, kOpDelete, tpIndex, view); r != 0) {
            m_db.state().currentTpFrequency = -1;
            m_messages.show(databaseErrorText(kTableTransponders, r), MessageIcon::None);
            return false;
        }
    }
    m_db.updateChecksum();
    return true;
}

int deleteProgramsOfTransponder(ChannelDatabase& db, int tpIndex) {
    const all_tables_block& img = db.image();
    // Deleting one at a time from the lowest index, each later program has moved down by the number
    // deleted before it: that is the index each deletion names.
    std::vector<int> indices;
    const int count = programCount(img);
    for (int p = 0; p < count; ++p) {
        if (img.programs[p].tpIndex == tpIndex)
            indices.push_back(p - static_cast<int>(indices.size()));
    }
    db.deletePrograms(indices);
    return static_cast<int>(indices.size());
}

}  // namespace vizud
