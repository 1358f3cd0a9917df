// A D-Bus session bus of the test's own: a dbus-daemon started for this test program, stopped at
// its end. Made before main (a static object), it becomes the program's session bus, so the
// program's desktop services (tray, notifications) talk to the test's servers and nothing else.
#pragma once

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

namespace nv::test {

class PrivateBus {
public:
    PrivateBus() {
        FILE* out = popen("dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1", "r");
        if (!out) return;
        char line[512];
        if (fgets(line, sizeof line, out)) address_ = trimmed(line);
        if (fgets(line, sizeof line, out)) pid_ = atoi(line);
        pclose(out);
        if (!address_.empty()) setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
    }
    ~PrivateBus() {
        if (pid_ > 0) kill(pid_, SIGTERM);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when dbus-daemon could not start.
    const std::string& address() const { return address_; }

private:
    static std::string trimmed(const char* s) {
        std::string t(s);
        while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
        return t;
    }
    std::string address_;
    int pid_ = 0;
};

}  // namespace nv::test
