// A text of the Qt-free code as the window shows it: in the interface's language when the German
// catalogue is loaded and the text is one of its sources, as it stands otherwise.
#pragma once

#include <string_view>

#include <QtCore/QString>

namespace vizud {

QString translated(std::string_view text);

}  // namespace vizud
