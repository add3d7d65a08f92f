// vizud: the channel-list editor.
#include <QtCore/QtGlobal>

#include "app/editor_application.h"

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(vizud);
    return vizud::runEditor(argc, argv);
}
