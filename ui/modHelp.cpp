#include "modHelp.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "Language.h"
#include "VbError.h"

namespace nv {

QString HelpPath(const QString& helpFile, const QString& windowName) {
    if (windowName.isEmpty()) return helpFile;
    return helpFile.trimmed() + ">" + windowName.trimmed();
}

QString ManualInLanguage(const QString& helpFile, const std::string& language) {
    if (language.empty() || language == "en") return helpFile;
    const QFileInfo english(helpFile);
    const QString translated = english.path() + QLatin1Char('/') + english.completeBaseName() + QLatin1Char('_') +
                               QString::fromStdString(language) + QLatin1Char('.') + english.suffix();
    return QFileInfo(translated).isFile() ? translated : helpFile;
}

void ShowHelp(const QString& helpFile, const QString& windowName, std::optional<int32_t> context) {
    resumeNext([&] {
        // A browser has no named help windows: the file part of the path is what it opens.
        const QString path = HelpPath(helpFile, windowName);
        const int window = windowName.isEmpty() ? -1 : int(path.lastIndexOf('>'));
        QUrl url = QUrl::fromLocalFile(ManualInLanguage(window < 0 ? path : path.left(window), CurrentLanguage()));
        if (context) url.setFragment("context-" + QString::number(*context));
        QDesktopServices::openUrl(url);
    });
}

}  // namespace nv
