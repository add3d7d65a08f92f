// Opens one edit dialog on a channel file, as the tree and the program list will, and reports what it did:
// for trying the dialogs by hand (under Xvfb too) before the views open them. Nothing is saved.
//
//   show_dialog FILE.si program|add INDEX      the program dialog (edit or add) at program INDEX
//   show_dialog FILE.si satellite NAME         the satellite dialog
//   show_dialog FILE.si tp-list|tp-list-add INDEX   the list's transponder dialog from program INDEX
//   show_dialog FILE.si tp-tree INDEX | tp-add SATID  the tree's transponder dialog
//   show_dialog FILE.si tp-delete INDEX        the transponder delete dialog
#include <QtCore/QLocale>
#include <QtCore/QTranslator>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/gui_messages.h"
#include "database/channel_database.h"
#include "dialogs/dialog_openers.h"
#include "dialogs/program_dialog_model.h"
#include "dialogs/transponder_fields.h"

int main(int argc, char** argv) {
    using namespace vizud;
    Q_INIT_RESOURCE(vizud);
    QApplication app(argc, argv);
    QTranslator own;
    if (own.load(QLocale(), "vizud", "_", ":/i18n"))
        QApplication::installTranslator(&own);
    if (argc != 4) {
        std::fprintf(stderr, "usage: show_dialog FILE.si DIALOG ARG\n");
        return 2;
    }
    auto state = std::make_unique<EditorState>();
    GuiMessages messages;
    ChannelDatabase db(*state, messages);
    db.setProgramsDumpPath({});
    if (db.load(argv[1]) != 0) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const std::string dialog = argv[2];
    const std::string arg = argv[3];
    const int number = std::atoi(argv[3]);
    DialogResult result = DialogResult::Cancel;
    if (dialog == "program" || dialog == "add")
        result =
            openProgramDialog(nullptr, db, messages, number, dialog == "add" ? kProgramDialogAdd : kProgramDialogEdit);
    else if (dialog == "satellite")
        result = openSatelliteDialog(nullptr, db, messages, QString::fromStdString(arg).toLatin1().toStdString());
    else if (dialog == "tp-list" || dialog == "tp-list-add")
        result = openTransponderListDialog(nullptr, db, messages, number,
                                           dialog == "tp-list" ? kTransponderEdit : kTransponderAdd);
    else if (dialog == "tp-tree" || dialog == "tp-add")
        result = openTransponderTreeDialog(nullptr, db, messages, number,
                                           dialog == "tp-tree" ? kTransponderEdit : kTransponderAdd);
    else if (dialog == "tp-delete")
        result = openTransponderDeleteDialog(nullptr, db, messages, number, 2);
    else {
        std::fprintf(stderr, "unknown dialog %s\n", dialog.c_str());
        return 2;
    }
    std::printf("%s; programs %d, transponders %d, providers %d; current frequency %d, added program %d\n",
                result == DialogResult::Ok ? "OK" : "Cancel", db.image().programCount, db.image().tpCount,
                db.image().providerCount, state->currentTpFrequency, state->addedProgramIndex);
    return 0;
}
