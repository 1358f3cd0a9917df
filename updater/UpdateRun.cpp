#include "UpdateRun.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QProcess>

#include <openssl/evp.h>
#include <sys/statvfs.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <set>

#include "InstallRun.h"
#include "MsgBox.h"
#include "UpdateSignature.h"
#include "UpdaterApp.h"
#include "VbConv.h"
#include "VbError.h"
#include "cCrc32.h"
#include "cFile.h"
#include "cNetURL.h"
#include "mXOR.h"
#include "modCallback.h"
#include "modTarvo.h"

namespace nv {

namespace {

// A name of an update file that is one plain file name (no folders, nothing absolute, no "..").
bool isPlainName(const std::string& name) {
    const std::string safe = fSafeRelativePath(name);
    return !safe.empty() && safe.find('/') == std::string::npos;
}

// A [FILES] sub-folder as a "/" path ending in "/" (empty for the program folder itself).
std::string subFolder(const std::string& field) {
    std::string p = field;
    for (auto& c : p)
        if (c == '\\') c = '/';
    return fFixPath(p);
}

// Free bytes for this user on the file system of the folder; max when it cannot be told.
uint64_t freeSpace(const std::string& folder) {
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0) return UINT64_MAX;
    return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

// A cause as a sentence of its own.
std::string sentence(std::string text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

// The causes the steps name most often.
std::string noSpace() { return QCoreApplication::translate("nv::frmTarvo", "There is not enough free disk space.").toStdString(); }
std::string badData() { return QCoreApplication::translate("nv::frmTarvo", "The data does not match its checksum.").toStdString(); }

constexpr uint64_t kSignatureLimit = 4096;

// Today's local date as yyyy-mm-dd.
std::string todayText() {
    const time_t now = std::time(nullptr);
    struct tm t {};
    localtime_r(&now, &t);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &t);
    return text;
}

void deleteIfExists(const std::string& path) {
    resumeNext([&] {
        cFile f;
        f.PathFileName(path);
        if (f.Exists()) f.Delete();
    });
}

}  // namespace

UpdateRun::UpdateRun(UpdateDisplay& display) : display_(display) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.Form_Load");
    trap(__LINE__, [&] { NetGet.Init(); });
    NetGet.SetStatusWindow([this](const std::string& text) { display_.SetMessage(text); });
    NetGet.SetEventPump([] { DoEvents(); });
    IniFile.SetEventPump([] { DoEvents(); });  // a long update.ini keeps the window alive while it is parsed
    NetGet.SetBusyPointer([](bool busy) {
        if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    });
    // The update server itself is the first address that proves a working connection.
    trap(__LINE__, [&] {
        cNetURL origin;
        if (!origin.CrackUrl(UpdateUrl)) return;
        origin.URLPath("/");
        origin.ExtraInfo("");
        const std::string probe = origin.CreateURL();
        if (probe.empty()) return;
        const std::vector<std::string> others = NetGet.Probes().Items();
        NetGet.ClearProbes();
        NetGet.AddProbe(probe);
        for (const auto& p : others) NetGet.AddProbe(p);
    });
}

bool UpdateRun::Run(int& last) {
    last = 0;
    bool ok = ConnectToNet(0, 10);
    if (ok) {
        last = 1;
        ok = AnyUpdates(1, 25);
        if (SelfUpdatePending) {
            ok = UpdateSelf();
            if (display_.Closed()) return ok;
        }
    }
    if (ok) {
        last = 2;
        ok = DownloadUpdates(2, 70);
        if (ok) {
            last = 3;
            ok = InstallUpdates(3, 99);
        }
        DeleteWorkFiles();
    }
    return ok;
}

UpdateRun::Bar UpdateRun::StepEnter(int i, int p) {
    display_.SetStep(i, StepState::Working);
    //: %1 is the step under way ("Retrieving updates").
    display_.SetMessage(tr("%1, Please wait...").arg(display_.StepName(i)).toStdString());
    Bar bar;
    bar.w0 = display_.progressWidth();
    bar.d = static_cast<int>(intDiv(static_cast<int64_t>(display_.progressFullWidth()) * p, int64_t{100})) - bar.w0;
    return bar;
}

void UpdateRun::StepItem(const Bar& bar, int k, int n) {
    if (n > 0) display_.SetProgress(bar.w0 + static_cast<int>(intDiv(static_cast<int64_t>(bar.d) * k, static_cast<int64_t>(n))));
}

void UpdateRun::StepLeave(int i, const Bar& bar, bool ok) {
    display_.SetProgress(bar.w0 + bar.d);
    if (ok) display_.SetStep(i, StepState::OK);
}

bool UpdateRun::ConnectToNet(int i, int p) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.ConnectToNet");
    const Bar bar = StepEnter(i, p);
    bool ok = true;
    bool connected = false;
    trap(__LINE__, [&] { connected = NetGet.Connected(); });
    // The update server's own address is the first probe: when it alone fails while the way
    // there works, the server is down, not the connection.
    std::string server;
    trap(__LINE__, [&] {
        cNetURL u;
        if (u.CrackUrl(UpdateUrl)) server = u.HostHame();
    });
    bool serverDown = false;
    while (!connected) {
        serverDown = NetGet.FirstServerDown();
        const std::string text =
            serverDown ? FillIn(tr("The update server %1 is not answering, although the Internet\r\n"
                                   "can be reached. It may be down for a while; please try again later.")
                                    .toStdString(),
                                {server})
                       : tr("You must have an active connection to the Internet\r\n"
                            "for Tarvo to function properly. Please establish\r\n"
                            "an Internet Connection and try again.")
                             .toStdString();
        const int answer = MsgBox(text, vbCritical + vbAbortRetryIgnore);
        if (answer == vbRetry) {
            trap(__LINE__, [&] { connected = NetGet.Connected(); });
            continue;
        }
        if (answer == vbAbort) ok = false;
        break;
    }
    if (ok) {
        std::string mode;
        if (connected) trap(__LINE__, [&] { mode = NetGet.ConnectModeDesc(); });
        //: %1 is the kind of connection (LAN, Modem, Proxy Server).
        display_.SetMessage(connected ? FillIn(tr("Internet Status: Connected: %1").toStdString(), {mode})
                             : tr("Internet Status: Not Connected").toStdString());
    } else if (serverDown) {
        //: %1 is the update server's name.
        display_.SetMessage(FillIn(tr("Update Failed, the update server %1 is not answering.").toStdString(), {server}));
    } else {
        display_.SetMessage(tr("Update Failed, could not connect to the Internet.").toStdString());
    }
    StepLeave(i, bar, ok);
    return ok;
}

bool UpdateRun::PackageNamesAreSafe() {
    std::vector<std::string> keys;
    IniFile.EnumerateAllKeys("CABFILES", keys);
    for (const auto& key : keys) {
        const auto f = SplitFields(IniFile.GetStringValue("CABFILES", key));
        if (!isPlainName(f[0])) return false;
    }
    // The work files in the work folder, where the extracted files land too.
    std::set<std::string> taken = {LowerAscii(FileNameURL(UpdateUrl)), LowerAscii(AppName()),
                                   LowerAscii(FileNameURL(InstalledRecord()))};
    for (const auto& key : keys) taken.insert(LowerAscii(FileNameURL(SplitFields(IniFile.GetStringValue("CABFILES", key))[0])));
    IniFile.EnumerateAllKeys("FILES", keys);
    for (const auto& key : keys) {
        const auto f = SplitFields(IniFile.GetStringValue("FILES", key));
        if (f.size() < 6) continue;
        if (!isPlainName(f[0])) return false;
        // Each name once: a second one would overwrite a work file or the first one's backup.
        if (!taken.insert(LowerAscii(f[0])).second) return false;
        if (!f[3].empty() && fSafeRelativePath(subFolder(f[3]) + "x").empty()) return false;
    }
    for (const char* key : {"CabFile", "File"}) {
        const std::string value = IniFile.GetStringValue("TARVO", key);
        if (!value.empty() && !isPlainName(SplitFields(value)[0])) return false;
    }
    return true;
}

bool UpdateRun::Fetch(const std::string& url, const std::string& local, uint64_t limit, bool sizeStated,
                     std::string& cause) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.Fetch");
    // Room for the whole file (grown to whole 2048-byte blocks) before the first byte comes.
    if (sizeStated && freeSpace(TempFolder) < limit + 2048) {
        cause = noSpace();
        return false;
    }
    bool read = false;
    NetGet.SetSizeLimit(limit);
    trap(__LINE__, [&] { read = NetGet.ReadUrl(url, local); });
    NetGet.SetSizeLimit(0);
    // A transfer that broke off midway leaves only part of the file: that is no download.
    if (read && NetGet.LastErrorCode() == 0) return true;
    cause = sentence(NetGet.GetLastError());
    if (cause.empty()) cause = tr("The download failed.").toStdString();
    else if (cause == sentence(nv::Translate("cNetGet", "Disk full"))) cause = noSpace();
    deleteIfExists(local);
    return false;
}

std::string UpdateRun::InstalledRecord() const { return AppFolder + "Tarvo.installed"; }

std::string UpdateRun::FilesFingerprint() {
    std::vector<std::string> keys;
    IniFile.EnumerateAllKeys("FILES", keys);
    std::string files;
    for (const auto& key : keys) {
        const auto f = SplitFields(IniFile.GetStringValue("FILES", key));
        if (f.size() < 6) continue;
        files += LowerAscii(subFolder(f[3]) + f[0]) + "\t" + TrimBlanks(f[5]) + "\t" +
                 (f.size() > 6 ? LowerAscii(TrimBlanks(f[6])) : std::string()) + "\n";
    }
    return QCryptographicHash::hash(QByteArray::fromStdString(files), QCryptographicHash::Sha256).toHex().toStdString();
}

std::string UpdateRun::RollbackRefusal() {
    const std::string offered = TrimBlanks(IniFile.GetStringValue("TARVO", "ProductVersion"));
    // An unsigned update without a version is read as before; a signed one must carry a version.
    if (offered.empty() && UpdatePublicKey.empty()) return {};
    if (!IsVersionText(offered))
        return FillIn(tr("Update Failed, Tarvo file is not valid. %1").toStdString(),
                      {tr("The update information file names no valid version.").toStdString()});
    if (!FileExists(InstalledRecord())) return {};
    cIniFile record;
    record.FileName(InstalledRecord());
    const std::string installed = TrimBlanks(record.GetStringValue("INSTALLED", "Version"));
    if (!IsVersionText(installed)) return {};
    const int order = CompareVersions(offered, installed);
    if (order < 0)
        //: %1 is the version offered by the update, %2 the version installed ("1.1").
        return FillIn(tr("Update Failed, the update offered is version %1, older than the installed version %2.").toStdString(),
                      {offered, installed});
    if (order == 0 && record.GetStringValue("INSTALLED", "Files") == FilesFingerprint())
        //: %1 is the version installed ("1.1").
        return FillIn(tr("Version %1 is installed already, No update is available at this time.").toStdString(), {installed});
    return {};
}

void UpdateRun::NoteInstalled() {
    const std::string version = TrimBlanks(IniFile.GetStringValue("TARVO", "ProductVersion"));
    if (!IsVersionText(version)) return;
    cIniFile record;
    record.FileName(InstalledRecord());
    record.SaveStringValue("INSTALLED", "Files", FilesFingerprint());
    record.SaveStringValue("INSTALLED", "Version", version);
}

std::string UpdateRun::SelfUpdateRecord() const { return TempFolder + "Tarvo.selfupdate"; }

bool UpdateRun::SelfUpdateDoneToday(int32_t published) const {
    std::ifstream in(SelfUpdateRecord());
    int32_t version = 0;
    std::string day;
    return in >> version >> day && version == published && day == todayText();
}

bool UpdateRun::AnyUpdates(int i, int p) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.AnyUpdates");
    const Bar bar = StepEnter(i, p);
    cNetURL url;
    trap(__LINE__, [&] { url.CrackUrl(UpdateUrl); });
    const int32_t own = VersionNumber(TarvoVersionText());
    trap(__LINE__, [&] {
        if (UpdateInfoFile.Exists()) UpdateInfoFile.Delete();
    });
    bool ok = false;
    do {
        std::string address, cause;
        trap(__LINE__, [&] { address = url.CreateURL(); });
        if (!Fetch(address, UpdateInfoFile.PathFileName(), kInfoFileLimit, false, cause)) {
            display_.SetMessage(FillIn(tr("Update Failed, could not retrieve Tarvo file. %1").toStdString(), {cause}));
            break;
        }
        bool exists = false;
        trap(__LINE__, [&] { exists = UpdateInfoFile.Exists(); });
        if (!exists) {
            display_.SetMessage(tr("Update Failed, could not open Tarvo file.").toStdString());
            break;
        }
        // With the maker's key built in, only an update.ini the maker signed is read at all.
        if (!UpdatePublicKey.empty()) {
            const std::string signature = UpdateInfoFile.PathFileName() + ".sig";
            // A signature the server does not have is a missing one; any other failure is named.
            const bool fetched = Fetch(address + ".sig", signature, kSignatureLimit, false, cause);
            const bool absent = NetGet.HttpStatus() == 404 || NetGet.HttpStatus() == 410;
            if ((!fetched && !absent) ||
                !VerifyUpdateSignature(UpdateInfoFile.PathFileName(), signature, UpdatePublicKey, cause)) {
                display_.SetMessage(FillIn(tr("Update Failed, Tarvo file is not valid. %1").toStdString(), {cause}));
                deleteIfExists(signature);
                deleteIfExists(UpdateInfoFile.PathFileName());
                break;
            }
            deleteIfExists(signature);
        } else {
            display_.ShowUnsigned();
        }
        std::string name;
        trap(__LINE__, [&] {
            IniFile.FileName(UpdateInfoFile.PathFileName());
            name = IniFile.GetStringValue("TARVO", "Name");
        });
        if (name != ProductName) {
            display_.SetMessage(tr("Update Failed, Tarvo file is not valid.").toStdString());
            break;
        }
        bool safe = false;
        trap(__LINE__, [&] { safe = PackageNamesAreSafe(); });
        if (!safe) {
            display_.SetMessage(tr("Update Failed, update package is not valid.").toStdString());
            break;
        }
        std::string refusal;
        trap(__LINE__, [&] { refusal = RollbackRefusal(); });
        if (!refusal.empty()) {
            display_.SetMessage(refusal);
            break;
        }
        int32_t published = 0;
        trap(__LINE__, [&] { published = VersionNumber(IniFile.GetStringValue("TARVO", "Version")); });
        // A Tarvo that replaced itself today with this version and still finds itself older (a
        // published executable older than its stated version) goes on with the product update
        // instead of asking for the same self-update again and again.
        if (own < published && !SelfUpdateDoneToday(published)) {
            //: %1 is the product that is updated (Noorvale).
            const int answer = MsgBox(FillIn(tr("There is a newer version of the Tarvo program available...\r\n"
                                             "You MUST update Tarvo before checking for %1 updates.\r\n\r\n"
                                             "Do you wish to download the update now?").toStdString(), {ProductName}),
                                      vbQuestion + vbYesNo, tr("Tarvo Message").toStdString());
            if (answer == vbYes) {
                display_.SetMessage(tr("Tarvo version is not up to date.").toStdString());
                SelfUpdatePending = true;
            } else {
                display_.SetMessage(tr("Update Failed, Tarvo version is not up to date.").toStdString());
            }
            break;
        }
        trap(__LINE__, [&] { ok = FilesToUpdate(); });
        if (!ok) display_.SetMessage(tr("You have the latest version, No update is available at this time.").toStdString());
    } while (false);
    StepLeave(i, bar, ok);
    return ok;
}

bool UpdateRun::FilesToUpdate() {
    ErrorBoxTrap trap("Tarvo.frmTarvo.FilesToUpdate");
    std::vector<std::string> keys;
    trap(__LINE__, [&] { IniFile.EnumerateAllKeys("FILES", keys); });
    for (const auto& key : keys) {
        trap(__LINE__, [&] {
            const std::string value = IniFile.GetStringValue("FILES", key);
            const auto f = SplitFields(value);
            if (f.size() < 6) return;
            cFile installed;
            installed.PathFileName(AppFolder + subFolder(f[3]) + f[0]);
            DateValue published = 0;
            if (!installed.Exists() || !ParseDateText(f[1], published) || installed.LastWriteTime() < published)
                FileList.push_back(value);
        });
        DoEvents();
    }
    return !FileList.empty();
}

bool UpdateRun::VerifyCRC(const std::string& fileName, const std::string& crcText) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const int64_t n = static_cast<int64_t>(in.tellg());
    if (n < 0) return false;
    const int64_t c = n > 511 ? 512 : n;
    std::string first(static_cast<size_t>(c), '\0'), second(static_cast<size_t>(c), '\0');
    in.seekg(0);
    in.read(first.data(), c);
    // The second block starts at byte n - c (counting from 1); for a file of 512 bytes or fewer
    // that byte does not exist and the block stays c zero bytes.
    if (n - c >= 1) {
        in.seekg(n - c - 1);
        in.read(second.data(), c);
    }
    if (!in) return false;
    cCrc32 crc;
    crc.AddString(std::to_string(n));
    crc.AddString(first);
    crc.AddString(second);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", crc.Checksum());
    return hex == TrimBlanks(crcText);
}

bool UpdateRun::VerifySHA256(const std::string& fileName, const std::vector<std::string>& value, size_t field) {
    // Optional in an unsigned update; a signed one must name every file's SHA-256.
    if (value.size() <= field || TrimBlanks(value[field]).empty()) return UpdatePublicKey.empty();
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1) return false;
    std::vector<char> buffer(1 << 16);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (in.gcount() > 0 && EVP_DigestUpdate(ctx.get(), buffer.data(), static_cast<size_t>(in.gcount())) != 1) return false;
    }
    if (in.bad()) return false;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(ctx.get(), digest, &length) != 1) return false;
    std::string hex;
    for (unsigned int k = 0; k < length; ++k) {
        char two[3];
        std::snprintf(two, sizeof two, "%02x", digest[k]);
        hex += two;
    }
    return EqualsNoCase(hex, TrimBlanks(value[field]));
}

std::string UpdateRun::CheckFile(const std::string& fileName, const std::string& crcText,
                                const std::vector<std::string>& value, size_t field) {
    if (!VerifyCRC(fileName, crcText)) return badData();
    if (!UpdatePublicKey.empty() && (value.size() <= field || TrimBlanks(value[field]).empty()))
        //: %1 is a file name of the update.
        return FillIn(tr("The update names no SHA-256 checksum for %1.").toStdString(), {value.at(0)});
    return VerifySHA256(fileName, value, field) ? std::string() : badData();
}

bool UpdateRun::DownloadUpdates(int i, int p) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.DownloadUpdates");
    const Bar bar = StepEnter(i, p);
    bool ok = false;
    cNetURL url;
    trap(__LINE__, [&] { url.CrackUrl(UpdateUrl); });
    std::vector<std::string> keys;
    trap(__LINE__, [&] { IniFile.EnumerateAllKeys("CABFILES", keys); });
    const int n = static_cast<int>(keys.size());
    // An update that names files but no cabinet cannot be installed: say so.
    if (n == 0) display_.SetMessage(tr("Update Failed, update package is not valid.").toStdString());
    for (int k = 1; k <= n; ++k) {
        std::vector<std::string> f{""};
        trap(__LINE__, [&] { f = SplitFields(IniFile.GetStringValue("CABFILES", keys[static_cast<size_t>(k - 1)])); });
        const std::string crcText = f.size() >= 2 ? f[1] : "ERROR";
        trap(__LINE__, [&] { url.URLPath(FilePathURL(url.URLPath()) + f[0]); });
        const std::string local = TempFolder + f[0];
        deleteIfExists(local);
        // The cabinet's size as the update information file states it bounds the download; else
        // the build's limit does.
        const int64_t stated = f.size() >= 4 ? static_cast<int64_t>(val(f[3])) : 0;
        const bool sizeStated = stated > 0 && static_cast<uint64_t>(stated) <= kCabinetLimit;
        std::string address, cause;
        trap(__LINE__, [&] { address = url.CreateURL(); });
        ok = Fetch(address, local, sizeStated ? static_cast<uint64_t>(stated) : kCabinetLimit, sizeStated, cause);
        if (!ok) {
            display_.SetMessage(FillIn(tr("Update Failed, could not retrieve updated files. %1").toStdString(), {cause}));
            break;
        }
        const std::string failure = CheckFile(local, crcText, f, 2);
        if (!failure.empty()) {
            ok = false;
            display_.SetMessage(FillIn(tr("Update Failed, could not authenticate update files. %1").toStdString(), {failure}));
            break;
        }
        StepItem(bar, k, n);
        DoEvents();
    }
    if (ok) {
        ok = ExtractCab(i, 80);
        if (ok) display_.SetStep(i, StepState::OK);
        // The extraction's own reason stays on show; without one, the general message.
        else if (!extractFailed_) display_.SetMessage(tr("Update Failed, could not extract update files.").toStdString());
    }
    StepLeave(i, bar, ok);
    return ok;
}

bool UpdateRun::ExtractCab(int i, int p) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.ExtractCab");
    const Bar bar = StepEnter(i, p);
    bool ok = false;
    // The listed files of each cabinet, in list order; every cabinet is read in one pass.
    std::vector<std::string> cabKeys;
    std::vector<std::vector<std::vector<std::string>>> filesOf;
    for (const auto& entry : FileList) {
        auto f = SplitFields(entry);
        if (f.size() < 6) continue;
        size_t c = 0;
        while (c < cabKeys.size() && !EqualsNoCase(cabKeys[c], f[4])) ++c;
        if (c == cabKeys.size()) {
            cabKeys.push_back(f[4]);
            filesOf.emplace_back();
        }
        filesOf[c].push_back(std::move(f));
    }
    const int n = static_cast<int>(FileList.size());
    int k = 0;
    std::string failure;
    for (size_t c = 0; c < cabKeys.size() && failure.empty(); ++c) {
        std::vector<std::string> cab{""};
        trap(__LINE__, [&] { cab = SplitFields(IniFile.GetStringValue("CABFILES", cabKeys[c])); });
        if (cab.size() == 1 && cab[0].empty()) {
            failure = tr("Update Failed, update package is not valid.").toStdString();
            break;
        }
        std::set<std::string> wanted, found;
        for (const auto& f : filesOf[c]) {
            wanted.insert(LowerAscii(f[0]));
            deleteIfExists(TempFolder + f[0]);
        }
        std::string cause;
        CabFile.CabName(TempFolder + FileNameURL(cab[0]));
        CabFile.BeforeExtract = [&](const std::string& name, bool& cancel) {
            cancel = !wanted.count(LowerAscii(name));
            if (!cancel) found.insert(LowerAscii(name));
            DoEvents();
        };
        try {
            CabFile.Extract({}, TempFolder, {});
        } catch (...) {
            const VbError e = currentError();
            cause = e.number() == 112 || e.number() == 39 ? noSpace() : sentence(e.description());
        }
        CabFile.BeforeExtract = nullptr;
        for (const auto& f : filesOf[c]) {
            const std::string extracted = TempFolder + f[0];
            if (!found.count(LowerAscii(f[0]))) {
                failure = tr("Update Failed, update package is not valid.").toStdString();
            } else if (!FileExists(extracted)) {
                failure = cause.empty() ? tr("Update Failed, could not extract files.").toStdString()
                                        : FillIn(tr("Update Failed, could not extract files. %1").toStdString(), {cause});
            } else if (const std::string bad = CheckFile(extracted, f[5], f, 6); !bad.empty()) {
                failure = FillIn(tr("Update Failed, could not authenticate update files. %1").toStdString(),
                                 {cause.empty() ? bad : cause});
            }
            if (!failure.empty()) break;
            StepItem(bar, ++k, n);
        }
        DoEvents();
    }
    ok = failure.empty() && k > 0;
    extractFailed_ = !failure.empty();
    if (!failure.empty()) {
        display_.SetMessage(failure);
        for (const auto& entry : FileList) deleteIfExists(TempFolder + SplitFields(entry)[0]);
    }
    StepLeave(i, bar, ok);
    return ok;
}

bool UpdateRun::InstallUpdates(int i, int p) {
    ErrorBoxTrap trap("Tarvo.frmTarvo.InstallUpdates");
    const Bar bar = StepEnter(i, p);
    const std::string backupFolder = AppFolder + "Backup/";
    InstallRun run(AppFolder, backupFolder);
    std::string failure;
    if (!fMakePath(backupFolder))
        //: %1 is a folder.
        failure = FillIn(tr("Update Failed, could not install update files. The folder %1 cannot be made.").toStdString(),
                         {backupFolder});
    // 1. Every new file is copied beside its target under a temporary name and checked there;
    //    nothing of the program has changed yet.
    uint64_t needed = 0;
    for (const auto& entry : FileList) {
        const auto f = SplitFields(entry);
        if (f.size() < 6) break;
        cFile src;
        int32_t size = 0;
        trap(__LINE__, [&] {
            src.PathFileName(TempFolder + f[0]);
            size = src.Size();
        });
        needed += static_cast<uint64_t>(std::max(size, 0)) + 4096;
    }
    if (freeSpace(AppFolder) < needed)
        failure = FillIn(tr("Update Failed, could not install update files. %1").toStdString(), {noSpace()});
    const int n = static_cast<int>(FileList.size());
    for (int k = 1; k <= n && failure.empty(); ++k) {
        const auto f = SplitFields(FileList[static_cast<size_t>(k - 1)]);
        if (f.size() < 6) break;
        const std::string source = TempFolder + f[0];
        if (!FileExists(source)) {
            failure = tr("Update Failed, could not locate update files.").toStdString();
            break;
        }
        std::string cause;
        if (!run.Stage(source, subFolder(f[3]), f[0], cause)) {
            failure = FillIn(tr("Update Failed, could not copy update files. %1").toStdString(), {cause});
            break;
        }
        StepItem(bar, k, 2 * n);
        DoEvents();
    }
    // 2. Then the old copies go to the backup folder and the new ones take their places; should
    //    any of that fail, every file already replaced is put back.
    if (failure.empty()) {
        std::string cause;
        if (!run.Commit(cause))
            //: %1 is the cause, a sentence of its own.
            failure = FillIn(
                tr("Update Failed, could not install update files. %1 The previous version was restored.").toStdString(), {cause});
    } else {
        run.Discard();
    }
    if (!failure.empty()) display_.SetMessage(failure);
    for (const auto& entry : FileList) deleteIfExists(TempFolder + SplitFields(entry)[0]);
    const bool ok = failure.empty() && n > 0;
    if (ok) resumeNext([&] { NoteInstalled(); });
    StepLeave(i, bar, ok);
    return ok;
}

void UpdateRun::DeleteWorkFiles() {
    resumeNext([&] {
        if (UpdateInfoFile.Exists()) {
            std::vector<std::string> keys;
            IniFile.EnumerateAllKeys("CABFILES", keys);
            for (const auto& key : keys) {
                const std::string value = IniFile.GetStringValue("CABFILES", key);
                if (value.empty()) break;
                const std::string name = FileNameURL(SplitFields(value)[0]);
                if (isPlainName(name)) deleteIfExists(TempFolder + name);
                DoEvents();
            }
        }
    });
    resumeNext([&] {
        if (UpdateInfoFile.Exists()) UpdateInfoFile.Delete();
    });
}

bool UpdateRun::UpdateSelf() {
    ErrorBoxTrap trap("Tarvo.frmTarvo.UpdateSelf");
    bool ok = false;
    cNetURL url;
    trap(__LINE__, [&] { url.CrackUrl(UpdateUrl); });
    std::string cabValue;
    trap(__LINE__, [&] { cabValue = IniFile.GetStringValue("TARVO", "CabFile"); });
    const std::string program = AppName();
    do {
        if (cabValue.empty()) break;
        const auto cab = SplitFields(cabValue);
        const std::string crcText = cab.size() >= 2 ? cab[1] : "ERROR";
        trap(__LINE__, [&] { url.URLPath(FilePathURL(url.URLPath()) + cab[0]); });
        const std::string local = TempFolder + cab[0];
        deleteIfExists(local);
        bool read = false;
        trap(__LINE__, [&] { read = NetGet.ReadUrl(url.CreateURL(), local); });
        if (!read || !VerifyCRC(local, crcText) || !VerifySHA256(local, cab, 2)) break;
        std::vector<std::string> file;
        trap(__LINE__, [&] { file = SplitFields(IniFile.GetStringValue("TARVO", "File")); });
        // Only Tarvo's own executable can replace Tarvo.
        if (file.size() < 6 || file[0] != program) break;
        bool holds = false;
        trap(__LINE__, [&] {
            CabFile.CabName(TempFolder + FileNameURL(cab[0]));
            holds = CabFile.GetInfo(file[0]);
        });
        if (!holds) break;
        const std::string extracted = TempFolder + file[0];
        deleteIfExists(extracted);
        trap(__LINE__, [&] { CabFile.Extract(file[0], TempFolder, file[0]); });
        if (VerifyCRC(extracted, file[5]) && VerifySHA256(extracted, file, 6) && FileExists(extracted)) ok = true;
        deleteIfExists(CabFile.CabName());
    } while (false);
    const std::string helper = AppFolder + "Quenlo";
    if (FileExists(helper) && ok) {
        display_.HandOverStarts();
        int32_t published = 0;
        trap(__LINE__, [&] { published = VersionNumber(IniFile.GetStringValue("TARVO", "Version")); });
        std::ofstream(SelfUpdateRecord()) << published << '\t' << todayText() << '\n';
        const std::string handOver = SelfUpdateHandOver(TempFolder, AppFolder, program);
        const std::string arguments = Scramble(handOver) + CommandLine;
        trap(__LINE__, [&] {
            if (!QProcess::startDetached(QString::fromStdString(helper), {QString::fromStdString(arguments)}))
                raiseError(kErrFileNotFound, "Tarvo.frmTarvo.UpdateSelf");
        });
        display_.HandOverEnds();
    } else {
        ok = false;
        display_.SetMessage(tr("Tarvo update Failed...").toStdString());
    }
    return ok;
}

}  // namespace nv
