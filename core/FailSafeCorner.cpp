#include "core/FailSafeCorner.h"

namespace lumo {

namespace {

bool inCorner(int x, int y) {
    return x <= FailSafeCorner::kReachPx && y <= FailSafeCorner::kReachPx;
}

} // namespace

FailSafeCorner::FailSafeCorner(platform::Mouse &mouse) : mouse_(mouse) {
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
}

void FailSafeCorner::noteOwnMove(int x, int y) {
    // Positions off the screen land on its edge: -5,-5 is the corner too.
    ownMoveIntoCorner_ = inCorner(x, y);
}

bool FailSafeCorner::check() {
    // After the program's own move into the corner the pointer is expected
    // there, until the program moves it elsewhere.
    if (!enabled_ || ownMoveIntoCorner_)
        return false;
    const platform::Point at = mouse_.position();
    if (!inCorner(at.x, at.y))
        return false;
    if (stop_)
        stop_();
    return true;
}

bool FailSafeCorner::checkAtTick() {
    if (sinceTickCheck_.isValid() && sinceTickCheck_.elapsed() < kTickCheckMs)
        return false;
    sinceTickCheck_.start();
    return check();
}

void FailSafeCorner::startWatching() {
    if (watchers_++ == 0)
        poll_.start();
}

void FailSafeCorner::stopWatching() {
    if (watchers_ > 0 && --watchers_ == 0)
        poll_.stop();
}

} // namespace lumo
