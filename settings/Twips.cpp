#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace nv {

namespace {
constexpr double kTwipsPerInch = 1440;

const QScreen* screenOf(const QWidget* widget) {
    if (widget && widget->screen()) return widget->screen();
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}
}  // namespace

double logicalDpiX(const QWidget* widget) {
    const QScreen* s = screenOf(widget);
    return s && s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : 96.0;
}

double logicalDpiY(const QWidget* widget) {
    const QScreen* s = screenOf(widget);
    return s && s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : 96.0;
}

// Pixels as Qt takes them: a length no widget can have saturates at Qt's largest widget size.
static int toPixels(double pixels) {
    if (!std::isfinite(pixels)) return 0;
    return static_cast<int>(std::lround(std::clamp(pixels, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX))));
}

int twipsToPixels(double twips, const QWidget* widget) {
    return toPixels(twips * logicalDpiX(widget) / kTwipsPerInch);
}

double pixelsToTwips(double pixels, const QWidget* widget) { return pixels * kTwipsPerInch / logicalDpiX(widget); }

int twipsToPixelsY(double twips, const QWidget* widget) { return toPixels(twips * logicalDpiY(widget) / kTwipsPerInch); }

double pixelsToTwipsY(double pixels, const QWidget* widget) { return pixels * kTwipsPerInch / logicalDpiY(widget); }

}  // namespace nv
