// The vizud-cli commands. Each takes the arguments after its name and returns the process exit code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "database/channel_database.h"
#include "database/messages.h"

namespace vizud::cli {

int runInfo(const std::vector<std::string>& args);
int runDump(const std::vector<std::string>& args);
int runExport(const std::vector<std::string>& args);
int runSort(const std::vector<std::string>& args);
int runApplyOrder(const std::vector<std::string>& args);
int runCheck(const std::vector<std::string>& args);
int runDuplicates(const std::vector<std::string>& args);
int runDiff(const std::vector<std::string>& args);
int runDownload(const std::vector<std::string>& args);
int runUpload(const std::vector<std::string>& args);
int runUpgrade(const std::vector<std::string>& args);
int runImportTransponders(const std::vector<std::string>& args);

// Messages of the database shown on standard error; questions are answered with No/Cancel.
class StderrMessages : public Messages {
public:
    void show(const std::string& text, MessageIcon icon) override;
    MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
};

// A channel file loaded as the editor opens it (unused providers dropped), writing neither programs.nfo
// nor the configuration; null after the message on standard error.
struct LoadedFile {
    EditorState state;
    StderrMessages messages;
    ChannelDatabase database{state, messages};
};
std::unique_ptr<LoadedFile> loadChannelFile(const std::string& path);

// Writes the changed list to -o OUT, or over `path` after keeping its first original as FILE.bak; the
// exit code.
int writeBack(ChannelDatabase& db, const Arguments& parsed, const std::string& path);

// Writes `text` to standard output, or atomically to `out`; the exit code.
int writeOutput(const std::string& text, const std::string& out);

}  // namespace vizud::cli
