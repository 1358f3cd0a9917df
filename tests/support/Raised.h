// The VbError that a statement raises; a test failure when it raises none.
#pragma once

#include <gtest/gtest.h>

#include "VbError.h"

namespace nv::test {

template <class F>
VbError raised(F&& statement) {
    try {
        statement();
    } catch (const VbError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return VbError(0, "", "");
}

}  // namespace nv::test
