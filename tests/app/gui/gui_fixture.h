// The editor's document and main window over a test's own state: scripted messages and file choosers, a
// profile in a temporary INI file, fake transfers, and the working folder changed to a temporary one (the
// configuration and programs.nfo are written there).
#pragma once

#include <QtWidgets/QApplication>

#include <memory>

#include "app/editor_document.h"
#include "app/main_frame.h"
#include "app/settings_store.h"
#include "tests/app/document_fakes.h"

namespace vizud::test {

class GuiFixture {
public:
    GuiFixture() : chdir(dir.path()) {}
    ~GuiFixture() { frame.reset(); }

    // Writes a channel file with `programs` programs of which `tv` are TV; returns its path.
    std::string channelFile(const std::string& name, std::uint32_t seed, int programs = 30, int tv = 20) {
        return test::channelFile(dir, name, seed, programs, tv);
    }

    static std::unique_ptr<all_tables_block> savedImage(const std::string& path) { return test::savedImage(path); }

    // Constructs the document (reading veravaravo.cfg in the temporary folder) and the main window.
    CMainFrame& start() {
        doc.commands().construct();
        doc.commands().newDocument();
        frame = std::make_unique<CMainFrame>(doc);
        settle();
        return *frame;
    }

    // Lets queued events and the idle update run.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    TempDir dir;
    ScopedChdir chdir;
    DatabaseFixture fx;
    ScriptedFiles files;
    SettingsStore settings{QString::fromStdString(dir.file("profile.ini"))};
    FakeTransfers transfers;
    ConfigRecord config;
    CViz_ud_app_17Doc doc{fx.db, fx.messages, files, settings, transfers, config};
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace vizud::test
