// Language: the language Noorvale, Tarvo and Quenlo speak. It follows the session (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) unless the user picked one in Options ("\Options", "Language": a
// code from Languages(), empty for the session's). A pick applies from the next start.
//
// The catalogues are the program folder's translations/noorvale_<code>.qm; Qt's own catalogue
// (standard dialogs) comes from Qt's translations folder where the system has one. A catalogue
// that reads right to left says so, and the whole program mirrors with it; month and weekday
// names follow the language too.
#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <vector>

namespace nv {

struct Language {
    const char* code;  // "en", "ar", ...
    QString name;      // in its own language: "English", "العربية", ...
};
// English first, then every language with a catalogue.
const std::vector<Language>& Languages();

// The stored pick: a code from Languages(), or empty for the session's language.
std::string StoredLanguage();
void SaveLanguage(const std::string& code);

// The language to speak: the pick when it names one of Languages(), else the first of the
// session's languages (QLocale's uiLanguages, "ar-SA", "fr", ...) that has a catalogue, else "en".
std::string ResolveLanguage(const std::string& pick, const QStringList& sessionLanguages);

// Loads the catalogue of the stored pick or the session's language into the running application,
// lets the parts without Qt translate through it, gives the date formatter that language's month
// and weekday names and its own AM/PM designators (none in French, Turkish and Indonesian, whose
// times are then 24-hour), makes numbers read in one set of digits, 0 to 9, in every language, and sets the
// layout direction the catalogue names. Qt's own dialogs take Qt's catalogue of the language, or
// the program's where Qt ships none. Returns the language spoken ("en" when no catalogue was
// loaded).
std::string InstallLanguage();
// The same for a language given (tests, and the programs when they are told one).
std::string InstallLanguage(const std::string& code);

// The language InstallLanguage chose; "en" before it ran.
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
