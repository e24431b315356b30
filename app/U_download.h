#pragma once
// The update window: shown once an update is on offer, it runs the
// installer download and ends the program afterwards, whatever the outcome.

#include "app/DownloadWorker.h"
#include "platform/Platform.h"

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

class TFrm_download final : public QWidget {
    Q_OBJECT
  public:
    explicit TFrm_download(platform::Services &os);
    ~TFrm_download() override;

    // Starts the worker on the address in edt1.
    void btn2Click();
    void btn1Click();
    // idhtp1's progress notification, on this thread.
    void idhtp1Work(qint64 bytes);
    void tmr1Timer();
    // The worker while it runs (tests wait for it).
    TMyThread *worker() const { return worker_; }
    bool tmr1Enabled() const { return tmr1Enabled_; }

    // Hex SHA-256 the installer must have, when the update page publishes one.
    std::optional<QString> expectedSha256;
    // Ends the program at once: the message loop stops and the process exits.
    std::function<void()> endProgram;

    QLabel *lbl1;
    QProgressBar *pb1;
    QPushButton *btn1;
    QPushButton *btn2;
    QLineEdit *edt1;
    StatusBar *stat1;

    static constexpr int kTmr1Id = 1;
    static constexpr int kTmr1IntervalMs = 1000;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void sizeKnown(qint64 bytes);
    void installerReady(const QString &path);
    void downloadFailed();
    void enableTmr1();
    void cancelWorker();

    platform::Services &os_;
    QPointer<TMyThread> worker_;
    CancelFlag cancelled_;
    bool tmr1Enabled_ = false;
};

} // namespace lumo
