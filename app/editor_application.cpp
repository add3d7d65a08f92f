#include "app/editor_application.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QTranslator>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <memory>
#include <thread>

#include "app/editor_document.h"
#include "app/file_type_registration.h"
#include "app/kept_downloads.h"
#include "vizud_version.h"
#include "app/folder_memory.h"
#include "app/gui_file_chooser.h"
#include "app/gui_messages.h"
#include "app/gui_transfers.h"
#include "app/main_frame.h"
#include "app/settings_store.h"
#include "app/startup_picture.h"
#include "app/window_picture.h"
#include "database/program_snapshot.h"

namespace vizud {

namespace {

// The one editor state of the run: the image, what the browser shows, the clipboard.
EditorState& editorState() {
    static EditorState state;
    return state;
}

void installTranslations(QApplication& app) {
    auto* qtBase = new QTranslator(&app);
    if (qtBase->load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtBase);
    }
    // The installed catalogue (share/vizud/translations beside bin/) wins, so a corrected translation
    // needs no new build; the copy built into the program is there when none is installed.
    auto* own = new QTranslator(&app);
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/vizud/translations";
    if (own->load(QLocale(), "vizud", "_", installed) || own->load(QLocale(), "vizud", "_", ":/i18n")) {
        QApplication::installTranslator(own);
    }
}

// Registers the channel file type for the user. Runs beside the start, so the update programs never
// delay the window; the run waits for it only at its end.
std::thread startRegistration() {
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    QFile iconFile(":/images/vizud_48.png");
    std::string icon;
    if (iconFile.open(QIODevice::ReadOnly)) {
        icon = iconFile.readAll().toStdString();
    }
    return std::thread([program, icon] {
        const std::string dataHome = userDataHome();
        if (writeFileTypeRegistration(dataHome, program, icon)) {
            runRegistrationUpdates(dataHome);
        }
    });
}

// The screenshot mode runs without anyone to answer: messages go to standard error, questions get No.
class StderrMessages : public Messages {
public:
    void show(const std::string& text, MessageIcon /*icon*/) override {
        std::fprintf(stderr, "vizud: %s\n", text.c_str());
    }
    MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
        show(text, icon);
        return buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                                                          : MessageAnswer::Cancel;
    }
};

}  // namespace

int runEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("vizud");
    QApplication::setApplicationName("vizud");
    QApplication::setApplicationDisplayName("Diruriz Ezoviv for HD");
    QApplication::setApplicationVersion(kVersion);
    QApplication::setWindowIcon(QIcon(":/images/vizud_48.png"));
    installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription("Channel-list editor for a DVB-S satellite receiver.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot("screenshot", "Render the main window to OUT.png and exit.", "OUT.png");
    parser.addOption(screenshot);
    parser.addPositionalArgument("FILE.si", "Channel file to open.");
    parser.process(app);
    const bool screenshotMode = parser.isSet(screenshot);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "vizud: only one channel file can be opened\n");
        return 2;
    }

    std::thread registration = startRegistration();

    EditorState& state = editorState();
    ConfigRecord config;  // veravaravo.cfg: read by the document, written when the window closes
    GuiMessages boxes;
    StderrMessages printed;
    Messages& messages = screenshotMode ? static_cast<Messages&>(printed) : boxes;
    ChannelDatabase db(state, messages);
    if (screenshotMode) {
        db.setProgramsDumpPath({});  // a screenshot leaves no files in the working folder
    }
    SettingsStore settings;
    GuiFileChooser chooser;
    FolderMemory folders(chooser, settings);
    link::TransferSession session(state.image);
    SessionBackend backend(session, config, settings);
    DialogTransferRunner runner(backend, messages);
    GuiTransfers transfers(db, runner, backend);
    CViz_ud_app_17Doc doc(db, messages, folders, settings, transfers, config);
    doc.commands().construct();
    if (!screenshotMode)
        doc.commands().setKeptDownloadsFolder(keptDownloadsFolder());

    CMainFrame::Options options;
    if (screenshotMode) {
        options.configPath.clear();
    }
    auto frame = std::make_unique<CMainFrame>(doc, options);
    boxes.setParent(frame.get());
    chooser.setParent(frame.get());
    runner.setParent(frame.get());

    int status = 0;
    if (!screenshotMode) {
        StartupPicture picture(frame.get());
        picture.exec();
    }
    if (files.isEmpty()) {
        doc.commands().newDocument();
    }
    if (!files.isEmpty() &&
        !doc.commands().openDocument(QDir::current().absoluteFilePath(files.first()).toStdString())) {
        status = 1;
    } else if (screenshotMode) {
        frame->show();
        QApplication::processEvents();
        QApplication::processEvents();
        const QString out = parser.value(screenshot);
        if (!windowPicture(*frame).save(out, "PNG")) {
            std::fprintf(stderr, "vizud: cannot write %s\n", qPrintable(out));
            status = 1;
        }
    } else {
        frame->show();
        status = QApplication::exec();
    }
    frame.reset();  // writes the configuration
    freeSnapshotList(state.programClipboard);
    registration.join();
    return status;
}

}  // namespace vizud
