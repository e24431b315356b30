#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace lumo {

namespace {

constexpr int kAskTimeoutMs = 3000;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

QString lockFolder() {
    // The runtime folder is per user and emptied at log-out; a crash
    // leaves nothing behind there for long.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsFolder) {
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(QDir(settingsFolder).absolutePath()).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    // The user's name keeps two users of one shared folder apart in /tmp.
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    serverName_ = QStringLiteral("lumoclick-%1-%2").arg(user, QString::fromLatin1(key));
    lockPath_ = lockFolder() + QLatin1Char('/') + serverName_ + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr)
        server_->close();
}

bool SingleInstance::claim() {
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a crashed instance is recognised by its dead process.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        // A socket left by a crashed instance would refuse the name.
        QLocalServer::removeServer(serverName_);
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
        server_->listen(serverName_);
        return true;
    }
    lock_.reset();
    // The holder may still be on its way to listening: ask until it answers.
    const QDeadlineTimer deadline(kAskTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500)) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().contains('\n'))
                return;
            if (onActivationRequested)
                onActivationRequested();
        });
    }
}

} // namespace lumo
