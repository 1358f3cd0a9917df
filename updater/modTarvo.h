// Module modTarvo: the start of the update utility Tarvo. It reads the scrambled command line
// (update information file URL, product name, main program file name, 4), finds the working
// folders, shows the window frmTarvo and starts the update run. Also the URL helpers, the wait
// procedure and the run-wide state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DateValue.h"
#include "cFile.h"

namespace nv {

class frmTarvo;

// The run-wide state.
extern std::string UpdateUrl;        // the update information file's URL (field 0)
extern std::string ProductName;      // the product to update (field 1)
extern std::string MainProgramPath;  // AppFolder + field 2: started again when Tarvo closes
extern std::string AppFolder;        // the folder of Tarvo's executable, ending in "/"
extern std::string TempFolder;       // Tarvo's work folder inside the system's temporary folder, ending in "/"
extern cFile UpdateInfoFile;         // the downloaded copy of the update information file
// The command-line text exactly as received (still scrambled), handed on in a self-update.
extern std::string CommandLine;

// The largest update information file Tarvo downloads, and the largest cabinet when the update
// information file states no size for it.
inline constexpr uint64_t kInfoFileLimit = uint64_t{1} << 20;
extern const uint64_t kCabinetLimit;

// The maker's public key for the signature of update.ini (hexadecimal, from the build); empty
// when the build carries none.
extern std::string UpdatePublicKey;

// Tarvo's own version: 1.0, as text and as the number versions are compared by.
inline constexpr int kTarvoMajor = 1;
inline constexpr int kTarvoMinor = 0;
std::string TarvoVersionText();
// 10000 × the numeric value of a version text, to the nearest whole number.
int32_t VersionNumber(const std::string& versionText);
// A product version: numbers joined by "." ("1.2", "1.10.3"), each of at most nine digits.
bool IsVersionText(const std::string& text);
// Compares two product versions number by number (a missing number counts as 0, so 1.2 equals
// 1.2.0 and 1.10 is newer than 1.9): negative, 0 or positive as `a` is older, the same or newer.
int CompareVersions(const std::string& a, const std::string& b);

// The entry: checks for a running copy, reads the command line, shows the window, waits two
// seconds and runs the update. Returns the window (the program lives while it is open), or
// null when start-up ended with a message.
frmTarvo* Main(const std::string& commandLine);

// Finishes or undoes an install in the program folder that a killed run left (InstallRun).
void RecoverInstall(const std::string& appFolder);
// Tarvo started with kRecoverArgument, as Noorvale starts it when it finds an install cut short:
// the recovery alone, unless another Tarvo of this folder is running. The exit status.
inline constexpr char kRecoverArgument[] = "--recover";
int RecoverOnly();

// Steps 2 to 6 of the entry: unscrambles and checks the command line and sets the state above,
// with `appFolder` as Tarvo's folder. False (after its message box) when Tarvo cannot run.
bool ReadCommandLine(const std::string& commandLine, const std::string& appFolder);

// True when another Tarvo from the same executable is running for this user. The first call
// takes a lock that lasts until the program ends.
bool Program_Is_Already_Running();

// The URL without surrounding blanks, cut after its last "/"; empty with no "/".
std::string FilePathURL(const std::string& url);
// The part after the last "/" without trailing blanks; the whole text with no "/".
std::string FileNameURL(const std::string& url);

// Waits the number of seconds, letting pending window events run.
void Wait(double seconds);
// Lets pending window events run.
void DoEvents();

// A date-time text of an update file as a date value: "yyyy-mm-dd[ hh:mm[:ss]]" (also with
// "T") or "m/d/yyyy[ h:mm[:ss][ AM|PM]]". False when it is not a valid date.
bool ParseDateText(const std::string& text, DateValue& value);

}  // namespace nv
