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
const QByteArray kRequest = "SHOW\n";
const QByteArray kAnswer = "SHOWN\n";
constexpr int kMaxLine = 64;
constexpr int kListenWithinMs = 1000;  // from taking the lock to listening
}  // namespace

QString SecondLaunchSocket() {
    return QString::fromStdString(InstanceLockFolder()) + QString("/Noorvale-%1.socket").arg(getuid());
}

bool AskRunningCopyToShow(int timeoutMs) {
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
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() < kMaxLine) {
        if (!socket.waitForReadyRead(timeoutMs)) return false;
        reply += socket.readAll();
    }
    return reply == kAnswer;
}

bool ListenForSecondLaunch(QObject* parent, std::function<void()> show) {
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
                if (socket->readLine(kMaxLine + 1) == kRequest) {
                    show();
                    socket->write(kAnswer);
                }
                socket->disconnectFromServer();  // after the answer has been written
            });
        }
    });
    return true;
}

}  // namespace nv
