// A picture of a top-level window as the desktop shows it: a title bar with the window's icon and title
// above the rendered window. Used by the screenshot mode, which also runs where no window manager draws.
#pragma once

#include <QtGui/QImage>

class QWidget;

namespace vizud {

QImage windowPicture(QWidget& window);

}  // namespace vizud
