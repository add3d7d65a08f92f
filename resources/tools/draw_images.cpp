// Draws the editor's pictures: the toolbar strips (normal, hot and disabled looks, 30 pixels per button,
// white as the transparent colour), the 640 x 480 start-up picture, the about box's two pictures and the
// application icon. Run once after changing a drawing; the PNG files it writes are kept in resources/images.
//
//   draw_images OUTPUT_FOLDER
#include <QtCore/QDir>
#include <QtCore/QRandomGenerator>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

enum class Look { Normal, Hot, Disabled };

constexpr int kButton = 30;

// Colours of a drawing in one of the three looks. Pure white is never returned: it is the transparent colour.
QColor tone(const QColor& colour, Look look) {
    QColor out = colour;
    if (look == Look::Hot) {
        out = colour.lighter(118);
        out.setHsv(out.hsvHue(), std::min(255, out.hsvSaturation() + 40), out.value(), out.alpha());
    } else if (look == Look::Disabled) {
        const int grey = 120 + qGray(colour.rgb()) / 3;
        out = QColor(grey, grey, grey, colour.alpha());
    }
    if (out.red() == 255 && out.green() == 255 && out.blue() == 255) {
        out = QColor(250, 250, 250, out.alpha());
    }
    return out;
}

struct Pen {
    Look look;
    QPen operator()(const QColor& c, qreal width = 1.2) const {
        return QPen(tone(c, look), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QBrush brush(const QColor& c) const { return QBrush(tone(c, look)); }
};

const QColor kOutline(40, 48, 64);

void arrow(QPainter& p, const Pen& pen, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(pen(colour, 3.0));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to + u * 3.5 << to - u * 2.5 + n * 4.5 << to - u * 2.5 - n * 4.5;
    p.setPen(pen(colour.darker(130), 1.0));
    p.setBrush(pen.brush(colour));
    p.drawPolygon(head);
}

void receiverBox(QPainter& p, const Pen& pen, QRectF r) {
    p.setPen(pen(kOutline));
    p.setBrush(pen.brush(QColor(60, 66, 80)));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pen.brush(QColor(40, 220, 90)));
    p.drawEllipse(QPointF(r.right() - 3.5, r.center().y()), 1.4, 1.4);
    p.setBrush(pen.brush(QColor(150, 200, 255)));
    p.drawRect(QRectF(r.left() + 3, r.center().y() - 1, 8, 2));
}

using Drawing = std::function<void(QPainter&, const Pen&)>;

std::vector<Drawing> toolbarDrawings() {
    std::vector<Drawing> d;
    d.push_back([](QPainter& p, const Pen& pen) {  // Open
        p.setPen(pen(QColor(150, 110, 20)));
        p.setBrush(pen.brush(QColor(240, 190, 60)));
        p.drawRect(QRectF(4, 8, 19, 15));
        p.drawRect(QRectF(4, 6, 8, 3));
        QPolygonF flap;
        flap << QPointF(7, 12) << QPointF(27, 12) << QPointF(23, 23) << QPointF(4, 23);
        p.setBrush(pen.brush(QColor(255, 215, 100)));
        p.drawPolygon(flap);
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Save
        p.setPen(pen(QColor(20, 40, 90)));
        p.setBrush(pen.brush(QColor(50, 90, 180)));
        p.drawRoundedRect(QRectF(5, 5, 20, 20), 2, 2);
        p.setBrush(pen.brush(QColor(235, 240, 245)));
        p.drawRect(QRectF(9, 5, 12, 8));
        p.setBrush(pen.brush(QColor(30, 50, 110)));
        p.drawRect(QRectF(17, 6.5, 2.5, 5));
        p.setBrush(pen.brush(QColor(200, 210, 225)));
        p.drawRect(QRectF(8, 16, 14, 9));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Print
        p.setPen(pen(kOutline));
        p.setBrush(pen.brush(QColor(245, 245, 240)));
        p.drawRect(QRectF(9, 4, 12, 9));
        p.setBrush(pen.brush(QColor(150, 155, 165)));
        p.drawRoundedRect(QRectF(4, 12, 22, 9), 2, 2);
        p.setBrush(pen.brush(QColor(245, 245, 240)));
        p.drawRect(QRectF(9, 18, 12, 8));
        p.setPen(pen(QColor(120, 120, 130), 1));
        p.drawLine(QPointF(11, 21), QPointF(19, 21));
        p.drawLine(QPointF(11, 23.5), QPointF(17, 23.5));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Delete
        p.setPen(pen(QColor(200, 30, 30), 4.2));
        p.drawLine(QPointF(8, 8), QPointF(22, 22));
        p.drawLine(QPointF(22, 8), QPointF(8, 22));
    });
    auto tvSet = [](QPainter& p, const Pen& pen, QRectF r) {
        p.setPen(pen(kOutline));
        p.setBrush(pen.brush(QColor(70, 70, 80)));
        p.drawRoundedRect(r, 2, 2);
        QLinearGradient screen(r.topLeft(), r.bottomRight());
        screen.setColorAt(0, tone(QColor(90, 170, 255), pen.look));
        screen.setColorAt(1, tone(QColor(20, 60, 170), pen.look));
        p.setBrush(screen);
        p.setPen(Qt::NoPen);
        p.drawRect(r.adjusted(2, 2, -2, -2));
        p.setPen(pen(QColor(70, 70, 80), 1.5));
        p.drawLine(QPointF(r.center().x() - 3, r.bottom() + 2.5), QPointF(r.center().x() + 3, r.bottom() + 2.5));
    };
    auto radioSet = [](QPainter& p, const Pen& pen, QRectF r) {
        p.setPen(pen(kOutline, 1.2));
        p.drawLine(QPointF(r.left() + 4, r.top()), QPointF(r.left() + 10, r.top() - 6));
        p.setBrush(pen.brush(QColor(170, 90, 40)));
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(pen.brush(QColor(60, 40, 30)));
        p.drawEllipse(QPointF(r.left() + r.width() * 0.32, r.center().y()), r.height() * 0.3, r.height() * 0.3);
        p.setBrush(pen.brush(QColor(250, 230, 150)));
        p.drawRect(QRectF(r.left() + r.width() * 0.6, r.top() + 3, r.width() * 0.3, r.height() * 0.3));
    };
    d.push_back([tvSet](QPainter& p, const Pen& pen) { tvSet(p, pen, QRectF(4, 6, 22, 16)); });
    d.push_back([radioSet](QPainter& p, const Pen& pen) { radioSet(p, pen, QRectF(3, 11, 24, 14)); });
    d.push_back([tvSet, radioSet](QPainter& p, const Pen& pen) {  // TV and radio
        tvSet(p, pen, QRectF(2, 3, 17, 12));
        radioSet(p, pen, QRectF(10, 16, 18, 11));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Download: box to PC
        receiverBox(p, pen, QRectF(3, 3, 24, 8));
        arrow(p, pen, QPointF(15, 12), QPointF(15, 23), QColor(30, 160, 60));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Upload: PC to box
        receiverBox(p, pen, QRectF(3, 3, 24, 8));
        arrow(p, pen, QPointF(15, 26), QPointF(15, 15), QColor(230, 120, 20));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // Software upgrade: chip with an arrow
        p.setPen(pen(QColor(90, 90, 100), 1.4));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 9 + i * 4;
            p.drawLine(QPointF(3, y), QPointF(7, y));
            p.drawLine(QPointF(19, y), QPointF(23, y));
        }
        p.setPen(pen(kOutline));
        p.setBrush(pen.brush(QColor(40, 45, 55)));
        p.drawRect(QRectF(7, 6, 12, 18));
        arrow(p, pen, QPointF(24, 27), QPointF(24, 10), QColor(220, 60, 160));
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // COM port: nine-pin connector
        QPolygonF shell;
        shell << QPointF(3, 9) << QPointF(27, 9) << QPointF(24, 21) << QPointF(6, 21);
        p.setPen(pen(kOutline));
        p.setBrush(pen.brush(QColor(180, 185, 195)));
        p.drawPolygon(shell);
        p.setPen(Qt::NoPen);
        p.setBrush(pen.brush(QColor(200, 150, 30)));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(7 + i * 4, 13), 1.3, 1.3);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(9 + i * 4, 17.5), 1.3, 1.3);
    });
    d.push_back([](QPainter& p, const Pen& pen) {  // About
        p.setPen(pen(QColor(20, 60, 140)));
        p.setBrush(pen.brush(QColor(40, 110, 220)));
        p.drawEllipse(QPointF(15, 15), 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(pen.brush(QColor(248, 248, 248)));
        p.drawEllipse(QPointF(15, 9.5), 1.9, 1.9);
        p.drawRoundedRect(QRectF(13.2, 13, 3.6, 9), 1, 1);
    });
    return d;
}

QImage toolbarStrip(Look look) {
    const std::vector<Drawing> drawings = toolbarDrawings();
    QImage strip(kButton * static_cast<int>(drawings.size()), kButton, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        p.save();
        p.translate(static_cast<qreal>(i) * kButton, 0);
        drawings[i](p, Pen{look});
        p.restore();
    }
    return strip;
}

void dish(QPainter& p, QPointF base, qreal size, const QColor& colour) {
    p.save();
    p.translate(base);
    p.rotate(-35);
    QPainterPath bowl;
    bowl.moveTo(-size, 0);
    bowl.quadTo(0, size * 0.9, size, 0);
    bowl.closeSubpath();
    QLinearGradient g(-size, 0, size, size);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(200), size * 0.04));
    p.setBrush(g);
    p.drawPath(bowl);
    p.setPen(QPen(colour.darker(160), size * 0.05));
    p.drawLine(QPointF(0, size * 0.45), QPointF(0, -size * 0.55));
    p.setBrush(colour.darker(170));
    p.drawEllipse(QPointF(0, -size * 0.6), size * 0.09, size * 0.09);
    p.restore();
    p.setPen(QPen(colour.darker(160), size * 0.09));
    p.drawLine(base + QPointF(size * 0.2, size * 0.3), base + QPointF(size * 0.35, size * 1.1));
}

void satellite(QPainter& p, QPointF centre, qreal s) {
    p.save();
    p.translate(centre);
    p.rotate(-20);
    p.setPen(QPen(QColor(30, 40, 70), s * 0.05));
    p.setBrush(QColor(40, 80, 170));
    for (int side : {-1, 1}) {
        QRectF panel(side < 0 ? -s * 1.6 : s * 0.45, -s * 0.3, s * 1.15, s * 0.6);
        p.drawRect(panel);
        p.drawLine(QPointF(panel.center().x(), panel.top()), QPointF(panel.center().x(), panel.bottom()));
    }
    p.setBrush(QColor(210, 170, 60));
    p.drawRoundedRect(QRectF(-s * 0.45, -s * 0.45, s * 0.9, s * 0.9), s * 0.1, s * 0.1);
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(QPointF(0, s * 0.6), s * 0.3, s * 0.15);
    p.restore();
}

QImage startupPicture() {
    QImage img(640, 480, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(6, 12, 40));
    sky.setColorAt(0.7, QColor(16, 50, 110));
    sky.setColorAt(1, QColor(30, 110, 160));
    p.fillRect(img.rect(), sky);
    QRandomGenerator rng(17);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const int alpha = 80 + static_cast<int>(rng.bounded(170));
        p.setBrush(QColor(230, 235, 255, alpha));
        const qreal r = 0.5 + rng.bounded(1.2);
        p.drawEllipse(QPointF(rng.bounded(640.0), rng.bounded(330.0)), r, r);
    }
    // The earth's rim with the orbit above it.
    QRadialGradient earth(320, 1150, 800);
    earth.setColorAt(0.0, QColor(20, 90, 60));
    earth.setColorAt(0.83, QColor(30, 120, 170));
    earth.setColorAt(0.86, QColor(150, 210, 255));
    earth.setColorAt(0.9, QColor(150, 210, 255, 0));
    p.setBrush(earth);
    p.drawEllipse(QPointF(320, 1150), 800, 800);
    p.setPen(QPen(QColor(255, 210, 90, 150), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(320, 1150), 960, 960);
    satellite(p, QPointF(470, 205), 46);
    // Signal rings from the satellite to the dish.
    p.setPen(QPen(QColor(255, 220, 120, 120), 2));
    for (int i = 1; i <= 3; ++i) {
        p.drawArc(QRectF(150 - i * 22, 300 - i * 22, i * 44, i * 44), 20 * 16, 50 * 16);
    }
    dish(p, QPointF(150, 390), 62, QColor(200, 205, 215));

    p.setPen(QColor(245, 245, 250));
    QFont title("DejaVu Sans", 30, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(0, 40, 640, 50), Qt::AlignHCenter, "Diruriz Ezoviv for HD");
    QFont sub("DejaVu Sans", 15);
    p.setFont(sub);
    p.setPen(QColor(190, 215, 255));
    p.drawText(QRectF(0, 92, 640, 30), Qt::AlignHCenter, "Channel Data and Tools");
    QFont small("DejaVu Sans", 10);
    p.setFont(small);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRectF(0, 448, 624, 24), Qt::AlignRight, "Dodavev Uzavor Version 03.11");
    return img;
}

QImage appIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    QLinearGradient back(0, 0, 0, 48);
    back.setColorAt(0, QColor(30, 80, 170));
    back.setColorAt(1, QColor(10, 30, 80));
    p.setPen(QPen(QColor(10, 20, 50), 1));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
    p.setPen(QPen(QColor(255, 210, 90, 200), 1.6));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i)
        p.drawArc(QRectF(22 - i * 6, 16 - i * 6, i * 12, i * 12), 10 * 16, 70 * 16);
    dish(p, QPointF(18, 30), 13, QColor(225, 228, 235));
    return img;
}

QImage aboutSatellite() {
    QImage img(160, 96, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    satellite(p, QPointF(80, 48), 34);
    return img;
}

bool save(const QImage& img, const QString& folder, const char* name) {
    const QString path = folder + "/" + name;
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_images OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    bool ok = save(toolbarStrip(Look::Normal), out, "toolbar_normal.png");
    ok = save(toolbarStrip(Look::Hot), out, "toolbar_hot.png") && ok;
    ok = save(toolbarStrip(Look::Disabled), out, "toolbar_disabled.png") && ok;
    ok = save(startupPicture(), out, "startup.png") && ok;
    // The icon in each size the desktop's icon theme looks for.
    for (const int size : {16, 32, 48, 64, 128, 256})
        ok = save(appIcon(size), out, QString("vizud_%1.png").arg(size).toLatin1().constData()) && ok;
    ok = save(aboutSatellite(), out, "about_satellite.png") && ok;
    return ok ? 0 : 1;
}
