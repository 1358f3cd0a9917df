#include "MExceptionHandler.h"

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "FaultReport.h"
#include "Log.h"
#include "Translate.h"
#include "VbConv.h"
#include "VbError.h"

namespace nv {

namespace {

bool installed = false;
std::terminate_handler previousTerminate = nullptr;

// The faults by their Windows codes.
struct FaultName {
    uint32_t code;
    const char* name;
};
constexpr FaultName kFaultNames[] = {
    {0xC0000005, NV_TRANSLATE_NOOP("MExceptionHandler", "Access Violation")},
    {0x80000002, NV_TRANSLATE_NOOP("MExceptionHandler", "Data Type Misalignment")},
    {0x80000003, NV_TRANSLATE_NOOP("MExceptionHandler", "Breakpoint")},
    {0x80000004, NV_TRANSLATE_NOOP("MExceptionHandler", "Single Step")},
    {0xC000008C, NV_TRANSLATE_NOOP("MExceptionHandler", "Array Bounds Exceeded")},
    {0xC000008D, NV_TRANSLATE_NOOP("MExceptionHandler", "Float Denormal Operand")},
    {0xC000008E, NV_TRANSLATE_NOOP("MExceptionHandler", "Divide By Zero")},
    {0xC000008F, NV_TRANSLATE_NOOP("MExceptionHandler", "Floating Point Inexact Result")},
    {0xC0000090, NV_TRANSLATE_NOOP("MExceptionHandler", "Invalid Operation")},
    {0xC0000091, NV_TRANSLATE_NOOP("MExceptionHandler", "Float Overflow")},
    {0xC0000092, NV_TRANSLATE_NOOP("MExceptionHandler", "Float Stack Check")},
    {0xC0000093, NV_TRANSLATE_NOOP("MExceptionHandler", "Float Underflow")},
    {0xC0000094, NV_TRANSLATE_NOOP("MExceptionHandler", "Integer Divide By Zero")},
    {0xC0000095, NV_TRANSLATE_NOOP("MExceptionHandler", "Integer Overflow")},
    {0xC0000096, NV_TRANSLATE_NOOP("MExceptionHandler", "Privileged Instruction")},
    {0xC0000006, NV_TRANSLATE_NOOP("MExceptionHandler", "In Page Error")},
    {0xC000001D, NV_TRANSLATE_NOOP("MExceptionHandler", "Illegal Instruction")},
    {0xC0000025, NV_TRANSLATE_NOOP("MExceptionHandler", "Non Continuable Exception")},
    {0xC00000FD, NV_TRANSLATE_NOOP("MExceptionHandler", "Stack Overflow")},
    {0xC0000026, NV_TRANSLATE_NOOP("MExceptionHandler", "Invalid Disposition")},
    {0x80000001, NV_TRANSLATE_NOOP("MExceptionHandler", "Guard Page Violation")},
    {0xC0000008, NV_TRANSLATE_NOOP("MExceptionHandler", "Invalid Handle")},
    {0xC000013A, NV_TRANSLATE_NOOP("MExceptionHandler", "Control-C Exit")},
};

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

// The fault's name for the report, looked up without allocating (the signal handler calls it).
const char* faultName(int sig, const siginfo_t* info) {
    if (sig == SIGABRT) return nullptr;
    const uint32_t code = faultCode(sig, info);
    for (const FaultName& f : kFaultNames)
        if (f.code == code) return f.name;
    return nullptr;
}

// An error that nothing caught ends up here: log it and abort, which leaves the backtrace and
// the core dump.
[[noreturn]] void onTerminate() {
    try {
        if (std::exception_ptr e = std::current_exception()) std::rethrow_exception(e);
        qCCritical(lcApp) << "the program ended on std::terminate without an error";
    } catch (const VbError& e) {
        qCCritical(lcApp).noquote() << QString::fromStdString("uncaught error " + std::to_string(e.number()) + " (" +
                                                              e.description() + ") from " + e.source());
    } catch (const std::exception& e) {
        qCCritical(lcApp) << "uncaught exception:" << e.what();
    } catch (...) {
        qCCritical(lcApp) << "uncaught exception of an unknown type";
    }
    std::abort();
}

}  // namespace

std::string GetExceptionText(uint32_t code) {
    for (const FaultName& f : kFaultNames)
        if (f.code == code) return Translate("MExceptionHandler", f.name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", code);
    //: A processor fault without a name; %1 is its code in hexadecimal.
    return FillIn(Translate("MExceptionHandler", "Unknown (&H%1)"), {hex});
}

int32_t ExceptionHandler(const EXCEPTION_POINTERS& pointers) {
    const EXCEPTION_RECORD* record = pointers.ExceptionRecord;
    if (record == nullptr) return 0;
    while (record->ExceptionRecord != nullptr) record = record->ExceptionRecord;
    throw VbError(kErrProcessorFault, "ExceptionHandler", GetExceptionText(record->ExceptionCode));
}

void InstallExceptionHandler() {
    if (installed) return;
    installFaultReport("Noorvale", faultName);
    previousTerminate = std::set_terminate(onTerminate);
    installed = true;
}

void RemoveExceptionHandler() {
    if (!installed) return;
    removeFaultReport();
    std::set_terminate(previousTerminate);
    installed = false;
}

bool ExceptionHandlerInstalled() { return installed; }

}  // namespace nv
