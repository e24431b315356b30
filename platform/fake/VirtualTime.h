#pragma once
// Time that moves only when a test or a wait moves it.

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <map>

namespace platform::fake {

class VirtualTime {
  public:
    using Action = std::function<void()>;

    explicit VirtualTime(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0, 0)));

    qint64 nowMs() const { return nowMs_; }
    QDateTime now() const { return start_.addMSecs(nowMs_); }

    // Runs action when the time reaches at (ms); returns a handle for cancel().
    std::uint64_t schedule(qint64 atMs, Action action);
    void cancel(std::uint64_t handle);

    // Moves the time forward, running every action that falls due on the way,
    // each at its own moment, in time order (ties in scheduling order).
    void advanceBy(qint64 ms);
    void advanceTo(qint64 atMs);
    // The same, but stops right after an action that makes cut() true.
    // Returns false when it stopped short.
    bool advanceToUnless(qint64 atMs, const std::function<bool()> &cut);

  private:
    QDateTime start_;
    qint64 nowMs_ = 0;
    std::uint64_t nextHandle_ = 1;
    // Keyed by (due time, handle): handles grow, so ties keep their order.
    std::map<std::pair<qint64, std::uint64_t>, Action> due_;
};

} // namespace platform::fake
