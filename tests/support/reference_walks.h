// Edits done the slow way, one database call per program, as the box's editor did them: what the one-pass
// forms must equal byte for byte, and what the benchmarks compare them with.
#pragma once

#include "database/channel_database.h"

namespace vizud::test {

// Deletes every program tuned to transponder `tpIndex` with one modifyRecord(501, 551) each, walking up
// from program 0 and looking at the same index again after each deletion. Returns the number deleted.
inline int deleteProgramsOfTransponderOneByOne(ChannelDatabase& db, int tpIndex) {
    int deleted = 0;
    std::uint32_t count = 0;
    for (int p = 0; db.getInfo(kInfoProgramCount, count), p < static_cast<int>(count);) {
        RecordView view;
        db.getRecord(kTablePrograms, p, view);
        if (static_cast<int>(view.word[2]) != tpIndex) {
            ++p;
        } else {
            db.modifyRecord(kTablePrograms, kOpDelete, p, view);
            ++deleted;
        }
    }
    return deleted;
}

}  // namespace vizud::test
