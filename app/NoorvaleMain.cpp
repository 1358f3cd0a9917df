#include "NoorvaleMain.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QTreeWidget>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "App.h"
#include "Clock.h"
#include "MExceptionHandler.h"
#include "Process.h"
#include "QtMsgBox.h"
#include "RegistryStore.h"
#include "SecondLaunch.h"
#include "VbError.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modNoorvale.h"

extern char** environ;

namespace nv {

DateValue StartDate = 0;
int32_t ViewMode = 0;

namespace {

QPointer<frmMain> mainWindow;
int termPipe[2] = {-1, -1};
// The program is ending: the main window was unloaded (or never loaded and SIGTERM came). Set
// before the event loop runs, it keeps the loop from starting at all.
bool ending = false;
// A signal is ending the program: nobody is there to answer a box.
bool endingBySignal = false;

void onTerm(int) {
    const char c = 1;
    ssize_t ignored = write(termPipe[1], &c, 1);
    (void)ignored;
}

// Ends the program: now when the event loop runs (every nested loop of an open box ends with
// it), or, during start-up, as soon as LoadProgram returns.
void endProgram() {
    ending = true;
    RemoveExceptionHandler();
    QApplication::quit();
}

// SIGTERM (the desktop session ending), SIGHUP (its terminal closed) and SIGINT (Ctrl+C) unload the
// main window as a shutdown does: the settings are saved and the program ends, with any box that
// is open closed. A signal that comes while the program loads is taken when the loading lets
// events run.
void watchTermination() {
    if (termPipe[0] >= 0) return;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, termPipe) != 0) return;
    auto* notifier = new QSocketNotifier(termPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c = 0;
        ssize_t ignored = read(termPipe[0], &c, 1);
        (void)ignored;
        endingBySignal = true;
        if (mainWindow) mainWindow->Form_Unload();
        endProgram();
    });
    struct sigaction sa {};
    sa.sa_handler = onTerm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction was {};
        // One that the starter ignores (nohup, a background job) stays ignored.
        if (signal != SIGTERM && sigaction(signal, nullptr, &was) == 0 && was.sa_handler == SIG_IGN) continue;
        sigaction(signal, &sa, nullptr);
    }
}

void pump() { QApplication::processEvents(); }

// A second start asks this copy to show its window: at once when the windows have loaded, else
// once they have (the request is answered meanwhile, so the second start ends quietly).
bool loaded = false;
bool showQueued = false;
QByteArray queuedToken;  // the queued request's activation token
QPointer<QObject> secondLaunches;  // owns the listening socket
void showRequested(const QByteArray& activationToken) {
    if (loaded && mainWindow) {
        mainWindow->BringForward(activationToken);
    } else {
        showQueued = true;
        queuedToken = activationToken;
    }
}

// Settings that cannot be written (a read-only folder, a full disk): the user is told, and the
// store tries again every few seconds until the changes are on the disk.
void watchSaving() {
    static QPointer<QTimer> retry;
    if (retry) return;
    retry = new QTimer(qApp);
    retry->setInterval(10000);
    QObject::connect(retry, &QTimer::timeout, retry, [] {
        if (RegistryStore::instance().saveNow() == ERROR_SUCCESS) retry->stop();
    });
    RegistryStore::instance().setSaveFailureHandler([](const SaveFailure& failure) {
        if (endingBySignal) return;  // Main says what is left unsaved as the program ends
        if (!ending && retry) retry->start();
        MsgBox(RegistryStore::saveFailureText(failure), vbExclamation);
    });
}

}  // namespace

// Where the runtime folder takes no lock file, the lock lives beside the settings store.
bool IsAlreadyRunning() {
    const std::string store = RegistryStore::instance().file();
    return InstanceLockHeldElsewhere("Noorvale-" + std::to_string(getuid()) + ".lock",
                                     store.substr(0, store.rfind('/')));
}

void RecoverInterruptedUpdate() {
    // The folder's name as bytes: it may hold any byte a path may.
    const std::string folder = ProgramFolder();
    if (::access((folder + "/Backup/Tarvo.journal").c_str(), F_OK) != 0) return;
    std::string tarvo = folder + "/Tarvo", argument = "--recover";
    char* argv[] = {tarvo.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, tarvo.c_str(), nullptr, nullptr, argv, environ) != 0) return;
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

frmMain* MainWindow() { return mainWindow; }
frmCompact* CompactWindow() { return mainWindow ? mainWindow->Compact() : nullptr; }

bool LoadProgram() {
    resumeNext([] { InstallExceptionHandler(); });
    if (IsAlreadyRunning()) {
        if (AskRunningCopyToShow()) return false;  // the running copy came forward
        MsgBox(QCoreApplication::translate("NoorvaleMain", "Program is already running").toStdString(), vbOKOnly,
               std::string("Noorvale"));
        return false;
    }
    // Second starts are answered from now on, before anything slow loads.
    loaded = showQueued = false;
    resumeNext([] {
        delete secondLaunches;
        secondLaunches = new QObject(qApp);
        ListenForSecondLaunch(secondLaunches, showRequested);
    });
    QApplication::setQuitOnLastWindowClosed(false);
    ending = false;
    resumeNext([] { watchTermination(); });
    resumeNext([] { watchSaving(); });
    resumeNext([] { QApplication::setOverrideCursor(Qt::WaitCursor); });

    QPointer<frmSplash> splash;
    resumeNext([&] {
        splash = new frmSplash;
        splash->show();
        pump();
    });
    resumeNext([] { StartDate = today(); });
    resumeNext([] { InitPeriodNames(); });
    resumeNext([] { LoadPeriodNames(); });
    pump();
    resumeNext([&] {
        if (splash) splash->StatusBarWidth(frmSplash::kStatusBarFullWidth / 4);
    });
    resumeNext([] { InitAlertKinds(); });
    resumeNext([] { LoadLocation(); });
    resumeNext([] { LoadMethod(); });
    pump();
    resumeNext([&] {
        if (splash) splash->StatusBarWidth(frmSplash::kStatusBarFullWidth / 2);
    });
    resumeNext([] {
        mainWindow = new frmMain;
        QObject::connect(mainWindow, &frmMain::unloaded, qApp, [] { endProgram(); });
        mainWindow->Form_Load();
    });
    pump();
    resumeNext([&] {
        if (splash) splash->StatusBarWidth(frmSplash::kStatusBarFullWidth);
    });
    if (ending) {  // SIGTERM while loading: no window is shown
        resumeNext([&] { delete splash; });
        QApplication::restoreOverrideCursor();
        return false;
    }
    resumeNext([] {
        if (ViewMode == 0 && mainWindow) {
            mainWindow->picClock->Enabled(true);
            mainWindow->SelNormalView(true);
        } else if (ViewMode == 1 && mainWindow) {
            mainWindow->SelCompactView(true);
        }
    });
    resumeNext([] {
        if (mainWindow) mainWindow->KeepReachable();  // a tray-only start on a desktop without a tray
    });
    loaded = true;
    if (showQueued) resumeNext([] { showRequested(queuedToken); });
    resumeNext([&] {
        delete splash;  // at once: closed, it kept its window's shared memory (0.3 MB) to the end
    });
    resumeNext([] { QApplication::restoreOverrideCursor(); });
    // The reminder may end the program (Yes starts the update utility), so it waits for the
    // event loop, which a program that ends can leave.
    resumeNext([] {
        if (mainWindow) QTimer::singleShot(0, mainWindow, [] {
                if (mainWindow && !ending) mainWindow->Check4Updates();
            });
    });
    return mainWindow != nullptr && !ending;
}

int Main() {
    if (!LoadProgram()) return 0;
    const int code = QApplication::exec();
    // The last chance for changes that a failed write kept; what stays unsaved is named as the
    // program ends (the box came when the failures began, unless a signal is ending the program).
    RegistryStore& store = RegistryStore::instance();
    if (store.unsaved() && store.saveNow() != ERROR_SUCCESS)
        std::cerr << appTitle() << ": " << RegistryStore::saveFailureText({store.file(), store.lastSaveError()}) << std::endl;
    return code;
}

void UnloadProgram() {
    if (mainWindow) mainWindow->Form_Unload();
    delete mainWindow;  // and its compact window
    delete secondLaunches;
    ReleaseInstanceLock();  // the program has ended: another copy may start
}

void AutoSizeColumns(QTreeView& list) {
    const int count = list.header()->count();
    for (int c = 1; c < count; ++c)
        if (!list.isColumnHidden(c)) list.resizeColumnToContents(c);  // contents and header
    if (count > 1)  // the last one: contents only
        list.setColumnWidth(count - 1, static_cast<QAbstractItemView&>(list).sizeHintForColumn(count - 1));
    list.header()->resizeSection(0, 0);
}

}  // namespace nv
