#include "app/U_Main.h"

#include "app/Banner.h"
#include "app/ClickFilter.h"
#include "app/HelpPage.h"
#include "app/StatusBar.h"
#include "app/Texts.h"
#include "app/Tray.h"
#include "app/U_About.h"
#include "app/UpdateCheck.h"
#include "app/UpdatePage.h"
#include "engine/SingleClicker.h"
#include "engine/SinglePointPanel.h"
#include "scripts/ScriptList.h"
#include "scripts/ScriptRunner.h"
#include "scripts/StopHotkey.h"
#include "timed/TimedList.h"
#include "timed/TimedScheduler.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace lumo {

namespace {

constexpr int kClientWidth = 549;
constexpr int kClientHeight = 401;
constexpr int kSinglePointHotkeyId = 1008;

QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(12);
    return font;
}

} // namespace

TFrm_Main::TFrm_Main(platform::Services &os, QString exeDir, QStringList arguments)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      gate_(os.clock), context_{os, state_, gate_, router_, this, std::move(exeDir), {}, nullptr},
      arguments_(std::move(arguments)) {
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(0, 0, kClientWidth, 82);
    QFile banner(QStringLiteral(":/banner.jpg"));
    if (banner.open(QIODevice::ReadOnly))
        img1->setPixmap(QPixmap::fromImage(decodeJpeg(banner.readAll())));
    img1->setCursor(Qt::PointingHandCursor);
    img1->setToolTip(QStringLiteral("Tarvik软件 ") + texts::kHomePage);

    pgc1 = new QTabWidget(this);
    pgc1->setObjectName(QStringLiteral("pgc1"));
    pgc1->setGeometry(3, 90, 543, 289);
    // On the tab bar alone: a style sheet on the page control would restyle
    // every list on its pages and hide their selection.
    pgc1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 25px; }"));
    ts1 = new QWidget;
    ts2 = new QWidget;
    ts3 = new QWidget;
    ts4 = new QWidget;
    pgc1->addTab(ts1, QIcon(QStringLiteral(":/tab_single.png")), QStringLiteral("单点点击(&S)"));
    pgc1->addTab(ts2, QIcon(QStringLiteral(":/tab_multi.png")), QStringLiteral("多点点击(&M)"));
    pgc1->addTab(ts3, QIcon(QStringLiteral(":/tab_timed.png")), QStringLiteral("定时点击(&T)"));
    pgc1->addTab(ts4, QIcon(QStringLiteral(":/tab_help.png")), QStringLiteral("软件使用方法(&H)"));
    pgc1->setCurrentWidget(ts2);

    wb2 = new QTextBrowser(ts4);
    wb2->setObjectName(QStringLiteral("wb2"));
    wb2->setGeometry(0, 0, 537, 258);

    chk2 = new QCheckBox(QStringLiteral("窗口置顶"), this);
    chk2->setObjectName(QStringLiteral("chk2"));
    chk2->setGeometry(kClientWidth - 80, 93, 76, 20);

    stat1 = new StatusBar(this);
    stat1->setObjectName(QStringLiteral("stat1"));
    stat1->setGeometry(0, kClientHeight - StatusBar::kHeight, kClientWidth, StatusBar::kHeight);
    context_.setStatusText = [this](int panel, const QString &text) { stat1->setPanelText(panel, text); };

    lbl12 = new QLabel(this);
    lbl12->setObjectName(QStringLiteral("lbl12"));
    lbl12->setStyleSheet(QStringLiteral("color: blue;"));
    lbl12->setCursor(Qt::PointingHandCursor);
    lbl12->setToolTip(QStringLiteral("打开软件主页"));
    lbl12->setGeometry(8, 84, 190, 13);
    lbl12->hide();

    // Out of sight below the client area, as the update check wants it.
    wb1 = new UpdatePage(this);
    wb1->setObjectName(QStringLiteral("wb1"));
    wb1->setGeometry(9, 433, 541, 24);
    connect(wb1, &UpdatePage::documentComplete, this, &TFrm_Main::wb1DocumentComplete);

    buildFirstTab();
    buildSecondTab();
    buildThirdTab();
    buildShell();

    runner_ = std::make_unique<ScriptRunner>(
        context_, [this](const QString &id) { return scriptList->rowByHotkeyId(id); });

    // A failure in a hotkey handler ends that handler only; a run it
    // interrupted carries on.
    router_.addReceiver(this, [this](int id) { context_.guarded([this, id] { WMHotKey(id); }); });
    os.hotkeys.setPressHandler([this](platform::WindowHandle owner, int id) {
        gate_.post([this, owner, id] { router_.deliver(owner, id); });
    });
    armTmr3();
}

TFrm_Main::~TFrm_Main() {
    // It releases its hotkeys through the router, which dies before the
    // children would.
    delete scriptList;
    context_.os.timers.KillTimer(this, kTmr3Id);
    context_.os.timers.KillTimer(this, SingleClicker::kTimerId);
    context_.os.hotkeys.setPressHandler({});
}

void TFrm_Main::buildFirstTab() {
    singlePoint = new SinglePointPanel(context_, ts1);
    singlePoint->setObjectName(QStringLiteral("singlePoint"));
    singlePoint->setGeometry(6, 6, 525, 168);
    clicker_ = std::make_unique<SingleClicker>(context_, *singlePoint);

    const QString captions[] = {QStringLiteral("关于软件(&A)"), QStringLiteral("更多软件(&M)"),
                                QStringLiteral("在线反馈(&F)"), QStringLiteral("退出软件(&E)")};
    QPushButton **buttons[] = {&btn2, &btn4, &btn5, &btn6};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = new QPushButton(captions[i], ts1);
        (*buttons[i])->setGeometry(60 + i * 110, 196, 96, 27);
    }
}

void TFrm_Main::buildSecondTab() {
    scriptList = new ScriptList(context_, ts2);
    scriptList->setObjectName(QStringLiteral("scriptList"));
    scriptList->setGeometry(6, 4, 525, 248);
    scriptList->playScript = [this](QString id) { context_.guarded([this, &id] { RunScriptByHotkey(id); }); };
}

void TFrm_Main::buildThirdTab() {
    timedList = new TimedList(context_, ts3);
    timedList->setObjectName(QStringLiteral("timedList"));
    timedList->setGeometry(6, 6, 525, 244);
    TimedSchedulerHooks hooks;
    hooks.play = [this](const QString &steps, int cycles) { RunScriptSteps(steps, cycles); };
    hooks.reportBadCycles = [this] {
        context_.notice(this, kSchedulerErrorText, platform::MB_OK | platform::MB_ICONINFORMATION);
    };
    scheduler_ = std::make_unique<TimedScheduler>(*timedList, context_.os.locale, std::move(hooks));
}

void TFrm_Main::armTmr3() {
    context_.os.timers.SetTimer(this, kTmr3Id, TimedScheduler::msToNextSecond(context_.os.clock.now()),
                                [this] { gate_.postTick(&kTmr3Id, [this] { tmr3Timer(); }); });
}

void TFrm_Main::buildShell() {
    endProgram = [this] {
        // Below a run's wait or a dialog, leaving the event loops would let
        // the run play its remaining steps without their pauses: end the
        // process right here instead.
        if (QThread::currentThread()->loopLevel() > 1) {
            rztrycn1->rztrycn1->hide();
            std::fflush(nullptr);
            std::_Exit(0);
        }
        QCoreApplication::exit(0);
    };
    rztrycn1 = new Tray(this, windowIcon(), kApplicationTitle);
    connect(rztrycn1->N1, &QAction::triggered, this, &TFrm_Main::N1Click);
    connect(rztrycn1->N2, &QAction::triggered, this, &TFrm_Main::N2Click);
    connect(rztrycn1->N3, &QAction::triggered, this, &TFrm_Main::N3Click);
    connect(rztrycn1->N4, &QAction::triggered, this, &TFrm_Main::N4Click);
    connect(rztrycn1->N5, &QAction::triggered, this, &TFrm_Main::N5Click);
    connect(btn2, &QPushButton::clicked, this, &TFrm_Main::btn2Click);
    connect(btn4, &QPushButton::clicked, this, &TFrm_Main::btn4Click);
    connect(btn5, &QPushButton::clicked, this, &TFrm_Main::btn5Click);
    connect(btn6, &QPushButton::clicked, this, &TFrm_Main::btn6Click);
    connect(chk2, &QCheckBox::clicked, this, &TFrm_Main::chk2Click);
    onLeftClick(img1, [this] { img1Click(); });
    onLeftClick(lbl12, [this] { lbl12Click(); });
    helpPage = new HelpPage(wb2);
}

void TFrm_Main::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TFrm_Main::closeEvent(QCloseEvent *event) {
    QWidget::closeEvent(event);
    // Ended like the tray's exit: left to the quit on the last window, a
    // close during a run would unwind the run's waits and play its
    // remaining steps without their pauses.
    endProgram();
}

void TFrm_Main::FormShow() {
    context_.guarded([this] {
        lbl12->setText(texts::kHomePage);
        stat1->setPanelText(0, kApplicationTitle);
        LoadScriptList();
        LoadTimedList();
        if (arguments_.value(1) == QLatin1String("autotime")) {
            timedList->enableAll();
            hideToTray();
        }
        helpPage->load(HelpPage::defaultAddress(context_.exeDir));
        wb1->load(UpdatePage::address());
        moveLinkIntoStatusBar();
        singlePoint->Load();
        singlePoint->RegisterStartHotkey();
        RegisterStopHotkey();
    });
}

void TFrm_Main::wb1DocumentComplete() {
    // Hidden to the tray before the page came, the window must not come
    // back from it once the update has taken over.
    if (Frm_download && runUpdateCheck(*wb1, *Frm_download, this))
        rztrycn1->keepHidden();
}

void TFrm_Main::moveLinkIntoStatusBar() {
    const QRect panel = stat1->panelRect(1);
    lbl12->setParent(stat1);
    lbl12->setGeometry(panel.left(), panel.top() + 2, 190, 13);
    lbl12->show();
}

void TFrm_Main::WMHotKey(int id) {
    if (id == kSinglePointHotkeyId) {
        clicker_->Toggle();
        return;
    }
    if (id == kStopHotkeyId) {
        // Script hotkeys arrive through the script list, so this press is
        // the stop key's alone and must not play a script whose id is 1108.
        state_.stopRequest = QStringLiteral("1");
        return;
    }
    RunScriptByHotkey(QString::number(id));
}

void TFrm_Main::tmr3Timer() {
    stat1->setPanelText(0, kApplicationTitle);
    setWindowTitle(texts::kSchedulerTitle);
    armTmr3();
    scheduler_->tick(context_.os.clock.now());
}

void TFrm_Main::hideToTray() {
    rztrycn1->hideToTray();
}

void TFrm_Main::restoreFromTray() {
    rztrycn1->restoreFromTray();
}

void TFrm_Main::N1Click() {
    TAboutBox::showModal(context_.os.shell);
}

void TFrm_Main::N2Click() {
    restoreFromTray();
}

void TFrm_Main::N3Click() {
    if (context_.os.messageBoxes.MessageBox(this, QStringLiteral("是否确定要退出Tarvik鼠标点击器?"), kNotice,
                                            platform::MB_YESNO | platform::MB_ICONINFORMATION) ==
        platform::IDYES)
        endProgram();
}

void TFrm_Main::N4Click() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void TFrm_Main::N5Click() {
    context_.os.shell.openUrl(texts::kNavigationPage);
}

void TFrm_Main::btn2Click() {
    setWindowTitle(texts::kProductTitle);
    TAboutBox::showModal(context_.os.shell);
}

void TFrm_Main::btn4Click() {
    setWindowTitle(texts::kProductTitle);
    context_.os.shell.openUrl(texts::kHomePage);
}

void TFrm_Main::btn5Click() {
    setWindowTitle(texts::kProductTitle);
    context_.os.shell.openUrl(texts::kFeedbackPage);
}

void TFrm_Main::btn6Click() {
    close();
}

void TFrm_Main::chk2Click() {
    context_.os.windows.setTopmost(this, chk2->isChecked());
}

void TFrm_Main::img1Click() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void TFrm_Main::lbl12Click() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void TFrm_Main::LoadScriptList() {
    scriptList->LoadScriptList();
}

void TFrm_Main::LoadTimedList() {
    timedList->LoadTimedList();
}

void TFrm_Main::RunScriptByHotkey(const QString &id) {
    runner_->RunScriptByHotkey(id);
}

void TFrm_Main::RunScriptSteps(const QString &steps, int cycles) {
    runner_->RunScriptSteps(steps, cycles);
}

void TFrm_Main::RegisterStopHotkey() {
    lumo::RegisterStopHotkey(context_);
}

} // namespace lumo
