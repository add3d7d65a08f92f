// The vizud-cli commands. Each takes the arguments after its name and returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "database/messages.h"

namespace vizud::cli {

int runInfo(const std::vector<std::string>& args);
int runDump(const std::vector<std::string>& args);
int runExport(const std::vector<std::string>& args);
int runDownload(const std::vector<std::string>& args);
int runUpload(const std::vector<std::string>& args);
int runUpgrade(const std::vector<std::string>& args);

// Messages of the database shown on standard error; questions are answered with No/Cancel.
class StderrMessages : public Messages {
public:
    void show(const std::string& text, MessageIcon icon) override;
    MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
};

}  // namespace vizud::cli
