#include "app/U_download.h"

#include "app/StatusBar.h"
#include "app/Texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
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

constexpr int kClientWidth = 380;
constexpr int kClientHeight = 124;
// A cancelled transfer ends within a poll of its flag; this bounds the wait.
constexpr int kWorkerStopWaitMs = 2000;

const QString kFailureText = QStringLiteral("下载文件自动升级下载失败，请到官网手动下载");
const QString kFailureCaption = QStringLiteral("下载失败");

} // namespace

TFrm_download::TFrm_download(platform::Services &os)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      endProgram([] { QCoreApplication::exit(0); }), os_(os),
      cancelled_(std::make_shared<std::atomic_bool>(false)) {
    setObjectName(QStringLiteral("Frm_download"));
    setWindowTitle(QStringLiteral("Lumo鼠标自动点击器升级中..."));
    setFixedSize(kClientWidth, kClientHeight);

    lbl1 = new QLabel(QStringLiteral("升级文件下载中..."), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setGeometry(16, 14, 200, 16);

    pb1 = new QProgressBar(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setGeometry(16, 38, kClientWidth - 32, 18);
    pb1->setRange(0, 0);
    pb1->setValue(0);
    pb1->setTextVisible(false);

    btn1 = new QPushButton(QStringLiteral("取消(&C)"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(kClientWidth - 16 - 80, 66, 80, 25);
    connect(btn1, &QPushButton::clicked, this, &TFrm_download::btn1Click);

    btn2 = new QPushButton(QStringLiteral("开始下载"), this);
    btn2->setObjectName(QStringLiteral("btn2"));
    btn2->setGeometry(16, 66, 80, 25);
    btn2->hide();
    connect(btn2, &QPushButton::clicked, this, &TFrm_download::btn2Click);

    edt1 = new QLineEdit(this);
    edt1->setObjectName(QStringLiteral("edt1"));
    edt1->setGeometry(104, 66, 160, 21);
    edt1->hide();

    stat1 = new StatusBar(this, {180, 50});
    stat1->setObjectName(QStringLiteral("stat1"));
    stat1->setGeometry(0, kClientHeight - StatusBar::kHeight, kClientWidth, StatusBar::kHeight);
    stat1->setPanelText(0, QStringLiteral("正在下载新版本安装文件"));
}

TFrm_download::~TFrm_download() {
    os_.timers.KillTimer(this, kTmr1Id);
    cancelWorker();
    // The worker holds the network and may be writing; let it notice the
    // cancel rather than pull the process down under it.
    if (worker_)
        worker_->wait(kWorkerStopWaitMs);
}

void TFrm_download::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrm_download::btn2Click() {
    // Read here, once: the worker must not touch this thread's widgets.
    DownloadJob job{edt1->text(), QDir::current().absoluteFilePath(QStringLiteral("setup.exe")),
                    expectedSha256};
    auto *thread = new TMyThread(std::move(job), cancelled_);
    connect(thread, &TMyThread::sizeKnown, this, &TFrm_download::sizeKnown);
    connect(thread, &TMyThread::work, this, &TFrm_download::idhtp1Work);
    connect(thread, &TMyThread::installerReady, this, &TFrm_download::installerReady);
    // The worker waits while the user reads the failure message.
    connect(thread, &TMyThread::failed, this, &TFrm_download::downloadFailed, Qt::BlockingQueuedConnection);
    worker_ = thread;
    thread->start();
}

void TFrm_download::sizeKnown(qint64 bytes) {
    pb1->setRange(0, int(qMin<qint64>(bytes, INT_MAX)));
}

void TFrm_download::idhtp1Work(qint64 bytes) {
    pb1->setValue(int(qMin<qint64>(bytes, pb1->maximum())));
}

void TFrm_download::installerReady(const QString &path) {
    // Whether the installer started is not ours to report: the program ends all the same.
    os_.shell.startProgram(path, {});
    enableTmr1();
}

void TFrm_download::downloadFailed() {
    os_.messageBoxes.MessageBox(nullptr, kFailureText, kFailureCaption,
                                platform::MB_OK | platform::MB_ICONERROR);
    os_.shell.openUrl(texts::kDownloadSite);
    enableTmr1();
}

void TFrm_download::enableTmr1() {
    tmr1Enabled_ = true;
    os_.timers.SetTimer(this, kTmr1Id, kTmr1IntervalMs, [this] { tmr1Timer(); });
}

void TFrm_download::tmr1Timer() {
    os_.timers.KillTimer(this, kTmr1Id);
    tmr1Enabled_ = false;
    endProgram();
}

void TFrm_download::btn1Click() {
    cancelWorker();
    endProgram();
}

void TFrm_download::closeEvent(QCloseEvent *event) {
    cancelWorker();
    QWidget::closeEvent(event);
    endProgram();
}

void TFrm_download::cancelWorker() {
    *cancelled_ = true;
}

} // namespace lumo
