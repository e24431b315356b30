#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumo {

namespace {

constexpr int kAskTimeoutMs = 3000;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

#ifdef Q_OS_UNIX
// A folder only this user can enter, or nothing: a socket in a folder
// others can write could be replaced, or its name taken before us.
bool ownerOnly(const QByteArray &path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

QString privateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && ownerOnly(runtime))
        return QFile::decodeName(runtime);
    // Without a runtime folder: a folder of our own under the temporary
    // one, made owner-only, and refused when someone else made it first.
    const QByteArray fallback =
        QFile::encodeName(QDir::tempPath()) + "/lumoclick-" + QByteArray::number(::geteuid());
    if (::mkdir(fallback.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat info {};
    if (::lstat(fallback.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::chmod(fallback.constData(), 0700);
    return ownerOnly(fallback) ? QFile::decodeName(fallback) : QString();
}
#endif

} // namespace

SingleInstance::SingleInstance(const QString &settingsFolder) {
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QDir::cleanPath(QDir(settingsFolder).absolutePath()).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16));
#ifdef Q_OS_UNIX
    // The socket and the lock live in the user's own folder, under full
    // paths: nothing is left in the shared temporary folder.
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return;
    serverName_ = folder + QStringLiteral("/lumoclick-") + key;
    lockPath_ = serverName_ + QStringLiteral(".lock");
#else
    // A pipe name; the user's name keeps two users of one folder apart.
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    serverName_ = QStringLiteral("lumoclick-%1-%2").arg(user, key);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    lockPath_ = folder + QLatin1Char('/') + serverName_ + QStringLiteral(".lock");
#endif
}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr)
        server_->close();
}

bool SingleInstance::claim() {
    // No private folder: run unguarded rather than not at all.
    if (serverName_.isEmpty())
        return true;
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
            emit activationRequested();
        });
    }
}

} // namespace lumo
