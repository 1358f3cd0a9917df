#include "TrayWatch.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPointer>
#include <memory>

namespace nv {

namespace {

const QString kWatcher = "org.kde.StatusNotifierWatcher";
const QString kWatcherPath = "/StatusNotifierWatcher";

bool onX11() { return QGuiApplication::platformName() == "xcb"; }

// The bus's own time limit for an answer.
constexpr int kBusTimeout = -1;

}  // namespace

// The XEmbed tray of the X display's default screen: the owner of its _NET_SYSTEM_TRAY_S<n>
// selection. A tray announces itself with a MANAGER message to the root window and leaves by
// destroying its window; both reach us as X events, so nobody is asked again and again. Every
// question here goes to the X server, never to the tray.
class XEmbedTray : public QAbstractNativeEventFilter {
public:
    explicit XEmbedTray(std::function<void()> changed) : changed_(std::move(changed)) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection()) return;
        c_ = x11->connection();
        const xcb_setup_t* setup = xcb_get_setup(c_);
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
        int number = 0;
        for (const int wanted = displayScreen(); screens.rem > 0 && number < wanted; ++number)
            xcb_screen_next(&screens);
        if (screens.rem <= 0) return;
        root_ = screens.data->root;
        selection_ = atom("_NET_SYSTEM_TRAY_S" + std::to_string(number));
        manager_ = atom("MANAGER");
        if (!selection_ || !manager_) return;
        // The MANAGER message is sent to the root window for those who listen for its structure.
        xcb_get_window_attributes_reply_t* attrs =
            xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, root_), nullptr);
        if (attrs) {
            const uint32_t mask = attrs->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            free(attrs);
            xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        }
        qGuiApp->installNativeEventFilter(this);
        findOwner();
    }
    ~XEmbedTray() override {
        if (c_) qGuiApp->removeNativeEventFilter(this);
    }

    bool present() const { return owner_ != 0; }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_CLIENT_MESSAGE: {
            const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (m->type == manager_ && m->format == 32 && m->data.data32[1] == selection_) findOwner();
            break;
        }
        case XCB_DESTROY_NOTIFY:
            if (reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == owner_) findOwner();
            break;
        default:
            break;
        }
        return false;  // the toolkit's own tray code sees the same events
    }

private:
    static int displayScreen() {
        // The display name's screen (":0.1" is screen 1); the toolkit opens the same one.
        const QByteArray display = qgetenv("DISPLAY");
        const int dot = display.lastIndexOf('.'), colon = display.lastIndexOf(':');
        return dot > colon ? display.mid(dot + 1).toInt() : 0;
    }
    xcb_atom_t atom(const std::string& name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
        const xcb_atom_t a = reply ? reply->atom : 0;
        free(reply);
        return a;
    }
    void findOwner() {
        xcb_get_selection_owner_reply_t* reply =
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, selection_), nullptr);
        const xcb_window_t owner = reply ? reply->owner : 0;
        free(reply);
        if (owner) {  // told when it goes
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c_, owner, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(c_);
        }
        if (owner == owner_) return;
        owner_ = owner;
        changed_();
    }

    std::function<void()> changed_;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0, owner_ = 0;
    xcb_atom_t selection_ = 0, manager_ = 0;
};

std::function<bool()>& TrayWatch::Source() {
    static std::function<bool()> source;
    return source;
}

TrayWatch::TrayWatch(QObject* parent) : QObject(parent) {
    if (Source()) {
        available_ = Source()();
        settled_ = true;
        return;
    }
    if (onX11()) {
        xembed_ = std::make_unique<XEmbedTray>([this] { update(); });
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        setDBus(No);
        return;
    }
    auto* names = new QDBusServiceWatcher(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(names, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                if (owner.isEmpty()) setDBus(No);
                else ask(kBusTimeout);  // a new watcher: is a host there?
            });
    // From any sender: naming the service would ask the bus for its owner, and wait for that.
    bus.connect(QString(), kWatcherPath, kWatcher, "StatusNotifierHostRegistered", this, SLOT(onHostRegistered()));
    bus.connect(QString(), kWatcherPath, kWatcher, "StatusNotifierHostUnregistered", this, SLOT(onHostUnregistered()));
    ask(kFirstAnswerMs);
}

TrayWatch::~TrayWatch() = default;

bool TrayWatch::IconPlaceable() const {
    if (Source()) return available_;
    return dbus_ == Yes || (dbus_ == No && onX11());
}

void TrayWatch::Poll() {
    if (Source()) {
        const bool now = Source()();
        if (now == available_) return;
        available_ = now;
        emit changed(now);
        return;
    }
    ask(kBusTimeout);
}

void TrayWatch::onHostRegistered() { setDBus(Yes); }

void TrayWatch::onHostUnregistered() { ask(kBusTimeout); }  // another host may still be there

void TrayWatch::ask(int timeoutMs) {
    if (asking_) {  // one question at a time; the newest answer counts
        askAgain_ = true;
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcher, kWatcherPath, "org.freedesktop.DBus.Properties", "Get");
    get << kWatcher << QString("IsStatusNotifierHostRegistered");
    asking_ = true;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get, timeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* c) { onAnswer(c); });
}

void TrayWatch::onAnswer(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    asking_ = false;
    if (askAgain_) {
        askAgain_ = false;
        ask(kBusTimeout);
        return;
    }
    const QDBusMessage reply = call->reply();
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        setDBus(qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toBool() ? Yes : No);
    } else if (reply.errorName() == "org.freedesktop.DBus.Error.NoReply" ||
               reply.errorName() == "org.freedesktop.DBus.Error.Timeout") {
        // A watcher that does not answer: no tray until it does, and its answer is awaited.
        setDBus(Silent);
        ask(kBusTimeout);
    } else {
        setDBus(No);  // no watcher on the bus
    }
}

void TrayWatch::setDBus(DBusState state) {
    dbus_ = state;
    update();
}

void TrayWatch::update() {
    // The XEmbed tray counts once the bus has said it has no host: before that the toolkit's
    // icon cannot be made without waiting for the watcher.
    const bool now = dbus_ == Yes || (dbus_ == No && xembed_ && xembed_->present());
    const bool settledNow = dbus_ != Asking;
    const bool first = settledNow && !settled_;
    settled_ = settledNow;
    if (now == available_ && !first) return;
    available_ = now;
    if (settled_) emit changed(now);
}

}  // namespace nv
