#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "app/document_commands.h"
#include "app/folder_memory.h"
#include "listtools/csv_export.h"
#include "tests/app/document_fakes.h"

namespace vizud {
namespace {

class DocumentTest : public ::testing::Test, public test::DocumentRig {};
using Rig = test::DocumentRig;

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
        ConfigRecord written{.options = c.options}, read;
        test::RecordingHost runHost;
        DocumentCommands document{run.db, run.messages, files, profile, transfers, runHost, read};
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

// ---- Open, Save, Save As, Export ---------------------------------------------------------------------------

// The ways a file comes in after the first Open: the Open command, a drop (of which only the first file is
// taken) and the recent-file menu.
using WayIn = void (*)(Rig&, const std::string& b);
const std::pair<const char*, WayIn> kWaysIn[] = {
    {"open", [](Rig& r, const std::string& b) { r.files.answers.push_back(b), r.doc.fileOpen(); }},
    {"drop",
     [](Rig& r, const std::string& b) {
         r.doc.dropFiles({b, r.dir.file("a.si")});
     }},
    {"recent", [](Rig& r, const std::string& b) { r.doc.openRecentFile(b); }},
};

// Open, a dropped file, a recent file and Download first ask about unsaved edits: Cancel keeps them, No
// drops them, Yes saves them to the file first. Going on replaces the image: the clipboard is emptied (its
// indices name the records of the old image) and the new names, recent list and views follow.
TEST(ReplacingTheImage, AsksAboutUnsavedEditsFirst) {
    struct Case {
        std::pair<const char*, WayIn> way;
        const char* question;
        const char* title;      // after going on
        bool recent, modified;  // after going on: b.si joined the recent list; the image counts as modified
    };
    const std::pair<const char*, WayIn> download = {"download", [](Rig& r, const std::string&) { r.doc.download(); }};
    const Case cases[] = {
        {kWaysIn[0], "a.si not saved!\nSave it now?", "b.si", true, false},
        {kWaysIn[1], "a.si not saved!\nSave it now?", "b.si", true, false},
        {kWaysIn[2], "Save changes to a.si?", "b.si", true, false},
        {download, "a.si not saved!\nSave it now?", "Channel.si", false, true},
    };
    for (const Case& c : cases) {
        const auto& [command, run] = c.way;
        for (const auto& [answer, said] : {std::pair{MessageAnswer::Cancel, "Cancel"},
                                           std::pair{MessageAnswer::No, "No"}, std::pair{MessageAnswer::Yes, "Yes"}}) {
            SCOPED_TRACE(std::string(command) + " answered " + said);
            Rig r;
            const std::string a = r.file("a.si", 5), b = r.file("b.si", 6);
            r.openThroughCommand(a);
            const std::uint16_t onDisk = r.fx.image().programs[0].serviceId;
            r.fx.image().programs[0].serviceId = 4242;
            r.doc.setModifiedFlag(true);
            r.fx.state->programClipboard = new ProgramSnapshot;
            r.host.updates = 0;
            r.fx.messages.script(answer);
            run(r, b);
            const bool goesOn = answer != MessageAnswer::Cancel;
            EXPECT_EQ(r.fx.messages.asked, std::vector<std::string>{c.question});
            EXPECT_EQ(test::savedImage(a)->programs[0].serviceId, answer == MessageAnswer::Yes ? 4242 : onDisk);
            EXPECT_EQ(r.fx.state->programClipboard == nullptr, goesOn);
            EXPECT_EQ(r.doc.documentTitle(), goesOn ? c.title : "a.si");
            EXPECT_EQ(r.doc.isModified(), !goesOn || c.modified);
            EXPECT_EQ(r.host.recent, goesOn && c.recent ? std::vector<std::string>{b} : std::vector<std::string>{});
            EXPECT_EQ(r.host.updates, goesOn ? 1 : 0);
            EXPECT_EQ(r.transfers.downloads, goesOn && command == std::string("download") ? 1 : 0);
            if (!goesOn) {
                EXPECT_EQ(r.fx.image().programs[0].serviceId, 4242) << "Cancel keeps the unsaved edit";
                EXPECT_EQ(r.files.requests.size(), 1u) << "only the first Open showed a file dialog";
            }
        }
    }
}

// A file that does not open leaves the image, its names, the window's title and the modified state as they
// were, during its message boxes too, so a later Save writes the image still shown to its own file; a recent
// file that does not open leaves the list.
TEST_F(DocumentTest, FailedOpenKeepsTheNamesOfTheImageStillLoaded) {
    const std::string a = file("a.si", 7);
    openThroughCommand(a);
    EXPECT_EQ(files.requests[0].kind, "channel");
    const std::string shortFile = dir.file("short.si"), gone = dir.file("gone.si");
    test::writeFile(shortFile, "abc", 3);
    const std::vector<std::string> openFailed{"Open1", "Error: Open failed"};
    const std::pair<std::function<void()>, std::vector<std::string>> cases[] = {
        {[&] { files.answers.push_back(shortFile), doc.fileOpen(); },
         {"Error: Open failed2\nThe file has 3 bytes; a channel file has 721968.", "Error: Open failed"}},
        {[&] { EXPECT_FALSE(doc.openRecentFile(gone)); }, openFailed},
        {[&] { doc.dropFiles({gone}); }, openFailed},
    };
    doc.setModifiedFlag(true);
    for (const auto& [run, messages] : cases) {
        fx.messages.clear();
        host.titles.clear();
        fx.messages.script(MessageAnswer::No);  // the edits are not saved first
        run();
        EXPECT_EQ(fx.messages.texts(), messages);
        EXPECT_EQ(doc.names().fullPath, a);
        EXPECT_EQ(doc.documentTitle(), "a.si");
        EXPECT_TRUE(host.titles.empty()) << "the window never named the failed file: " << host.titles[0];
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(config.lastPathText(), a) << "the configuration names the file still loaded";
    }
    EXPECT_EQ(host.removedRecent, std::vector<std::string>{gone});
    ASSERT_TRUE(doc.fileSave());
    EXPECT_EQ(test::readFile(shortFile), "abc");
}

// The first overwrite of a session keeps the original as .bak; Export writes the list as CSV where the user says.
TEST_F(DocumentTest, TheFirstOverwriteOfASessionKeepsTheOriginalAsBakExportWritesCsv) {
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
    files.answers.push_back(dir.file("mine"));
    ASSERT_TRUE(doc.exportList());
    EXPECT_EQ(files.requests.back().initialName, "a.csv");
    EXPECT_EQ(files.requests.back().kind + " / " + files.requests.back().title, "csv / Export list");
    EXPECT_TRUE(test::readFile(dir.file("mine.csv")) == exportCsv(fx.image()));
    files.answers.push_back(dir.file("no/such/folder/x.csv"));
    EXPECT_FALSE(doc.exportList());
    EXPECT_EQ(fx.messages.texts().back(), "The list could not be written:\n" + dir.file("no/such/folder/x.csv") +
                                              ": the folder " + dir.file("no/such/folder") + " does not exist");

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

// A downloaded image has no file: Save and Yes to the close question run Save As (a name typed without
// extension gets .si); once named, Save writes in place. A failed download after a good one leaves the
// image without a file again.
TEST_F(DocumentTest, SaveAndTheCloseQuestionAfterDownloadRunSaveAsThenSaveInPlace) {
    doc.construct();
    test::makeImage(fx.image(), 9, test::ImageShape{});
    doc.download();
    ASSERT_TRUE(doc.downloaded());
    EXPECT_TRUE(fx.state->treeRebuildRequest);
    EXPECT_EQ(host.downloadedPrograms, std::vector<int>{120}) << "the status bar counts the programs";
    fx.messages.script(MessageAnswer::Yes);  // save changes?  -> Save As, whose dialog is cancelled
    EXPECT_FALSE(doc.saveModified()) << "the window stays";
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{"Save changes to Channel.si?"});
    fx.messages.script(MessageAnswer::No);
    EXPECT_TRUE(doc.saveModified());

    files.answers.push_back(dir.file("fresh"));
    EXPECT_TRUE(doc.fileSave());
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].initialName, "*.si");
    EXPECT_EQ(files.requests[1].initialName, "*.si");
    EXPECT_EQ(test::readFile(dir.file("fresh.si")).size(), kImageSize);
    EXPECT_FALSE(doc.downloaded());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.documentTitle(), "fresh");
    EXPECT_EQ(host.recent, std::vector<std::string>{dir.file("fresh.si")});
    EXPECT_EQ(config.lastPathText(), dir.file("fresh.si"));
    doc.setModifiedFlag(true);
    EXPECT_TRUE(doc.fileSave());
    EXPECT_EQ(files.requests.size(), 2u) << "the second Save writes in place";

    doc.download();
    transfers.downloadResult = -1;
    fx.messages.script(MessageAnswer::No);  // not saved first
    doc.download();
    ASSERT_TRUE(doc.fileOpened());
    ASSERT_FALSE(doc.downloaded());
    files.answers.push_back(dir.file("named.si"));
    EXPECT_TRUE(doc.fileSave());
    EXPECT_EQ(files.requests.size(), 3u);
    EXPECT_EQ(test::readFile(dir.file("named.si")).size(), kImageSize);
}

// A file opened after a download, by any of the ways in, is the image's file: Save writes it in place.
TEST(OpenAfterDownload, SaveWritesTheOpenedFileInPlace) {
    for (const auto& [way, open] : kWaysIn) {
        SCOPED_TRACE(way);
        Rig r;
        const std::string b = r.file("b.si", 3);
        r.doc.construct();
        r.doc.download();
        r.fx.messages.script(MessageAnswer::No);  // the downloaded image is not saved first
        open(r, b);
        const std::size_t dialogs = r.files.requests.size();
        r.fx.image().programs[0].serviceId = 4242;
        ASSERT_TRUE(r.doc.fileSave());
        EXPECT_EQ(r.files.requests.size(), dialogs) << "no name is asked for";
        EXPECT_EQ(test::savedImage(b)->programs[0].serviceId, 4242);
    }
}

// Save As asks before replacing a file and keeps the names when it fails. New keeps the image and its names,
// clears the modified flag and shows the title without extension.
TEST_F(DocumentTest, SaveAsAsksBeforeReplacingAnExistingFileAndKeepsTheNamesWhenItFailsNewKeepsThem) {
    const std::string a = file("a.si", 10);
    openThroughCommand(a);
    const std::string other = dir.file("other.si");
    test::writeFile(other, "keep", 4);
    files.answers = {"", other, dir.file("no/such/folder/x.si"), other};
    EXPECT_FALSE(doc.fileSaveAs()) << "the name dialog cancelled";
    fx.messages.script(MessageAnswer::No);
    EXPECT_FALSE(doc.fileSaveAs());
    EXPECT_EQ(fx.messages.asked, std::vector<std::string>{other + " already exists.\nDo you want to replace it?"});
    EXPECT_EQ(test::readFile(other), "keep");

    EXPECT_FALSE(doc.fileSaveAs());
    EXPECT_EQ(fx.messages.texts(),
              std::vector<std::string>{"Error: Save failed!\n" + dir.file("no/such/folder/x.si") + ": the folder " +
                                       dir.file("no/such/folder") + " does not exist"});
    EXPECT_EQ(doc.names().fullPath, a);
    EXPECT_EQ(doc.documentTitle(), "a.si");

    fx.messages.script(MessageAnswer::Yes);
    EXPECT_TRUE(doc.fileSaveAs());
    EXPECT_EQ(test::readFile(other).size(), kImageSize);
    EXPECT_EQ(doc.names().fullPath, other);

    doc.setModifiedFlag(true);
    fx.messages.script(MessageAnswer::No);
    EXPECT_TRUE(doc.fileNew());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.names().fullPath, other);
    EXPECT_EQ(doc.documentTitle(), "other");
}

// ---- Transfers ---------------------------------------------------------------------------------------------

// Upload warns first; Yes removes the unused providers and sends, No sends nothing. A list with problems is
// shown before it is sent: Cancel sends nothing, Upload as it is sends it unchanged, Repair and upload
// repairs it (an edit of its own) and sends the repaired list. A sound list asks nothing.
TEST_F(DocumentTest, UploadWarnsShowsTheListsProblemsThenRemovesUnusedProvidersAndSends) {
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

    const std::pair<UploadChoice, int> cases[] = {
        {UploadChoice::Cancel, 0}, {UploadChoice::AsItIs, 1}, {UploadChoice::RepairFirst, 1}};
    for (const auto& [choice, sent] : cases) {
        const int uploads = transfers.uploads;
        fx.image().favourites[0].favEntries[0] = 19999;  // names no program
        host.uploadChoice = choice;
        fx.messages.script(MessageAnswer::Yes);
        doc.upload();
        EXPECT_EQ(transfers.uploads - uploads, sent);
        EXPECT_EQ(fx.image().favourites[0].favEntries[0] == 19999, choice != UploadChoice::RepairFirst);
    }
    EXPECT_EQ(host.repairs, 1);
    fx.messages.script(MessageAnswer::Yes);
    doc.upload();
    EXPECT_EQ(host.uploadFindings, (std::vector<std::size_t>{1, 1, 1})) << "a sound list is sent without the question";
}

// A port that cannot be opened is told before any question or file dialog, and nothing is sent. Once it
// opens, Upgrade remembers the software file in the profile.
TEST_F(DocumentTest, APortThatDoesNotOpenIsToldFirstUpgradeRemembersTheSoftwareFile) {
    const std::pair<const char*, void (DocumentCommands::*)()> commands[] = {{"download", &DocumentCommands::download},
                                                                             {"upload", &DocumentCommands::upload},
                                                                             {"upgrade", &DocumentCommands::upgrade}};
    openThroughCommand(file("a.si", 21));
    doc.setModifiedFlag(true);
    transfers.portAnswer = "Can not open port COM1\n/dev/ttyS0: No such file or directory";
    for (const auto& [name, command] : commands) {
        fx.messages.clear();
        (doc.*command)();
        EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{transfers.portAnswer}) << name;
        EXPECT_TRUE(fx.messages.asked.empty()) << name;
    }
    EXPECT_EQ(files.requests.size(), 1u) << "only the first Open showed a file dialog";
    EXPECT_EQ(transfers.downloads + transfers.uploads + static_cast<int>(transfers.upgrades.size()), 0);
    EXPECT_TRUE(doc.isModified());

    transfers.portAnswer.clear();
    profile.values["Binary_File_Section/Item_1"] = std::string(400, 'x');
    doc.upgrade();  // cancelled
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[1].initialName.size(), 300u);
    EXPECT_EQ(files.requests[1].kind, "software");
    EXPECT_TRUE(transfers.upgrades.empty());

    files.answers.push_back("/boxes/new.dlp");
    doc.upgrade();
    EXPECT_EQ(profile.values["Binary_File_Section/Item_1"], "/boxes/new.dlp");
    EXPECT_EQ(transfers.upgrades, std::vector<std::string>{"/boxes/new.dlp"});
}

// Each kind of file starts its dialog in the folder of the last file chosen for that kind; a cancelled
// dialog leaves the folder as it was.
TEST(FolderMemory, EachKindStartsInTheFolderLastChosenForIt) {
    test::ScriptedFiles dialogs;
    test::MemoryProfile profile;
    FolderMemory files(dialogs, profile);
    const struct {
        const char* kind;
        const char* answer;
        const char* startedIn;
    } steps[] = {
        {"channel", "/boxes/lists/a.si", ""}, {"csv", "/sheets/a.csv", ""},        {"channel", "", "/boxes/lists"},
        {"channel", "/b.si", "/boxes/lists"}, {"csv", "/sheets/b.csv", "/sheets"}, {"channel", "/c.si", "/"},
    };
    bool save = false;
    for (const auto& step : steps) {
        dialogs.answers.push_back(step.answer);
        const FileDialogRequest request{"", "", "", step.kind, {}, {}};
        EXPECT_EQ(save ? files.chooseFileToSave(request) : files.chooseFileToOpen(request), step.answer);
        EXPECT_EQ(dialogs.requests.back().folder, step.startedIn) << step.kind << " " << step.answer;
        save = !save;
    }
}

TEST(DefaultExtension, OnlyNamesWithoutExtensionGetIt) {
    EXPECT_EQ(withDefaultExtension("/a/b", "si"), "/a/b.si");
    EXPECT_EQ(withDefaultExtension("/a/b.SI", "si"), "/a/b.SI");
    EXPECT_EQ(withDefaultExtension("/a.d/b", "si"), "/a.d/b.si");
    EXPECT_EQ(withDefaultExtension("/a/b", ""), "/a/b");
}

}  // namespace
}  // namespace vizud
