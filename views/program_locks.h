// Locking and unlocking many programs at once: the locked bit (bit 2 of programFlags) of every chosen
// program is set or cleared, in the table itself (a favourite list's rows name the table's programs).
// What it did comes back as a value for the document's one place for edits.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

inline constexpr std::uint16_t kProgramLockedFlag = 1u << 2;

struct LockEdit {
    bool changed = false;  // some program changed: hand `stepName` to the document
    int programs = 0;      // programs whose bit changed (those already in that state do not count)
    std::string stepName;  // "Lock 12 programs" / "Unlock 12 programs" (UTF-8)
};

// Locks (`lock`) or unlocks `programs` (indices in the program table; an index out of the table, or
// named twice, changes nothing more).
LockEdit setProgramsLocked(ChannelDatabase& db, const std::vector<int>& programs, bool lock);

// Whether setProgramsLocked would change any of `programs`: the command is offered only then.
bool lockWouldChange(const all_tables_block& img, const std::vector<int>& programs, bool lock);

}  // namespace vizud
