#include "platform/fake/FakePlatform.h"

namespace platform::fake {

bool FakeHotkeys::registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) {
    const auto registration = qMakePair(owner, id);
    const Combination combination = qMakePair(modifiers, key);
    bool free = !elsewhere_.contains(combination);
    for (auto it = held_.cbegin(); free && it != held_.cend(); ++it)
        free = it.key() == registration || it.value() != combination;
    if (free)
        held_.insert(registration, combination);
    calls_.push_back({HotkeyCall::Register, owner, id, modifiers, key, free});
    return free;
}

void FakeHotkeys::unregisterHotkey(WindowHandle owner, int id) {
    held_.remove(qMakePair(owner, id));
    calls_.push_back({HotkeyCall::Unregister, owner, id, Modifiers{}, HotkeyKey{}, true});
}

bool FakeHotkeys::press(Modifiers modifiers, HotkeyKey key) {
    const Combination combination = qMakePair(modifiers, key);
    for (auto it = held_.cbegin(); it != held_.cend(); ++it) {
        if (it.value() == combination) {
            deliver(it.key().first, it.key().second);
            return true;
        }
    }
    return false;
}

void FakeHotkeys::deliver(WindowHandle owner, int id) {
    if (handler_)
        handler_(owner, id);
}

std::optional<Combination> FakeHotkeys::keyOf(WindowHandle owner, int id) const {
    const auto it = held_.constFind(qMakePair(owner, id));
    if (it == held_.cend())
        return std::nullopt;
    return it.value();
}

std::vector<HotkeyCall> FakeHotkeys::registrations() const {
    std::vector<HotkeyCall> result;
    for (const HotkeyCall &call : calls_)
        if (call.kind == HotkeyCall::Register)
            result.push_back(call);
    return result;
}

bool FakeRecorder::start(PressHandler onPress) {
    ++starts;
    if (failsToStart)
        return false;
    handler_ = std::move(onPress);
    return true;
}

bool FakeRecorder::press(Button button, int x, int y) {
    if (!handler_)
        return false;
    const PressHandler handler = handler_; // it may stop the watch
    handler({button, {x, y}, time_.nowMs()});
    return true;
}

void FakeRecorder::pressAt(qint64 atMs, Button button, int x, int y) {
    time_.schedule(atMs, [this, button, x, y] { press(button, x, y); });
}

void FakeMouse::moveTo(int x, int y) {
    pos_ = {x, y};
    calls_.push_back({MouseCall::Move, ButtonEvent{}, pos_, time_.nowMs()});
}

void FakeMouse::sendButtons(ButtonEvent event) {
    calls_.push_back({MouseCall::Button, event, pos_, time_.nowMs()});
}

const char *nameOf(ButtonEvent event) {
    switch (event) {
    case ButtonEvent::LeftDown:
        return "LeftDown";
    case ButtonEvent::LeftUp:
        return "LeftUp";
    case ButtonEvent::LeftClick:
        return "LeftClick";
    case ButtonEvent::RightDown:
        return "RightDown";
    case ButtonEvent::RightUp:
        return "RightUp";
    case ButtonEvent::RightClick:
        return "RightClick";
    case ButtonEvent::MiddleDown:
        return "MiddleDown";
    case ButtonEvent::MiddleUp:
        return "MiddleUp";
    case ButtonEvent::MiddleClick:
        break;
    }
    return "MiddleClick";
}

std::vector<MouseCall> FakeMouse::buttonCalls() const {
    std::vector<MouseCall> result;
    for (const MouseCall &call : calls_)
        if (call.kind == MouseCall::Button)
            result.push_back(call);
    return result;
}

std::vector<ButtonEvent> FakeMouse::buttonEvents() const {
    std::vector<ButtonEvent> result;
    for (const MouseCall &call : buttonCalls())
        result.push_back(call.event);
    return result;
}

bool FakeShell::startProgram(const QString &program, const QStringList &arguments) {
    started.append(QStringList{program} + arguments);
    return startSucceeds;
}

bool FakeSessionStart::writeStartEntry(const QString &executable, const QString &argument) {
    if (fails)
        return false;
    written.append(qMakePair(executable, argument));
    return true;
}

Answer FakeMessageBoxes::show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
                              Icon icon) {
    shown_.push_back({owner, owner != nullptr, text, caption, buttons, icon});
    if (whileOpen)
        whileOpen(shown_.back());
    if (!answers_.empty()) {
        const Answer result = answers_.front();
        answers_.pop_front();
        return result;
    }
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

QStringList FakeMessageBoxes::texts() const {
    QStringList result;
    for (const ShownBox &box : shown_)
        result.append(box.text);
    return result;
}

void FakeClock::wait(int ms) {
    waits.push_back(ms);
    advanceUnlessInterrupted(time_.nowMs() + std::max(ms, 0));
}

bool FakeClock::waitUntilNear(qint64 deadlineNs) {
    const qint64 atMs = std::max(ceilMs(deadlineNs), time_.nowMs());
    waits.push_back(static_cast<int>(atMs - time_.nowMs()));
    return advanceUnlessInterrupted(atMs);
}

void FakeClock::sleepUntil(qint64 deadlineNs) {
    // A blocking sleep: nothing that falls due meanwhile can cut it short.
    const qint64 atMs = ceilMs(deadlineNs);
    if (atMs > time_.nowMs())
        time_.advanceTo(atMs);
}

qint64 FakeClock::ceilMs(qint64 ns) {
    return ns / 1'000'000 + (ns % 1'000'000 > 0 ? 1 : 0);
}

bool FakeClock::advanceUnlessInterrupted(qint64 atMs) {
    // Cut short where an action interrupted it, at that action's moment.
    const std::uint64_t before = interruptions_;
    time_.advanceToUnless(atMs, [this, before] { return interruptions_ != before; });
    return interruptions_ == before;
}

bool FakeTimers::setTimer(WindowHandle owner, int id, int periodMs, Tick tick) {
    if (failNext || !tick || periodMs < 0) {
        failNext = false;
        return false;
    }
    const auto key = qMakePair(owner, id);
    killTimer(owner, id);
    const int period = std::max(periodMs, MinimumPeriodMs);
    timers_.insert(key, {period, ++generation_, 0, std::make_shared<Tick>(std::move(tick))});
    arm(key, time_.nowMs() + period);
    return true;
}

void FakeTimers::arm(QPair<WindowHandle, int> key, qint64 atMs) {
    Running &running = timers_[key];
    const std::uint64_t generation = running.generation;
    running.pending = time_.schedule(atMs, [this, key, generation, atMs] {
        auto it = timers_.find(key);
        if (it == timers_.end() || it->generation != generation)
            return;
        // Re-arm first: the tick may kill or replace its own timer.
        const std::shared_ptr<Tick> tick = it->tick;
        arm(key, atMs + it->periodMs);
        (*tick)();
    });
}

void FakeTimers::killTimer(WindowHandle owner, int id) {
    const auto it = timers_.find(qMakePair(owner, id));
    if (it == timers_.end())
        return;
    time_.cancel(it->pending);
    timers_.erase(it);
}

int FakeTimers::periodOf(WindowHandle owner, int id) const {
    const auto it = timers_.constFind(qMakePair(owner, id));
    return it == timers_.cend() ? -1 : it->periodMs;
}

FakeBackend::FakeBackend()
    : services_{hotkeys, mouse, shell, sessionStart, locale, messageBoxes, clock, timers, windows, recorder} {
}

} // namespace platform::fake
