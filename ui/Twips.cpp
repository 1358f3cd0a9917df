#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace nv {

double logicalDpi() {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
    const double dpi = screen ? screen->logicalDotsPerInch() : 0.0;
    return dpi > 0 ? dpi : 96.0;
}

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0)); }

double pixelsToTwips(double pixels) { return pixels * 1440.0 / logicalDpi(); }

}  // namespace nv
