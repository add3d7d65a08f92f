// The backup a save leaves beside a channel file: the first time the editor overwrites a file in a
// session, the file's previous content is kept as NAME.bak. An existing backup is never overwritten, so
// the first original survives every later save.
#pragma once

#include <set>
#include <string>

namespace vizud {

class FileBackups {
public:
    // Makes sure `path`'s previous content is kept before it is overwritten. "" when the save may go on
    // (backup written, already there, or nothing to keep); else the message saying why it may not.
    std::string keepBeforeOverwrite(const std::string& path);

    static std::string backupPath(const std::string& path) { return path + ".bak"; }

private:
    std::set<std::string> m_kept;  // files whose backup this session has seen to
};

}  // namespace vizud
