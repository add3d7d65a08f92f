#include "dialogs/transponder_tree_dialog_model.h"

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"

namespace vizud {

TransponderTreeDialogModel::TransponderTreeDialogModel(ChannelDatabase& db, Messages& messages)
    : m_db(db), m_messages(messages) {}

int TransponderTreeDialogModel::prepare(int number, int mode) {
    m_mode = mode;
    const all_tables_block& img = m_db.image();
    auto fail = [this](int code, int result) {
        m_messages.show(databaseErrorText(code, result), MessageIcon::None);
        return result;
    };
    RecordView view;
    int satId = number;
    m_tp = st_ts{};
    if (mode == kTransponderEdit) {
        if (const int r = m_db.getRecord(kTableTransponders, number, view); r != 0)
            return fail(kTableTransponders, r);
        // A slot behind the transponders in use holds no transponder to edit.
        if (number >= transponderCount(img))
            return fail(kTableTransponders, -3);
        m_tpIndex = number;
        m_tp = img.transponders[number];
        satId = m_tp.satId;
    } else {
        m_tpIndex = -1;
        m_tp.satId = static_cast<std::uint8_t>(number);
        // The key is one byte in a transponder; a satellite whose key does not fit cannot own one.
        if (number < 0 || number > 0xFF)
            return fail(kTableSatellites, -3);
    }
    const int satIndex = m_db.findSatIndexById(satId);
    if (const int r = m_db.getRecord(kTableSatellites, satIndex, view); r != 0)
        return fail(kTableSatellites, r);
    m_satelliteName = latin1ToUtf8(nameText(img.satellites[satIndex].name));
    return 0;
}

void TransponderTreeDialogModel::open() {
    m_db.state().currentTpFrequency = -1;
    restore();
}

void TransponderTreeDialogModel::restore() {
    fields = TransponderFields{};
    if (m_mode == kTransponderEdit) {
        showButtons(m_tp, fields);
        showNumbers(m_tp, fields);
    } else {
        showAddButtons(fields);
    }
}

bool TransponderTreeDialogModel::ok() {
    st_ts tp = m_tp;
    if (!checkFrequency(fields, m_messages, tp))
        return false;
    takeButtons(fields, tp);
    if (!checkSymbolRate(fields, m_messages, tp) || !checkIds(fields, m_messages, tp))
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

void TransponderTreeDialogModel::cancel() { m_db.state().currentTpFrequency = -1; }

}  // namespace vizud
