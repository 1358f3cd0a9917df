// The report of a fatal signal (a processor fault, or an abort): its name and a backtrace go to
// the log file and to standard error, then the signal's default action runs, so the program
// ends by that signal and leaves its core dump. The handler only calls async-signal-safe
// functions (write(2), backtrace_symbols_fd, sigaction, raise) and takes no lock.
#pragma once

#include <signal.h>

namespace nv {

// Names a fatal signal for the report; runs inside the signal handler, so it may only look
// things up (no allocation, no locks). Returns nullptr to use the signal's own name.
using FaultNamer = const char* (*)(int signal, const siginfo_t* info);

// Catches SIGSEGV, SIGFPE, SIGILL, SIGBUS and SIGABRT; the report starts with `program`.
// A second call only changes the program and namer.
void installFaultReport(const char* program, FaultNamer namer = nullptr);
// Puts back the handlers that were there before.
void removeFaultReport();
bool faultReportInstalled();

}  // namespace nv
