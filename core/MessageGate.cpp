#include "core/MessageGate.h"

#include <QCoreApplication>
#include <QTimer>

namespace lumo {

void MessageGate::post(Message message, Kind kind) {
    if (holding()) {
        queue_.push_back({nullptr, std::move(message), kind});
        return;
    }
    deliverNow(message);
}

void MessageGate::postTick(const void *key, Message message) {
    if (!holding()) {
        deliverNow(message);
        return;
    }
    for (const Held &held : queue_)
        if (held.tickKey == key)
            return;
    queue_.push_back({key, std::move(message), Kind::Keep});
}

void MessageGate::deliverNow(const Message &message) {
    message();
    // A run that this message started may have held messages in its last
    // pause; they come next, before anything newer.
    if (!holding())
        deliverHeld();
}

void MessageGate::deliverHeld() {
    // One at a time: a message may start a nested run that pumps the rest.
    while (!queue_.empty()) {
        Message message = std::move(queue_.front().message);
        queue_.pop_front();
        message();
    }
}

void MessageGate::pump() {
    deliverHeld();
    QCoreApplication::processEvents();
    deliverHeld();
}

bool MessageGate::wait(int ms) {
    return holdWhile([this, ms] { clock_.wait(ms); });
}

bool MessageGate::waitUntilNear(qint64 deadlineNs) {
    return holdWhile([this, deadlineNs] { clock_.waitUntilNear(deadlineNs); });
}

bool MessageGate::holdWhile(const std::function<void()> &waiting) {
    const std::uint64_t before = interruptions_;
    ++holdDepth_;
    struct Release {
        MessageGate &gate;
        ~Release() {
            if (--gate.holdDepth_ == 0 && !gate.queue_.empty())
                gate.scheduleFlush();
        }
    } release{*this};
    waiting();
    return interruptions_ == before;
}

void MessageGate::interruptWaits() {
    ++interruptions_;
    clock_.interruptWaits();
}

void MessageGate::dropHeldPlays() {
    std::erase_if(queue_, [](const Held &held) { return held.kind == Kind::Play; });
}

void MessageGate::dropHeldTick(const void *key) {
    std::erase_if(queue_, [key](const Held &held) { return held.tickKey == key; });
}

void MessageGate::scheduleFlush() {
    // What a run held but did not pump (its last pause) is delivered as soon
    // as the event loop runs again: after the run, or in its next pump.
    if (flushScheduled_)
        return;
    if (!QCoreApplication::instance())
        return;
    flushScheduled_ = true;
    QTimer::singleShot(0, &flushContext_, [this] {
        flushScheduled_ = false;
        if (!holding())
            deliverHeld();
    });
}

} // namespace lumo
