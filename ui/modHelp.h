// Opens the program's help manual (an HTML file) in the desktop's viewer for it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace nv {

// The help path as the help viewer takes it: the file as given when `windowName` is empty;
// otherwise the file and the window name, each without blanks around it, joined by ">".
QString HelpPath(const QString& helpFile, const QString& windowName);

// The manual in `language` ("ar", ...) beside `helpFile`: Noorvale_ar.html for Noorvale.html
// when that file exists, else `helpFile` itself (English, or a language without a manual).
QString ManualInLanguage(const QString& helpFile, const std::string& language);

// Opens the help file, in the language the program speaks when it has a manual of that
// language beside it, at its first page or at the topic `context` (the page's anchor
// "context-N"). Nothing is reported: a missing file or viewer shows nothing.
void ShowHelp(const QString& helpFile, const QString& windowName, std::optional<int32_t> context = std::nullopt);

}  // namespace nv
