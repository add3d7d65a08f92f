// The toolbar's pictures: three strips (normal, hot, disabled) of 30-pixel buttons on a white background.
// White is the transparent colour, so it is never drawn.
#pragma once

#include <QtGui/QIcon>
#include <QtGui/QImage>

namespace vizud {

inline constexpr int kToolbarButtonSize = 30;

// The strip's image with every pure white pixel made transparent.
QImage withWhiteTransparent(const QImage& strip);
// The icon of button `index` (0-based among the buttons, separators not counted), with the hot look for the
// active mode and the disabled look for the disabled mode. A null icon when the strips lack the button.
QIcon toolbarIcon(int index);

}  // namespace vizud
