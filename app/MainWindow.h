#pragma once
// The main window: banner, four tabs, status bar, the start-up sequence and
// the dispatch of every global hotkey the main window holds.

#include "core/HotkeyRouter.h"
#include "core/MainContext.h"
#include "core/MainState.h"
#include "core/MessageGate.h"
#include "storage/ScriptRow.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QTabWidget;
class QTextBrowser;

namespace lumo {

class HelpPage;
class RecordingHint;
class ScriptList;
class ScriptRunner;
class SingleClicker;
class SinglePointPanel;
class StatusBar;
class TimedList;
class TimedScheduler;
class UpdateCheck;
class Tray;
class UpdatePage;

class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    MainWindow(platform::Services &os, DataLocation location, QStringList arguments);
    ~MainWindow() override;

    // The start-up sequence; runs once, when the window is first shown.
    void runStartupSequence();
    // Ends every run and the clicker, releasing any held button, and leaves
    // the event loop so that the program ends through its usual clean-up.
    void endCleanly();

    // The tray icon's two operations; the autotime start hides to the tray.
    void hideToTray();
    void restoreFromTray();
    // An editor records the user's clicks: the window is out of their way
    // and the tray icon says how to end.
    void showRecording(bool recording);

    // A hotkey press as the system reports it: the stop key acts at once,
    // every other press goes through the gate, held while a run waits.
    void deliverHotkeyPress(platform::WindowHandle owner, int id);
    // Plays that script as its hotkey would, enabled or not.
    void playAsIfPressed(const ScriptRow &row);

    // Ends the program at once, skipping the close handling: the process
    // ends at once below a run's wait or a dialog, else the event loop does.
    void endNow();

    MainContext &context() { return context_; }
    MainState &state() { return state_; }
    const QStringList &arguments() const { return arguments_; }

    // The parts the composition root wires together.
    SinglePointPanel *singlePoint() const { return singlePoint_; }
    ScriptList *scriptList() const { return scriptList_; }
    TimedList *timedList() const { return timedList_; }
    Tray *tray() const { return tray_; }
    HelpPage *helpPage() const { return helpPage_; }
    UpdatePage *updatePage() const { return updatePage_; }
    ScriptRunner *runner() const { return runner_.get(); }
    UpdateCheck *updateCheck() const { return updateCheck_; }

    static constexpr int kSchedulerTimerId = 3;
    // How often the tray icon looks at what the program does.
    static constexpr int kTrayStatePollMs = 200;

  signals:
    // The window was closed or the tray's exit confirmed: the program ends
    // (the composition root connects endNow(); tests count instead).
    void endRequested();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    // Every hotkey press of the main window, by identifier.
    void onHotkeyPressed(int id);
    // The stop key, delivered at once even while a run waits.
    void onStopKeyPressed();
    // The one-second timer.
    void onSchedulerTick();
    // Tray menu, buttons of the first tab, the keep-on-top box and links.
    void onTrayAboutTriggered();
    void onTrayRestoreTriggered();
    void onTrayExitTriggered();
    void onTrayMoreSoftwareTriggered();
    void onTrayWebNavigationTriggered();
    void onAboutClicked();
    void onMoreSoftwareClicked();
    void onFeedbackClicked();
    void onExitClicked();
    void onKeepOnTopClicked();
    void onBannerClicked();
    void onHomePageLinkClicked();
    // The timed tasks play through the script runner when their time comes.
    void buildScheduler();
    // The scheduler ticks at the start of every second, however late the last came.
    void armSchedulerTimer();
    void buildShell();
    // Sets the tray icon for what the program is doing now.
    void updateTrayState();

    MainState state_;
    MessageGate gate_;
    HotkeyRouter router_;
    FailSafeCorner failSafe_;
    MainContext context_;
    QStringList arguments_;
    // Ticks at the start of every second, however late the last came.
    platform::Timer schedulerTimer_;
    std::unique_ptr<SingleClicker> clicker_;
    std::unique_ptr<ScriptRunner> runner_;
    std::unique_ptr<TimedScheduler> scheduler_;
    bool shown_ = false;

  private:
    SinglePointPanel *singlePoint_;
    ScriptList *scriptList_;
    TimedList *timedList_;
    Tray *tray_;
    HelpPage *helpPage_;
    UpdatePage *updatePage_;
    UpdateCheck *updateCheck_;
    QLabel *bannerLabel;
    QTabWidget *tabWidget;
    QCheckBox *keepOnTopCheckBox;
    StatusBar *statusBar;
    QLabel *homePageLinkLabel;
    QTextBrowser *helpBrowser;
    bool shownBeforeRecording_ = false;
    bool recording_ = false;
    std::unique_ptr<RecordingHint> recordingHint_; // made at the first recording
};

} // namespace lumo
