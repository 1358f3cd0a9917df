// The environment of a real Noorvale started by a test: a home, settings and lock folder of its
// own (the test's temporary folder), offscreen windows, a sound device that plays into nothing, and
// English whatever the session's language (the tests read its texts).
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <csignal>

namespace nv::test {

inline QProcessEnvironment programEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_STATE_HOME", home.path() + "/.local/state");
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("LANGUAGE", "");
    env.insert("LC_ALL", "C.UTF-8");
    return env;
}

// Sends `signal` to a started program, and to nothing when it has already ended (a process id of
// 0 would reach the whole process group: the test runner too).
inline void signalProgram(const QProcess& program, int signal) {
    if (program.processId() > 0) ::kill(static_cast<pid_t>(program.processId()), signal);
}

}  // namespace nv::test
