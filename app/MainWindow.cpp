#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/HelpPage.h"
#include "app/Tray.h"
#include "core/Conversion.h"
#include "core/HotkeyIds.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "scripts/ScriptList.h"
#include "scripts/ScriptRunner.h"
#include "scripts/StopHotkey.h"
#include "singlepoint/SingleClicker.h"
#include "singlepoint/SinglePointPanel.h"
#include "steps/StepRecording.h"
#include "storage/Database.h"
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

#include <functional>

#include <cstdio>
#include <cstdlib>

namespace lumo {

namespace {

constexpr int kClientWidth = 549;
constexpr int kClientHeight = 401;
// Off in builds made without the update check (LUMOCLICK_UPDATE_CHECK).
#ifdef LUMO_NO_UPDATE_CHECK
constexpr bool kUpdateCheck = false;
#else
constexpr bool kUpdateCheck = true;
#endif

QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(12);
    return font;
}

} // namespace

MainWindow::MainWindow(platform::Services &os, DataLocation location, QStringList arguments)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      gate_(os.clock), context_{os, state_, gate_, router_, this, std::move(location), nullptr},
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
    // The banner has its title drawn into the picture; Qt's JPEG plugin reads it.
    bannerLabel->setPixmap(QPixmap(uiLanguage() == UiLanguage::English ? QStringLiteral(":/banner_en.jpg")
                                                                       : QStringLiteral(":/banner.jpg"),
                                   "JPEG"));
    bannerLabel->setCursor(Qt::PointingHandCursor);
    bannerLabel->setToolTip(tr("Tarvik软件 ") + texts::kHomePage);

    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(3, 90, 543, 289);
    // On the tab bar alone: a style sheet on the page control would restyle
    // every list on its pages and hide their selection.
    tabWidget->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 25px; }"));
    singlePointTab = new QWidget;
    singlePointTab->setObjectName(QStringLiteral("singlePointTab"));
    scriptsTab = new QWidget;
    scriptsTab->setObjectName(QStringLiteral("scriptsTab"));
    timedTab = new QWidget;
    timedTab->setObjectName(QStringLiteral("timedTab"));
    helpTab = new QWidget;
    helpTab->setObjectName(QStringLiteral("helpTab"));
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

    homePageLinkLabel = new QLabel(this);
    homePageLinkLabel->setObjectName(QStringLiteral("homePageLinkLabel"));
    homePageLinkLabel->setStyleSheet(QStringLiteral("color: blue;"));
    homePageLinkLabel->setCursor(Qt::PointingHandCursor);
    homePageLinkLabel->setToolTip(tr("打开软件主页"));
    homePageLinkLabel->setGeometry(8, 84, 190, 13);
    homePageLinkLabel->hide();

    // Out of sight below the client area, as the update check wants it.
    updatePage_ = new UpdatePage(this);
    updatePage_->setObjectName(QStringLiteral("updatePage"));
    updatePage_->setGeometry(9, 433, 541, 24);
    updateCheck_ = new UpdateCheck(context_.os, *updatePage_, this);

    buildFirstTab();
    buildSecondTab();
    buildThirdTab();
    buildShell();

    // A script key plays the row the list shows; a cycle count that is no
    // number ends that play in the error box.
    runner_ = std::make_unique<ScriptRunner>(context_);
    connect(scriptList_, &ScriptList::playRequested, this,
            [this](const ScriptRow &row) { context_.guarded([this, &row] { runner_->runScript(row); }); });
    connect(clicker_.get(), &SingleClicker::statusChanged, statusBar, &StatusBar::setPanelText);
    // Hidden to the tray before the page came, the window must not come
    // back from it once the update has taken over.
    connect(updateCheck_, &UpdateCheck::downloadStarted, tray_, &Tray::keepHidden);

    // A failure in a hotkey handler ends that handler only; a run it
    // interrupted carries on.
    router_.addReceiver(this, [this](int id) { context_.guarded([this, id] { onHotkeyPressed(id); }); });
    os.hotkeys.setPressHandler([this](platform::WindowHandle owner, int id) {
        // The stop key must not wait behind the waits it is meant to end.
        if (owner == this && id == kStopHotkeyId) {
            onStopKeyPressed();
            return;
        }
        const bool playsScript = owner == scriptList_->hotkeys().owner();
        gate_.post([this, owner, id] { router_.deliver(owner, id); },
                   playsScript ? MessageGate::Kind::Play : MessageGate::Kind::Keep);
    });
    armSchedulerTimer();
}

MainWindow::~MainWindow() {
    // It releases its hotkeys through the router, which dies before the
    // children would.
    delete scriptList_;
    context_.os.hotkeys.setPressHandler({});
}

void MainWindow::buildFirstTab() {
    singlePoint_ = new SinglePointPanel(context_, singlePointTab);
    singlePoint_->setObjectName(QStringLiteral("singlePoint"));
    singlePoint_->setGeometry(6, 6, 525, 168);
    clicker_ = std::make_unique<SingleClicker>(context_, *singlePoint_);

    struct ButtonLayout {
        QPushButton **button;
        const char *name;
        QString caption;
    };
    const ButtonLayout layout[] = {{&aboutButton, "aboutButton", tr("关于软件(&A)")},
                                   {&moreSoftwareButton, "moreSoftwareButton", tr("更多软件(&M)")},
                                   {&feedbackButton, "feedbackButton", tr("在线反馈(&F)")},
                                   {&exitButton, "exitButton", tr("退出软件(&E)")}};
    int x = 60;
    for (const ButtonLayout &entry : layout) {
        *entry.button = new QPushButton(entry.caption, singlePointTab);
        (*entry.button)->setObjectName(QLatin1String(entry.name));
        (*entry.button)->setGeometry(x, 196, 96, 27);
        x += 110;
    }
}

void MainWindow::buildSecondTab() {
    scriptList_ = new ScriptList(context_, scriptsTab);
    scriptList_->setObjectName(QStringLiteral("scriptList"));
    scriptList_->setGeometry(6, 4, 525, 248);
}

void MainWindow::buildThirdTab() {
    timedList_ = new TimedList(context_, timedTab);
    timedList_->setObjectName(QStringLiteral("timedList"));
    timedList_->setGeometry(6, 6, 525, 244);
    TimedSchedulerHooks hooks;
    hooks.play = [this](const QString &steps, int cycles) { runner_->playSteps(steps, cycles); };
    hooks.reportBadCycles = [this] {
        context_.notice(this, shownText(kSchedulerErrorText), platform::Icon::Information);
    };
    scheduler_ = std::make_unique<TimedScheduler>(*timedList_, context_.os.locale, std::move(hooks));
}

void MainWindow::armSchedulerTimer() {
    schedulerTimer_.start(TimedScheduler::msToNextSecond(context_.os.clock.now()));
}

void MainWindow::buildShell() {
    tray_ = new Tray(this, windowIcon(), shownText(kApplicationTitle));
    connect(tray_, &Tray::aboutRequested, this, &MainWindow::onTrayAboutTriggered);
    connect(tray_, &Tray::restoreRequested, this, &MainWindow::onTrayRestoreTriggered);
    connect(tray_, &Tray::exitRequested, this, &MainWindow::onTrayExitTriggered);
    connect(tray_, &Tray::moreSoftwareRequested, this, &MainWindow::onTrayMoreSoftwareTriggered);
    connect(tray_, &Tray::webNavigationRequested, this, &MainWindow::onTrayWebNavigationTriggered);
    connect(aboutButton, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    connect(moreSoftwareButton, &QPushButton::clicked, this, &MainWindow::onMoreSoftwareClicked);
    connect(feedbackButton, &QPushButton::clicked, this, &MainWindow::onFeedbackClicked);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::onExitClicked);
    connect(keepOnTopCheckBox, &QCheckBox::clicked, this, &MainWindow::onKeepOnTopClicked);
    onLeftClick(bannerLabel, [this] { onBannerClicked(); });
    onLeftClick(homePageLinkLabel, [this] { onHomePageLinkClicked(); });
    helpPage_ = new HelpPage(helpBrowser);
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
    emit endRequested();
}

void MainWindow::endNow() {
    // Below a run's wait or a dialog, leaving the event loops would let the
    // run play its remaining steps without their pauses: end the process
    // right here instead.
    if (QThread::currentThread()->loopLevel() > 1) {
        tray_->hideIcon();
        std::fflush(nullptr);
        std::_Exit(0);
    }
    QCoreApplication::exit(0);
}

void MainWindow::runStartupSequence() {
    // Each step stands on its own: one that fails is reported and the others
    // still run, so a damaged database or settings file never costs the
    // hotkeys, the settings or the other list. Each failure's text is shown
    // once, after the last step.
    QStringList failures;
    const auto step = [&failures](const std::function<void()> &work) {
        try {
            work();
        } catch (const HandlerError &error) {
            if (!failures.contains(error.message()))
                failures << error.message();
        }
    };
    homePageLinkLabel->setText(texts::kHomePage);
    statusBar->setPanelText(0, shownText(kApplicationTitle));
    step([this] {
        const QString problem = settingsFolderProblemText(context_.location);
        if (!problem.isEmpty())
            context_.notice(this, problem, platform::Icon::Warning);
    });
    step([this] { scriptList_->reload(); });
    step([this] { timedList_->reload(); });
    if (arguments_.value(1) == QLatin1String("autotime")) {
        step([this] { timedList_->enableAll(); });
        step([this] { hideToTray(); });
    }
    step([this] { helpPage_->load(HelpPage::defaultAddress(context_.location)); });
    if (kUpdateCheck)
        step([this] { updatePage_->load(UpdatePage::address()); });
    // The link goes on the middle panel; the click count's keeps 110 pixels.
    step([this] { statusBar->placeLink(homePageLinkLabel, 1, 190, 110); });
    step([this] { singlePoint_->loadSettings(); });
    step([this] { singlePoint_->registerStartHotkey(); });
    step([this] { registerStopHotkey(context_); });
    const QList<SkippedRow> skipped = scriptList_->skippedRows() + timedList_->skippedRows();
    if (!skipped.isEmpty())
        context_.notice(this, skippedRowsText(skipped), platform::Icon::Warning);
    for (const QString &failure : failures)
        context_.showErrorBox(failure);
}

void MainWindow::onHotkeyPressed(int id) {
    if (id == kSinglePointHotkeyId) {
        clicker_->toggle();
        return;
    }
    // Script hotkeys are registered on the script list and arrive there, so
    // this press is the stop key's alone and must not play a script whose id
    // is 1108.
    if (id == kStopHotkeyId)
        onStopKeyPressed();
}

void MainWindow::onStopKeyPressed() {
    const bool clickerWasRunning = state_.clickerRunning;
    runner_->stopAll();
    if (!clickerWasRunning)
        return;
    // The stop key stops every click, the single-point clicker's too (its
    // held click ends with the waits); that honours the request unless a
    // run is left to honour it.
    clicker_->stopNow();
    if (runner_->depth() == 0)
        state_.stopRequested = false;
}

void MainWindow::endCleanly() {
    runner_->endAll();
    clicker_->stopNow();
    // Every event loop returns: the waits cut short release their buttons,
    // the runs end at their next step and the windows are destroyed as at
    // any other end.
    QCoreApplication::exit(0);
}

void MainWindow::onSchedulerTick() {
    statusBar->setPanelText(0, shownText(kApplicationTitle));
    setWindowTitle(shownText(texts::kSchedulerTitle));
    armSchedulerTimer();
    scheduler_->tick(context_.os.clock.now());
}

void MainWindow::hideToTray() {
    tray_->hideToTray();
}

void MainWindow::restoreFromTray() {
    tray_->restoreFromTray();
}

void MainWindow::showRecording(bool recording) {
    tray_->showPassingHint(recording ? shownText(kRecordingHint) : QString());
    if (recording) {
        shownBeforeRecording_ = isVisible();
        hide();
    } else if (shownBeforeRecording_) {
        show();
    }
}

void MainWindow::onTrayAboutTriggered() {
    AboutDialog::showModal(context_.os.shell);
}

void MainWindow::onTrayRestoreTriggered() {
    restoreFromTray();
}

void MainWindow::onTrayExitTriggered() {
    if (context_.confirm(this, tr("是否确定要退出Tarvik鼠标点击器?"), platform::Icon::Information))
        emit endRequested();
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

} // namespace lumo
