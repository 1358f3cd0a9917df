#include "VbError.h"

#include <new>

#include "MsgBox.h"

namespace nv {

VbError::VbError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

std::string runtimeErrorText(int32_t number) {
    switch (number) {
    case kErrInvalidCall: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrOutOfMemory: return "Out of memory";
    case kErrDivisionByZero: return "Division by zero";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrFileNotFound: return "File not found";
    case kErrPathNotFound: return "Path not found";
    default: return "Application-defined or object-defined error";
    }
}

void raiseError(int32_t number, const std::string& source, const std::string& description) {
    throw VbError(number, source, description.empty() ? runtimeErrorText(number) : description);
}

VbError currentError() {
    try {
        throw;
    } catch (const VbError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return VbError(kErrOutOfMemory, "", runtimeErrorText(kErrOutOfMemory));
    } catch (const std::exception& e) {
        return VbError(kErrInvalidCall, "", e.what());
    } catch (...) {
        return VbError(kErrInvalidCall, "", runtimeErrorText(kErrInvalidCall));
    }
}

std::string errorBoxText(const VbError& error, const std::string& where, int line) {
    return error.description() + "\n" + "in " + where + " " + "at line " + std::to_string(line);
}

void showErrorBox(const VbError& error, const std::string& where, int line) {
    MsgBox(errorBoxText(error, where, line), vbOKOnly);
}

}  // namespace nv
