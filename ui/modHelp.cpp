#include "modHelp.h"

#include <QDesktopServices>
#include <QUrl>

#include "VbError.h"

namespace nv {

QString HelpPath(const QString& helpFile, const QString& windowName) {
    if (windowName.isEmpty()) return helpFile;
    return helpFile.trimmed() + ">" + windowName.trimmed();
}

void ShowHelp(const QString& helpFile, const QString& windowName, std::optional<int32_t> context) {
    resumeNext([&] {
        // A browser has no named help windows: the file part of the path is what it opens.
        const QString path = HelpPath(helpFile, windowName);
        const int window = windowName.isEmpty() ? -1 : int(path.lastIndexOf('>'));
        QUrl url = QUrl::fromLocalFile(window < 0 ? path : path.left(window));
        if (context) url.setFragment("context-" + QString::number(*context));
        QDesktopServices::openUrl(url);
    });
}

}  // namespace nv
