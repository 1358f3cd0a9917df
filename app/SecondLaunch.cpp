#include "SecondLaunch.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

#include "Process.h"

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

// One request and its answer. `closed` tells a copy that hung up without answering.
bool exchange(const QByteArray& request, int timeoutMs, bool& closed) {
    closed = false;
    QLocalSocket socket;
    // A copy that has only just taken the lock listens a moment later.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(SecondLaunchSocket());
        if (socket.waitForConnected(timeoutMs)) break;
        const bool notYet = socket.error() == QLocalSocket::ServerNotFoundError ||
                            socket.error() == QLocalSocket::ConnectionRefusedError;
        if (!notYet || waited.elapsed() >= std::min(timeoutMs, kListenWithinMs)) return false;
        socket.abort();
        QThread::msleep(20);
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() < kMaxLine) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            reply += socket.readAll();
            closed = reply.isEmpty() && socket.state() == QLocalSocket::UnconnectedState;
            return false;
        }
        reply += socket.readAll();
    }
    return reply == kAnswer;
}
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

// "SHOW" or "SHOW <token>", with its line end; the token, if any, in `token`.
static bool parseRequest(const QByteArray& line, QByteArray& token) {
    token.clear();
    if (!line.endsWith('\n')) return false;
    const QByteArray body = line.chopped(1);
    if (body == kRequest) return true;
    if (!body.startsWith(kRequest + ' ')) return false;
    token = body.mid(kRequest.size() + 1);
    return validToken(token);
}

bool ListenForSecondLaunch(QObject* parent, std::function<void(const QByteArray&)> show) {
    auto* server = new QLocalServer(parent);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = SecondLaunchSocket();
    // This copy holds the instance lock, so a socket left at the path is a crashed copy's.
    QLocalServer::removeServer(path);
    if (!server->listen(path)) {
        delete server;
        return false;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, show] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, show] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxLine) socket->abort();
                    return;
                }
                QByteArray token;
                if (parseRequest(socket->readLine(kMaxLine + 1), token)) {
                    show(token);
                    socket->write(kAnswer);
                }
                socket->disconnectFromServer();  // after the answer has been written
            });
        }
    });
    return true;
}

}  // namespace nv
