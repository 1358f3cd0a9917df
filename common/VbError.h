// The one error type of the three programs and the three ways a procedure treats an error:
// skip the failing statement, report it in a message box and go on, or raise it to the caller.
#pragma once

#include <cstdint>
#include <source_location>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Translate.h"

namespace nv {

// Base of the numbers that classes raise (0x80040000 + a class-specific code).
inline constexpr int32_t kObjectError = static_cast<int32_t>(0x80040000u);

// Run-time error numbers used across the programs.
enum RuntimeError : int32_t {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrPathNotFound = 76,
};

class VbError : public std::runtime_error {
public:
    VbError(int32_t number, std::string source, std::string description);
    int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

// The standard text of a run-time error number ("Overflow", "Division by zero", ...).
std::string runtimeErrorText(int32_t number);

// Raises error `number` from `source`; an empty description takes the run-time error's own text.
[[noreturn]] void raiseError(int32_t number, const std::string& source, const std::string& description = {});

// The error currently being handled, whatever was thrown: a VbError as it is, anything else
// as the closest run-time error. Call only inside a catch block.
VbError currentError();

// Logs, once per place and run, the error being handled (call inside a catch block) that the
// statement at `where` dropped: in the log category of the place's subsystem.
void logSwallowedError(const std::source_location& where) noexcept;

// Mode 1: skip a failing statement. Returns false when the statement failed; the error is
// logged with the caller's place.
template <class F>
bool resumeNext(F&& statement, const std::source_location& where = std::source_location::current()) noexcept {
    try {
        statement();
        return true;
    } catch (...) {
        logSwallowedError(where);
        return false;
    }
}

// Mode 2: the message box shown for an error: description, a line break,
// "in Program.module.procedure at line N".
std::string errorBoxText(const VbError& error, const std::string& where, int line);

// Shows the mode-2 box (OK button, the program's title) through MsgBox.
void showErrorBox(const VbError& error, const std::string& where, int line);

// A procedure in mode 2: each statement runs through the trap with its line number; a failure
// is reported and the procedure goes on with its next statement.
class ErrorBoxTrap {
public:
    explicit ErrorBoxTrap(std::string where) : where_(std::move(where)) {}
    template <class F>
    bool operator()(int line, F&& statement) {
        try {
            statement();
            return true;
        } catch (...) {
            showErrorBox(currentError(), where_, line);
            return false;
        }
    }

private:
    std::string where_;
};

// Mode 3: a class procedure traps its own unexpected errors and raises them to the caller as
// its component failure: `number`, source `sourcePrefix` + `procedure`, `description` (in the
// program's language: mark it with NV_TRANSLATE_NOOP("VbError", ...)). Errors
// a class raises on purpose (a setter's check) are raised outside this trap. Nothing is built
// unless an error comes.
template <class F>
auto classTrap(int32_t number, std::string_view sourcePrefix, std::string_view procedure,
               std::string_view description, F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        raiseError(number, std::string(sourcePrefix) + std::string(procedure),
                   Translate("VbError", std::string(description).c_str()));
    }
}

}  // namespace nv
