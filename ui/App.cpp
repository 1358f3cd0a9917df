#include "App.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "modNoorvale.h"

namespace nv::App {

QString Title() { return QStringLiteral("Noorvale"); }
int Major() { return NOORVALE_VERSION_MAJOR; }
int Minor() { return NOORVALE_VERSION_MINOR; }
int Revision() { return NOORVALE_VERSION_PATCH; }

QString VersionText() {
    //: %1.%2.%3 are the major, minor and revision numbers.
    return QCoreApplication::translate("App", "Version %1.%2.%3").arg(Major()).arg(Minor()).arg(Revision());
}

QIcon Icon() {
    QIcon icon;
    const QString themes = QString::fromStdString(ProgramFolder()) + "/icons/hicolor/";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(themes + QString("%1x%1/apps/noorvale.png").arg(size), QSize(size, size));
    return icon;
}

void SetIdentity() {
    QGuiApplication::setDesktopFileName("noorvale");
    QGuiApplication::setWindowIcon(Icon());
}

}  // namespace nv::App
