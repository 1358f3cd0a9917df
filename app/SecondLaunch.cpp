#include "SecondLaunch.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <QObject>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>

#include "Process.h"

// Plain Unix-domain sockets: the start stays free of the network library and all it loads. The
// wire is the one earlier versions spoke through Qt's local sockets, so either side may be older.

namespace nv {

namespace {
const QByteArray kRequest = "SHOW";
const QByteArray kAnswer = "SHOWN\n";
constexpr int kMaxToken = 255;
constexpr int kMaxLine = 4 + 1 + kMaxToken + 1;
constexpr int kListenWithinMs = 1000;  // from taking the lock to listening

// Tokens are opaque to us; one that would not fit on the line as a single word is not passed on.
bool validToken(const QByteArray& token) {
    if (token.isEmpty() || token.size() > kMaxToken) return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}

// The socket's address; false when the path is too long for one.
bool socketAddress(sockaddr_un& address) {
    const QByteArray path = SecondLaunchSocket().toLocal8Bit();
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path)) return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

using Steady = std::chrono::steady_clock;

int msLeft(Steady::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

// Waits for `events` on `fd` until the deadline; false on a timeout or an error.
bool await(int fd, short events, Steady::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, msLeft(deadline));
        if (n > 0) return true;
        if (n == 0 || errno != EINTR) return false;
    }
}

// One request and its answer. `closed` tells a copy that hung up without answering.
bool exchange(const QByteArray& request, int timeoutMs, bool& closed) {
    closed = false;
    sockaddr_un address;
    if (!socketAddress(address)) return false;
    const auto deadline = Steady::now() + std::chrono::milliseconds(timeoutMs);
    // A copy that has only just taken the lock listens a moment later.
    const auto listenBy = Steady::now() + std::chrono::milliseconds(std::min(timeoutMs, kListenWithinMs));
    // Never blocking: a running copy that hangs, its queue of connections full, costs the timeout.
    Fd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return false;
    while (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno == EINTR) continue;
        const bool notListening = errno == ENOENT || errno == ECONNREFUSED;
        if (!(notListening || errno == EAGAIN) || Steady::now() >= (notListening ? listenBy : deadline)) return false;
        const timespec pause{0, 20 * 1000 * 1000};
        ::nanosleep(&pause, nullptr);
    }
    for (qsizetype sent = 0; sent < request.size();) {
        if (!await(socket.get(), POLLOUT, deadline)) return false;
        const ssize_t n = ::send(socket.get(), request.constData() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
        if (n > 0) sent += n;
    }
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() < kMaxLine) {
        if (!await(socket.get(), POLLIN, deadline)) return false;
        char buffer[kMaxLine];
        const ssize_t n = ::recv(socket.get(), buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {  // hung up (or failed) before a whole answer
            closed = reply.isEmpty();
            return false;
        }
        reply.append(buffer, n);
    }
    return reply == kAnswer;
}

// "SHOW" or "SHOW <token>", with its line end; the token, if any, in `token`.
bool parseRequest(const QByteArray& line, QByteArray& token) {
    token.clear();
    if (!line.endsWith('\n')) return false;
    const QByteArray body = line.chopped(1);
    if (body == kRequest) return true;
    if (!body.startsWith(kRequest + ' ')) return false;
    token = body.mid(kRequest.size() + 1);
    return validToken(token);
}

using ShowRequest = std::function<void(const QByteArray&)>;

// One second start's connection: its line is read as it comes, never waited for, then answered
// (when it is a request) and closed.
class Connection : public QObject {
public:
    Connection(int fd, ShowRequest show, QObject* parent) : QObject(parent), fd_(fd), show_(std::move(show)) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { Read(); });
    }

private:
    void Read() {
        char buffer[kMaxLine + 1];
        const ssize_t n = ::recv(fd_.get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
        if (n <= 0) return Close();  // hung up
        line_.append(buffer, n);
        const qsizetype end = line_.indexOf('\n');
        if (end < 0) {
            if (line_.size() > kMaxLine) Close();
            return;
        }
        QByteArray token;
        if (end < kMaxLine && parseRequest(line_.left(end + 1), token)) {
            show_(token);
            // Six bytes on a fresh connection: the socket's buffer takes them at once.
            ssize_t ignored = ::send(fd_.get(), kAnswer.constData(), kAnswer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            (void)ignored;
        }
        Close();
    }
    void Close() {
        ::shutdown(fd_.get(), SHUT_RDWR);
        deleteLater();
    }

    Fd fd_;
    ShowRequest show_;
    QByteArray line_;
};

// The listening socket; its file goes with it.
class Listener : public QObject {
public:
    Listener(int fd, QByteArray path, ShowRequest show, QObject* parent)
        : QObject(parent), fd_(fd), path_(std::move(path)), show_(std::move(show)) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { Accept(); });
    }
    ~Listener() override { ::unlink(path_.constData()); }

private:
    void Accept() {
        for (;;) {
            const int client = ::accept4(fd_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0) {
                if (errno == EINTR) continue;
                return;  // none left (or a failure this time: the next connection is tried anew)
            }
            new Connection(client, show_, this);
        }
    }

    Fd fd_;
    QByteArray path_;
    ShowRequest show_;
};
}  // namespace

QString SecondLaunchSocket() {
    return QString::fromStdString(InstanceLockFolder()) + QString("/Noorvale-%1.socket").arg(getuid());
}

bool AskRunningCopyToShow(int timeoutMs) {
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    bool closed = false;
    if (validToken(token)) {
        if (exchange(kRequest + ' ' + token + '\n', timeoutMs, closed)) return true;
        if (!closed) return false;  // an earlier version hangs up on the token: asked without it
    }
    return exchange(kRequest + '\n', timeoutMs, closed);
}

bool ListenForSecondLaunch(QObject* parent, std::function<void(const QByteArray&)> show) {
    sockaddr_un address;
    if (!socketAddress(address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    // This copy holds the instance lock, so a socket left at the path is a crashed copy's.
    ::unlink(address.sun_path);
    const mode_t was = ::umask(0077);  // only this user may connect
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(was);
    if (!bound || ::listen(fd, 16) != 0) {
        if (bound) ::unlink(address.sun_path);
        ::close(fd);
        return false;
    }
    new Listener(fd, address.sun_path, std::move(show), parent);
    return true;
}

}  // namespace nv
