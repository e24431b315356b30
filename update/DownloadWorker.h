#pragma once
// The installer download of the update, on a worker thread.

#include <QString>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace lumo {

struct DownloadJob {
    QString url;
    // Where the installer goes once it has fully arrived.
    QString targetPath;
    // Hex SHA-256 the body must have (any case), when the page publishes one.
    std::optional<QString> expectedSha256;
};

// The user cancelled: the transfer is abandoned and nothing is written.
using CancelFlag = std::shared_ptr<std::atomic_bool>;

class DownloadWorker final : public QThread {
    Q_OBJECT
  public:
    // Frees itself when Execute returns.
    DownloadWorker(DownloadJob job, CancelFlag cancelled);

    // The three header values every request of the updater carries.
    static const QByteArray kUserAgent;
    static const QByteArray kAccept;
    static const QByteArray kContentType;

  signals:
    // The size the server announced, before the body is fetched.
    void sizeKnown(qint64 bytes);
    // The download's progress: bytes transferred so far.
    void bytesReceived(qint64 bytes);
    // The installer is in place at targetPath.
    void installerReady(const QString &path);
    void failed();

  protected:
    void run() override { download(); }

  private:
    void download();
    // Each step returns false on failure or cancel.
    bool fetchSize(QNetworkAccessManager &network, qint64 &size);
    bool fetchBody(QNetworkAccessManager &network, QByteArray &body);
    bool writeInstaller(const QByteArray &body);

    const DownloadJob job_;
    const CancelFlag cancelled_;
};

} // namespace lumo
