#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/Banner.h"
#include "app/HelpPage.h"
#include "app/Tray.h"
#include "core/HotkeyIds.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "scripts/ScriptList.h"
#include "scripts/ScriptRunner.h"
#include "scripts/StopHotkey.h"
#include "singlepoint/SingleClicker.h"
#include "singlepoint/SinglePointPanel.h"
#include "timed/TimedList.h"
#include "timed/TimedScheduler.h"
#include "update/UpdateCheck.h"
#include "update/UpdatePage.h"
#include "widgets/ClickFilter.h"
#include "widgets/StatusBar.h"

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

QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(12);
    return font;
}

} // namespace

MainWindow::MainWindow(platform::Services &os, QString exeDir, QStringList arguments)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      gate_(os.clock), context_{os, state_, gate_, router_, this, std::move(exeDir), {}, nullptr},
      arguments_(std::move(arguments)), schedulerTimer_(os.timers, this, kSchedulerTimerId, [this] {
          gate_.postTick(&kSchedulerTimerId, [this] { onSchedulerTick(); });
      }) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(shownText(kApplicationTitle));
    setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);

    bannerLabel = new QLabel(this);
    bannerLabel->setObjectName(QStringLiteral("bannerLabel"));
    bannerLabel->setGeometry(0, 0, kClientWidth, 82);
    // The banner has its title drawn into the picture.
    QFile banner(uiLanguage() == UiLanguage::English ? QStringLiteral(":/banner_en.jpg")
                                                     : QStringLiteral(":/banner.jpg"));
    if (banner.open(QIODevice::ReadOnly))
        bannerLabel->setPixmap(QPixmap::fromImage(decodeJpeg(banner.readAll())));
    bannerLabel->setCursor(Qt::PointingHandCursor);
    bannerLabel->setToolTip(tr("Tarvik软件 ") + texts::kHomePage);

    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(3, 90, 543, 289);
    // On the tab bar alone: a style sheet on the page control would restyle
    // every list on its pages and hide their selection.
    tabWidget->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 25px; }"));
    singlePointTab = new QWidget;
    scriptsTab = new QWidget;
    timedTab = new QWidget;
    helpTab = new QWidget;
    tabWidget->addTab(singlePointTab, QIcon(QStringLiteral(":/tab_single.png")), tr("单点点击(&S)"));
    tabWidget->addTab(scriptsTab, QIcon(QStringLiteral(":/tab_multi.png")), tr("多点点击(&M)"));
    tabWidget->addTab(timedTab, QIcon(QStringLiteral(":/tab_timed.png")), tr("定时点击(&T)"));
    tabWidget->addTab(helpTab, QIcon(QStringLiteral(":/tab_help.png")), tr("软件使用方法(&H)"));
    tabWidget->setCurrentWidget(scriptsTab);

    helpBrowser = new QTextBrowser(helpTab);
    helpBrowser->setObjectName(QStringLiteral("helpBrowser"));
    helpBrowser->setGeometry(0, 0, 537, 258);

    keepOnTopCheckBox = new QCheckBox(tr("窗口置顶"), this);
    keepOnTopCheckBox->setObjectName(QStringLiteral("keepOnTopCheckBox"));
    keepOnTopCheckBox->setGeometry(kClientWidth - 80, 93, 76, 20);

    statusBar = new StatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setGeometry(0, kClientHeight - StatusBar::kHeight, kClientWidth, StatusBar::kHeight);
    context_.setStatusText = [this](int panel, const QString &text) { statusBar->setPanelText(panel, text); };

    homePageLinkLabel = new QLabel(this);
    homePageLinkLabel->setObjectName(QStringLiteral("homePageLinkLabel"));
    homePageLinkLabel->setStyleSheet(QStringLiteral("color: blue;"));
    homePageLinkLabel->setCursor(Qt::PointingHandCursor);
    homePageLinkLabel->setToolTip(tr("打开软件主页"));
    homePageLinkLabel->setGeometry(8, 84, 190, 13);
    homePageLinkLabel->hide();

    // Out of sight below the client area, as the update check wants it.
    updatePage = new UpdatePage(this);
    updatePage->setObjectName(QStringLiteral("updatePage"));
    updatePage->setGeometry(9, 433, 541, 24);
    connect(updatePage, &UpdatePage::loaded, this, &MainWindow::onUpdatePageLoaded);

    buildFirstTab();
    buildSecondTab();
    buildThirdTab();
    buildShell();

    runner_ = std::make_unique<ScriptRunner>(context_,
                                             [this](const QString &id) { return scriptList->rowById(id); });

    // A failure in a hotkey handler ends that handler only; a run it
    // interrupted carries on.
    router_.addReceiver(this, [this](int id) { context_.guarded([this, id] { onHotkeyPressed(id); }); });
    os.hotkeys.setPressHandler([this](platform::WindowHandle owner, int id) {
        gate_.post([this, owner, id] { router_.deliver(owner, id); });
    });
    armSchedulerTimer();
}

MainWindow::~MainWindow() {
    // It releases its hotkeys through the router, which dies before the
    // children would.
    delete scriptList;
    context_.os.hotkeys.setPressHandler({});
}

void MainWindow::buildFirstTab() {
    singlePoint = new SinglePointPanel(context_, singlePointTab);
    singlePoint->setObjectName(QStringLiteral("singlePoint"));
    singlePoint->setGeometry(6, 6, 525, 168);
    clicker_ = std::make_unique<SingleClicker>(context_, *singlePoint);

    const QString captions[] = {tr("关于软件(&A)"), tr("更多软件(&M)"), tr("在线反馈(&F)"),
                                tr("退出软件(&E)")};
    QPushButton **buttons[] = {&aboutButton, &moreSoftwareButton, &feedbackButton, &exitButton};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = new QPushButton(captions[i], singlePointTab);
        (*buttons[i])->setGeometry(60 + i * 110, 196, 96, 27);
    }
}

void MainWindow::buildSecondTab() {
    scriptList = new ScriptList(context_, scriptsTab);
    scriptList->setObjectName(QStringLiteral("scriptList"));
    scriptList->setGeometry(6, 4, 525, 248);
    scriptList->playScript = [this](QString id) { context_.guarded([this, &id] { runScriptById(id); }); };
}

void MainWindow::buildThirdTab() {
    timedList = new TimedList(context_, timedTab);
    timedList->setObjectName(QStringLiteral("timedList"));
    timedList->setGeometry(6, 6, 525, 244);
    TimedSchedulerHooks hooks;
    hooks.play = [this](const QString &steps, int cycles) { playSteps(steps, cycles); };
    hooks.reportBadCycles = [this] {
        context_.notice(this, shownText(kSchedulerErrorText), platform::Icon::Information);
    };
    scheduler_ = std::make_unique<TimedScheduler>(*timedList, context_.os.locale, std::move(hooks));
}

void MainWindow::armSchedulerTimer() {
    schedulerTimer_.start(TimedScheduler::msToNextSecond(context_.os.clock.now()));
}

void MainWindow::buildShell() {
    endProgram = [this] {
        // Below a run's wait or a dialog, leaving the event loops would let
        // the run play its remaining steps without their pauses: end the
        // process right here instead.
        if (QThread::currentThread()->loopLevel() > 1) {
            tray->trayIcon->hide();
            std::fflush(nullptr);
            std::_Exit(0);
        }
        QCoreApplication::exit(0);
    };
    tray = new Tray(this, windowIcon(), shownText(kApplicationTitle));
    connect(tray->aboutAction, &QAction::triggered, this, &MainWindow::onTrayAboutTriggered);
    connect(tray->restoreAction, &QAction::triggered, this, &MainWindow::onTrayRestoreTriggered);
    connect(tray->exitAction, &QAction::triggered, this, &MainWindow::onTrayExitTriggered);
    connect(tray->moreSoftwareAction, &QAction::triggered, this, &MainWindow::onTrayMoreSoftwareTriggered);
    connect(tray->webNavigationAction, &QAction::triggered, this, &MainWindow::onTrayWebNavigationTriggered);
    connect(aboutButton, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    connect(moreSoftwareButton, &QPushButton::clicked, this, &MainWindow::onMoreSoftwareClicked);
    connect(feedbackButton, &QPushButton::clicked, this, &MainWindow::onFeedbackClicked);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::onExitClicked);
    connect(keepOnTopCheckBox, &QCheckBox::clicked, this, &MainWindow::onKeepOnTopClicked);
    onLeftClick(bannerLabel, [this] { onBannerClicked(); });
    onLeftClick(homePageLinkLabel, [this] { onHomePageLinkClicked(); });
    helpPage = new HelpPage(helpBrowser);
}

void MainWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    runStartupSequence();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    QWidget::closeEvent(event);
    // Ended like the tray's exit: left to the quit on the last window, a
    // close during a run would unwind the run's waits and play its
    // remaining steps without their pauses.
    endProgram();
}

void MainWindow::runStartupSequence() {
    context_.guarded([this] {
        homePageLinkLabel->setText(texts::kHomePage);
        statusBar->setPanelText(0, shownText(kApplicationTitle));
        loadScriptList();
        loadTimedList();
        if (arguments_.value(1) == QLatin1String("autotime")) {
            timedList->enableAll();
            hideToTray();
        }
        helpPage->load(HelpPage::defaultAddress(context_.exeDir));
        updatePage->load(UpdatePage::address());
        moveLinkIntoStatusBar();
        singlePoint->loadSettings();
        singlePoint->registerStartHotkey();
        registerStopHotkey();
    });
}

void MainWindow::onUpdatePageLoaded() {
    // Hidden to the tray before the page came, the window must not come
    // back from it once the update has taken over.
    if (updateDownloadWindow && runUpdateCheck(*updatePage, *updateDownloadWindow, this))
        tray->keepHidden();
}

void MainWindow::moveLinkIntoStatusBar() {
    const QRect panel = statusBar->panelRect(1);
    homePageLinkLabel->setParent(statusBar);
    homePageLinkLabel->setGeometry(panel.left(), panel.top() + 2, 190, 13);
    homePageLinkLabel->show();
}

void MainWindow::onHotkeyPressed(int id) {
    if (id == kSinglePointHotkeyId) {
        clicker_->toggle();
        return;
    }
    if (id == kStopHotkeyId) {
        // Script hotkeys arrive through the script list, so this press is
        // the stop key's alone and must not play a script whose id is 1108.
        state_.stopRequested = true;
        return;
    }
    runScriptById(QString::number(id));
}

void MainWindow::onSchedulerTick() {
    statusBar->setPanelText(0, shownText(kApplicationTitle));
    setWindowTitle(shownText(texts::kSchedulerTitle));
    armSchedulerTimer();
    scheduler_->tick(context_.os.clock.now());
}

void MainWindow::hideToTray() {
    tray->hideToTray();
}

void MainWindow::restoreFromTray() {
    tray->restoreFromTray();
}

void MainWindow::onTrayAboutTriggered() {
    AboutDialog::showModal(context_.os.shell);
}

void MainWindow::onTrayRestoreTriggered() {
    restoreFromTray();
}

void MainWindow::onTrayExitTriggered() {
    if (context_.confirm(this, tr("是否确定要退出Tarvik鼠标点击器?"), platform::Icon::Information))
        endProgram();
}

void MainWindow::onTrayMoreSoftwareTriggered() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void MainWindow::onTrayWebNavigationTriggered() {
    context_.os.shell.openUrl(texts::kNavigationPage);
}

void MainWindow::onAboutClicked() {
    setWindowTitle(shownText(texts::kProductTitle));
    AboutDialog::showModal(context_.os.shell);
}

void MainWindow::onMoreSoftwareClicked() {
    setWindowTitle(shownText(texts::kProductTitle));
    context_.os.shell.openUrl(texts::kHomePage);
}

void MainWindow::onFeedbackClicked() {
    setWindowTitle(shownText(texts::kProductTitle));
    context_.os.shell.openUrl(texts::kFeedbackPage);
}

void MainWindow::onExitClicked() {
    close();
}

void MainWindow::onKeepOnTopClicked() {
    context_.os.windows.setTopmost(this, keepOnTopCheckBox->isChecked());
}

void MainWindow::onBannerClicked() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void MainWindow::onHomePageLinkClicked() {
    context_.os.shell.openUrl(texts::kHomePage);
}

void MainWindow::loadScriptList() {
    scriptList->reload();
}

void MainWindow::loadTimedList() {
    timedList->reload();
}

void MainWindow::runScriptById(const QString &id) {
    runner_->runScriptById(id);
}

void MainWindow::playSteps(const QString &steps, int cycles) {
    runner_->playSteps(steps, cycles);
}

void MainWindow::registerStopHotkey() {
    lumo::registerStopHotkey(context_);
}

} // namespace lumo
