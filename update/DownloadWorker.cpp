#include "update/DownloadWorker.h"

#include "update/UpdateCheck.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace lumo {

const QByteArray DownloadWorker::kUserAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
const QByteArray DownloadWorker::kAccept = QByteArrayLiteral("text/html, */*");
const QByteArray DownloadWorker::kContentType = QByteArrayLiteral("text/html");

namespace {

// How often a waiting transfer looks at the cancel flag.
constexpr int kCancelPollMs = 20;

QNetworkRequest updaterRequest(const QString &url) {
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("User-Agent", DownloadWorker::kUserAgent);
    request.setRawHeader("Accept", DownloadWorker::kAccept);
    request.setRawHeader("Content-Type", DownloadWorker::kContentType);
    // No compression on offer: a compressed answer arrives unpacked, and
    // its size would then never match the Content-Length HEAD announced.
    request.setRawHeader("Accept-Encoding", QByteArrayLiteral("identity"));
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // A redirect is an answer like any other status that is not success.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // A stalled transfer waits for the user's cancel, however long.
    request.setTransferTimeout(0);
    return request;
}

// Waits for the reply to finish; false when it failed, was cancelled or
// answered anything but success.
bool finishedWell(QNetworkReply &reply, const std::atomic_bool &cancelled) {
    QEventLoop loop;
    QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &reply, [&reply, &cancelled] {
        if (cancelled)
            reply.abort();
    });
    poll.start(kCancelPollMs);
    if (!reply.isFinished())
        loop.exec();
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return !cancelled && reply.error() == QNetworkReply::NoError && status >= 200 && status < 300;
}

} // namespace

DownloadWorker::DownloadWorker(DownloadJob job, CancelFlag cancelled)
    : job_(std::move(job)), cancelled_(std::move(cancelled)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void DownloadWorker::download() {
    QNetworkAccessManager network;
    qint64 size = 0;
    QByteArray body;
    // A body that is not the announced size, or not the published one, is
    // not an installer worth starting.
    const bool done =
        fetchSize(network, size) && fetchBody(network, body) && body.size() == size && writeInstaller(body);
    // After a cancel the program is ending: nobody is left to tell.
    if (*cancelled_)
        return;
    if (done)
        emit installerReady(job_.targetPath);
    else
        emit failed();
}

bool DownloadWorker::fetchSize(QNetworkAccessManager &network, qint64 &size) {
    // Only an installer from the web: never a local file or a share.
    if (!isWebAddress(job_.url))
        return false;
    std::unique_ptr<QNetworkReply> reply(network.head(updaterRequest(job_.url)));
    if (!finishedWell(*reply, *cancelled_) || !reply->hasRawHeader("Content-Length"))
        return false;
    bool number = false;
    size = reply->rawHeader("Content-Length").trimmed().toLongLong(&number);
    network.clearConnectionCache();
    if (!number || size < 0)
        return false;
    emit sizeKnown(size);
    return true;
}

bool DownloadWorker::fetchBody(QNetworkAccessManager &network, QByteArray &body) {
    std::unique_ptr<QNetworkReply> reply(network.get(updaterRequest(job_.url)));
    connect(
        reply.get(), &QNetworkReply::downloadProgress, this,
        [this](qint64 received, qint64) { emit bytesReceived(received); }, Qt::DirectConnection);
    if (!finishedWell(*reply, *cancelled_))
        return false;
    body = reply->readAll();
    return true;
}

bool DownloadWorker::writeInstaller(const QByteArray &body) {
    if (job_.expectedSha256) {
        const QByteArray digest = QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
        if (QString::fromLatin1(digest).compare(*job_.expectedSha256, Qt::CaseInsensitive) != 0)
            return false;
    }
    // Written beside the old one and renamed over it, so that setup.exe is
    // only ever a whole installer.
    QSaveFile file(job_.targetPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size())
        return false;
    return !*cancelled_ && file.commit();
}

} // namespace lumo
