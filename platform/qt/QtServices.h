#pragma once
// Services that Qt provides the same way on every desktop.

#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPair>

#include <chrono>
#include <memory>
#include <vector>

class QEventLoop;
class QTimer;

namespace platform {

// A modal QMessageBox with MessageBox flags and results.
class QtMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
                Icon icon) override;
};

// The wall clock. wait() runs a local event loop until just before its
// deadline on the monotonic clock, then sleeps the last fraction with the
// system's precise sleep: a timer of whole milliseconds wakes the thread
// late by its rounding and the scheduler's delay.
class QtClock final : public Clock {
  public:
    using PreciseSleep = void (*)(std::chrono::steady_clock::time_point deadline);
    explicit QtClock(PreciseSleep preciseSleep);
    QDateTime now() override;
    qint64 monotonicMs() override;
    qint64 monotonicNs() override;
    void wait(int ms) override;
    bool waitUntilNear(qint64 deadlineNs) override;
    void sleepUntil(qint64 deadlineNs) override;
    void interruptWaits() override;

    // How long before the deadline the event loop hands over to the sleep.
    static constexpr std::chrono::microseconds kPreciseTail{3000};

  private:
    struct Wait;
    PreciseSleep preciseSleep_;
    QElapsedTimer elapsed_;
    std::vector<Wait *> waits_; // innermost last
};

// Window timers on QTimer, at least MinimumPeriodMs apart.
class QtTimers final : public Timers {
  public:
    QtTimers();
    ~QtTimers() override;
    bool setTimer(WindowHandle owner, int id, int periodMs, Tick tick) override;
    void killTimer(WindowHandle owner, int id) override;

  private:
    QHash<QPair<WindowHandle, int>, QTimer *> timers_;
};

// Keep-on-top through the window manager (Qt's stays-on-top hint).
class QtWindows final : public Windows {
  public:
    void setTopmost(QWidget *window, bool topmost) override;
};

} // namespace platform
