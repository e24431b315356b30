#pragma once
// The way out when the hotkeys are lost: the user puts the pointer into the
// top-left corner of the screen and the clicking stops, as at the stop key.
// A position the program moved the pointer to itself does not count, so a
// step at 0,0 still plays.

#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace lumo {

class FailSafeCorner {
  public:
    // Within this many pixels of the corner.
    static constexpr int kReachPx = 2;
    // How often the pointer is looked at while something clicks, besides
    // before each tick and step.
    static constexpr int kPollMs = 20;

    explicit FailSafeCorner(platform::Mouse &mouse);
    FailSafeCorner(const FailSafeCorner &) = delete;
    FailSafeCorner &operator=(const FailSafeCorner &) = delete;

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }
    // What stops every click: the stop key's work.
    void setStopper(std::function<void()> stop) { stop_ = std::move(stop); }

    // The program moves the pointer to (x, y) itself.
    void noteOwnMove(int x, int y);
    // Stops the clicking when the user put the pointer into the corner;
    // true then.
    bool check();
    // The same at a tick of the clicker, which may come every millisecond:
    // the pointer is asked for (a round trip to the display) at most every
    // kTickCheckMs, which keeps the fastest clicking at its rate.
    bool checkAtTick();
    static constexpr int kTickCheckMs = 5;

    // Looks at the pointer every kPollMs between a start and its stop, also
    // during waits and held clicks; starts and stops pair up and nest.
    void startWatching();
    void stopWatching();

  private:
    platform::Mouse &mouse_;
    std::function<void()> stop_;
    QTimer poll_;
    QElapsedTimer sinceTickCheck_;
    int watchers_ = 0;
    bool enabled_ = true;
    bool ownMoveIntoCorner_ = false;
};

} // namespace lumo
