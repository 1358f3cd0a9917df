// The programs' log: one logging category per subsystem, and a log file in the user's state
// folder ($XDG_STATE_HOME/Noorvale, by default ~/.local/state/Noorvale) that every Qt message of
// the program goes to, kept small by starting a new file when it reaches its limit (the previous
// one is kept as <name>.log.1).
#pragma once

#include <QLoggingCategory>
#include <cstdint>
#include <source_location>
#include <string>

namespace nv {

Q_DECLARE_LOGGING_CATEGORY(lcCommon)
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcDialogs)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcUpdlib)
Q_DECLARE_LOGGING_CATEGORY(lcUpdater)
Q_DECLARE_LOGGING_CATEGORY(lcHelper)
Q_DECLARE_LOGGING_CATEGORY(lcCli)

// The category of the subsystem a source file belongs to, named by its folder (ui/Clock.cpp:
// "noorvale.ui"); lcCommon for a folder that is not a subsystem.
const QLoggingCategory& categoryOfSource(const char* file);

// "folder/file.cpp:line" of a place in the sources.
std::string placeText(const std::source_location& where);

// A log file reaches at most this many bytes before a new one is started.
inline constexpr int64_t kLogFileLimit = 1024 * 1024;

// $XDG_STATE_HOME/Noorvale, or ~/.local/state/Noorvale when XDG_STATE_HOME is unset or not absolute.
std::string logFolder();

// Opens <logFolder>/<program>.log for appending (creating the folder) and sends every Qt message
// there as well as to the previous handler. False, with a warning on standard error, when the
// file cannot be opened: the program then logs to standard error only.
bool installLogFile(const std::string& program, int64_t limit = kLogFileLimit);
// Puts the previous message handler back and closes the file.
void closeLogFile();
// The open log file's descriptor, or -1: for the fault report, which may only write(2).
int logFileDescriptor() noexcept;

}  // namespace nv
