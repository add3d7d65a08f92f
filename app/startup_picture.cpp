#include "app/startup_picture.h"

#include <QtCore/QTimer>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace vizud {

StartupPicture::StartupPicture(QWidget* parent, int showMs)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("startupPicture");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(":/images/startup.png"));
    layout->addWidget(picture);
    setFixedSize(640, 480);
    QTimer::singleShot(showMs, this, &QDialog::accept);
}

}  // namespace vizud
