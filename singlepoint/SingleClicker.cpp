#include "singlepoint/SingleClicker.h"

#include "core/ClickPeriod.h"
#include "core/ClickSynthesis.h"
#include "core/Conversion.h"
#include "singlepoint/SinglePointPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRandomGenerator>

#include <algorithm>

namespace lumo {

namespace {

const char *const kStarted = QT_TRANSLATE_NOOP("lumo", "状态:点击器已经启动");
const char *const kStopped = QT_TRANSLATE_NOOP("lumo", "状态:点击器已经停止");

} // namespace

SingleClicker::SingleClicker(MainContext &context, SinglePointPanel &panel)
    : context_(context), panel_(panel), timer_(context.os.timers, context.mainHandle(), kTimerId, [this] {
          context_.gate.postTick(this, [this] { onTick(); });
      }) {
}

void SingleClicker::toggle() {
    MainState &state = context_.state;
    if (!state.clickerRunning) {
        startPeriodMs_ = state.clickIntervalMs;
        armedPeriodMs_ = 0;
        dueMs_ = 0;
        if (armNextTick()) {
            state.clickerRunning = true;
            context_.failSafe.startWatching();
            emit statusChanged(0, QCoreApplication::translate("lumo", kStarted));
        }
        return;
    }
    stop();
}

void SingleClicker::stop() {
    if (!context_.state.clickerRunning)
        return;
    stopTimer();
    emit statusChanged(0, QCoreApplication::translate("lumo", kStopped));
}

void SingleClicker::stopNow() {
    stop();
    context_.gate.dropHeldTick(this);
}

void SingleClicker::stopTimer() {
    timer_.stop();
    if (context_.state.clickerRunning)
        context_.failSafe.stopWatching();
    context_.state.clickerRunning = false;
    armedPeriodMs_ = 0;
}

bool SingleClicker::armTimer(int periodMs) {
    armedPeriodMs_ = periodMs;
    return timer_.start(periodMs);
}

bool SingleClicker::armNextTick() {
    const int period = startPeriodMs_;
    const int jitter = panel_.jitterMs();
    if (period < kTimedClicksFromMs || jitter == 0) {
        dueMs_ = 0;
        // A timer at the set period keeps its own rhythm.
        if (armedPeriodMs_ == period)
            return true;
        return armTimer(period);
    }
    const qint64 now = context_.os.clock.monotonicMs();
    const auto [lowest, highest] = randomPeriodRange(period, jitter);
    // A due time long past (a tick held up by a hold or a dialog) starts
    // the count afresh.
    if (dueMs_ == 0 || dueMs_ < now - highest)
        dueMs_ = now;
    // A tick that came late must not make the next period shorter than the
    // range allows: the next one is due no sooner than the shortest period.
    dueMs_ = std::max(dueMs_ + QRandomGenerator::global()->bounded(lowest, highest + 1), now + lowest);
    return armTimer(timerPeriodOf(dueMs_ - now));
}

const std::vector<platform::ButtonEvent> &SingleClicker::burstOf(const QString &button, const QString &kind) {
    // Built when the button or the kind changes, not at every tick.
    if (button != burstButton_ || kind != burstKind_ || burst_.empty()) {
        burstButton_ = button;
        burstKind_ = kind;
        const std::vector<platform::ButtonEvent> click = singlePointSequence(button, kind);
        burst_.clear();
        burst_.reserve(click.size() * kClicksPerBurst);
        for (int i = 0; i < kClicksPerBurst; ++i)
            burst_.insert(burst_.end(), click.begin(), click.end());
    }
    return burst_;
}

void SingleClicker::onTick() {
    MainState &state = context_.state;
    platform::Mouse &mouse = context_.os.mouse;
    // The pointer in the corner stops the clicker before this tick clicks.
    if (state.clickerRunning && context_.failSafe.checkAtTick())
        return;
    const SinglePointPanel::Reading panel = panel_.reading();
    // A tick held back by a run may come after the clicker stopped.
    if (state.clickerRunning)
        armNextTick();
    if (panel.fixedPosition) {
        int x = 0;
        int y = 0;
        if (tryParseInt32(panel.y, y) && tryParseInt32(panel.x, x)) {
            context_.failSafe.noteOwnMove(x, y);
            mouse.moveTo(x, y);
        }
    }
    const QString &button = panel.button;
    const QString &kind = panel.kind;
    const int hold = panel_.holdMs();
    if (state.clickIntervalMs < kTimedClicksFromMs)
        mouse.sendButtonSequence(burstOf(button, kind));
    else if (hold > 0)
        clickSinglePointHeld(mouse, button, kind, hold, [this](int ms) { return context_.gate.wait(ms); });
    else
        clickSinglePoint(mouse, button, kind);

    ++state.clickCount;
    emit statusChanged(2, QCoreApplication::translate("lumo", "点击次数:") +
                              QString::number(state.clickCount - 1));

    const QString &limitText = panel.limit;
    if (limitText == QLatin1String("0"))
        return;
    // A limit that is empty or no number means no limit.
    int limit = 0;
    if (!tryParseInt32(limitText, limit))
        return;
    if (limit < state.clickCount) {
        stopTimer();
        emit statusChanged(0, QCoreApplication::translate("lumo", kStopped));
        state.clickCount = 0;
    }
}

} // namespace lumo
