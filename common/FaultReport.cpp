#include "FaultReport.h"

#include <execinfo.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>

#include "Log.h"

namespace nv {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGFPE, SIGILL, SIGBUS, SIGABRT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
struct sigaction previous[kSignalCount];
bool installed = false;
char programName[64] = "Noorvale";
std::atomic<FaultNamer> namer{nullptr};
// Room for the handler when the fault is a stack overflow.
alignas(16) char alternateStack[64 * 1024];

// A line assembled without allocating.
struct Line {
    char text[256];
    size_t size = 0;
    void add(const char* s) {
        while (*s && size < sizeof text - 1) text[size++] = *s++;
    }
    void addNumber(uint64_t value, unsigned base = 10, int width = 1) {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value > 0 && n < 24);
        while (n < width && n < 24) digits[n++] = '0';
        while (n > 0 && size < sizeof text - 1) text[size++] = digits[--n];
    }
};

const char* signalName(int sig) {
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGBUS: return "SIGBUS";
    case SIGABRT: return "SIGABRT";
    default: return "signal";
    }
}

// The time as the other log lines give it, in UTC ("2026-12-08T01:02:03Z").
void addTime(Line& line) {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const int64_t seconds = now.tv_sec;
    int64_t days = seconds / 86400;
    const int64_t rest = seconds % 86400;
    // Days since 1970-01-01 to a civil date.
    days += 719468;
    const int64_t era = days / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2);
    line.addNumber(year, 10, 4);
    line.add("-");
    line.addNumber(month, 10, 2);
    line.add("-");
    line.addNumber(day, 10, 2);
    line.add("T");
    line.addNumber(rest / 3600, 10, 2);
    line.add(":");
    line.addNumber(rest / 60 % 60, 10, 2);
    line.add(":");
    line.addNumber(rest % 60, 10, 2);
    line.add("Z");
}

void writeAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w <= 0) return;
        p += w;
        n -= static_cast<size_t>(w);
    }
}

void onFatalSignal(int sig, siginfo_t* info, void*) {
    const int savedErrno = errno;
    // A signal another process (or raise, kill) sent is no fault of an instruction.
    const bool sent = info && info->si_code <= 0;
    FaultNamer name = namer.load();
    const char* what = name && !sent ? name(sig, info) : nullptr;
    Line line;
    addTime(line);
    line.add(" fatal noorvale.fault: ");
    line.add(programName);
    line.add(" ended by ");
    line.add(signalName(sig));
    if (what) {
        line.add(" (");
        line.add(what);
        line.add(")");
    }
    if (sent && sig != SIGABRT) {
        line.add(" sent by process ");
        line.addNumber(static_cast<uint64_t>(info->si_pid));
    } else if (info && !sent) {
        line.add(" at address 0x");
        line.addNumber(reinterpret_cast<uintptr_t>(info->si_addr), 16);
    }
    line.add("; backtrace:\n");

    void* frames[64];
    const int count = backtrace(frames, 64);
    const int logFd = logFileDescriptor();
    for (int fd : {logFd, int{STDERR_FILENO}}) {
        if (fd < 0) continue;
        writeAll(fd, line.text, line.size);
        backtrace_symbols_fd(frames, count, fd);
    }

    // The default action ends the program with this signal and its core dump: at once for a
    // raised signal, and for a fault when the instruction runs again on return.
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    raise(sig);
    errno = savedErrno;
}

}  // namespace

void installFaultReport(const char* program, FaultNamer faultNamer) {
    if (program) {
        strncpy(programName, program, sizeof programName - 1);
        programName[sizeof programName - 1] = '\0';
    }
    namer.store(faultNamer);
    if (installed) return;
    // backtrace() loads its unwinder on first use; do that now, outside any signal handler.
    void* warmUp[1];
    backtrace(warmUp, 1);
    stack_t stack {};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);
    struct sigaction sa {};
    sa.sa_sigaction = onFatalSignal;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &sa, &previous[i]);
    installed = true;
}

void removeFaultReport() {
    if (!installed) return;
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &previous[i], nullptr);
    installed = false;
}

bool faultReportInstalled() { return installed; }

}  // namespace nv
