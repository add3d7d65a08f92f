#include "app/translated_texts.h"

#include <QtCore/QCoreApplication>

#include "app/user_texts.h"

namespace vizud {

QString translated(std::string_view text) {
    const std::string shown = translateText(text, [](const char* source) {
        const QString t = QCoreApplication::translate(kUserTextsContext, source);
        return t == QLatin1String(source) ? std::string() : t.toStdString();
    });
    return QString::fromStdString(shown);
}

}  // namespace vizud
