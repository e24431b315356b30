#include "update/UpdateDownloadWindow.h"

#include "core/Texts.h"
#include "update/UpdateControls.h"
#include "widgets/StatusBar.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <climits>

namespace lumo {

namespace {

static_assert(kDownloadStatusBarHeight == StatusBar::kHeight);
// A cancelled transfer ends within a poll of its flag; this bounds the wait.
constexpr int kWorkerStopWaitMs = 2000;

} // namespace

UpdateDownloadWindow::UpdateDownloadWindow(platform::Services &os)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      os_(os), cancelled_(std::make_shared<std::atomic_bool>(false)),
      quitTimer_(os.timers, this, kQuitTimerId, [this] { onQuitTimer(); }) {
    setObjectName(QStringLiteral("updateDownloadWindow"));
    setWindowTitle(tr("Lumo鼠标自动点击器升级中..."));
    setFixedSize(kDownloadClientWidth, kDownloadClientHeight);

    placeControls(this, kUpdateDownloadControls, "lumo::UpdateDownloadWindow",
                  [this](const ControlSpec &row, QWidget *parent, const QString &) -> QWidget * {
                      if (std::string_view(row.name) == "progressBar")
                          return progressBar = new QProgressBar(parent);
                      return statusBar = new StatusBar(parent, {180, 50});
                  });
    messageLabel = placedControl<QLabel>(this, "messageLabel");
    progressBar->setRange(0, 0);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    cancelButton = placedControl<QPushButton>(this, "cancelButton");
    connect(cancelButton, &QPushButton::clicked, this, &UpdateDownloadWindow::onCancelClicked);
    statusBar->setPanelText(0, tr("正在下载新版本安装文件"));
}

UpdateDownloadWindow::~UpdateDownloadWindow() {
    quitTimer_.stop();
    cancelWorker();
    // The worker holds the network and may be writing; let it notice the
    // cancel rather than pull the process down under it.
    if (worker_)
        worker_->wait(kWorkerStopWaitMs);
}

void UpdateDownloadWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void UpdateDownloadWindow::startDownload(const QString &url, std::optional<QString> expectedSha256) {
    url_ = url;
    show();
    DownloadJob job{url, QDir::current().absoluteFilePath(QStringLiteral("setup.exe")),
                    std::move(expectedSha256)};
    auto *thread = new DownloadWorker(std::move(job), cancelled_);
    connect(thread, &DownloadWorker::sizeKnown, this, &UpdateDownloadWindow::sizeKnown);
    connect(thread, &DownloadWorker::bytesReceived, this, &UpdateDownloadWindow::onDownloadProgress);
    connect(thread, &DownloadWorker::installerReady, this, &UpdateDownloadWindow::installerReady);
    // The worker waits while the user reads the failure message.
    connect(thread, &DownloadWorker::failed, this, &UpdateDownloadWindow::downloadFailed,
            Qt::BlockingQueuedConnection);
    worker_ = thread;
    thread->start();
}

void UpdateDownloadWindow::sizeKnown(qint64 bytes) {
    progressBar->setRange(0, int(qMin<qint64>(bytes, INT_MAX)));
}

void UpdateDownloadWindow::onDownloadProgress(qint64 bytes) {
    progressBar->setValue(int(qMin<qint64>(bytes, progressBar->maximum())));
}

void UpdateDownloadWindow::installerReady(const QString &path) {
    // Whether the installer started is not ours to report: the program ends all the same.
    os_.shell.startProgram(path, {});
    startQuitTimer();
}

void UpdateDownloadWindow::downloadFailed() {
    os_.messageBoxes.notice(nullptr, tr("下载文件自动升级下载失败，请到官网手动下载"), tr("下载失败"),
                            platform::Icon::Error);
    os_.shell.openUrl(texts::kDownloadSite);
    startQuitTimer();
}

void UpdateDownloadWindow::startQuitTimer() {
    quitTimer_.start(kQuitDelayMs);
}

void UpdateDownloadWindow::onQuitTimer() {
    quitTimer_.stop();
    emit endRequested();
}

void UpdateDownloadWindow::onCancelClicked() {
    cancelWorker();
    emit endRequested();
}

void UpdateDownloadWindow::closeEvent(QCloseEvent *event) {
    cancelWorker();
    QWidget::closeEvent(event);
    emit endRequested();
}

void UpdateDownloadWindow::cancelWorker() {
    *cancelled_ = true;
}

} // namespace lumo
