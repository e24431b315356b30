#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AppControls.h"
#include "app/Banner.h"
#include "app/HelpPage.h"
#include "app/RecordingHint.h"
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
#include "storage/Settings.h"
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
#include <QTimer>

#include <functional>

#include <cstdio>
#include <cstdlib>

namespace lumo {

namespace {

static_assert(kStatusBarHeight == StatusBar::kHeight);
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
      gate_(os.clock),
      failSafe_(os.mouse), context_{os, state_, gate_, router_, failSafe_, this, std::move(location)},
      arguments_(std::move(arguments)), schedulerTimer_(os.timers, this, kSchedulerTimerId, [this] {
          gate_.postTick(&kSchedulerTimerId, [this] { onSchedulerTick(); });
      }) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(shownText(kApplicationTitle));
    setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    setFont(windowFont());
    setFixedSize(kMainClientWidth, kMainClientHeight);

    placeControls(this, kMainWindowControls, "lumo::MainWindow",
                  [this](const ControlSpec &row, QWidget *parent, const QString &) -> QWidget * {
                      const std::string_view name = row.name;
                      if (name == "statusBar")
                          return statusBar = new StatusBar(parent);
                      if (name == "updatePage")
                          return updatePage_ = new UpdatePage(parent);
                      if (name == "singlePoint")
                          return singlePoint_ = new SinglePointPanel(context_, parent);
                      if (name == "scriptList")
                          return scriptList_ = new ScriptList(context_, parent);
                      return timedList_ = new TimedList(context_, parent);
                  });
    bannerLabel = placedControl<QLabel>(this, "bannerLabel");
    bannerLabel->setPixmap(bannerPixmap(uiLanguage(), devicePixelRatioF()));
    bannerLabel->setCursor(Qt::PointingHandCursor);
    bannerLabel->setToolTip(tr("Tarvik软件 ") + texts::kHomePage);

    tabWidget = placedControl<QTabWidget>(this, "tabWidget");
    // On the tab bar alone: a style sheet on the page control would restyle
    // every list on its pages and hide their selection.
    tabWidget->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 25px; }"));
    const char *const icons[] = {":/tab_single.png", ":/tab_multi.png", ":/tab_timed.png", ":/tab_help.png"};
    for (int page = 0; page < int(std::size(icons)); ++page)
        tabWidget->setTabIcon(page, QIcon(QLatin1String(icons[page])));
    tabWidget->setCurrentWidget(placedControl(this, "scriptsTab"));

    helpBrowser = placedControl<QTextBrowser>(this, "helpBrowser");
    keepOnTopCheckBox = placedControl<QCheckBox>(this, "keepOnTopCheckBox");

    homePageLinkLabel = placedControl<QLabel>(this, "homePageLinkLabel");
    homePageLinkLabel->setToolTip(tr("打开软件主页"));
    homePageLinkLabel->hide();

    updateCheck_ = new UpdateCheck(context_.os, *updatePage_, this);
    clicker_ = std::make_unique<SingleClicker>(context_, *singlePoint_);
    buildScheduler();
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
    os.hotkeys.setPressHandler(
        [this](platform::WindowHandle owner, int id) { deliverHotkeyPress(owner, id); });
    failSafe_.setStopper([this] { onStopKeyPressed(); });
    armSchedulerTimer();
}

void MainWindow::deliverHotkeyPress(platform::WindowHandle owner, int id) {
    // The stop key must not wait behind the waits it is meant to end.
    if (owner == this && id == kStopHotkeyId) {
        onStopKeyPressed();
        return;
    }
    const bool playsScript = owner == scriptList_->hotkeys().owner();
    gate_.post([this, owner, id] { router_.deliver(owner, id); },
               playsScript ? MessageGate::Kind::Play : MessageGate::Kind::Keep);
}

void MainWindow::playAsIfPressed(const ScriptRow &row) {
    gate_.post([this, row] { context_.guarded([this, &row] { runner_->runScript(row); }); },
               MessageGate::Kind::Play);
}

MainWindow::~MainWindow() {
    // It releases its hotkeys through the router, which dies before the
    // children would.
    delete scriptList_;
    context_.os.hotkeys.setPressHandler({});
}

void MainWindow::buildScheduler() {
    scheduler_ = std::make_unique<TimedScheduler>(*timedList_, context_.os.locale);
    // The runner is made after the scheduler; a tick comes only later.
    connect(scheduler_.get(), &TimedScheduler::playRequested, this,
            [this](const QString &steps, int cycles) { runner_->playSteps(steps, cycles); });
    connect(scheduler_.get(), &TimedScheduler::badCycles, this,
            [this] { context_.notice(this, shownText(kSchedulerErrorText), platform::Icon::Information); });
}

void MainWindow::armSchedulerTimer() {
    schedulerTimer_.start(TimedScheduler::msToNextSecond(context_.os.clock.now()));
}

void MainWindow::buildShell() {
    tray_ = new Tray(this, windowIcon(), shownText(kApplicationTitle));
    // The tray icon follows what the program does; runs and holds keep
    // the event loop going, so this timer ticks through them.
    auto *trayStateTimer = new QTimer(this);
    connect(trayStateTimer, &QTimer::timeout, this, &MainWindow::updateTrayState);
    trayStateTimer->start(kTrayStatePollMs);
    connect(tray_, &Tray::aboutRequested, this, &MainWindow::onTrayAboutTriggered);
    connect(tray_, &Tray::restoreRequested, this, &MainWindow::onTrayRestoreTriggered);
    connect(tray_, &Tray::exitRequested, this, &MainWindow::onTrayExitTriggered);
    connect(tray_, &Tray::moreSoftwareRequested, this, &MainWindow::onTrayMoreSoftwareTriggered);
    connect(tray_, &Tray::webNavigationRequested, this, &MainWindow::onTrayWebNavigationTriggered);
    const std::pair<const char *, void (MainWindow::*)()> buttons[] = {
        {"aboutButton", &MainWindow::onAboutClicked},
        {"moreSoftwareButton", &MainWindow::onMoreSoftwareClicked},
        {"feedbackButton", &MainWindow::onFeedbackClicked},
        {"exitButton", &MainWindow::onExitClicked}};
    for (const auto &[name, handler] : buttons)
        connect(placedControl<QPushButton>(this, name), &QPushButton::clicked, this, handler);
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
    step([this] {
        failSafe_.setEnabled(Settings(context_.location).text(Setting::FailSafe) != QLatin1String("0"));
    });
    step([this] {
        failSafe_.setEnabled(Settings(context_.location).text(Setting::FailSafe) != QLatin1String("0"));
    });
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

void MainWindow::updateTrayState() {
    if (recording_)
        tray_->setState(TrayState::Recording);
    else if (state_.runsPlaying > 0)
        tray_->setState(TrayState::Playing);
    else
        tray_->setState(state_.clickerRunning ? TrayState::Clicking : TrayState::Idle);
}

void MainWindow::showRecording(bool recording) {
    recording_ = recording;
    updateTrayState();
    if (!recordingHint_)
        recordingHint_ = std::make_unique<RecordingHint>();
    recordingHint_->showFor(recording);
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
