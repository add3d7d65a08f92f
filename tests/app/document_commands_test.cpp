#include <gtest/gtest.h>

#include <cstring>

#include "app/document_commands.h"
#include "listtools/csv_export.h"
#include "tests/app/document_fakes.h"

namespace vizud {
namespace {

class DocumentTest : public ::testing::Test, public test::DocumentRig {
protected:
    const std::vector<std::string> openFailed{"Open1", "Error: Open failed"};
};

// ---- Start-up ----------------------------------------------------------------------------------------------

TEST_F(DocumentTest, StartReopensTheLastFileOnlyWhenTheConfigurationSaysSo) {
    struct Case {
        std::uint8_t options;
        std::string lastPath;
        bool opened;
        const char* title;  // names().title
        std::vector<std::string> messages;
    };
    const std::string my = file("my.list.si", 2);
    const Case cases[] = {
        {0, my, false, "Channel", {}},
        {kOptionReopenLast, "", false, "Channel", {}},
        {kOptionReopenLast, my, true, "my", {}},
        {kOptionReopenLast, dir.file("gone.si"), false, "Untitled", {"Open1", "Open last edited failed"}},
    };
    for (const Case& c : cases) {
        test::DatabaseFixture run;
        ConfigRecord written, read;
        test::RecordingHost runHost;
        DocumentCommands document{run.db, run.messages, files, profile, transfers, runHost, read};
        written.options = c.options;
        written.setLastPath(c.lastPath);
        ASSERT_TRUE(saveConfiguration(written));
        document.construct();
        EXPECT_EQ(document.fileOpened(), c.opened) << c.lastPath;
        EXPECT_EQ(run.db.isLoaded() != 0, c.opened);
        EXPECT_EQ(document.names().title, c.title);
        EXPECT_EQ(read.lastPathText(), c.lastPath) << "the configuration is read whether or not it is acted on";
        EXPECT_EQ(run.messages.texts(), c.messages);
        EXPECT_EQ(run.state->treeRebuildRequest, c.opened);
        EXPECT_EQ(document.documentTitle(), c.opened ? "my" : "");
        if (c.opened) {
            EXPECT_EQ(document.names().fileName, "my.list.si");
            EXPECT_TRUE(test::fileExists(dir.file("programs.nfo")));
        }
    }
}

// ---- Commands with nothing loaded --------------------------------------------------------------------------

TEST_F(DocumentTest, CommandsWithNothingLoadedSaySoAndDoNothing) {
    doc.construct();
    EXPECT_FALSE(doc.exportList());
    EXPECT_FALSE(doc.fileSave());
    doc.upload();
    EXPECT_EQ(fx.messages.texts(),
              (std::vector<std::string>{"Nothing to export!", "Nothing to save!", "No document opened or downloaded"}));
    EXPECT_TRUE(fx.messages.asked.empty());
    EXPECT_TRUE(files.requests.empty());
    EXPECT_EQ(transfers.uploads, 0);
}

// ---- Open, Save, Save As, Export ---------------------------------------------------------------------------

TEST_F(DocumentTest, OpenLoadsNamesAndEmptiesTheClipboard) {
    doc.construct();
    fx.state->programClipboard = new ProgramSnapshot;
    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::No);
    const std::string hotbird = file("hotbird.si", 3);
    files.answers.push_back(hotbird);
    doc.fileOpen();
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{"Channel.si not saved!\nSave it now?"});
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, "Channel data (*.si)|*.si|All Files (*.*)|*.*||");
    EXPECT_TRUE(doc.fileOpened());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.documentTitle(), "hotbird.si");
    EXPECT_EQ(fx.state->programClipboard, nullptr);
    EXPECT_EQ(host.recent, std::vector<std::string>{hotbird});
    EXPECT_EQ(host.updates, 1);
}

TEST_F(DocumentTest, SaveFirstCancelEndsOpenBeforeTheDialogAndYesWritesBeforeOpening) {
    const std::string a = file("a.si", 5);
    openThroughCommand(a);
    fx.image().programs[0].serviceId = 4242;
    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::Cancel);
    doc.fileOpen();
    EXPECT_EQ(files.requests.size(), 1u) << "only the first Open showed a file dialog";
    EXPECT_TRUE(doc.isModified());

    fx.messages.script(MessageAnswer::Yes);
    files.answers.push_back(file("b.si", 6));
    doc.fileOpen();
    all_tables_block saved{};
    const std::string bytes = test::readFile(a);
    ASSERT_EQ(bytes.size(), kImageSize);
    std::memcpy(&saved, bytes.data(), kImageSize);
    EXPECT_EQ(saved.programs[0].serviceId, 4242);
    EXPECT_EQ(doc.names().fileName, "b.si");
}

TEST_F(DocumentTest, FailedOpenKeepsTheNamesOfTheImageStillLoaded) {
    const std::string a = file("a.si", 7);
    openThroughCommand(a);
    const std::string shortFile = dir.file("short.si");
    test::writeFile(shortFile, "abc", 3);
    files.answers.push_back(shortFile);
    doc.fileOpen();
    EXPECT_EQ(fx.messages.texts(), (std::vector<std::string>{"Error: Open failed2", "Error: Open failed"}));
    EXPECT_EQ(doc.names().fullPath, a);
    EXPECT_EQ(doc.documentTitle(), "a.si");
    EXPECT_EQ(config.lastPathText(), a) << "the configuration names the file still loaded";
    ASSERT_TRUE(doc.fileSave());
    EXPECT_EQ(test::readFile(shortFile), "abc") << "Save must not write the old image over the failed file";
}

TEST_F(DocumentTest, TheFirstOverwriteOfASessionKeepsTheOriginalAsBak) {
    const std::string a = file("a.si", 8);
    const std::string original = test::readFile(a);
    openThroughCommand(a);
    for (int save = 0; save < 2; ++save) {
        fx.image().programs[0].serviceId = static_cast<std::uint16_t>(1000 + save);
        doc.setModifiedFlag(true);
        ASSERT_TRUE(doc.fileSave());
        EXPECT_FALSE(doc.isModified());
        EXPECT_EQ(files.requests.size(), 1u) << "no dialog for a plain save";
        EXPECT_EQ(test::readFile(a + ".bak"), original) << "save " << save << ": the first original stays";
    }
    EXPECT_NE(test::readFile(a), original);

    // A backup that cannot be written (its temporary name is too long here) stops the save.
    const std::string b = file(std::string(245, 'b') + ".si", 9);
    const std::string before = test::readFile(b);
    openThroughCommand(b);
    fx.image().programs[0].serviceId = 7;
    EXPECT_FALSE(doc.fileSave());
    ASSERT_EQ(fx.messages.texts().size(), 1u);
    EXPECT_NE(fx.messages.texts()[0].find("could not be written"), std::string::npos);
    EXPECT_EQ(test::readFile(b), before) << "nothing saved";
}

TEST_F(DocumentTest, ExportWritesTheListAsCsvWhereTheUserSays) {
    openThroughCommand(file("a.si", 8));
    files.answers.push_back(dir.file("mine"));
    ASSERT_TRUE(doc.exportList());
    EXPECT_EQ(files.requests.back().initialName, "a.csv");
    EXPECT_TRUE(test::readFile(dir.file("mine.csv")) == exportCsv(fx.image()));
    files.answers.push_back(dir.file("no/such/folder/x.csv"));
    EXPECT_FALSE(doc.exportList());
    EXPECT_EQ(fx.messages.texts().back(), "The list could not be written:\n" + dir.file("no/such/folder/x.csv") +
                                              ": the folder " + dir.file("no/such/folder") + " does not exist");
}

TEST_F(DocumentTest, SaveAndTheCloseQuestionAfterDownloadRunSaveAsThenSaveInPlace) {
    doc.construct();
    test::makeImage(fx.image(), 9, test::ImageShape{});
    doc.download();
    ASSERT_TRUE(doc.downloaded());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.documentTitle(), "Channel.si");
    EXPECT_TRUE(fx.state->treeRebuildRequest);
    fx.messages.script(MessageAnswer::Yes);  // save changes?  -> Save As, whose dialog is cancelled
    EXPECT_FALSE(doc.saveModified()) << "the window stays";
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{"Save changes to Channel.si?"});
    fx.messages.script(MessageAnswer::No);
    EXPECT_TRUE(doc.saveModified());

    files.answers.push_back(dir.file("fresh"));  // a new name, typed without extension
    EXPECT_TRUE(doc.fileSave());
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].initialName, "*.si");
    EXPECT_EQ(files.requests[1].initialName, "*.si");
    EXPECT_EQ(test::readFile(dir.file("fresh.si")).size(), kImageSize);
    EXPECT_FALSE(doc.downloaded());
    EXPECT_TRUE(doc.fileOpened());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.documentTitle(), "fresh");
    EXPECT_EQ(host.recent, std::vector<std::string>{dir.file("fresh.si")});
    EXPECT_EQ(config.lastPathText(), dir.file("fresh.si"));

    doc.setModifiedFlag(true);
    EXPECT_TRUE(doc.fileSave());
    EXPECT_EQ(files.requests.size(), 2u) << "the second Save writes in place";
}

TEST_F(DocumentTest, SaveAsAsksBeforeReplacingAnExistingFileAndKeepsTheNamesWhenItFails) {
    const std::string a = file("a.si", 10);
    openThroughCommand(a);
    doc.setModifiedFlag(true);
    EXPECT_FALSE(doc.fileSaveAs()) << "the name dialog cancelled";
    EXPECT_TRUE(doc.isModified());
    const std::string other = dir.file("other.si");
    test::writeFile(other, "keep", 4);
    files.answers.push_back(other);
    fx.messages.script(MessageAnswer::No);
    EXPECT_FALSE(doc.fileSaveAs());
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{other + " already exists.\nDo you want to replace it?"});
    EXPECT_EQ(test::readFile(other), "keep");
    EXPECT_EQ(doc.names().fileName, "a.si");

    files.answers.push_back(dir.file("no/such/folder/x.si"));
    EXPECT_FALSE(doc.fileSaveAs());
    EXPECT_EQ(fx.messages.texts(),
              std::vector<std::string>{"Error: Save failed!\n" + dir.file("no/such/folder/x.si") + ": the folder " +
                                       dir.file("no/such/folder") + " does not exist"});
    EXPECT_EQ(doc.names().fullPath, a);
    EXPECT_EQ(doc.documentTitle(), "a.si");

    files.answers.push_back(other);
    fx.messages.script(MessageAnswer::Yes);
    EXPECT_TRUE(doc.fileSaveAs());
    EXPECT_EQ(test::readFile(other).size(), kImageSize);
    EXPECT_EQ(doc.names().fullPath, other);
}

// ---- Framework questions: New, recent and dropped files ---------------------------------------------

TEST_F(DocumentTest, NewKeepsImageAndNamesButClearsModified) {
    const std::string a = file("a.si", 14);
    openThroughCommand(a);
    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::No);
    EXPECT_TRUE(doc.fileNew());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.fileOpened());
    EXPECT_EQ(doc.names().fullPath, a);
    EXPECT_EQ(doc.documentTitle(), "a");
}

TEST_F(DocumentTest, ARecentFileOpensWithItsNameOrLeavesTheList) {
    doc.construct();
    const std::string b = file("b.si", 15);
    fx.state->programClipboard = new ProgramSnapshot;
    EXPECT_TRUE(doc.openRecentFile(b));
    EXPECT_EQ(fx.state->programClipboard, nullptr) << "its indices named the records of the old image";
    EXPECT_EQ(doc.documentTitle(), "b.si");
    EXPECT_EQ(host.recent, std::vector<std::string>{b});
    EXPECT_FALSE(doc.openRecentFile(dir.file("gone.si")));
    EXPECT_EQ(fx.messages.texts(), openFailed);
    EXPECT_EQ(doc.names().fullPath, b);
    EXPECT_EQ(host.removedRecent, std::vector<std::string>{dir.file("gone.si")});
}

TEST_F(DocumentTest, DroppedFileOnModifiedImageAsksFirst) {
    const std::string a = file("a.si", 16);
    openThroughCommand(a);
    fx.image().programs[0].serviceId = 777;
    doc.setModifiedFlag(true);
    const std::string b = file("b.si", 17);

    fx.messages.script(MessageAnswer::Cancel);
    doc.dropFiles({b, a});
    EXPECT_EQ(fx.messages.asked.size(), 1u);
    EXPECT_EQ(fx.image().programs[0].serviceId, 777) << "Cancel keeps the unsaved edit";
    EXPECT_TRUE(doc.isModified());

    fx.messages.script(MessageAnswer::No);
    fx.state->programClipboard = new ProgramSnapshot;
    doc.dropFiles({b, a});
    EXPECT_EQ(fx.state->programClipboard, nullptr);
    EXPECT_EQ(doc.names().fullPath, b) << "only the first dropped file is taken";
    EXPECT_EQ(doc.documentTitle(), "b.si");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(host.recent, std::vector<std::string>{b});

    fx.messages.clear();
    doc.dropFiles({dir.file("gone.si")});
    EXPECT_EQ(fx.messages.texts(), openFailed);
    EXPECT_EQ(doc.names().fullPath, b);
}

// ---- Transfers ---------------------------------------------------------------------------------------------

TEST_F(DocumentTest, DownloadAsksToSaveFirstAndAFailedOneClearsTheFlagSoSaveAsksForAName) {
    openThroughCommand(file("a.si", 21));
    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::Cancel);
    doc.download();
    EXPECT_EQ(transfers.downloads, 0);
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{"a.si not saved!\nSave it now?"});

    fx.messages.script(MessageAnswer::No);
    fx.state->programClipboard = new ProgramSnapshot;
    doc.download();
    ASSERT_TRUE(doc.downloaded());
    EXPECT_EQ(fx.state->programClipboard, nullptr);
    transfers.downloadResult = -1;
    fx.messages.script(MessageAnswer::No);  // not saved first
    doc.download();
    ASSERT_TRUE(doc.fileOpened());
    ASSERT_FALSE(doc.downloaded());
    files.answers.push_back(dir.file("named.si"));
    EXPECT_TRUE(doc.fileSave());
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_EQ(test::readFile(dir.file("named.si")).size(), kImageSize);
}

TEST_F(DocumentTest, UploadWarnsThenRemovesUnusedProvidersAndSends) {
    openThroughCommand(file("a.si", 20));
    fx.messages.script(MessageAnswer::Yes);
    doc.upload();
    EXPECT_EQ(host.sweeps, 0) << "nothing to sweep: no edit";
    fx.build.provider("nobody uses me");
    const auto providersBefore = fx.image().providerCount;
    fx.messages.script(MessageAnswer::No);
    doc.upload();
    EXPECT_EQ(transfers.uploads, 1) << "No sends nothing";
    EXPECT_EQ(fx.image().providerCount, providersBefore);

    fx.messages.script(MessageAnswer::Yes);
    doc.upload();
    EXPECT_EQ(transfers.uploads, 2);
    EXPECT_EQ(fx.image().providerCount, providersBefore - 1);
    EXPECT_EQ(host.sweeps, 1);
    EXPECT_EQ(fx.messages.asked.back(),
              "Warning: This operation will overwrite database in Your receiver\nDo You wish to continue?");
    EXPECT_FALSE(doc.isModified()) << "an upload does not touch the modified state";
}

TEST_F(DocumentTest, UpgradeRemembersTheSoftwareFileInTheProfile) {
    doc.construct();
    profile.values["Binary_File_Section/Item_1"] = std::string(400, 'x');
    doc.upgrade();  // cancelled
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].initialName.size(), 300u);
    EXPECT_EQ(files.requests[0].filter, "S/W File (*.dlp)|*.dlp|All Files (*.*)|*.*||");
    EXPECT_TRUE(transfers.upgrades.empty());

    files.answers.push_back("/boxes/new.dlp");
    doc.upgrade();
    EXPECT_EQ(profile.values["Binary_File_Section/Item_1"], "/boxes/new.dlp");
    EXPECT_EQ(transfers.upgrades, std::vector<std::string>{"/boxes/new.dlp"});
}

TEST(DefaultExtension, OnlyNamesWithoutExtensionGetIt) {
    EXPECT_EQ(withDefaultExtension("/a/b", "si"), "/a/b.si");
    EXPECT_EQ(withDefaultExtension("/a/b.SI", "si"), "/a/b.SI");
    EXPECT_EQ(withDefaultExtension("/a.d/b", "si"), "/a.d/b.si");
    EXPECT_EQ(withDefaultExtension("/a/b", ""), "/a/b");
}

}  // namespace
}  // namespace vizud
