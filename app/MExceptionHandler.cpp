#include "MExceptionHandler.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>

#include "VbError.h"

namespace nv {

namespace {

bool installed = false;
struct sigaction previous[4];
constexpr int kSignals[4] = {SIGSEGV, SIGFPE, SIGILL, SIGBUS};
std::terminate_handler previousTerminate = nullptr;

// The Windows code of the fault a signal reports.
uint32_t faultCode(int sig, const siginfo_t* info) {
    const int code = info ? info->si_code : 0;
    switch (sig) {
    case SIGFPE:
        switch (code) {
        case FPE_INTDIV: return 0xC0000094;
        case FPE_INTOVF: return 0xC0000095;
        case FPE_FLTDIV: return 0xC000008E;
        case FPE_FLTOVF: return 0xC0000091;
        case FPE_FLTUND: return 0xC0000093;
        case FPE_FLTRES: return 0xC000008F;
        case FPE_FLTSUB: return 0xC000008C;
        default: return 0xC0000090;
        }
    case SIGILL: return code == ILL_PRVOPC || code == ILL_PRVREG ? 0xC0000096 : 0xC000001D;
    case SIGBUS: return code == BUS_ADRALN ? 0x80000002 : 0xC0000006;
    default: return 0xC0000005;
    }
}

void onFault(int sig, siginfo_t* info, void*) {
    // The signal stays unblocked (SA_NODEFER), so later faults come here again. The throw
    // leaves through the faulting instruction's frame, built with -fnon-call-exceptions.
    EXCEPTION_RECORD record;
    record.ExceptionCode = faultCode(sig, info);
    EXCEPTION_POINTERS pointers;
    pointers.ExceptionRecord = &record;
    ExceptionHandler(pointers);
}

// A fault that nothing caught ends up here: name it and end the program instead of hanging.
[[noreturn]] void onTerminate() {
    try {
        if (std::exception_ptr e = std::current_exception()) std::rethrow_exception(e);
    } catch (const VbError& e) {
        const std::string text = "Noorvale: " + e.description() + " (error " + std::to_string(e.number()) + ", " +
                                 e.source() + ")\n";
        ssize_t ignored = write(STDERR_FILENO, text.data(), text.size());
        (void)ignored;
    } catch (...) {
    }
    _exit(3);
}

}  // namespace

std::string GetExceptionText(uint32_t code) {
    switch (code) {
    case 0xC0000005: return "Access Violation";
    case 0x80000002: return "Data Type Misalignment";
    case 0x80000003: return "Breakpoint";
    case 0x80000004: return "Single Step";
    case 0xC000008C: return "Array Bounds Exceeded";
    case 0xC000008D: return "Float Denormal Operand";
    case 0xC000008E: return "Divide By Zero";
    case 0xC000008F: return "Floating Point Inexact Result";
    case 0xC0000090: return "Invalid Operation";
    case 0xC0000091: return "Float Overflow";
    case 0xC0000092: return "Float Stack Check";
    case 0xC0000093: return "Float Underflow";
    case 0xC0000094: return "Integer Divide By Zero";
    case 0xC0000095: return "Integer Overflow";
    case 0xC0000096: return "Privileged Instruction";
    case 0xC0000006: return "In Page Error";
    case 0xC000001D: return "Illegal Instruction";
    case 0xC0000025: return "Non Continuable Exception";
    case 0xC00000FD: return "Stack Overflow";
    case 0xC0000026: return "Invalid Disposition";
    case 0x80000001: return "Guard Page Violation";
    case 0xC0000008: return "Invalid Handle";
    case 0xC000013A: return "Control-C Exit";
    default: {
        char buf[32];
        std::snprintf(buf, sizeof buf, "Unknown (&H%08X)", code);
        return buf;
    }
    }
}

int32_t ExceptionHandler(const EXCEPTION_POINTERS& pointers) {
    const EXCEPTION_RECORD* record = pointers.ExceptionRecord;
    if (record == nullptr) return 0;
    while (record->ExceptionRecord != nullptr) record = record->ExceptionRecord;
    throw VbError(kErrProcessorFault, "ExceptionHandler", GetExceptionText(record->ExceptionCode));
}

void InstallExceptionHandler() {
    if (installed) return;
    struct sigaction sa {};
    sa.sa_sigaction = onFault;
    sa.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    for (int i = 0; i < 4; ++i) sigaction(kSignals[i], &sa, &previous[i]);
    previousTerminate = std::set_terminate(onTerminate);
    installed = true;
}

void RemoveExceptionHandler() {
    if (!installed) return;
    for (int i = 0; i < 4; ++i) sigaction(kSignals[i], &previous[i], nullptr);
    std::set_terminate(previousTerminate);
    installed = false;
}

bool ExceptionHandlerInstalled() { return installed; }

}  // namespace nv
