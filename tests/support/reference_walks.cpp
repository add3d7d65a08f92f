#include "tests/support/reference_walks.h"

namespace vizud::test {

int deleteProgramsOfTransponderOneByOne(ChannelDatabase& db, int tpIndex) {
    std::uint32_t count = 0;
    db.getInfo(kInfoProgramCount, count);
    int deleted = 0;
    for (int p = 0; p < static_cast<int>(count);) {
        RecordView view;
        db.getRecord(kTablePrograms, p, view);
        if (static_cast<int>(view.word[2]) == tpIndex) {
            db.modifyRecord(kTablePrograms, kOpDelete, p, view);
            db.getInfo(kInfoProgramCount, count);
            ++deleted;
        } else {
            ++p;
        }
    }
    return deleted;
}

}  // namespace vizud::test
