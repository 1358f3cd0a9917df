// Draws the main window's pictures into a program folder's graphics/ folder:
//   Print Compact Date Views Customize Options Update Help .png   toolbar buttons (32 x 32)
//   BELL SPEAKER GREEN RED .png                                   Alert Manager tree (16 x 16)
//   Main_ON Main_OFF .png                                         window and tray icon (64 x 64)
// each toolbar and tree picture again as <name>-dark.png, drawn with light lines for dark windows,
// and the program's icon for the desktop's icon theme, beside the graphics folder:
//   icons/hicolor/<N>x<N>/apps/noorvale.png for N = 16 22 24 32 48 64 128 256
// Usage: nv-draw-icons <graphics folder>
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
QColor kInk(40, 52, 70);  // the lines; light for the pictures shown on a dark window
const QColor kGreen(22, 128, 88);
const QColor kGold(214, 160, 40);

// A transparent square picture of `size` pixels, painted by `paint` with antialiasing.
template <class Paint>
QImage draw(int size, Paint&& paint) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return img;
}

QPen pen(const QColor& c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A crescent: a disc with a smaller offset disc taken out.
QPainterPath crescent(QPointF c, double r) {
    QPainterPath outer, inner;
    outer.addEllipse(c, r, r);
    inner.addEllipse(c + QPointF(r * 0.45, -r * 0.2), r * 0.82, r * 0.82);
    return outer.subtracted(inner);
}

QImage print() {
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));  // paper
        p.setBrush(QColor(150, 170, 190));
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);  // body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));  // printed sheet
        p.drawLine(QPointF(12, 23), QPointF(20, 23));
        p.drawLine(QPointF(12, 26), QPointF(18, 26));
    });
}

QImage compact() {
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 14), 10, 10);
        p.drawLine(QPointF(16, 14), QPointF(16, 8));
        p.drawLine(QPointF(16, 14), QPointF(20, 16));
        p.setBrush(kGreen);
        p.drawRoundedRect(QRectF(5, 25, 22, 5), 1.5, 1.5);
    });
}

QImage date() {
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
        p.setBrush(kGreen);
        p.drawRect(QRectF(4, 6, 24, 6));
        p.drawLine(QPointF(10, 3), QPointF(10, 8));
        p.drawLine(QPointF(22, 3), QPointF(22, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawPath(crescent(QPointF(16, 20), 6));
    });
}

QImage views() {
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 5, 24, 22));
        for (int i = 1; i < 4; ++i) p.drawLine(QPointF(4, 5 + i * 5.5), QPointF(28, 5 + i * 5.5));
        p.drawLine(QPointF(12, 5), QPointF(12, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRect(QRectF(12.7, 16.5, 15, 4.8));
    });
}

QImage customize() {  // a compass needle over a globe line: the place
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(QColor(210, 232, 250));
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.drawEllipse(QRectF(10, 4, 12, 24));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.setPen(pen(Qt::white, 1));
        p.setBrush(QColor(200, 40, 40));
        QPainterPath pin;
        pin.moveTo(16, 25);
        pin.cubicTo(9, 15, 10, 7, 16, 7);
        pin.cubicTo(22, 7, 23, 15, 16, 25);
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 12.5), 2.5, 2.5);
    });
}

QImage options() {  // a cog
    return draw(32, [&](QPainter& p) {
        QPainterPath cog;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a0 = i * kPi / teeth, a1 = (i + 1) * kPi / teeth;
            const double r = i % 2 == 0 ? 13 : 10;
            const QPointF p0(16 + r * std::cos(a0), 16 + r * std::sin(a0));
            const QPointF p1(16 + r * std::cos(a1), 16 + r * std::sin(a1));
            if (i == 0) cog.moveTo(p0);
            else cog.lineTo(p0);
            cog.lineTo(p1);
        }
        cog.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(16, 16), 4.5, 4.5);
        p.setPen(pen(kInk, 1.4));
        p.setBrush(QColor(150, 170, 190));
        p.drawPath(cog.subtracted(hole));
    });
}

QImage update() {  // a downward arrow into a tray
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(kGreen);
        QPolygonF arrow;
        arrow << QPointF(12, 3) << QPointF(20, 3) << QPointF(20, 13) << QPointF(25, 13) << QPointF(16, 22)
              << QPointF(7, 13) << QPointF(12, 13);
        p.drawPolygon(arrow);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF() << QPointF(4, 20) << QPointF(4, 28) << QPointF(28, 28) << QPointF(28, 20));
    });
}

QImage help() {
    return draw(32, [&](QPainter& p) {
        p.setPen(pen(kInk, 1.6));
        p.setBrush(QColor(60, 110, 190));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        QFont f("DejaVu Sans");
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, "?");
    });
}

QImage bell() {
    return draw(16, [&](QPainter& p) {
        p.setPen(pen(kInk, 1));
        p.setBrush(kGold);
        QPainterPath b;
        b.moveTo(3, 12);
        b.cubicTo(4, 10, 4, 3, 8, 3);
        b.cubicTo(12, 3, 12, 10, 13, 12);
        b.closeSubpath();
        p.drawPath(b);
        p.drawEllipse(QPointF(8, 13.5), 1.6, 1.6);
    });
}

QImage speaker() {
    return draw(16, [&](QPainter& p) {
        p.setPen(pen(kInk, 1));
        p.setBrush(QColor(150, 170, 190));
        QPolygonF s;
        s << QPointF(2, 6) << QPointF(5, 6) << QPointF(9, 2.5) << QPointF(9, 13.5) << QPointF(5, 10) << QPointF(2, 10);
        p.drawPolygon(s);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 5, 4, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(8, 2.5, 7, 11), -60 * 16, 120 * 16);
    });
}

QImage lamp(const QColor& c) {
    return draw(16, [&](QPainter& p) {
        QRadialGradient g(QPointF(6.5, 6), 7);
        g.setColorAt(0, c.lighter(170));
        g.setColorAt(1, c);
        p.setPen(pen(c.darker(160), 1));
        p.setBrush(g);
        p.drawEllipse(QPointF(8, 8), 6, 6);
    });
}

// The program's icon: a crescent and a star over a green tile; grey when "off" (the blink).
QImage mainIcon(bool on, int size = 64) {
    return draw(size, [&](QPainter& p) {
        p.scale(size / 64.0, size / 64.0);  // drawn on a 64-pixel grid
        const QColor tile = on ? kGreen : QColor(120, 128, 136);
        p.setPen(Qt::NoPen);
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
        p.setBrush(on ? kGold : QColor(210, 210, 210));
        p.drawPath(crescent(QPointF(28, 33), 19));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + i * kPi / 5;
            const double r = i % 2 == 0 ? 8 : 3.4;
            star << QPointF(45 + r * std::cos(a), 24 + r * std::sin(a));
        }
        p.drawPolygon(star);
    });
}

bool save(const QImage& img, const QDir& dir, const char* name) {
    if (img.save(dir.filePath(name))) return true;
    std::fprintf(stderr, "nv-draw-icons: cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nv-draw-icons <graphics folder>\n");
        return 2;
    }
    QDir dir(argv[1]);
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "nv-draw-icons: cannot make %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const char* variant : {"", "-dark"}) {
        if (*variant) kInk = QColor(226, 232, 240);
        auto name = [variant](const char* key) { return QByteArray(key) + variant + ".png"; };
        ok = ok && save(print(), dir, name("Print")) && save(compact(), dir, name("Compact")) &&
             save(date(), dir, name("Date")) && save(views(), dir, name("Views")) &&
             save(customize(), dir, name("Customize")) && save(options(), dir, name("Options")) &&
             save(update(), dir, name("Update")) && save(help(), dir, name("Help")) &&
             save(bell(), dir, name("BELL")) && save(speaker(), dir, name("SPEAKER"));
    }
    ok = ok && save(lamp(QColor(30, 160, 60)), dir, "GREEN.png") && save(lamp(QColor(200, 40, 40)), dir, "RED.png") &&
         save(mainIcon(true), dir, "Main_ON.png") && save(mainIcon(false), dir, "Main_OFF.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QDir apps(dir.filePath(QString("../icons/hicolor/%1x%1/apps").arg(size)));
        ok = ok && apps.mkpath(".") && save(mainIcon(true, size), apps, "noorvale.png");
    }
    return ok ? 0 : 1;
}
