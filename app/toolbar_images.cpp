#include "app/toolbar_images.h"

#include <QtGui/QPixmap>

namespace vizud {

QImage withWhiteTransparent(const QImage& strip) {
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) {
                line[x] = 0;
            }
        }
    }
    return image;
}

namespace {

enum class Look { Normal, Hot, Disabled };

const QImage& strip(Look look) {
    // Each strip is read and keyed once per run.
    static const QImage normal = withWhiteTransparent(QImage(":/images/toolbar_normal.png"));
    static const QImage hot = withWhiteTransparent(QImage(":/images/toolbar_hot.png"));
    static const QImage disabled = withWhiteTransparent(QImage(":/images/toolbar_disabled.png"));
    switch (look) {
        case Look::Hot:
            return hot;
        case Look::Disabled:
            return disabled;
        case Look::Normal:
            break;
    }
    return normal;
}

QPixmap button(const QImage& image, int index) {
    return QPixmap::fromImage(image.copy(index * kToolbarButtonSize, 0, kToolbarButtonSize, kToolbarButtonSize));
}

}  // namespace

QIcon toolbarIcon(int index) {
    const QImage& normal = strip(Look::Normal);
    if (index < 0 || (index + 1) * kToolbarButtonSize > normal.width()) {
        return {};
    }
    QIcon icon;
    icon.addPixmap(button(normal, index), QIcon::Normal);
    icon.addPixmap(button(strip(Look::Hot), index), QIcon::Active);
    icon.addPixmap(button(strip(Look::Disabled), index), QIcon::Disabled);
    return icon;
}

}  // namespace vizud
