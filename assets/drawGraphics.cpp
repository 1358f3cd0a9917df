// Draws Noorvale's own pictures into a program folder's graphics/ folder:
//   picclock.jpg, picSmClock.jpg   the default faces of the main and the compact clock
//   PinOut.png, PinIn.png          the compact window's push pin, released and pressed
//   Close.png                      the compact window's close button
// Usage: nv-draw-graphics <graphics folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979;

// A point at `radius` (a fraction of the half-size) in the direction of minute `pos`.
QPointF onDial(double size, double radius, double pos) {
    const double a = pos / 60.0 * 2 * kPi;
    const double half = size / 2;
    return {half + half * radius * std::sin(a), half - half * radius * std::cos(a)};
}

// An eight-pointed star of two squares, the centre ornament.
QPainterPath eightPointStar(QPointF centre, double r) {
    QPainterPath path;
    for (int square = 0; square < 2; ++square) {
        QPolygonF poly;
        for (int i = 0; i < 4; ++i) {
            const double a = square * kPi / 4 + i * kPi / 2;
            poly << centre + QPointF(r * std::cos(a), r * std::sin(a));
        }
        poly << poly.first();
        QPainterPath p;
        p.addPolygon(poly);
        path = path.united(p);
    }
    return path;
}

QImage clockFace(int size) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double half = size / 2.0;
    const QPointF centre(half, half);

    QRadialGradient disc(centre, half * 0.98, centre - QPointF(half * 0.25, half * 0.3));
    disc.setColorAt(0, QColor(0xff, 0xfd, 0xf6));
    disc.setColorAt(0.75, QColor(0xf5, 0xee, 0xdc));
    disc.setColorAt(1, QColor(0xe3, 0xd5, 0xb4));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, half * 0.98, half * 0.98);

    // Two thin rings near the rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1f, 0x5f, 0x4f), std::max(1.0, size / 160.0)));
    p.drawEllipse(centre, half * 0.955, half * 0.955);
    p.setPen(QPen(QColor(0xb8, 0x93, 0x3a), std::max(1.0, size / 320.0)));
    p.drawEllipse(centre, half * 0.925, half * 0.925);

    // The ornament in the middle, faint so the hands stay clear.
    p.setPen(QPen(QColor(0xd9, 0xc7, 0x9b), std::max(1.0, size / 200.0)));
    p.setBrush(QColor(0xf1, 0xe6, 0xc8));
    p.drawPath(eightPointStar(centre, half * 0.42));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, half * 0.2, half * 0.2);

    // Minute dots and hour marks; the quarter marks stand back from the rim, where the clock
    // draws its numbers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x4f));
    for (int m = 0; m < 60; ++m) {
        if (m % 5 == 0) continue;
        p.drawEllipse(onDial(size, 0.80, m), size / 180.0 + 0.4, size / 180.0 + 0.4);
    }
    for (int h = 0; h < 12; ++h) {
        const bool quarter = h % 3 == 0;
        const double inner = quarter ? 0.56 : 0.74, outer = quarter ? 0.68 : 0.84;
        QPen mark(QColor(0x1f, 0x5f, 0x4f), size * (quarter ? 0.022 : 0.014), Qt::SolidLine, Qt::RoundCap);
        p.setPen(mark);
        p.drawLine(onDial(size, inner, h * 5), onDial(size, outer, h * 5));
    }
    return img;
}

// A 32-pixel button face, light grey (darker when pressed), that any bar colour sets off.
constexpr int kButton = 32;
QImage buttonFace(bool pressed) {
    QImage img(kButton, kButton, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(pressed ? QColor(0xd8, 0xd8, 0xd8) : QColor(0xf4, 0xf4, 0xf4));
    p.drawRoundedRect(QRectF(1.5, 1.5, kButton - 3, kButton - 3), 5, 5);
    return img;
}

QImage pushPin(bool pressed) {
    QImage img = buttonFace(pressed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = kButton;
    p.translate(s / 2.0, s / 2.0);
    if (!pressed) p.rotate(45);  // a released pin lies on its side
    // Needle, then the head.
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 2), QPointF(0, pressed ? 9 : 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x22, 0x22));
    p.drawRoundedRect(QRectF(-7, -3, 14, 5), 2, 2);
    p.drawRect(QRectF(-3.5, -10, 7, 8));
    p.drawRoundedRect(QRectF(-6, -12.5, 12, 4), 2, 2);
    return img;
}

QImage closeCross() {
    QImage img = buttonFace(false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(22, 22));
    p.drawLine(QPointF(22, 10), QPointF(10, 22));
    return img;
}

bool save(const QImage& img, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (img.save(path, nullptr, 92)) return true;
    std::fprintf(stderr, "nv-draw-graphics: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: nv-draw-graphics <graphics folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "nv-draw-graphics: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool ok = save(clockFace(400), dir, "picclock.jpg") && save(clockFace(240), dir, "picSmClock.jpg") &&
                    save(pushPin(false), dir, "PinOut.png") && save(pushPin(true), dir, "PinIn.png") &&
                    save(closeCross(), dir, "Close.png");
    return ok ? 0 : 1;
}
