#pragma once
// The main window: banner, four tabs, status bar, the start-up sequence and
// the dispatch of every global hotkey the main window holds.

#include "engine/HotkeyRouter.h"
#include "engine/MainContext.h"
#include "engine/MainState.h"
#include "engine/MessageGate.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace lumo {

class HelpPage;
class ScriptList;
class ScriptRunner;
class SingleClicker;
class SinglePointPanel;
class StatusBar;
class TimedList;
class TimedScheduler;
class TFrm_download;
class Tray;
class UpdatePage;

class TFrm_Main final : public QWidget {
    Q_OBJECT
  public:
    TFrm_Main(platform::Services &os, QString exeDir, QStringList arguments);
    ~TFrm_Main() override;

    // The start-up sequence; runs once, when the window is first shown.
    void FormShow();
    // Every hotkey press of the main window, by identifier.
    void WMHotKey(int id);
    // The one-second timer.
    void tmr3Timer();

    // Operations later parts of the program fill in.
    void LoadScriptList();
    void LoadTimedList();
    void RunScriptByHotkey(const QString &id);
    void RunScriptSteps(const QString &steps, int cycles);
    void RegisterStopHotkey();
    // The update page has loaded: the update check.
    void wb1DocumentComplete();

    // The tray icon's two operations; the autotime start hides to the tray.
    void hideToTray();
    void restoreFromTray();

    // Tray menu, buttons of the first tab, the keep-on-top box and links.
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void btn2Click();
    void btn4Click();
    void btn5Click();
    void btn6Click();
    void chk2Click();
    void img1Click();
    void lbl12Click();

    // Ends the program at once, skipping the close handling; tests replace it.
    std::function<void()> endProgram;

    MainContext &context() { return context_; }
    MainState &state() { return state_; }
    const QStringList &arguments() const { return arguments_; }

    QLabel *img1;
    QTabWidget *pgc1;
    QWidget *ts1;
    QWidget *ts2;
    QWidget *ts3;
    QWidget *ts4;
    QCheckBox *chk2;
    StatusBar *stat1;
    QLabel *lbl12;
    QTextBrowser *wb2;
    UpdatePage *wb1;
    // The update window, which the update check opens; set once it exists.
    TFrm_download *Frm_download = nullptr;
    SinglePointPanel *singlePoint;
    ScriptList *scriptList;
    TimedList *timedList;
    QPushButton *btn2; // about
    QPushButton *btn4; // more software
    QPushButton *btn5; // feedback
    QPushButton *btn6; // exit
    Tray *rztrycn1;
    HelpPage *helpPage;

    static constexpr int kTmr3Id = 3;

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildFirstTab();
    void buildSecondTab();
    void buildThirdTab();
    // tmr3 ticks at the start of every second, however late the last came.
    void armTmr3();
    void moveLinkIntoStatusBar();
    void buildShell();

    MainState state_;
    MessageGate gate_;
    HotkeyRouter router_;
    MainContext context_;
    QStringList arguments_;
    std::unique_ptr<SingleClicker> clicker_;
    std::unique_ptr<ScriptRunner> runner_;
    std::unique_ptr<TimedScheduler> scheduler_;
    bool shown_ = false;
};

} // namespace lumo
