#pragma once
// The update window: shown once an update is on offer, it runs the
// installer download and ends the program afterwards, whatever the outcome.

#include "platform/Platform.h"
#include "update/DownloadWorker.h"

#include <QPointer>
#include <QWidget>

#include <functional>
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

    // Starts the worker on the address in the URL field.
    void startDownload();
    void onCancelClicked();
    // idhtp1's progress notification, on this thread.
    void onDownloadProgress(qint64 bytes);
    void onQuitTimer();
    // The worker while it runs (tests wait for it).
    DownloadWorker *worker() const { return worker_; }
    bool isQuitTimerActive() const { return quitTimer_.isActive(); }

    // Hex SHA-256 the installer must have, when the update page publishes one.
    std::optional<QString> expectedSha256;
    // Ends the program at once: the message loop stops and the process exits.
    std::function<void()> endProgram;

    QLabel *messageLabel;
    QProgressBar *progressBar;
    QPushButton *cancelButton;
    QPushButton *startButton;
    QLineEdit *urlEdit;
    StatusBar *statusBar;

    static constexpr int kQuitTimerId = 1;
    static constexpr int kQuitDelayMs = 1000;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void sizeKnown(qint64 bytes);
    void installerReady(const QString &path);
    void downloadFailed();
    void startQuitTimer();
    void cancelWorker();

    platform::Services &os_;
    QPointer<DownloadWorker> worker_;
    CancelFlag cancelled_;
    platform::Timer quitTimer_;
};

} // namespace lumo
