#pragma once
// The main window's message queue. Hotkey presses and timer ticks are
// delivered at once, except while a run waits: then they are held, in
// arrival order (ticks of one timer coalesce into one), until the run's next
// step pumps them, so every ordering a blocking sleep would give is kept.

#include "platform/Platform.h"

#include <QObject>

#include <deque>
#include <functional>

namespace lumo {

class MessageGate {
  public:
    using Message = std::function<void()>;

    explicit MessageGate(platform::Clock &clock) : clock_(clock) {}
    MessageGate(const MessageGate &) = delete;
    MessageGate &operator=(const MessageGate &) = delete;

    // A hotkey press or any other message that must never be lost.
    void post(Message message);
    // A tick of timer key; one held tick per key.
    void postTick(const void *key, Message message);

    // Delivers everything held, in order, then lets the event loop run once.
    void pump();
    // Waits ms milliseconds, holding what arrives meanwhile.
    void wait(int ms);

    bool holding() const { return holdDepth_ > 0; }
    std::size_t held() const { return queue_.size(); }

  private:
    struct Held {
        const void *tickKey; // null for a message that never coalesces
        Message message;
    };
    void deliverNow(const Message &message);
    void deliverHeld();
    void scheduleFlush();

    platform::Clock &clock_;
    std::deque<Held> queue_;
    int holdDepth_ = 0;
    bool flushScheduled_ = false;
    QObject flushContext_; // cancels a pending flush with the gate
};

} // namespace lumo
