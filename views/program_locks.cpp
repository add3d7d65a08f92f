#include "views/program_locks.h"

#include "database/image_access.h"

namespace vizud {
namespace {

bool changes(const all_tables_block& img, int program, bool lock) {
    if (program < 0 || program >= programCount(img))
        return false;
    return ((img.programs[program].programFlags & kProgramLockedFlag) != 0) != lock;
}

}  // namespace

LockEdit setProgramsLocked(ChannelDatabase& db, const std::vector<int>& programs, bool lock) {
    LockEdit edit;
    all_tables_block& img = db.image();
    for (const int program : programs) {
        if (!changes(img, program, lock))
            continue;
        std::uint16_t& flags = img.programs[program].programFlags;
        flags = static_cast<std::uint16_t>(lock ? flags | kProgramLockedFlag : flags & ~kProgramLockedFlag);
        ++edit.programs;
    }
    if (edit.programs == 0)
        return edit;
    edit.changed = true;
    if (edit.programs == 1) {
        edit.stepName = lock ? "Lock 1 program" : "Unlock 1 program";
    } else {
        std::string text = lock ? "Lock %1 programs" : "Unlock %1 programs";
        edit.stepName = text.replace(text.find("%1"), 2, std::to_string(edit.programs));
    }
    return edit;
}

bool lockWouldChange(const all_tables_block& img, const std::vector<int>& programs, bool lock) {
    for (const int program : programs) {
        if (changes(img, program, lock))
            return true;
    }
    return false;
}

}  // namespace vizud
