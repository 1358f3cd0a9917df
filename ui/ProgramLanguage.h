// Noorvale's own language: the pick kept in the settings store, and the month and weekday names
// that follow the language, over the catalogues of Language.h.
#pragma once

#include <string>

#include "Language.h"

namespace nv {

// The stored pick: a code from Languages(), or empty for the session's language.
std::string StoredLanguage();
void SaveLanguage(const std::string& code);

// Loads the catalogue of the stored pick or the session's language (ResolveLanguage) from the
// program folder (InstallCatalogues), and gives the date formatter that language's month and
// weekday names and its own AM/PM designators (none in French, Turkish and Indonesian, whose times
// are then 24-hour); in English without a pick the session's own names stay. Returns the
// language spoken ("en" when no catalogue was loaded).
std::string InstallLanguage();
// The same for a language given (tests, and the programs when they are told one).
std::string InstallLanguage(const std::string& code);

}  // namespace nv
