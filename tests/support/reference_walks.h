// Edits done the slow way, one database call per program, as the box's editor did them: what the one-pass
// forms must equal byte for byte, and what the benchmarks compare them with.
#pragma once

#include "database/channel_database.h"

namespace vizud::test {

// Deletes every program tuned to transponder `tpIndex` with one modifyRecord(501, 551) each, walking up
// from program 0 and looking at the same index again after each deletion. Returns the number deleted.
int deleteProgramsOfTransponderOneByOne(ChannelDatabase& db, int tpIndex);

}  // namespace vizud::test
