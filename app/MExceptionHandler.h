// The process-wide fault handler: a processor fault (access violation, division by zero, ...)
// is reported by its name with a backtrace in the log and on standard error, and then ends the
// program by its signal, leaving the core dump. An error that nothing catches is logged and
// aborts the program the same way.
#pragma once

#include <cstdint>
#include <string>

namespace nv {

inline constexpr int32_t kErrProcessorFault = 10000;

// The fault as the handler sees it: its code and, for a chained fault, the record it wraps.
struct EXCEPTION_RECORD {
    uint32_t ExceptionCode = 0;
    const EXCEPTION_RECORD* ExceptionRecord = nullptr;
};
struct EXCEPTION_POINTERS {
    const EXCEPTION_RECORD* ExceptionRecord = nullptr;
};

void InstallExceptionHandler();
void RemoveExceptionHandler();
bool ExceptionHandlerInstalled();

// Names the innermost fault of the chain and raises error 10000 with that name (for a caller
// that has the fault's record; the signal handler only reports).
int32_t ExceptionHandler(const EXCEPTION_POINTERS& pointers);

// The fault's name: "Access Violation", "Integer Divide By Zero", ... or "Unknown (&H" + the
// code as eight upper-case hexadecimal digits + ")".
std::string GetExceptionText(uint32_t code);

}  // namespace nv
