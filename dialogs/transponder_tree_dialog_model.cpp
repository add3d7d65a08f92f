#include "dialogs/transponder_tree_dialog_model.h"

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/prepare_reads.h"

namespace vizud {

TransponderTreeDialogModel::TransponderTreeDialogModel(ChannelDatabase& db, Messages& messages)
    : m_db(db), m_messages(messages) {}

int TransponderTreeDialogModel::prepare(int number, int mode) {
    m_mode = mode;
    m_tp = st_ts{};
    m_tpIndex = -1;
    int satId = number;
    if (mode == kTransponderEdit) {
        if (const int r = readTransponder(m_db, m_messages, number, m_tp); r != 0)
            return r;
        m_tpIndex = number;
        satId = m_tp.satId;
    } else if (number < 0 || number > 0xFF) {
        // The key is one byte in a transponder; a satellite whose key does not fit cannot own one.
        m_messages.show(databaseErrorText(kTableSatellites, -3), MessageIcon::None);
        return -3;
    } else {
        m_tp.satId = static_cast<std::uint8_t>(number);
    }
    int satIndex = -1;
    if (const int r = readSatelliteIndex(m_db, m_messages, satId, satIndex); r != 0)
        return r;
    const all_tables_block& img = m_db.image();
    m_satelliteName = latin1ToUtf8(showName(nameText(img.satellites[satIndex].name)).text);
    return 0;
}

void TransponderTreeDialogModel::open() {
    m_db.state().currentTpFrequency = -1;
    restore();
}

void TransponderTreeDialogModel::restore() {
    fields = openingFields(m_mode, m_tp);
}

bool TransponderTreeDialogModel::ok() {
    m_refused = DialogField::None;
    st_ts tp = m_tp;
    if (!checkFrequency(fields, m_messages, tp, m_refused))
        return false;
    takeButtons(fields, tp);
    if (!checkSymbolRate(fields, m_messages, tp, m_refused) || !checkIds(fields, m_messages, tp, m_refused))
        return false;
    RecordView view = transponderRecord(tp);
    EditorState& state = m_db.state();
    if (m_mode == kTransponderAdd) {
        const int r = m_db.modifyRecord(kTableTransponders, kOpInsert, transponderCount(m_db.image()), view);
        if (r != 0) {
            // The database has said why (a duplicate, a full table); the tree learns of a duplicate.
            state.currentTpFrequency = r == -10 ? -10 : -1;
            return false;
        }
    } else if (const int r = m_db.modifyRecord(kTableTransponders, kOpUpdate, m_tpIndex, view); r != 0) {
        m_messages.show(databaseErrorText(kTableTransponders, r), MessageIcon::None);
        return false;
    }
    m_tp = tp;
    state.currentTpFrequency = tp.frequency;
    m_db.updateChecksum();
    return true;
}

void TransponderTreeDialogModel::cancel() {
    m_db.state().currentTpFrequency = -1;
}

}  // namespace vizud
