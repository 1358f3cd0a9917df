// The update utility from the main window: its start with the scrambled parameters, and the
// reminder every so many days.
#include <QFile>
#include <QProcess>

#include "VbError.h"
#include "frmMain.h"
#include "modDateLib.h"
#include "modNoorvale.h"
#include "mXOR.h"
#include "QtMsgBox.h"

namespace nv {

namespace {

// Scrambled when the program is built, so the clear text never stands in the executable.
template <size_t N>
struct ScrambledText {
    char bytes[N]{};
    constexpr ScrambledText(const char (&clear)[N]) {
        for (size_t i = 0; i + 1 < N; ++i) bytes[i] = static_cast<char>(clear[i] ^ kScrambleKey);
    }
};

// The update information file's address is the maker's, given when the program is built.
constexpr ScrambledText kUpdateParameters(NOORVALE_UPDATE_URL ",Noorvale,Noorvale,4");

}  // namespace

std::string UpdateParameters() { return std::string(kUpdateParameters.bytes, sizeof kUpdateParameters.bytes - 1); }

int32_t LastUpdateDay(int32_t updateLast, int32_t todayNumber, int32_t daysLastYear) {
    return updateLast > todayNumber ? updateLast - daysLastYear : updateLast;
}

void frmMain::mnuToolsUpdates_Click() {
    const QString path = QString::fromStdString(ProgramFolder()) + "/Tarvo";
    if (!QFile::exists(path)) return;
    UpdateLast = DayOfYear(today());
    resumeNext([&] { QProcess::startDetached(path, QStringList{QString::fromStdString(UpdateParameters())}); });
    Form_Unload();
}

// A reminder due just after a new year counts the last start in the old year's days.
void frmMain::Check4Updates() {
    if (UpdateMode == 0) return;
    const int32_t day = DayOfYear(today());
    const int32_t last = LastUpdateDay(UpdateLast, day, IsLeapYear(static_cast<int16_t>(year(today()) - 1)) ? 366 : 365);
    if (last + UpdateMode > day) return;
    //: %n is the number of days between two reminders.
    const QString text = tr("%n days update reminder\n\n"
                            "Using your Internet connections Tarvo can connects to the\n"
                            "ORVEN site, checks for available updates, then downloads and\n"
                            "installs them automatically. This is the most efficient method\n"
                            "to update your Noorvale files,\n\n"
                            "Would you like to run Tarvo now?",
                            nullptr, UpdateMode)
                             .replace('\n', QStringLiteral("\r\n"));  // the box's line ends, as it always had
    if (MsgBox(text, vbYesNo | vbQuestion, tr("Noorvale message")) == vbYes) mnuToolsUpdates_Click();
}

}  // namespace nv
