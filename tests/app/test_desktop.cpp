// Noorvale on the desktops people run: with and without a tray, a tray host on D-Bus, desktop
// notifications, a second start. The D-Bus services are the test's own, on a private bus.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QTreeWidget>
#include <chrono>
#include <map>
#include <thread>

#include "App.h"
#include "AlertEngine.h"
#include "AppFixture.h"
#include "CalendarProps.h"
#include "Clock.h"
#include "DaySchedule.h"
#include "DesktopNotice.h"
#include "NoorvaleMain.h"
#include "Pickers.h"
#include "Process.h"
#include "SecondLaunch.h"
#include "TrayWatch.h"
#include "clsMMedia.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "frmSysTray.h"
#include "support/DiskAudio.h"
#include "support/PrivateBus.h"
#include "support/ProgramEnvironment.h"

using namespace nv;
using nv::test::AppFixture;
using nv::test::signalProgram;

// A notification service that records every Notify and can report an action as chosen; with
// `failWith` it answers each Notify with that error.
class NoticeServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString app, icon, summary, body;
        uint replaces;
        QStringList actions;
        QVariantMap hints;
    };
    std::vector<Call> calls;
    uint lastId = 0;
    std::function<void(const Call&)> onNotify;
    QString failWith;

    explicit NoticeServer(QDBusConnection connection) : connection_(connection) {
        connection_.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots);
        registered = connection_.registerService("org.freedesktop.Notifications");
    }
    ~NoticeServer() override {
        connection_.unregisterService("org.freedesktop.Notifications");
        connection_.unregisterObject("/org/freedesktop/Notifications");
    }
    bool registered = false;

    QDBusConnection& connection() { return connection_; }

    void invoke(uint id, const QString& key) {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", "ActionInvoked");
        signal << id << key;
        connection_.send(signal);
    }

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int) {
        calls.push_back({app, icon, summary, body, replaces, actions, hints});
        if (onNotify) onNotify(calls.back());
        if (!failWith.isEmpty()) {
            sendErrorReply(failWith, "not now");
            return 0;
        }
        lastId = replaces != 0 ? replaces : lastId + 41;
        return lastId;
    }
    QStringList GetCapabilities() { return {"actions", "body"}; }

private:
    QDBusConnection connection_;
};

// A StatusNotifierWatcher, with a host unless told otherwise: it records the items that register.
class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)

public:
    QStringList items;
    bool registered = false;

    explicit Watcher(QDBusConnection connection) : connection_(connection) {
        connection_.registerObject("/StatusNotifierWatcher", this,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        registered = connection_.registerService("org.kde.StatusNotifierWatcher");
    }
    ~Watcher() override {
        connection_.unregisterService("org.kde.StatusNotifierWatcher");
        connection_.unregisterObject("/StatusNotifierWatcher");
    }
    bool hostRegistered() const {
        ++asked;
        return host;
    }
    // A host comes or goes, as the watcher tells its listeners.
    void setHost(bool on) {
        host = on;
        connection_.send(QDBusMessage::createSignal("/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher",
                                                    on ? "StatusNotifierHostRegistered" : "StatusNotifierHostUnregistered"));
    }
    bool host = true;
    mutable int asked = 0;  // how often IsStatusNotifierHostRegistered was read
    int protocolVersion() const { return 0; }
    QStringList registeredItems() const { return items; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { items << service; }
    void RegisterStatusNotifierHost(const QString&) {}

private:
    QDBusConnection connection_;
};

// A method the test calls on the program's own bus connection, to know what it has handled.
class SyncPoint : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.noorvale.TestSync")

public slots:
    void Sync() {}
};

namespace {

// Run as a child of a case below (NV_TEST_DESKTOP_SERVICES=<bus address>), before anything else of
// this program: a tray watcher with a host and a notification service in a process of their own,
// which the case stops (SIGSTOP) as a desktop service that hangs. It writes "ready", then
// "notify <summary>" for each Notify.
[[maybe_unused]] const bool desktopServicesChild = [] {
    const QByteArray address = qgetenv("NV_TEST_DESKTOP_SERVICES");
    if (address.isEmpty()) return false;
    int argc = 1;
    char name[] = "desktop-services";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection connection = QDBusConnection::connectToBus(QString::fromUtf8(address), "services");
    Watcher watcher(connection);
    NoticeServer notices(connection);
    notices.onNotify = [](const NoticeServer::Call& call) {
        std::printf("notify %s\n", qPrintable(call.summary));
        std::fflush(stdout);
    };
    std::printf(watcher.registered && notices.registered ? "ready\n" : "failed\n");
    std::fflush(stdout);
    app.exec();  // until SIGTERM
    std::_Exit(0);
}();

nv::test::PrivateBus bus;  // the session bus of every case here, and of the programs they start

// An X server of a case's own (Xvfb), on the display number it picks itself; ended with the case.
class XServer {
public:
    XServer() {
        process_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (process_.waitForStarted(5000) && QTest::qWaitFor([&] { return process_.canReadLine(); }, 10000))
            display_ = ":" + QString::fromLatin1(process_.readLine()).trimmed();
    }
    ~XServer() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    // ":<n>", or empty when the server did not start.
    const QString& display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

QDBusConnection testConnection(const QString& name) {
    return QDBusConnection::connectToBus(QString::fromStdString(bus.address()), name);
}

// One entry of an exported menu (com.canonical.dbusmenu): its label, or "-" for a separator,
// with "(off)" when it is disabled.
QStringList menuEntries(const QDBusArgument& node) {
    QStringList out;
    int id = 0;
    QVariantMap props;
    node.beginStructure();
    node >> id >> props;
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        const QDBusArgument inner = qvariant_cast<QDBusArgument>(child.variant());
        int childId = 0;
        QVariantMap childProps;
        inner.beginStructure();
        inner >> childId >> childProps;
        inner.beginArray();
        while (!inner.atEnd()) {
            QDBusVariant ignored;
            inner >> ignored;
        }
        inner.endArray();
        inner.endStructure();
        QString text = childProps.value("type").toString() == "separator" ? "-" : childProps.value("label").toString();
        if (childProps.contains("enabled") && !childProps.value("enabled").toBool()) text += " (off)";
        out << text;
    }
    node.endArray();
    node.endStructure();
    return out;
}

// Calls without blocking this thread: the program asks the test's watcher while it answers.
QDBusMessage callAndWait(QDBusConnection& connection, const QDBusMessage& call) {
    QDBusPendingCall pending = connection.asyncCall(call, 5000);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000))
        return QDBusMessage::createError("org.freedesktop.DBus.Error.NoReply", "no answer");
    return pending.reply();
}

// Returns once the program has handled all that `from` sent it before: a bus connection hands
// what comes in to the main thread in the order it came.
bool programCaughtUp(QDBusConnection& from) {
    SyncPoint point;
    QDBusConnection program = QDBusConnection::sessionBus();
    if (!program.registerObject("/TestSync", &point, QDBusConnection::ExportAllSlots)) return false;
    const QDBusMessage reply = callAndWait(
        from, QDBusMessage::createMethodCall(program.baseService(), "/TestSync", "org.noorvale.TestSync", "Sync"));
    program.unregisterObject("/TestSync");
    return reply.type() == QDBusMessage::ReplyMessage;
}

// Returns once the notification service has handled all that the program sent it before.
bool serviceCaughtUp() {
    QDBusConnection program = QDBusConnection::sessionBus();
    const QDBusMessage reply =
        callAndWait(program, QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                            "org.freedesktop.Notifications", "GetCapabilities"));
    return reply.type() == QDBusMessage::ReplyMessage;
}

QProcessEnvironment programEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = nv::test::programEnvironment(home);
    env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString(bus.address()));
    return env;
}

// A second start of the real program, whose running copy listens in `runtime`, carrying the
// desktop's activation token; true once it has ended.
bool startSecondCopy(QProcess& second, const QString& runtime, const QString& token) {
    const QTemporaryDir home;
    QProcessEnvironment env = programEnvironment(home);
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("XDG_ACTIVATION_TOKEN", token);
    second.setProcessEnvironment(env);
    second.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    return QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000);
}

void writeStartup(const QTemporaryDir& home, int defaultView) {
    QDir().mkpath(home.path() + "/.config/Noorvale");
    QFile f(home.path() + "/.config/Noorvale/registry.reg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QString("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
                    "\"DefaultView\"=dword:%1\n\"UpdateMode\"=dword:00000000\n")
                .arg(defaultView, 8, 10, QChar('0'))
                .toLatin1());
}

QByteArray storeAfterTerm(QProcess& program, const QTemporaryDir& home) {
    signalProgram(program, SIGTERM);
    EXPECT_TRUE(program.waitForFinished(10000));
    QFile f(home.path() + "/.config/Noorvale/registry.reg");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// Vellmore on Friday 21 June 2002 at UTC-6: Asr 15:44, Maghrib 19:11, Isha 20:30.
class Desktop : public AppFixture {
protected:
    void SetUp() override {
        test::useDummyAudio();
        AppFixture::SetUp();
        storeLong("\\System\\Startup", "UpdateMode", 0);
    }
    void tickAt(int hh, int mm, int ss = 0) {
        setClock(2002, 6, 21, hh, mm, ss);
        main().Alerts().Tick();
    }
};

TEST_F(Desktop, WithoutATrayNoWindowIsLeftHidden) {
    trayPresent = false;
    storeLong("\\System\\Startup", "DefaultView", 2);  // tray only: there is none, so the compact clock
    ASSERT_TRUE(load());
    EXPECT_TRUE(compact().isVisible());
    EXPECT_EQ(ViewMode, 1);

    compact().cmdClose->click();  // closing minimises
    EXPECT_TRUE(compact().isVisible());
    EXPECT_TRUE(compact().isMinimized());
    main().mnuViewNormal_Click();
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(main().isMinimized());
    main().action("mnuFileClose")->trigger();
    EXPECT_TRUE(main().isVisible());
    main().BringForward("token-7");  // a second start brings the minimised window back
    EXPECT_FALSE(main().isMinimized());
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("XDG_ACTIVATION_TOKEN"));  // not left for programs started later
    main().action("mnuFileClose")->trigger();
    EXPECT_TRUE(main().isMinimized());

    trayPresent = true;  // a tray comes: closing hides again
    main().Tray()->Poll();
    main().mnuViewNormal_Click();
    EXPECT_FALSE(main().isMinimized());
    main().close();
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(ViewMode, 2);

    trayPresent = false;  // the tray goes away while it was all there was
    main().Tray()->Poll();
    EXPECT_TRUE(compact().isVisible());
    EXPECT_EQ(ViewMode, 1);
}

TEST_F(Desktop, AnUnansweredSecondCopyStillSaysItIsRunning) {
    // A copy that holds the lock but does not answer (hung, or older): the box, and nothing loads.
    const std::string lock = InstanceFolder() + "/Noorvale-" + std::to_string(getuid()) + ".lock";
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(load());
    ::close(fd);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Program is already running");
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(Desktop, EachPrayerRaisesOneReplacingNoticeThatCanStopTheSound) {
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
    NoticeServer server(testConnection("notices"));
    ASSERT_TRUE(server.registered);
    storeLong("\\System\\Startup", "DefaultView", 0);
    setClock(2002, 6, 21, 15, 43);
    ASSERT_TRUE(load());

    tickAt(15, 44, 0);  // Asr: sound and notice
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.calls.size() == 1; }, 5000));
    const NoticeServer::Call& asr = server.calls[0];
    EXPECT_EQ(asr.app, "Noorvale");
    EXPECT_EQ(asr.summary, QString("It is time for Asr prayer."));
    EXPECT_EQ(asr.body, QString("03:44 PM in Vellmore, LA -- USA"));
    EXPECT_EQ(asr.replaces, 0u);
    EXPECT_EQ(asr.actions, (QStringList{"stop", "Stop sound"}));
    EXPECT_TRUE(QFile::exists(asr.icon)) << asr.icon.toStdString();
    EXPECT_EQ(asr.hints.value("desktop-entry").toString(), "noorvale");
    ASSERT_TRUE(QTest::qWaitFor([&] { return main().Notice()->LastId() == server.lastId; }, 5000));
    for (int s = 1; s < 4; ++s) tickAt(15, 44, s);
    EXPECT_EQ(server.calls.size(), 1u);  // once per prayer, not per tick

    tickAt(19, 11, 0);  // Maghrib replaces the Asr notice
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.calls.size() == 2; }, 5000));
    EXPECT_EQ(server.calls[1].replaces, server.lastId);
    EXPECT_EQ(server.calls[1].summary, QString("It is time for Maghrib prayer."));
    ASSERT_EQ(main().Alerts().player()->Status(), "playing");
    server.invoke(server.lastId + 1, "stop");  // another program's notice: not ours
    ASSERT_TRUE(programCaughtUp(server.connection()));
    EXPECT_EQ(main().Alerts().player()->Status(), "playing");
    server.invoke(server.lastId, "stop");
    EXPECT_TRUE(QTest::qWaitFor([&] { return main().Alerts().player()->Status() != "playing"; }, 5000));
    EXPECT_FALSE(main().m_frmSysTray->mnuSysTray(3)->isEnabled());

    SaveDesktopNotice(false);  // switched off in Options
    tickAt(20, 30, 0);
    ASSERT_TRUE(serviceCaughtUp());
    EXPECT_EQ(server.calls.size(), 2u);

    // The tray's balloon only where the bus has no notification service: a service that fails
    // may have shown the notice all the same, and a prayer gets one.
    QSignalSpy shown(main().Notice(), &DesktopNotice::shown);
    QDBusConnection session = QDBusConnection::sessionBus();
    const QDBusMessage ping = QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                             "org.freedesktop.Notifications", "GetCapabilities");
    server.failWith = "org.freedesktop.Notifications.Error.Failed";
    main().Notice()->Show("It is time for Isha prayer.", "", false, main().m_frmSysTray);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.calls.size() == 3; }, 5000));
    callAndWait(session, ping);  // answered after the failure, on the same connection
    EXPECT_TRUE(shown.isEmpty());
    testConnection("notices").unregisterService("org.freedesktop.Notifications");  // no service at all
    main().Notice()->Show("It is time for Isha prayer.", "", false, main().m_frmSysTray);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_EQ(shown.takeFirst().at(0).toBool(), false);  // the balloon instead
    EXPECT_EQ(server.calls.size(), 3u);
}

TEST_F(Desktop, KeysWorkAndEveryMenuHasOneLetterPerEntry) {
    storeLong("\\System\\Startup", "DefaultView", 0);
    ASSERT_TRUE(load());
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    const struct {
        QKeyCombination key;
        int view, style;
    } keys[] = {
        {Qt::CTRL | Qt::Key_1, 1, 1}, {Qt::CTRL | Qt::Key_4, 4, 1}, {Qt::CTRL | Qt::Key_D, 4, 2},
        {Qt::CTRL | Qt::Key_3, 3, 2}, {Qt::CTRL | Qt::Key_D, 3, 1}, {Qt::CTRL | Qt::Key_2, 2, 1},
    };
    for (const auto& k : keys) {
        QTest::keyClick(&main(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_EQ(CalProp().view, k.view);
        EXPECT_EQ(CalProp().dateStyle, k.style);
    }
    EXPECT_EQ(calendarRows(), 7);
    int printDialogs = 0;
    const PrinterPicker previousPicker = setPrinterPicker([&](QWidget*, QPrinter&) {
        ++printDialogs;
        return false;  // cancelled
    });
    QTest::keyClick(&main(), Qt::Key_P, Qt::ControlModifier);
    setPrinterPicker(previousPicker);
    EXPECT_EQ(printDialogs, 1);
    answer = vbNo;
    const size_t shown = boxes.size();
    QTest::keyClick(&main(), Qt::Key_Q, Qt::ControlModifier);  // Exit asks first
    ASSERT_EQ(boxes.size(), shown + 1);
    EXPECT_EQ(boxes.back().text, "Closing Noorvale will disable its Alert Features.\nAre you sure you want to quit?");

    // Alt + a letter reaches one entry only, in every menu.
    std::vector<QMenu*> menus;
    for (QAction* top : main().menuBar()->actions())
        if (top->menu()) menus.push_back(top->menu());
    for (size_t i = 0; i < menus.size(); ++i)
        for (QAction* a : menus[i]->actions())
            if (a->menu()) menus.push_back(a->menu());
    menus.push_back(nullptr);  // the menu bar itself
    for (QMenu* m : menus) {
        const QList<QAction*> entries = m ? m->actions() : main().menuBar()->actions();
        std::map<QChar, QString> letters;
        for (QAction* a : entries) {
            const int amp = a->text().indexOf('&');
            if (a->isSeparator() || amp < 0) continue;
            const QChar letter = a->text().at(amp + 1).toLower();
            EXPECT_TRUE(letters.emplace(letter, a->text()).second)
                << a->text().toStdString() << " and " << letters[letter].toStdString();
        }
    }

    // Every picture button and clock has a name for a screen reader.
    std::vector<QWidget*> named = {main().picClock, compact().picSmClock};
    for (QToolButton* b : main().findChildren<QToolButton*>())
        if (!b->icon().isNull()) named.push_back(b);
    for (QToolButton* b : compact().findChildren<QToolButton*>()) named.push_back(b);
    main().action("mnuViewText")->trigger();  // toolbar captions off: the buttons are pictures only
    for (QWidget* w : named) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(reader, nullptr);
        EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    setClock(2002, 6, 21, 10, 15);
    main().Alerts().Tick();
    EXPECT_EQ(main().picClock->accessibleDescription(), "The time is 10:15 AM. Dhuhr at 12:08 PM");
}

TEST_F(Desktop, AnArabicPrayerNameKeepsOurSentencesInOrder) {
    storeLong("\\System\\Startup", "DefaultView", 1);
    storeText("\\User\\Period\\3", "Name", "الظهر");  // Dhuhr
    setClock(2002, 6, 21, 10, 0);
    ASSERT_TRUE(load());
    const QString name = QString("⁨الظهر⁩");
    main().Alerts().Tick();
    EXPECT_EQ(compact().lblMessage->text(), name + " at 12:08 PM");
    EXPECT_EQ(main().windowTitle(), "Noorvale - Next Prayer: " + name + " at 12:08 PM");
    EXPECT_EQ(compact().lblMessage->layoutDirection(), Qt::LeftToRight);

    // Laid out as the label draws it: the name first (on the left), then our words, the full stop last.
    auto xOf = [](const QString& text, int index) {
        QTextLayout layout(text, QApplication::font());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        return line.cursorToX(index);
    };
    const QString message = compact().lblMessage->text();
    EXPECT_LT(xOf(message, 1), xOf(message, message.indexOf("at")));
    EXPECT_LT(xOf(message, message.indexOf("at")), xOf(message, message.indexOf("PM")));
    setClock(2002, 6, 21, 12, 8, 0);
    main().Alerts().Tick();
    setClock(2002, 6, 21, 12, 8, 1);
    main().Alerts().Tick();
    const QString now = compact().lblMessage->text().isEmpty() ? (main().Alerts().Tick(), compact().lblMessage->text())
                                                               : compact().lblMessage->text();
    EXPECT_EQ(now, name + " NOW.");
    EXPECT_GT(xOf(now, now.size()), xOf(now, now.indexOf("NOW")));
    EXPECT_GT(xOf(now, now.indexOf("NOW")), xOf(now, 1));
    EXPECT_EQ(main().tvwAlertMngr->topLevelItem(0)->child(0)->child(1)->text(0), name + " (12:08 PM)");
}

TEST_F(Desktop, EveryWindowCarriesTheProgramsIconInEverySize) {
    App::SetIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "noorvale");
    const QString themes = QString(NOORVALE_BIN_DIR) + "/icons/hicolor/";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage drawn(themes + QString("%1x%1/apps/noorvale.png").arg(size));
        EXPECT_EQ(drawn.size(), QSize(size, size)) << size;
        EXPECT_GT(qAlpha(drawn.pixel(size / 2, size / 2)), 0) << size;  // a picture, not an empty square
    }
    EXPECT_EQ(App::Icon().availableSizes().size(), 8);
    QFile svg(themes + "scalable/apps/noorvale.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    storeLong("\\System\\Startup", "DefaultView", 1);
    ASSERT_TRUE(load());
    for (QWidget* w : std::initializer_list<QWidget*>{&main(), &compact()})
        EXPECT_FALSE(w->windowIcon().isNull()) << w->objectName().toStdString();
}

namespace {

double luminance(QColor c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
// Of the pixels of a picture drawn on `background`, the share that stands out clearly from it
// (a contrast of 3:1 or more).
double clearShare(const QImage& drawn, QColor background) {
    int marked = 0, clear = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c == background) continue;
            ++marked;
            if (contrast(c, background) >= 3) ++clear;
        }
    return marked ? double(clear) / marked : 0.0;
}
QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(40, 42, 46));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 31, 34));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(48, 50, 54));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return p;
}

}  // namespace

TEST_F(Desktop, UnderADarkPaletteThePicturesAndTheClockStandOut) {
    const QPalette light = QApplication::palette();
    storeLong("\\System\\Startup", "DefaultView", 0);
    ASSERT_TRUE(load());
    main().resize(900, 600);
    for (const QPalette& palette : {darkPalette(), light}) {
        QApplication::setPalette(palette);  // the desktop switches while the program runs
        QApplication::processEvents();
        const QColor window = palette.color(QPalette::Window);
        int buttons = 0;
        for (QAction* a : main().tlbMain->actions()) {
            const QString key = a->data().toString();
            if (key.isEmpty()) continue;
            QImage drawn(24, 24, QImage::Format_RGB32);
            drawn.fill(window);
            QPainter(&drawn).drawPixmap(0, 0, a->icon().pixmap(24, 24));
            EXPECT_GT(clearShare(drawn, window), 0.3) << key.toStdString() << " on " << window.name().toStdString();
            ++buttons;
        }
        EXPECT_EQ(buttons, 8);
        const QColor base = palette.color(QPalette::Base);
        QTreeWidgetItem* speaker = main().tvwAlertMngr->topLevelItem(0)->child(0);
        QImage drawn(16, 16, QImage::Format_RGB32);
        drawn.fill(base);
        QPainter(&drawn).drawPixmap(0, 0, speaker->icon(0).pixmap(16, 16));
        EXPECT_GT(clearShare(drawn, base), 0.3) << "SPEAKER on " << base.name().toStdString();
        EXPECT_EQ(speaker->icon(0).pixmap(16, 16).toImage(), picture("SPEAKER").pixmap(16, 16).toImage());

        // The clock: its corners are the window's colour, its face is drawn.
        const QImage clock = main().picClock->grab().toImage();
        EXPECT_EQ(clock.pixelColor(3, 3), window);
        EXPECT_GT(contrast(clock.pixelColor(clock.width() / 2, clock.height() / 4), window), 1.3);

        // Pictures for a person to look at: NOORVALE_SHOTS=<folder>.
        const QString shots = qEnvironmentVariable("NOORVALE_SHOTS");
        if (!shots.isEmpty()) {
            const QString look = DarkPalette(palette) ? "dark" : "light";
            main().grab().save(shots + "/main-" + look + ".png");
            main().mnuViewCompact_Click();
            QApplication::processEvents();
            compact().grab().save(shots + "/compact-" + look + ".png");
            main().mnuViewNormal_Click();
        }
    }
}

TEST(SecondLaunch, BringsTheRunningCopyForwardAndEnds) {
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/.config/Noorvale");  // the compact clock, and the update reminder
    QFile store(home.path() + "/.config/Noorvale/registry.reg");  // due: the last thing a start shows
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\System\\Startup]\n"
                "\"DefaultView\"=dword:00000001\n\"UpdateMode\"=dword:0000000e\n\"UpdateLast\"=dword:" +
                QByteArray::number(QDate::currentDate().dayOfYear() + 1, 16).rightJustified(8, '0') + "\n");
    store.close();
    QProcessEnvironment env = programEnvironment(home);
    env.insert("NOORVALE_MSGBOX_LOG", home.path() + "/boxes.log");
    env.insert("NOORVALE_MSGBOX_ANSWERS", "no");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(home.path() + QString("/Noorvale-%1.socket").arg(getuid())); }, 10000));

    QProcess second;
    second.setProcessEnvironment(programEnvironment(home));
    second.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy did not end (a box?)";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    // A request that came while the first was loading is honoured once it has loaded.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        QFile boxes(home.path() + "/boxes.log");
        return boxes.open(QIODevice::ReadOnly) && boxes.readAll().contains("update reminder");
    }, 10000)) << "the first copy never loaded";
    const QByteArray saved = storeAfterTerm(first, home);
    EXPECT_TRUE(saved.contains("\"ViewMode\"=dword:00000000")) << saved.constData();  // the main window came
}

TEST(DesktopTray, AStatusNotifierHostShowsTheMenuAndItsClickOpensTheMainWindow) {
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
    XServer xvfb;
    const QString display = xvfb.display();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";

    QDBusConnection connection = testConnection("watcher");
    Watcher watcher(connection);
    ASSERT_TRUE(watcher.registered);
    QTemporaryDir home;
    writeStartup(home, 1);
    QProcess program;
    QProcessEnvironment env = programEnvironment(home);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display);
    program.setProcessEnvironment(env);
    program.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.items.isEmpty(); }, 15000)) << "no item registered";
    const QString item = watcher.items.first();

    QDBusMessage getMenu = QDBusMessage::createMethodCall(item, "/StatusNotifierItem",
                                                          "org.freedesktop.DBus.Properties", "Get");
    getMenu << QString("org.kde.StatusNotifierItem") << QString("Menu");
    const QDBusMessage menuPath = callAndWait(connection, getMenu);
    ASSERT_EQ(menuPath.type(), QDBusMessage::ReplyMessage) << menuPath.errorMessage().toStdString();
    const QString path = qvariant_cast<QDBusObjectPath>(qvariant_cast<QDBusVariant>(menuPath.arguments().first()).variant()).path();

    QDBusMessage layout = QDBusMessage::createMethodCall(item, path, "com.canonical.dbusmenu", "GetLayout");
    layout << 0 << -1 << QStringList{};
    const QDBusMessage reply = callAndWait(connection, layout);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_EQ(reply.arguments().size(), 2);
    EXPECT_EQ(menuEntries(qvariant_cast<QDBusArgument>(reply.arguments().at(1))),
              (QStringList{"_Normal", "_Compact", "-", "_Stop Playback (off)", "-", "Check for _Updates", "-",
                           "_Exit Noorvale"}));

    QDBusMessage activate = QDBusMessage::createMethodCall(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem",
                                                           "Activate");
    activate << 10 << 10;  // a single click: answered once the click has been handled
    const QDBusMessage activated = callAndWait(connection, activate);
    EXPECT_EQ(activated.type(), QDBusMessage::ReplyMessage) << activated.errorMessage().toStdString();
    const QByteArray store = storeAfterTerm(program, home);
    EXPECT_TRUE(store.contains("\"ViewMode\"=dword:00000000")) << store.constData();
}

TEST(DesktopTray, TheTrayIsLearntFromTheWatchersSignalsAndAnswers) {
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
    TrayWatch watch;  // the desktop's own answer: there is no watcher on the bus yet
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Settled(); }, 5000));
    EXPECT_FALSE(watch.Available());
    EXPECT_FALSE(watch.IconPlaceable());  // offscreen, so no XEmbed tray either: no icon
    std::vector<bool> changes;
    QObject::connect(&watch, &TrayWatch::changed, [&](bool available) { changes.push_back(available); });
    {
        QDBusConnection connection = testConnection("watcher-comes-and-goes");
        Watcher watcher(connection);
        watcher.host = false;  // a watcher without a host: asked as it comes, still no tray
        ASSERT_TRUE(watcher.registered);
        ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.asked > 0; }, 5000));
        watcher.setHost(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Available(); }, 5000));
        EXPECT_TRUE(watch.DBusHost());
        EXPECT_TRUE(watch.IconPlaceable());
        watcher.setHost(false);  // the host leaves: asked again, and the answer is no
        ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.Available(); }, 5000));
        watcher.setHost(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Available(); }, 5000));
    }  // the watcher's name leaves the bus
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.Available(); }, 5000));
    EXPECT_EQ(changes, (std::vector<bool>{true, false, true, false}));
}

namespace {

// A process's state letter from /proc ('T' while stopped).
char processState(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return '?';
    const QByteArray line = stat.readAll();
    const int end = line.lastIndexOf(')');
    return end > 0 && end + 2 < line.size() ? line.at(end + 2) : '?';
}

// Starts the desktop services' child (see desktopServicesChild) and stops it; its process id.
qint64 startStoppedServices(QProcess& services) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NV_TEST_DESKTOP_SERVICES", QString::fromStdString(bus.address()));
    services.setProcessEnvironment(env);
    services.start(QCoreApplication::applicationFilePath(), QStringList{});
    if (!QTest::qWaitFor([&] { return services.canReadLine(); }, 10000) || services.readLine() != "ready\n") return 0;
    const qint64 pid = services.processId();
    kill(static_cast<pid_t>(pid), SIGSTOP);
    return QTest::qWaitFor([&] { return processState(pid) == 'T'; }, 5000) ? pid : 0;
}

}  // namespace

// On X11 the toolkit's D-Bus tray code waits for the watcher when its icon is made or the tray
// is asked for: with the watcher hung, the program must do neither, and a second start is
// answered (a copy that does not answer gets the "already running" box, and no exit).
TEST(DesktopTray, OnX11AHungWatcherDoesNotKeepASecondStartWaiting) {
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
    XServer xvfb;
    const QString display = xvfb.display();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    QProcess services;
    const qint64 hung = startStoppedServices(services);
    ASSERT_GT(hung, 0);

    QTemporaryDir home;
    writeStartup(home, 2);  // the tray alone
    QProcessEnvironment env = programEnvironment(home);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display);
    QProcess first, second;
    first.setProcessEnvironment(env);
    first.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    // The second start only once the first listens: started together, either may be the running copy.
    const QString socket = home.path() + QString("/Noorvale-%1.socket").arg(getuid());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000));
    second.setProcessEnvironment(env);
    second.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    // Within 10 s, under the bus's 25 s limit for an answer that a waiting window thread would need.
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(processState(hung), 'T');
    second.kill();
    auto mainWindowShown = [&] {  // a copy still loading shows it once loaded
        QProcess search;
        search.setProcessEnvironment(env);
        search.start("xdotool", {"search", "--onlyvisible", "--name", "^Noorvale - "});
        return search.waitForFinished(5000) && search.exitCode() == 0;
    };
    EXPECT_TRUE(QTest::qWaitFor(mainWindowShown, 15000));
    EXPECT_EQ(processState(hung), 'T');
    signalProgram(first, SIGTERM);
    EXPECT_TRUE(first.waitForFinished(10000));
    kill(static_cast<pid_t>(hung), SIGCONT);
    services.terminate();
    services.waitForFinished(5000);
}

// The desktop's services hang (their process stopped) while the program starts, a second start
// asks for the window and a prayer comes. Every answer the case waits for must come within
// 10 s, under the bus's own 25 s limit: a window thread that waited for the stopped process
// could answer nothing before that limit.
TEST_F(Desktop, HungDesktopServicesDelayNeitherASecondStartNorTheAlertAndEachPrayerHasOneNotice) {
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
    QProcess services;
    const qint64 hung = startStoppedServices(services);
    ASSERT_GT(hung, 0);

    TrayWatch::Source() = nullptr;  // the desktop's own answer (the fixture puts its own back)
    storeLong("\\System\\Startup", "DefaultView", 2);  // the tray alone
    setClock(2002, 6, 21, 15, 43);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(load());
    // The watcher says nothing: no tray until it does, so the compact clock keeps the program reachable.
    ASSERT_TRUE(QTest::qWaitFor([&] { return main().Tray()->Settled(); }, 10000));
    EXPECT_FALSE(main().Tray()->Available());
    EXPECT_EQ(main().m_frmSysTray->icon(), nullptr);  // the toolkit's icon would wait for the watcher
    EXPECT_TRUE(compact().isVisible());

    QProcess second;  // a second start, with the desktop's activation token
    ASSERT_TRUE(startSecondCopy(second, dir.path(), "token-of-the-second-start"));
    EXPECT_EQ(second.exitCode(), 0) << "the running copy did not answer: " << second.readAll().constData();
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(ViewMode, 0);

    tickAt(15, 44, 0);  // Asr: the sound starts in this very tick
    EXPECT_EQ(main().Alerts().player()->Status(), "playing");
    EXPECT_EQ(processState(hung), 'T');
    EXPECT_LT(clock.elapsed(), 25000);

    ASSERT_EQ(kill(static_cast<pid_t>(hung), SIGCONT), 0);  // the services wake: the tray is there
    ASSERT_TRUE(QTest::qWaitFor([&] { return main().Tray()->Available(); }, 30000));
    ASSERT_NE(main().m_frmSysTray->icon(), nullptr);
    EXPECT_TRUE(main().m_frmSysTray->DBusHost());
    QByteArray notices;  // what the notification service was asked to show
    auto noticeOf = [&](const char* prayer) {
        return QTest::qWaitFor([&] { return (notices += services.readAll()).contains(prayer); }, 10000);
    };
    ASSERT_TRUE(noticeOf("Asr"));  // asked while the service was stopped, shown as it woke
    ASSERT_TRUE(QTest::qWaitFor([&] { return main().Notice()->LastId() != 0; }, 10000));
    tickAt(19, 11, 0);  // Maghrib, now with a tray on D-Bus
    ASSERT_TRUE(noticeOf("Maghrib"));
    services.terminate();
    ASSERT_TRUE(services.waitForFinished(5000));
    EXPECT_EQ(notices + services.readAll(), "notify It is time for Asr prayer.\nnotify It is time for Maghrib prayer.\n");
}

TEST_F(Desktop, ASecondStartHandsOnItsActivationTokenAndAnEarlierOnesRequestStillWorks) {
    // This test holds the lock and listens, as a running copy does.
    ASSERT_FALSE(InstanceLockHeldElsewhere("Noorvale-" + std::to_string(getuid()) + ".lock"));
    auto listener = std::make_unique<QObject>();
    std::vector<QByteArray> tokens;
    ASSERT_TRUE(ListenForSecondLaunch(listener.get(), [&](const QByteArray& token) { tokens.push_back(token); }));
    struct stat socketFile {};
    ASSERT_EQ(stat(SecondLaunchSocket().toLocal8Bit().constData(), &socketFile), 0);
    EXPECT_EQ(socketFile.st_mode & 077, 0u) << "other users may connect";
    QLocalSocket stalled;  // connected and silent throughout: nobody waits for it
    stalled.connectToServer(SecondLaunchSocket());
    ASSERT_TRUE(QTest::qWaitFor([&] { return stalled.state() == QLocalSocket::ConnectedState; }, 5000));

    const struct {
        QByteArray request, answer;
        int shows;
        QByteArray token;
    } cases[] = {
        {"SHOW\n", "SHOWN\n", 1, ""},  // an earlier version's second start
        {"SHOW kwin-1f2e_TIME:42\n", "SHOWN\n", 1, "kwin-1f2e_TIME:42"},
        {"SHOW two words\n", "", 0, ""},
        {"SHOW \n", "", 0, ""},
        {"SHOWN\n", "", 0, ""},
        {"SHOW " + QByteArray(255, 'x') + "\n", "SHOWN\n", 1, QByteArray(255, 'x')},  // the longest token
        {"SHOW " + QByteArray(256, 'x') + "\n", "", 0, ""},
        {"SHOW " + QByteArray(300, 'x') + "\n", "", 0, ""},
    };
    for (const auto& c : cases) {
        tokens.clear();
        QLocalSocket socket;
        socket.connectToServer(SecondLaunchSocket());
        ASSERT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::ConnectedState; }, 5000));
        socket.write(c.request);
        EXPECT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 5000));
        EXPECT_EQ(socket.readAll(), c.answer) << c.request.left(40).constData();
        ASSERT_EQ(static_cast<int>(tokens.size()), c.shows) << c.request.left(40).constData();
        if (c.shows) {
            EXPECT_EQ(tokens[0], c.token);
        }
    }

    tokens.clear();  // the program itself, started with a token
    QProcess second;
    ASSERT_TRUE(startSecondCopy(second, dir.path(), "wayland-token-7"));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(tokens, std::vector<QByteArray>{"wayland-token-7"});

    // A running copy of an earlier version knows "SHOW" alone and hangs up on anything else.
    listener.reset();
    QLocalServer earlier;
    ASSERT_TRUE(earlier.listen(SecondLaunchSocket()));
    std::vector<QByteArray> lines;
    QObject::connect(&earlier, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = earlier.nextPendingConnection())
            QObject::connect(socket, &QLocalSocket::readyRead, [&lines, socket] {
                if (!socket->canReadLine()) return;
                lines.push_back(socket->readLine(65));
                if (lines.back() == "SHOW\n") socket->write("SHOWN\n");
                socket->disconnectFromServer();
            });
    });
    second.start(QString(NOORVALE_BIN_DIR) + "/Noorvale", QStringList{});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    ReleaseInstanceLock();
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(lines, (std::vector<QByteArray>{"SHOW wayland-token-7\n", "SHOW\n"}));
}

// The second start's socket as a running copy binds it (empty when the path is too long).
sockaddr_un secondLaunchAddress() {
    const QByteArray path = SecondLaunchSocket().toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(path.size()) < sizeof address.sun_path) std::copy(path.begin(), path.end(), address.sun_path);
    return address;
}

// A second start that comes as the first copy has taken the lock but is not yet listening (a
// double click) is answered once it listens, whether or not a crashed copy left its socket.
TEST_F(Desktop, ASecondStartWaitsForACopyAboutToListen) {
    const sockaddr_un address = secondLaunchAddress();
    ASSERT_NE(address.sun_path[0], '\0');
    const auto at = reinterpret_cast<const sockaddr*>(&address);
    for (bool leftByACrash : {false, true}) {
        ::unlink(address.sun_path);
        if (leftByACrash) {  // a socket file that nobody listens on: connections are refused
            const int crashed = ::socket(AF_UNIX, SOCK_STREAM, 0);
            ASSERT_EQ(::bind(crashed, at, sizeof address), 0);
            ::close(crashed);
        }
        std::thread first([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the start before it listens
            ::unlink(address.sun_path);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::bind(fd, at, sizeof address) == 0 && ::listen(fd, 1) == 0) {
                const int client = ::accept(fd, nullptr, nullptr);
                char line[64] = {};
                if (::recv(client, line, sizeof line - 1, 0) > 0 && QByteArray(line) == "SHOW\n")
                    ::send(client, "SHOWN\n", 6, MSG_NOSIGNAL);
                ::close(client);
            }
            ::close(fd);
        });
        EXPECT_TRUE(AskRunningCopyToShow(3000)) << leftByACrash;
        first.join();
    }
    ::unlink(address.sun_path);
}

// A running copy that hangs: its queue of connections full, a second start still ends in time.
TEST_F(Desktop, ASecondStartGivesUpOnARunningCopyThatHangs) {
    const sockaddr_un address = secondLaunchAddress();
    ASSERT_NE(address.sun_path[0], '\0');
    const auto at = reinterpret_cast<const sockaddr*>(&address);
    std::vector<int> fds{::socket(AF_UNIX, SOCK_STREAM, 0)};
    ::unlink(address.sun_path);
    ASSERT_EQ(::bind(fds[0], at, sizeof address), 0);
    ASSERT_EQ(::listen(fds[0], 0), 0);  // and never accepts
    for (bool full = false; !full && fds.size() < 100;) {
        fds.push_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0));
        full = ::connect(fds.back(), at, sizeof address) != 0 && errno == EAGAIN;
    }
    ASSERT_LT(fds.size(), 100u) << "the queue never filled";
    EXPECT_FALSE(AskRunningCopyToShow(300));
    for (int fd : fds) ::close(fd);
    ::unlink(address.sun_path);
}

#include "test_desktop.moc"
