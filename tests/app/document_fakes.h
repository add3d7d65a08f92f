// Scripted stand-ins for the document's surroundings: file choosers that answer from a queue, a profile in
// memory, transfers that report what they were asked, and a host that records titles and refreshes; and a
// document over them in a temporary working folder (the configuration and programs.nfo are written there).
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/document_services.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud::test {

class ScriptedFiles : public FileChooser {
public:
    std::string chooseFileToOpen(const FileDialogRequest& request) override { return next(request); }
    std::string chooseFileToSave(const FileDialogRequest& request) override { return next(request); }

    std::deque<std::string> answers;  // empty string: the user cancels
    std::vector<FileDialogRequest> requests;

private:
    std::string next(const FileDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MemoryProfile : public Profile {
public:
    std::string readString(const std::string& section, const std::string& entry) const override {
        const auto it = values.find(section + "/" + entry);
        return it == values.end() ? std::string() : it->second;
    }
    void writeString(const std::string& section, const std::string& entry, const std::string& value) override {
        values[section + "/" + entry] = value;
    }
    std::map<std::string, std::string> values;
};

class FakeTransfers : public DocumentTransfers {
public:
    int download() override {
        ++downloads;
        return downloadResult;
    }
    int upload() override {
        ++uploads;
        return 0;
    }
    void upgrade(const std::string& path) override { upgrades.push_back(path); }
    std::string portProblem() override { return portAnswer; }

    std::string portAnswer;  // what the port check says; empty: the port opens
    int downloadResult = 0;
    int downloads = 0;
    int uploads = 0;
    std::vector<std::string> upgrades;
};

class RecordingHost : public DocumentHost {
public:
    void setDocumentTitle(const std::string& title) override { titles.push_back(title); }
    void updateAllViews() override { ++updates; }
    void addRecentFile(const std::string& path) override { recent.push_back(path); }
    void modifiedChanged(bool) override {}
    void removeRecentFile(const std::string& path) override { removedRecent.push_back(path); }
    void imageSwept() override { ++sweeps; }
    void downloaded(int programs) override { downloadedPrograms.push_back(programs); }
    UploadChoice askBeforeUpload(const std::vector<Finding>& findings) override {
        uploadFindings.push_back(findings.size());
        return uploadChoice;
    }
    void imageRepaired() override { ++repairs; }

    std::vector<std::string> titles;  // every title the window was given
    std::vector<std::string> removedRecent;
    std::vector<std::string> recent;
    std::vector<int> downloadedPrograms;
    int sweeps = 0;
    int updates = 0;
    UploadChoice uploadChoice = UploadChoice::AsItIs;
    std::vector<std::size_t> uploadFindings;  // the number of findings each upload showed
    int repairs = 0;
};

// Writes a consistent channel file of `programs` programs of which `tv` are TV; returns its path.
inline std::string channelFile(const TempDir& dir, const std::string& name, std::uint32_t seed, int programs = 120,
                               int tv = 70) {
    const auto image = makeImage(seed, ImageShape{.programs = programs, .tv = tv});
    writeFile(dir.file(name), image.get(), kImageSize);
    return dir.file(name);
}

// The image a save wrote to `path` (empty bytes when the file is not an image's size).
inline std::unique_ptr<all_tables_block> savedImage(const std::string& path) {
    const std::string bytes = readFile(path);
    auto image = std::make_unique<all_tables_block>();
    if (bytes.size() == kImageSize)
        std::memcpy(image.get(), bytes.data(), kImageSize);
    return image;
}

struct DocumentRig {
    DocumentRig() : chdir(dir.path()) {}

    std::string file(const std::string& name, std::uint32_t seed) { return channelFile(dir, name, seed); }
    // The document after a start without re-opening, with `path` opened through the Open command.
    void openThroughCommand(const std::string& path) {
        doc.construct();
        files.answers.push_back(path);
        doc.fileOpen();
        ASSERT_TRUE(doc.fileOpened());
        fx.messages.clear();
        host.recent.clear();
    }

    TempDir dir;
    ScopedChdir chdir;
    DatabaseFixture fx;
    ScriptedFiles files;
    MemoryProfile profile;
    FakeTransfers transfers;
    RecordingHost host;
    ConfigRecord config;
    DocumentCommands doc{fx.db, fx.messages, files, profile, transfers, host, config};
};

}  // namespace vizud::test
