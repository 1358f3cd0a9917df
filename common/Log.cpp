#include "Log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <unordered_set>

#include "VbError.h"

namespace nv {

Q_LOGGING_CATEGORY(lcCommon, "noorvale.common", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEngine, "noorvale.engine", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "noorvale.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMedia, "noorvale.media", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "noorvale.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDialogs, "noorvale.dialogs", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "noorvale.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUpdlib, "noorvale.updlib", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUpdater, "noorvale.updater", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHelper, "noorvale.helper", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCli, "noorvale.cli", QtInfoMsg)

namespace {

// The folder a source file sits in ("ui" for .../ui/Clock.cpp) and its name from there on.
std::string_view folderOf(std::string_view file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string_view::npos) return {};
    const size_t before = file.rfind('/', slash - 1);
    return file.substr(before == std::string_view::npos ? 0 : before + 1,
                       slash - (before == std::string_view::npos ? 0 : before + 1));
}

std::string_view shortName(std::string_view file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string_view::npos || slash == 0) return file;
    const size_t before = file.rfind('/', slash - 1);
    return before == std::string_view::npos ? file : file.substr(before + 1);
}

// The open file: written with write(2) under `fileMutex`; the fault report reads the descriptor
// without the lock.
std::mutex fileMutex;
std::atomic<int> fileFd{-1};
std::string filePath;           // guarded by fileMutex
int64_t fileSize = 0;           // guarded by fileMutex
int64_t fileLimit = kLogFileLimit;  // guarded by fileMutex
QtMessageHandler previousHandler = nullptr;

int openAppending(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
}

// Keeps the current file as <path>.1 (replacing the older one) and starts an empty one.
void startNewFile() {
    const std::string old = filePath + ".1";
    if (::rename(filePath.c_str(), old.c_str()) != 0) return;
    const int fd = openAppending(filePath);
    if (fd < 0) return;  // the old file keeps taking the lines
    const int previous = fileFd.exchange(fd);
    if (previous >= 0) ::close(previous);
    fileSize = 0;
}

void writeLine(const std::string& line) {
    std::lock_guard<std::mutex> lock(fileMutex);
    if (fileFd.load() < 0) return;
    if (fileSize > 0 && fileSize + static_cast<int64_t>(line.size()) > fileLimit) startNewFile();
    const char* p = line.data();
    size_t left = line.size();
    while (left > 0) {
        const ssize_t n = ::write(fileFd.load(), p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        p += n;
        left -= static_cast<size_t>(n);
        fileSize += n;
    }
}

const char* levelName(QtMsgType type) {
    switch (type) {
    case QtDebugMsg: return "debug";
    case QtInfoMsg: return "info";
    case QtWarningMsg: return "warning";
    case QtCriticalMsg: return "critical";
    case QtFatalMsg: return "fatal";
    }
    return "?";
}

// "<local time> <level> <category>: <text>\n"
std::string logLine(const char* level, const char* category, const std::string& text) {
    return QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toStdString() + " " + level + " " + category +
           ": " + text + "\n";
}

void toFile(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const char* category = context.category && *context.category ? context.category : "default";
    writeLine(logLine(levelName(type), category, message.toStdString()));
    if (previousHandler) previousHandler(type, context, message);
}

std::mutex placesMutex;
std::unordered_set<std::string> placesSeen;  // guarded by placesMutex

}  // namespace

const QLoggingCategory& categoryOfSource(const char* file) {
    static const struct {
        std::string_view folder;
        const QLoggingCategory& (*category)();
    } kFolders[] = {
        {"engine", lcEngine}, {"settings", lcSettings}, {"media", lcMedia},     {"ui", lcUi},
        {"dialogs", lcDialogs}, {"app", lcApp},       {"updlib", lcUpdlib},   {"updater", lcUpdater},
        {"helper", lcHelper}, {"cli", lcCli},
    };
    const std::string_view folder = folderOf(file ? file : "");
    for (const auto& f : kFolders)
        if (f.folder == folder) return f.category();
    return lcCommon();
}

std::string placeText(const std::source_location& where) {
    return std::string(shortName(where.file_name())) + ":" + std::to_string(where.line());
}

std::string logFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') return std::string(state) + "/Noorvale";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/Noorvale";
}

bool installLogFile(const std::string& program, int64_t limit) {
    const std::string folder = logFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string path = folder + "/" + program + ".log";
    {
        std::lock_guard<std::mutex> lock(fileMutex);
        const int fd = openAppending(path);
        if (fd < 0) {
            std::fprintf(stderr, "%s: cannot write the log file %s: %s\n", program.c_str(), path.c_str(),
                         std::strerror(errno));
            return false;
        }
        struct stat st {};
        fileSize = ::fstat(fd, &st) == 0 ? st.st_size : 0;
        const int previous = fileFd.exchange(fd);
        if (previous >= 0) ::close(previous);
        filePath = path;
        fileLimit = limit;
        if (fileSize >= fileLimit) startNewFile();
    }
    QtMessageHandler before = qInstallMessageHandler(toFile);
    if (before != toFile) previousHandler = before;
    // Where one run's lines begin; in the file only.
    writeLine(logLine("info", "noorvale.common", program + " started, process " + std::to_string(::getpid())));
    return true;
}

void closeLogFile() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    std::lock_guard<std::mutex> lock(fileMutex);
    const int fd = fileFd.exchange(-1);
    if (fd >= 0) ::close(fd);
}

int logFileDescriptor() noexcept { return fileFd.load(); }

void logSwallowedError(const std::source_location& where) noexcept {
    try {
        const std::string place = placeText(where);
        {
            std::lock_guard<std::mutex> lock(placesMutex);
            if (!placesSeen.insert(place + ":" + std::to_string(where.column())).second) return;
        }
        const VbError error = currentError();
        std::string text = "error " + std::to_string(error.number()) + " (" + error.description() + ")";
        if (!error.source().empty()) text += " from " + error.source();
        text += " skipped at " + place + " in " + where.function_name();
        qCWarning(categoryOfSource(where.file_name())).noquote() << QString::fromStdString(text);
    } catch (...) {
    }
}

}  // namespace nv
