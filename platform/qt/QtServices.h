#pragma once
// Services that Qt provides the same way on every desktop.

#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPair>

#include <memory>
#include <vector>

class QEventLoop;
class QTimer;

namespace platform {

// A modal QMessageBox with MessageBox flags and results.
class QtMessageBoxes final : public MessageBoxes {
  public:
    int show(QWidget *owner, const QString &text, const QString &caption, unsigned flags) override;
};

// The wall clock; wait() runs a local event loop until the deadline.
class QtClock final : public Clock {
  public:
    QtClock();
    QDateTime now() override;
    qint64 monotonicMs() override;
    void wait(int ms) override;
    void interruptWaits() override;

  private:
    QElapsedTimer elapsed_;
    std::vector<QEventLoop *> waits_; // innermost last
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
