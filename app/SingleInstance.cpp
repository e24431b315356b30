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
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumo {

namespace {

constexpr int kAskTimeoutMs = 3000;
constexpr int kReplyTimeoutMs = 5000;
// A connection that sends no whole request in this time is closed.
constexpr int kSilentConnectionMs = 5000;

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
    ask(InstanceRequest{InstanceRequest::Command::Show, {}, {}});
    return false;
}

std::optional<InstanceReply> SingleInstance::ask(const InstanceRequest &request) const {
    if (serverName_.isEmpty())
        return std::nullopt;
    // The holder of the lock may still be on its way to listening: ask
    // until it answers. Without a lock file nobody is coming.
    const QDeadlineTimer deadline(kAskTimeoutMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500))
            break;
        if (deadline.hasExpired() || !QFile::exists(lockPath_))
            return std::nullopt;
        QThread::msleep(50);
    }
    socket.write(encodeRequest(request));
    socket.waitForBytesWritten(1000);
    QByteArray line;
    const QDeadlineTimer replyDeadline(kReplyTimeoutMs);
    while (!line.contains('\n') && line.size() <= kMaxRequestBytes * 64 && !replyDeadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(replyDeadline.remainingTime())))
            break;
        line += socket.readAll();
    }
    socket.disconnectFromServer();
    return decodeReply(line.left(line.indexOf('\n')));
}

bool SingleInstance::heldByAnother() const {
    if (lockPath_.isEmpty())
        return false;
    QLockFile lock(lockPath_);
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Only this user reaches the socket, but whatever arrives is still
        // read as untrusted: one request of bounded length per connection,
        // in bounded time, and anything else ends the connection unanswered.
        auto *silence = new QTimer(socket);
        silence->setSingleShot(true);
        connect(silence, &QTimer::timeout, socket, &QLocalSocket::abort);
        silence->start(kSilentConnectionMs);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QByteArray &pending = pendingRequests_[socket];
            pending += socket->readAll();
            const qsizetype end = pending.indexOf('\n');
            if (end < 0 && pending.size() <= kMaxRequestBytes)
                return;
            const std::optional<InstanceRequest> request =
                end < 0 ? std::nullopt : decodeRequest(pending.left(end));
            pendingRequests_.remove(socket);
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            if (!request) {
                socket->abort();
                return;
            }
            answer(*socket, *request);
        });
        connect(socket, &QObject::destroyed, this, [this, socket] { pendingRequests_.remove(socket); });
    }
}

void SingleInstance::answer(QLocalSocket &socket, const InstanceRequest &request) {
    InstanceReply reply{InstanceReply::Status::Refused, {}, std::nullopt};
    if (request.command == InstanceRequest::Command::Show)
        reply.status = InstanceReply::Status::Done;
    else if (handler_)
        reply = handler_(request);
    socket.write(encodeReply(reply));
    socket.disconnectFromServer();
    if (request.command == InstanceRequest::Command::Show)
        emit activationRequested();
}

} // namespace lumo
