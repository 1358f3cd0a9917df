// Language: the language Noorvale, Tarvo and Quenlo speak. It follows the session (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) unless the user picked one in Options ("\Options", "Language": a
// code from Languages(), empty for the session's). A pick applies from the next start.
//
// The catalogues are the program folder's translations/noorvale_<code>.qm; Qt's own catalogue
// (standard dialogs) comes from Qt's translations folder where the system has one. A catalogue
// that reads right to left says so, and the whole program mirrors with it.
//
// This part knows neither the settings store nor the calendar: Noorvale's own start
// (ProgramLanguage.h) adds the stored pick and the month and weekday names; Tarvo and Quenlo read
// the pick from the settings file (PickInSettingsFile).
#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <vector>

#include "SettingsFile.h"

namespace nv {

struct Language {
    const char* code;  // "en", "ar", ...
    QString name;      // in its own language: "English", "العربية", ...
};
// Where Options keeps the language picked: HKEY_CURRENT_USER\<LanguageKey()>, value kLanguageName
// (a code from Languages(), empty for the session's language).
inline std::string LanguageKey() { return std::string(kNoorvaleKey) + "\\Options"; }
inline constexpr const char* kLanguageName = "Language";

// English first, then every language with a catalogue.
const std::vector<Language>& Languages();

// The language to speak: the pick when it names one of Languages(), else the first of the
// session's languages (QLocale's uiLanguages, "ar-SA", "fr", ...) that has a catalogue, else "en".
std::string ResolveLanguage(const std::string& pick, const QStringList& sessionLanguages);

// Loads the catalogues of `code` (a code from Languages()) from `programFolder`/translations into
// the running application, lets the parts without Qt translate through them, makes numbers read in
// one set of digits, 0 to 9, in every language, chooses the face Urdu is written in, and sets the
// layout direction the catalogue names. Qt's own dialogs take Qt's catalogue of the language, or
// the program's where Qt ships none. Returns the language spoken ("en" when no catalogue was
// loaded).
std::string InstallCatalogues(const std::string& code, const std::string& programFolder);

// The pick Options stored, read from the settings file itself, for the programs that do not hold
// the settings store (Tarvo, Quenlo); empty when there is none.
std::string PickInSettingsFile();
// What Tarvo and Quenlo speak: that pick, else the session's language; the catalogues from their
// own folder. Returns the language spoken.
std::string InstallLanguageWithoutStore();

// The language InstallCatalogues chose; "en" before it ran.
const std::string& CurrentLanguage();

// What follows the language spoken rather than the session's locale.
//
// Upper case as the language writes it: Turkish "vakti" is "VAKTİ", English "it" is "IT" in any
// session.
QString UpperCase(const QString& text);
// The time format the calendar shows while the user has not chosen one (a format of
// kTimeFormats): 24-hour times for the languages whose readers read them (French, Turkish,
// Indonesian), else the 12-hour clock without designator.
std::string DefaultTimeFormat();
// The printer's font: Arial 10, or in a language written in Arabic script the face its windows
// use (so a printed word keeps its letters joined), at 10 points.
QFont PrintFont();
// The face Urdu is written in where one is installed: Nastaliq first, then Naskh.
QString UrduFace();

}  // namespace nv
