#include "dialogs/prepare_reads.h"

#include "database/image_access.h"
#include "dialogs/field_rules.h"

namespace vizud {
namespace {

int reported(Messages& messages, int table, int result) {
    if (result != 0)
        messages.show(databaseErrorText(table, result), MessageIcon::None);
    return result;
}

}  // namespace

int readProgram(const ChannelDatabase& db, Messages& messages, int index, st_program& out) {
    RecordView view;
    const int result = db.getRecord(kTablePrograms, index, view);
    if (result == 0)
        out = db.image().programs[index];
    return reported(messages, kTablePrograms, result);
}

int readTransponder(const ChannelDatabase& db, Messages& messages, int index, st_ts& out) {
    RecordView view;
    int result = db.getRecord(kTableTransponders, index, view);
    // The table's own read answers for every slot; only one in use holds a transponder.
    if (result == 0 && index >= transponderCount(db.image()))
        result = -3;
    if (result == 0)
        out = db.image().transponders[index];
    return reported(messages, kTableTransponders, result);
}

int readSatelliteIndex(const ChannelDatabase& db, Messages& messages, int satId, int& outIndex) {
    RecordView view;
    const int index = db.findSatIndexById(satId);
    const int result = db.getRecord(kTableSatellites, index, view);
    if (result == 0)
        outIndex = index;
    return reported(messages, kTableSatellites, result);
}

int readProvider(const ChannelDatabase& db, Messages& messages, int index) {
    RecordView view;
    return reported(messages, kTableProviders, db.getRecord(kTableProviders, index, view));
}

}  // namespace vizud
