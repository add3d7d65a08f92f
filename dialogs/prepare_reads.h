// The reads with which the dialogs prepare: each shows "Error: %d->(%d)" (the table code and the result)
// when it fails and gives that result, so a Prepare can end with it and its dialog is not shown.
#pragma once

#include "database/channel_database.h"

namespace vizud {

// The program at `index` (in use).
int readProgram(const ChannelDatabase& db, Messages& messages, int index, st_program& out);
// The transponder at `index`; a slot behind the transponders in use is refused (-3).
int readTransponder(const ChannelDatabase& db, Messages& messages, int index, st_ts& out);
// The table index of the first satellite with key `satId`.
int readSatelliteIndex(const ChannelDatabase& db, Messages& messages, int satId, int& outIndex);
// The provider at `index` (in use).
int readProvider(const ChannelDatabase& db, Messages& messages, int index);

}  // namespace vizud
