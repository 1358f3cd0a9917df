#include "App.h"

namespace nv::App {

QString Title() { return QStringLiteral("Noorvale"); }
int Major() { return NOORVALE_VERSION_MAJOR; }
int Minor() { return NOORVALE_VERSION_MINOR; }
int Revision() { return NOORVALE_VERSION_PATCH; }

QString VersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(Major()).arg(Minor()).arg(Revision());
}

}  // namespace nv::App
