// The environment of a real Noorvale started by a test: a home, settings and lock folder of its
// own (the test's temporary folder), offscreen windows, a sound device that plays into nothing, and
// English whatever the session's language (the tests read its texts).
#pragma once

#include <QProcessEnvironment>
#include <QTemporaryDir>

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

}  // namespace nv::test
