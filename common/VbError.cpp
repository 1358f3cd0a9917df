#include "VbError.h"

#include <new>

#include "MsgBox.h"
#include "Translate.h"
#include "VbConv.h"

namespace nv {

VbError::VbError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

std::string runtimeErrorText(int32_t number) {
    switch (number) {
    case kErrInvalidCall: return Translate("VbError", "Invalid procedure call or argument");
    case kErrOverflow: return Translate("VbError", "Overflow");
    case kErrOutOfMemory: return Translate("VbError", "Out of memory");
    case kErrDivisionByZero: return Translate("VbError", "Division by zero");
    case kErrTypeMismatch: return Translate("VbError", "Type mismatch");
    case kErrFileNotFound: return Translate("VbError", "File not found");
    case kErrPathNotFound: return Translate("VbError", "Path not found");
    default: return Translate("VbError", "Application-defined or object-defined error");
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
    //: The second line of an error box: %1 is where the error happened (Program.module.procedure),
    //: %2 the line number.
    return error.description() + "\n" + FillIn(Translate("VbError", "in %1 at line %2"), {where, std::to_string(line)});
}

void showErrorBox(const VbError& error, const std::string& where, int line) {
    MsgBox(errorBoxText(error, where, line), vbOKOnly);
}

}  // namespace nv
