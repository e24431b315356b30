#pragma once
// The update window: shown once an update is on offer, it runs the
// installer download and ends the program afterwards, whatever the outcome.

#include "platform/Platform.h"
#include "update/DownloadWorker.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lumo {

class StatusBar;

class UpdateDownloadWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit UpdateDownloadWindow(platform::Services &os);
    ~UpdateDownloadWindow() override;

    // Shows the window and starts the worker on the installer's address; with
    // a hash, the installer must have that hex SHA-256 or it is not written.
    void startDownload(const QString &url, std::optional<QString> expectedSha256);
    const QString &url() const { return url_; }
    // The worker while it runs (tests wait for it).
    DownloadWorker *worker() const { return worker_; }
    bool isQuitTimerActive() const { return quitTimer_.isActive(); }

    static constexpr int kQuitTimerId = 1;
    static constexpr int kQuitDelayMs = 1000;

  signals:
    // The window is done, whatever the outcome: the program is to end at
    // once (the composition root connects the main window's end).
    void endRequested();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void onCancelClicked();
    // The transfer's progress, on this thread.
    void onDownloadProgress(qint64 bytes);
    void onQuitTimer();
    void sizeKnown(qint64 bytes);
    void installerReady(const QString &path);
    void downloadFailed();
    void startQuitTimer();
    void cancelWorker();

    platform::Services &os_;
    QPointer<DownloadWorker> worker_;
    CancelFlag cancelled_;
    platform::Timer quitTimer_;

  private:
    QLabel *messageLabel;
    QProgressBar *progressBar;
    QPushButton *cancelButton;
    QString url_;
    StatusBar *statusBar;
};

} // namespace lumo
