#include "frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "App.h"
#include "Bidi.h"
#include "Twips.h"

namespace nv {

namespace {
constexpr int kWidthTwips = 5400, kHeightTwips = 3150;
constexpr int kBarLeftTwips = 960, kBarTopTwips = 2520, kBarHeightTwips = 120;

// Colours by palette: style sheets would add several milliseconds to the start.
void Colour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
    if (role == QPalette::Window) w->setAutoFillBackground(true);
}
}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(App::Title());
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));

    lblTitle = new QLabel(App::Title(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    AlignLeading(lblTitle);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    Colour(lblTitle, QPalette::WindowText, Qt::white);
    lblTitle->setGeometry(twipsToPixels(2520), twipsToPixels(600), twipsToPixels(2760), twipsToPixels(600));

    lblVersion = new QLabel(App::VersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    AlignLeading(lblVersion);
    Colour(lblVersion, QPalette::WindowText, QColor(0xe8, 0xf0, 0xe0));
    lblVersion->setGeometry(twipsToPixels(2520), twipsToPixels(1260), twipsToPixels(2760), twipsToPixels(300));

    auto* track = new QFrame(this);
    track->setObjectName(QStringLiteral("rctStatusTrack"));
    Colour(track, QPalette::Window, QColor(255, 255, 255, 60));
    track->setGeometry(twipsToPixels(kBarLeftTwips), twipsToPixels(kBarTopTwips), twipsToPixels(kStatusBarFullWidth),
                       twipsToPixels(kBarHeightTwips));

    rctStatusBar = new QFrame(this);
    rctStatusBar->setObjectName(QStringLiteral("rctStatusBar"));
    Colour(rctStatusBar, QPalette::Window, QColor(0xf2, 0xc9, 0x4c));
    StatusBarWidth(0);
}

void frmSplash::StatusBarWidth(int twips) {
    statusTwips_ = std::clamp(twips, 0, kStatusBarFullWidth);
    rctStatusBar->setGeometry(twipsToPixels(kBarLeftTwips), twipsToPixels(kBarTopTwips), twipsToPixels(statusTwips_),
                              twipsToPixels(kBarHeightTwips));
    rctStatusBar->setVisible(statusTwips_ > 0);
}

void frmSplash::mouseDoubleClickEvent(QMouseEvent*) { close(); }

// A night-green ground with a crescent and a star.
void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor(0x0b, 0x4d, 0x3c));
    ground.setColorAt(1, QColor(0x05, 0x24, 0x1c));
    p.fillRect(rect(), ground);

    const double r = height() * 0.26;
    const QPointF centre(width() * 0.22, height() * 0.40);
    QPainterPath moon;
    moon.addEllipse(centre, r, r);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(r * 0.42, -r * 0.18), r * 0.86, r * 0.86);
    p.fillPath(moon.subtracted(bite), QColor(0xf2, 0xc9, 0x4c));

    QPainterPath star;
    const QPointF sc = centre + QPointF(r * 0.55, -r * 0.05);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r * 0.22 : r * 0.09;
        const QPointF pt = sc + QPointF(rr * std::cos(a), rr * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(0xf2, 0xc9, 0x4c));

    p.setPen(QColor(255, 255, 255, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace nv
