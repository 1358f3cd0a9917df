// A settable clock installed at the program's clock seam for the lifetime of the object.
#pragma once

#include <gtest/gtest.h>

#include "DateValue.h"

namespace nv::test {

class FixedClock {
public:
    FixedClock() : previous_(setClockSource([this] { return time_; })) {}
    ~FixedClock() { setClockSource(previous_); }
    void set(int h, int m, int s) { time_ = dateSerial(2024, 3, 11) + timeSerial(h, m, s); }

private:
    DateValue time_ = dateSerial(2024, 3, 11);
    ClockSource previous_;
};

}  // namespace nv::test
