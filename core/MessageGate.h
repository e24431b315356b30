#pragma once
// The main window's message queue. Hotkey presses and timer ticks are
// delivered at once, except while a run waits: then they are held, in
// arrival order (ticks of one timer coalesce into one), until the run's next
// step pumps them, so every ordering a blocking sleep would give is kept.

#include "platform/Platform.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>

namespace lumo {

class MessageGate {
  public:
    using Message = std::function<void()>;

    explicit MessageGate(platform::Clock &clock) : clock_(clock) {}
    MessageGate(const MessageGate &) = delete;
    MessageGate &operator=(const MessageGate &) = delete;

    // A hotkey press or any other message that must never be lost, unless
    // it starts a play: a stop drops the plays that are still held.
    enum class Kind { Keep, Play };
    void post(Message message, Kind kind = Kind::Keep);
    // A tick of timer key; one held tick per key.
    void postTick(const void *key, Message message);

    // Delivers everything held, in order, then lets the event loop run once.
    void pump();
    // Waits ms milliseconds, holding what arrives meanwhile. False when the
    // wait was cut short by interruptWaits().
    bool wait(int ms);
    // The same until shortly before deadlineNs (Clock::waitUntilNear).
    bool waitUntilNear(qint64 deadlineNs);
    // Ends every wait under way at once.
    void interruptWaits();
    // Forgets every held message of Kind::Play.
    void dropHeldPlays();
    // Forgets the held tick of timer key, if any.
    void dropHeldTick(const void *key);

    bool holding() const { return holdDepth_ > 0; }
    std::size_t held() const { return queue_.size(); }

  private:
    struct Held {
        const void *tickKey; // null for a message that never coalesces
        Message message;
        Kind kind = Kind::Keep;
    };
    bool holdWhile(const std::function<void()> &waiting);
    void deliverNow(const Message &message);
    void deliverHeld();
    void scheduleFlush();

    platform::Clock &clock_;
    std::deque<Held> queue_;
    int holdDepth_ = 0;
    std::uint64_t interruptions_ = 0;
    bool flushScheduled_ = false;
    QObject flushContext_; // cancels a pending flush with the gate
};

} // namespace lumo
