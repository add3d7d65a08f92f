// The start-up picture: a 640 x 480 picture shown modally while the main window is created; it closes
// itself after 1700 ms.
#pragma once

#include <QtWidgets/QDialog>

namespace vizud {

inline constexpr int kStartupPictureMs = 1700;

class StartupPicture : public QDialog {
    Q_OBJECT

public:
    explicit StartupPicture(QWidget* parent = nullptr, int showMs = kStartupPictureMs);
};

}  // namespace vizud
