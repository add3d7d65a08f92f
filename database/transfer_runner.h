// How ChannelDatabase::download and upload run a transfer with the box without knowing who shows it: the
// editor runs it behind its modal transfer dialog, the command-line tool with a progress display, tests
// directly. The runner returns only after the transfer's worker has ended, so a downloaded image is
// completely in place when run() returns Ok.
#pragma once

#include <string>

namespace vizud {

enum class TransferMode : int { Download = 1, Upload = 2, Upgrade = 3 };
enum class TransferEnd { Ok, Cancel };

class TransferRunner {
public:
    virtual ~TransferRunner() = default;
    // Runs one transfer; `path` is the .dlp file of an upgrade and empty otherwise. Ok only when the
    // transfer completed (the image arrived, or the box took the whole image).
    virtual TransferEnd run(TransferMode mode, const std::string& path) = 0;
};

}  // namespace vizud
