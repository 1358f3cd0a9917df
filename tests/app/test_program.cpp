// The real Noorvale program, started as a process.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "support/ProgramEnvironment.h"

namespace {

using nv::test::programEnvironment;

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

}  // namespace

TEST(Program, TheSessionEndingSavesTheSettingsAndEndsCleanly) {
    QTemporaryDir home;
    writeStore(home, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
                     "\"DefaultView\"=dword:00000000\n\"UpdateMode\"=dword:00000000\n");
    QProcess program;
    program.setProcessEnvironment(programEnvironment(home));
    program.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(program.waitForStarted(5000));
    QTest::qWait(1500);  // loaded and ticking
    ASSERT_EQ(program.state(), QProcess::Running);
    kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray store = readStore(home);
    EXPECT_TRUE(store.contains("\"ViewMode\"=dword:00000000")) << store.constData();
    EXPECT_TRUE(store.contains("[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\frmMain]"));
    EXPECT_TRUE(store.contains("\"ViewID\"=dword:00000002"));
}
