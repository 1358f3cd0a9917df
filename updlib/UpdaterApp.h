// What the update library knows about the program it runs in: the name that error sources,
// the default user agent and the HTTP agent name carry ("Tarvo"), and the program's folder.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "DateValue.h"

namespace nv {

// The executable's name without extension; "Tarvo" unless the program says otherwise. Error
// sources read as this name + ".CIniFile" and so on; a test program keeps "Tarvo" so that sources
// read as they will in the shipped program.
const std::string& AppName();
void SetAppName(std::string name);

// The folder of the running executable, ending in "/".
std::string ExeFolder();

// The system's temporary folder: TMPDIR when set, else /tmp; ends in "/".
std::string GetTempPath();
// Tarvo's private work folder of this user and of the installation in `appFolder` inside
// `tempPath`: "Tarvo-<uid>-<8 hex digits from the program folder>" (created, mode 0700, never a
// link to somewhere else), so installations sharing a temporary folder never share work files;
// empty when it cannot be made safely.
std::string WorkFolder(const std::string& tempPath, const std::string& appFolder);
// The name of that folder (nothing is made).
std::string WorkFolderName(const std::string& appFolder);

// The plain text with which Tarvo hands its own replacement to Quenlo, before Tarvo's parameter
// text: the new executable in Tarvo's work folder, then the executable it replaces in the program
// folder, each followed by ",". Quenlo accepts exactly this text for its own folder and work
// folder, so a "," inside either path can never move the split.
std::string SelfUpdateHandOver(const std::string& workFolder, const std::string& appFolder, const std::string& program);

// A moment as a local date value, to the second (the fraction of the second is dropped).
DateValue LocalDateFromTime(time_t t);

// Text compared without regard to case (ASCII letters).
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view s);

// Surrounding blanks (spaces only) removed, as the platform's Trim does.
std::string TrimBlanks(std::string_view s);

// Splits at every ",", keeping empty fields; an empty text gives one empty field.
std::vector<std::string> SplitFields(const std::string& text);

// The command-line text of Tarvo and Quenlo: their one argument, which is one word; should a
// shell have split it, the parts are joined again with blanks.
std::string CommandLineText(int argc, char** argv);

}  // namespace nv
