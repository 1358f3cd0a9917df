#include "modInternet.h"

#include <QDesktopServices>
#include <QUrl>

#include "VbError.h"

namespace nv {

void OpenURL(QWidget*, const QString& address, int32_t) {
    resumeNext([&] { QDesktopServices::openUrl(QUrl(address.trimmed(), QUrl::TolerantMode)); });
}

}  // namespace nv
