// The real Noorvale program, started as a process.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <cstring>

#include "Process.h"

#include "support/ProgramEnvironment.h"
#include "support/ReadOnlyFolder.h"

namespace {

using nv::test::programEnvironment;
using nv::test::signalProgram;

void writeStore(const QTemporaryDir& home, const QByteArray& text) {
    QDir().mkpath(home.path() + "/.config/Noorvale");
    QFile f(home.path() + "/.config/Noorvale/registry.reg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readStore(const QTemporaryDir& home) {
    QFile f(home.path() + "/.config/Noorvale/registry.reg");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A store that starts in the main window with the update reminder due today.
QByteArray reminderDueStore() {
    return "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
           "\"DefaultView\"=dword:00000000\n\"UpdateMode\"=dword:0000000e\n\"UpdateLast\"=dword:" +
           QByteArray::number(QDate::currentDate().dayOfYear() + 1, 16).rightJustified(8, '0') + "\n";
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Waits until the file exists and holds `text`; false after 10 s.
bool waitForText(const QString& path, const QByteArray& text) {
    return QTest::qWaitFor([&] { return QFile::exists(path) && readFile(path).contains(text); }, 10000);
}

// Waits until the file exists; false after 10 s.
bool waitForFile(const QString& path) {
    return QTest::qWaitFor([&] { return QFile::exists(path); }, 10000);
}

// The process has a handler of its own for the signal (from /proc/PID/status).
bool catches(qint64 pid, int signal) {
    for (const QByteArray& line : readFile(QString("/proc/%1/status").arg(pid)).split('\n'))
        if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// The second-start socket of a Noorvale whose lock is in `folder`.
QString socketIn(const QString& folder) { return folder + QString("/Noorvale-%1.socket").arg(getuid()); }

// Noorvale's per-user lock is free: another copy could start now.
bool instanceLockFree(const QTemporaryDir& home) {
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    setenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit().constData(), 1);
    const bool held = nv::InstanceLockHeldElsewhere("Noorvale-" + std::to_string(getuid()) + ".lock");
    nv::ReleaseInstanceLock();
    if (old) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    return !held;
}

}  // namespace

// Yes to the reminder at start-up starts the update utility and ends the program at once. The
// program runs from a folder of its own whose "Tarvo" only notes that it was started: the real
// one would go out to the maker's site.
TEST(Program, YesToTheStartUpReminderStartsTheUpdateAndEnds) {
    QTemporaryDir home, folder;
    writeStore(home, reminderDueStore());
    const QString program = folder.path() + "/Noorvale";
    ASSERT_TRUE(QFile::copy(QString(NOORVALE_BIN_DIR) + "/Noorvale", program));
    {
        QFile tarvo(folder.path() + "/Tarvo");
        ASSERT_TRUE(tarvo.open(QIODevice::WriteOnly));
        tarvo.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$0.started\"\n");
        tarvo.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QProcessEnvironment env = programEnvironment(home);
    env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
    env.insert("NOORVALE_MSGBOX_ANSWERS", "yes");
    QProcess noorvale;
    noorvale.setProcessEnvironment(env);
    noorvale.start(program, QStringList{});
    ASSERT_TRUE(noorvale.waitForStarted(5000));
    const bool ended = noorvale.waitForFinished(15000);
    if (!ended) noorvale.kill();
    ASSERT_TRUE(ended) << "Noorvale lives on after Yes";
    EXPECT_EQ(noorvale.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(noorvale.exitCode(), 0);
    EXPECT_TRUE(readFile(home.path() + "/boxes.log").contains("14 days update reminder"));
    EXPECT_TRUE(waitForText(folder.path() + "/Tarvo.started", "")) << "the update utility was not started";
    EXPECT_FALSE(readFile(folder.path() + "/Tarvo.started").isEmpty());
    const QByteArray store = readStore(home);
    EXPECT_TRUE(store.contains("\"UpdateLast\"=dword:" +
                               QByteArray::number(QDate::currentDate().dayOfYear(), 16).rightJustified(8, '0')))
        << store.constData();
    EXPECT_TRUE(instanceLockFree(home));
}

// SIGTERM with the reminder's box open saves the settings, closes the box and ends the program;
// one that comes while the program is still loading (as soon as it takes the signal) ends it as well.
TEST(Program, SigtermEndsTheProgramWithTheReminderOpenOrWhileLoading) {
    for (const bool loading : {false, true}) {
        SCOPED_TRACE(loading ? "while loading" : "reminder open");
        QTemporaryDir home;
        writeStore(home, reminderDueStore());
        QProcessEnvironment env = programEnvironment(home);
        env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
        env.insert("NOORVALE_MSGBOX_ANSWERS", "show");
        QProcess noorvale;
        noorvale.setProcessEnvironment(env);
        noorvale.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
        ASSERT_TRUE(noorvale.waitForStarted(5000));
        if (loading) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return catches(noorvale.processId(), SIGTERM); }, 10000));
        } else {
            // The line is written just before the box's own event loop runs: the signal is taken there.
            ASSERT_TRUE(waitForText(home.path() + "/boxes.log", "update reminder"));
        }
        signalProgram(noorvale, SIGTERM);
        const bool ended = noorvale.waitForFinished(10000);
        if (!ended) noorvale.kill();
        ASSERT_TRUE(ended) << "Noorvale lives on after SIGTERM";
        EXPECT_TRUE(instanceLockFree(home));
        EXPECT_EQ(noorvale.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(noorvale.exitCode(), 0);
        if (!loading) {
            EXPECT_TRUE(readStore(home).contains("\"ViewMode\"=dword:00000000")) << readStore(home).constData();
        }
    }
}

// The session ending (SIGTERM), the terminal closing (SIGHUP) and Ctrl+C (SIGINT) all save the
// settings and end the program cleanly.
TEST(Program, TheSessionEndingSavesTheSettingsAndEndsCleanly) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        QTemporaryDir home;
        writeStore(home, reminderDueStore());
        QProcessEnvironment env = programEnvironment(home);
        env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
        env.insert("NOORVALE_MSGBOX_ANSWERS", "no");  // the reminder's box: the program has loaded
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
        ASSERT_TRUE(program.waitForStarted(5000));
        ASSERT_TRUE(waitForText(home.path() + "/boxes.log", "update reminder")) << "never loaded";
        signalProgram(program, signal);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        const QByteArray store = readStore(home);
        EXPECT_TRUE(store.contains("\"ViewMode\"=dword:00000000")) << store.constData();
        EXPECT_TRUE(store.contains("[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\frmMain]"));
        EXPECT_TRUE(store.contains("\"ViewID\"=dword:00000002"));
    }
}

// Where the runtime folder takes no files, the lock (and the socket a second start asks through)
// lives beside the settings store: a second start still finds the first and brings it forward.
TEST(Program, OneCopyAtATimeWithoutAWritableRuntimeFolder) {
    QTemporaryDir home;
    writeStore(home, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
                     "\"DefaultView\"=dword:00000000\n\"UpdateMode\"=dword:00000000\n");
    const QString runtime = home.path() + "/run";
    ASSERT_TRUE(QDir().mkpath(runtime));
    nv::test::ReadOnlyFolder readOnly(runtime.toStdString());
    if (!readOnly.refusing()) GTEST_SKIP() << "no read-only folder can be made here";
    QProcessEnvironment env = programEnvironment(home);
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
    QProcess first, second;
    first.setProcessEnvironment(env);
    first.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitForFile(socketIn(home.path() + "/.config/Noorvale"))) << "never loaded";
    second.setProcessEnvironment(env);
    second.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(second.waitForFinished(10000)) << "a second copy runs";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(readFile(home.path() + "/boxes.log").contains("already running"));
    signalProgram(first, SIGTERM);
    EXPECT_TRUE(first.waitForFinished(10000));
}

// Two starts at once: the copy that came second is answered while the first is still loading,
// ends without a word, and the first then shows its main window (though it starts compact).
TEST(Program, ASecondStartDuringStartUpIsHonouredOnceTheWindowExists) {
    QTemporaryDir home;
    writeStore(home, reminderDueStore() + "\"ViewMode\"=dword:00000001\n"
                     "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
                     "\"DefaultView\"=dword:00000001\n");
    QProcessEnvironment env = programEnvironment(home);
    env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
    env.insert("NOORVALE_MSGBOX_ANSWERS", "no");  // not now to the update reminder
    QProcess copies[2];
    for (QProcess& copy : copies) {
        copy.setProcessEnvironment(env);
        copy.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    }
    for (QProcess& copy : copies) ASSERT_TRUE(copy.waitForStarted(5000));
    // One of them ends, answered; the other runs on.
    QProcess* first = nullptr;
    const bool oneEnded = QTest::qWaitFor(
        [&] {
            for (int c = 0; c < 2; ++c)
                if (copies[c].state() == QProcess::NotRunning) first = &copies[1 - c];
            return first != nullptr;
        },
        10000);
    ASSERT_TRUE(oneEnded) << "both copies run on";
    QProcess& second = first == &copies[0] ? copies[1] : copies[0];
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitForText(home.path() + "/boxes.log", "update reminder")) << "the first never loaded";
    EXPECT_FALSE(readFile(home.path() + "/boxes.log").contains("already running"));
    signalProgram(*first, SIGTERM);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_TRUE(readStore(home).contains("\"ViewMode\"=dword:00000000")) << readStore(home).constData();
}

// The session ends while the settings folder takes no writes: the program still ends cleanly, the
// file stays as it was, and what could not be saved is named once on standard error.
TEST(Program, SettingsThatCannotBeSavedAtTheEndAreNamed) {
    QTemporaryDir home;
    writeStore(home, reminderDueStore());
    QProcessEnvironment env = programEnvironment(home);
    env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
    env.insert("NOORVALE_MSGBOX_ANSWERS", "no");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(waitForText(home.path() + "/boxes.log", "update reminder")) << "never loaded";
    const QByteArray before = readStore(home);
    nv::test::ReadOnlyFolder readOnly((home.path() + "/.config/Noorvale").toStdString());
    if (!readOnly.refusing()) {
        program.kill();
        GTEST_SKIP() << "no read-only folder can be made here";
    }
    signalProgram(program, SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(readStore(home), before);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(errors.count("Your settings could not be saved in " + home.path() + "/.config/Noorvale/registry.reg"), 1)
        << errors.toStdString();
    EXPECT_FALSE(readFile(home.path() + "/boxes.log").contains("could not be saved"));
}
