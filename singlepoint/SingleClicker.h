#pragma once
// The single-point clicker: window timer 1 of the main window, started and
// stopped by the single-point hotkey, clicking at every tick with what the
// panel's controls say at that moment. At periods of 100 ms and more a click
// may be held down, and each period may vary at random around the set one.

#include "core/MainContext.h"

#include <QObject>

#include <vector>

namespace lumo {

class SinglePointPanel;

class SingleClicker final : public QObject {
    Q_OBJECT
  public:
    SingleClicker(MainContext &context, SinglePointPanel &panel);

    // The single-point hotkey: start when stopped, stop when running.
    void toggle();
    // Stops it as the hotkey would, when it runs.
    void stop();
    // The stop key: stops it, and a tick already held back clicks no more.
    void stopNow();

    static constexpr int kTimerId = 1;
    // Slower ticks than this are free to hold clicks and vary their period;
    // faster ones burst as they always have.
    static constexpr int kTimedClicksFromMs = 100;
    // Faster ticks click this many times each.
    static constexpr int kClicksPerBurst = 152;

  signals:
    // A panel of the main window's status bar is to read text: 0 the
    // clicker's state, 2 the click count.
    void statusChanged(int panel, const QString &text);

  private:
    void onTick();
    void stopTimer();
    bool armTimer(int periodMs);
    // Arms the next tick: at the set period, or a fresh random one counted
    // from the last tick's due time, so that late ticks do not add up.
    bool armNextTick();
    const std::vector<platform::ButtonEvent> &burstOf(const QString &button, const QString &kind);

    MainContext &context_;
    SinglePointPanel &panel_;
    platform::Timer timer_;
    int startPeriodMs_ = 0; // the set period when the clicker started
    qint64 dueMs_ = 0;      // when the tick armed last is due
    int armedPeriodMs_ = 0; // the period the timer runs at now
    QString burstButton_;   // what burst_ clicks
    QString burstKind_;
    std::vector<platform::ButtonEvent> burst_;
};

} // namespace lumo
