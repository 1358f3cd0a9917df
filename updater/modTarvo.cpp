#include "modTarvo.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "MsgBox.h"
#include "Process.h"
#include "UpdaterApp.h"
#include "VbConv.h"
#include "VbError.h"
#include "InstallRun.h"
#include "frmTarvo.h"
#include "mXOR.h"
#include "modCallback.h"

namespace nv {

std::string UpdateUrl;
std::string ProductName;
std::string MainProgramPath;
std::string AppFolder;
std::string TempFolder;
cFile UpdateInfoFile;
std::string CommandLine;
const uint64_t kCabinetLimit = uint64_t{NOORVALE_CABINET_LIMIT_MB} << 20;
std::string UpdatePublicKey = NOORVALE_UPDATE_PUBLIC_KEY;

namespace {
// The box of a start that cannot go on.
void refuseStart(const QString& text) {
    MsgBox(text.toStdString(), vbExclamation, QCoreApplication::translate("modTarvo", "Tarvo Update Program").toStdString());
}
}

// The version mark nv-publish reads from this executable before it publishes it as a new Tarvo.
static_assert(kTarvoMajor == 1 && kTarvoMinor == 0, "the version mark below must name Tarvo's version");
[[gnu::used]] extern const char kTarvoVersionMark[] = "NOORVALE-TARVO-VERSION=1.0";

std::string TarvoVersionText() { return std::to_string(kTarvoMajor) + "." + std::to_string(kTarvoMinor); }

int32_t VersionNumber(const std::string& versionText) { return toInt32(10000.0 * val(versionText)); }

namespace {
std::vector<long> versionParts(const std::string& text) {
    std::vector<long> parts;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t dot = std::min(text.find('.', at), text.size());
        parts.push_back(std::strtol(text.substr(at, dot - at).c_str(), nullptr, 10));
        at = dot + 1;
    }
    return parts;
}
}  // namespace

bool IsVersionText(const std::string& text) {
    size_t digits = 0;
    for (size_t k = 0; k <= text.size(); ++k) {
        if (k == text.size() || text[k] == '.') {
            if (digits == 0 || digits > 9) return false;
            digits = 0;
        } else if (text[k] >= '0' && text[k] <= '9') {
            ++digits;
        } else {
            return false;
        }
    }
    return true;
}

int CompareVersions(const std::string& a, const std::string& b) {
    const std::vector<long> x = versionParts(a), y = versionParts(b);
    for (size_t k = 0; k < std::max(x.size(), y.size()); ++k) {
        const long p = k < x.size() ? x[k] : 0, q = k < y.size() ? y[k] : 0;
        if (p != q) return p < q ? -1 : 1;
    }
    return 0;
}

frmTarvo* Main(const std::string& commandLine) {
    ErrorBoxTrap trap("Tarvo.modTarvo.Main");
    if (Program_Is_Already_Running()) {
        MsgBox(QCoreApplication::translate("modTarvo", "Program is already running").toStdString());
        return nullptr;
    }
    // An install that a kill or a power failure cut short is finished or undone before anything
    // else, whether or not the update server can be reached.
    RecoverInstall(ExeFolder());
    if (!ReadCommandLine(commandLine, ExeFolder())) return nullptr;
    frmTarvo* form = nullptr;
    trap(__LINE__, [&] {
        form = new frmTarvo;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        form->repaint();
    });
    if (!form) return nullptr;
    Wait(2);
    trap(__LINE__, [&] { form->TarvoUpdate(); });
    return form;
}

void RecoverInstall(const std::string& appFolder) {
    resumeNext([&] { InstallRun::Recover(appFolder, appFolder + "Backup/"); });
}

int RecoverOnly() {
    // A running Tarvo is in the middle of its own install and finishes it itself.
    if (Program_Is_Already_Running()) return 0;
    RecoverInstall(ExeFolder());
    return 0;
}

bool ReadCommandLine(const std::string& commandLine, const std::string& appFolder) {
    CommandLine = commandLine;
    const std::string s = Scramble(commandLine);
    if (s.empty()) {
        refuseStart(QCoreApplication::translate("modTarvo", "Cannot run program... Missing parameters..."));
        return false;
    }
    const std::vector<std::string> fields = SplitFields(s);
    if (fields.size() != 4 || val(fields[3]) - 1 != 3) {
        //: %1 is an error code that stays as it is.
        refuseStart(QCoreApplication::translate("modTarvo", "Cannot run program... %1").arg("<err_UP>"));
        return false;
    }
    UpdateUrl = fields[0];
    AppFolder = fFixPath(appFolder);
    TempFolder = WorkFolder(GetTempPath(), AppFolder);
    ProductName = fields[1];
    MainProgramPath = AppFolder + fields[2];
    if (TempFolder.empty()) {
        refuseStart(QCoreApplication::translate("modTarvo", "Tarvo could not find the default Temp directory, cannot continue."));
        return false;
    }
    ErrorBoxTrap trap("Tarvo.modTarvo.Main");
    trap(__LINE__, [&] { UpdateInfoFile.PathFileName(TempFolder + FileNameURL(UpdateUrl)); });
    return true;
}

bool Program_Is_Already_Running() {
    // One lock per executable and user, so copies in other folders run on their own.
    const QByteArray exe = QByteArray::fromStdString(ExeFolder() + AppName());
    const QByteArray key = QCryptographicHash::hash(exe, QCryptographicHash::Sha1).toHex().left(16);
    return InstanceLockHeldElsewhere("Tarvo-" + std::to_string(::getuid()) + "-" + key.toStdString() + ".lock");
}

std::string FilePathURL(const std::string& url) {
    const std::string t = TrimBlanks(url);
    const size_t slash = t.rfind('/');
    return slash == std::string::npos ? std::string() : t.substr(0, slash + 1);
}

std::string FileNameURL(const std::string& url) {
    const size_t slash = url.rfind('/');
    if (slash == std::string::npos) return url;
    std::string name = url.substr(slash + 1);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

void DoEvents() { QCoreApplication::processEvents(); }

void Wait(double seconds) {
    QElapsedTimer timer;
    timer.start();
    const qint64 until = static_cast<qint64>(seconds * 1000);
    while (timer.elapsed() < until) {
        DoEvents();
        QThread::msleep(10);
    }
}

bool ParseDateText(const std::string& text, DateValue& value) {
    const std::string t = TrimBlanks(text);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
    std::string rest;
    auto validTime = [&] { return h >= 0 && h < 24 && mi >= 0 && mi < 60 && s >= 0 && s < 60; };
    if (std::sscanf(t.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) == 3) {
        rest = t.substr(static_cast<size_t>(used));
        if (!rest.empty()) {
            if (rest[0] != ' ' && rest[0] != 'T') return false;
            int n = 0;
            const int got = std::sscanf(rest.c_str() + 1, "%2d:%2d%n:%2d%n", &h, &mi, &n, &s, &n);
            if (got < 2 || rest.size() != static_cast<size_t>(n) + 1) return false;
        }
    } else if (std::sscanf(t.c_str(), "%2d/%2d/%4d%n", &mo, &d, &y, &used) == 3) {
        rest = TrimBlanks(t.substr(static_cast<size_t>(used)));
        if (!rest.empty()) {
            int n = 0;
            const int got = std::sscanf(rest.c_str(), "%2d:%2d%n:%2d%n", &h, &mi, &n, &s, &n);
            if (got < 2) return false;
            const std::string ampm = TrimBlanks(rest.substr(static_cast<size_t>(n)));
            if (!ampm.empty()) {
                if (h < 1 || h > 12) return false;
                if (EqualsNoCase(ampm, "AM")) h = h % 12;
                else if (EqualsNoCase(ampm, "PM")) h = h % 12 + 12;
                else return false;
            }
        }
    } else {
        return false;
    }
    if (y < 100 || mo < 1 || mo > 12 || d < 1 || !validTime()) return false;
    const DateValue day = dateSerial(y, mo, d);
    if (month(day) != mo) return false;  // 31 April and the like
    value = day + timeSerial(h, mi, s);
    return true;
}

}  // namespace nv
