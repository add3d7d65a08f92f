#include "dialogs/transponder_list_dialog_model.h"

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/prepare_reads.h"

namespace vizud {

TransponderListDialogModel::TransponderListDialogModel(ChannelDatabase& db, Messages& messages)
    : m_db(db), m_messages(messages) {}

int TransponderListDialogModel::prepare(int programIndex, int mode) {
    m_mode = mode;
    m_satellites.clear();
    m_transponders.clear();
    st_program program{};
    int satIndex = -1;
    if (const int r = readProgram(m_db, m_messages, programIndex, program); r != 0)
        return r;
    const int tpIndex = program.tpIndex;
    if (const int r = readTransponder(m_db, m_messages, tpIndex, m_tp); r != 0)
        return r;
    if (const int r = readSatelliteIndex(m_db, m_messages, m_tp.satId, satIndex); r != 0)
        return r;
    m_satellites = satelliteItems(m_db);
    satelliteSelection = satIndex;
    m_transponders = transponderItems(m_db, m_tp.satId);
    m_shownTp = tpIndex;
    frequencySelection = positionOfIndex(m_transponders, tpIndex);
    return 0;
}

void TransponderListDialogModel::open() {
    fields = openingFields(m_mode, m_tp);
    if (m_mode == kTransponderAdd) {
        frequencySelection = -1;
        m_shownTp = -1;
    }
}

void TransponderListDialogModel::satelliteChanged(int position) {
    const int satIndex = indexAt(m_satellites, position);
    if (satIndex < 0)
        return;
    satelliteSelection = position;
    m_transponders = transponderItems(m_db, m_db.image().satellites[satIndex].satId);
    frequencySelection = -1;
    // A satellite without transponders leaves the fields, and so the transponder they show, as they were.
    if (m_mode == kTransponderEdit) {
        if (!m_transponders.empty())
            loadTransponder(m_transponders.front().index);
    }
}

void TransponderListDialogModel::frequencyChanged(int position) {
    if (m_mode != kTransponderEdit)
        return;
    if (const int tpIndex = indexAt(m_transponders, position); tpIndex >= 0)
        loadTransponder(tpIndex);
}

void TransponderListDialogModel::loadTransponder(int tpIndex) {
    m_tp = m_db.image().transponders[tpIndex];
    m_shownTp = tpIndex;
    frequencySelection = positionOfIndex(m_transponders, tpIndex);
    fields = fieldsOf(m_tp);
}

bool TransponderListDialogModel::ok() {
    m_refused = DialogField::None;
    st_ts tp = m_tp;
    if (!checkFrequency(fields, m_messages, tp, m_refused))
        return false;
    takeButtons(fields, tp);
    if (!checkSymbolRate(fields, m_messages, tp, m_refused))
        return false;
    const int satIndex = indexAt(m_satellites, satelliteSelection);
    RecordView view;
    // A transponder holds its satellite's key in one byte: a satellite whose key does not fit owns none.
    if (satIndex < 0 || m_db.getRecord(kTableSatellites, satIndex, view) != 0 || view.word[0] > 0xFF) {
        m_refused = DialogField::Satellite;
        m_messages.show("Error: Can not recognize choosed satellite!", MessageIcon::Stop);
        return false;
    }
    tp.satId = static_cast<std::uint8_t>(m_db.image().satellites[satIndex].satId);
    if (!checkIds(fields, m_messages, tp, m_refused))
        return false;
    view = transponderRecord(tp);
    if (m_mode == kTransponderAdd) {
        // A refusal (a duplicate, a full table) has been shown by the database; the fields stay for another try.
        if (m_db.modifyRecord(kTableTransponders, kOpInsert, transponderCount(m_db.image()), view) != 0)
            return false;
    } else if (const int r = m_db.modifyRecord(kTableTransponders, kOpUpdate, m_shownTp, view); r != 0) {
        m_messages.show(databaseErrorText(kTableTransponders, r), MessageIcon::None);
        return false;
    }
    m_db.updateChecksum();
    return true;
}

}  // namespace vizud
