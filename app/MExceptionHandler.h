// The process-wide fault handler: a processor fault (access violation, division by zero, ...)
// inside the program's own code becomes the run-time error 10000, source "ExceptionHandler",
// described by the fault's name, and is then treated like any other error by the procedure it
// happened in. A fault that no procedure can take ends the program with its name on standard
// error.
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

// Names the innermost fault of the chain and raises error 10000 with that name.
int32_t ExceptionHandler(const EXCEPTION_POINTERS& pointers);

// The fault's name: "Access Violation", "Integer Divide By Zero", ... or "Unknown (&H" + the
// code as eight upper-case hexadecimal digits + ")".
std::string GetExceptionText(uint32_t code);

}  // namespace nv
