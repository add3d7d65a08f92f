#include "app/window_picture.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtWidgets/QWidget>

namespace vizud {

QImage windowPicture(QWidget& window) {
    constexpr int kTitleHeight = 30;
    const QPixmap client = window.grab();
    QImage picture(client.width() + 2, client.height() + kTitleHeight + 1, QImage::Format_RGB32);
    picture.fill(QColor(70, 76, 88));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bar(0, 0, 0, kTitleHeight);
    bar.setColorAt(0, QColor(62, 68, 80));
    bar.setColorAt(1, QColor(44, 48, 58));
    painter.fillRect(QRect(0, 0, picture.width(), kTitleHeight), bar);
    const QIcon icon = window.windowIcon();
    if (!icon.isNull()) {
        painter.drawPixmap(8, 5, icon.pixmap(20, 20));
    }
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(235, 238, 244));
    // The title as a window manager shows it: Qt's "[*]" mark becomes "*" while there are unsaved changes.
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    painter.drawText(QRect(0, 0, picture.width(), kTitleHeight), Qt::AlignCenter, title);
    // The three buttons at the right end of the bar: minimise, maximise, close.
    painter.setPen(QPen(QColor(210, 214, 222), 1.6));
    const int right = picture.width() - 14;
    painter.drawLine(right - 64, 19, right - 54, 19);
    painter.drawRect(QRectF(right - 37, 10, 10, 10));
    painter.drawLine(right - 10, 10, right, 20);
    painter.drawLine(right, 10, right - 10, 20);
    painter.drawPixmap(1, kTitleHeight, client);
    return picture;
}

}  // namespace vizud
