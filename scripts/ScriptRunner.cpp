#include "scripts/ScriptRunner.h"

#include "core/ClickSynthesis.h"
#include "core/Conversion.h"
#include "core/UiLanguage.h"
#include "steps/StepListText.h"

#include <algorithm>

namespace lumo {

using namespace platform;

void ScriptRunner::runScript(const ScriptRow &row) {
    if (refusesRuns())
        return;
    const int cycles = parseInt32OrThrow(row.cycles);
    playSteps(row.steps, cycles);
}

void ScriptRunner::playSteps(QString steps, int cycles) {
    // steps is this run's own copy: edits of the list during a nested pump
    // must not change what this run plays.
    if (refusesRuns())
        return;
    if (++depth_ == 1)
        context_.failSafe.startWatching();
    struct Leave {
        ScriptRunner &runner;
        ~Leave() {
            if (--runner.depth_ == 0) {
                runner.stopping_ = false;
                runner.context_.failSafe.stopWatching();
            }
        }
    } leave{*this};
    struct Playing {
        MainState &state;
        explicit Playing(MainState &s) : state(s) { ++state.runsPlaying; }
        ~Playing() { --state.runsPlaying; }
    } playing{context_.state};
    qint64 dueNs = 0; // when this run's next click is due
    for (int cycle = 0; cycle < cycles; ++cycle) {
        switch (playCycle(steps, dueNs)) {
        case Outcome::Finished:
            break;
        case Outcome::Stopped:
            return;
        case Outcome::Failed:
            context_.notice(context_.mainWindow, shownText(kPlayErrorMessage), platform::Icon::Information);
            return;
        }
    }
}

ScriptRunner::Outcome ScriptRunner::playCycle(const QString &steps, qint64 &dueNs) {
    for (const QStringList &fields : stepEntries(steps)) {
        context_.gate.pump();
        // The pointer in the corner raises the stop as the stop key does.
        context_.failSafe.check();
        if (honourStopRequest())
            return Outcome::Stopped;
        if (!playStep(fields, dueNs))
            return Outcome::Failed;
    }
    pause(kCyclePauseMs, dueNs);
    return Outcome::Finished;
}

void ScriptRunner::stopAll() {
    context_.state.stopRequested = true;
    if (depth_ > 0)
        stopping_ = true;
    context_.gate.dropHeldPlays();
    context_.gate.interruptWaits();
}

void ScriptRunner::endAll() {
    ending_ = true;
    context_.gate.dropHeldPlays();
    context_.gate.interruptWaits();
}

bool ScriptRunner::honourStopRequest() {
    if (ending_)
        return true;
    if (!context_.state.stopRequested && !stopping_)
        return false;
    stopping_ = true;
    // The runs around this one end at their next poll; the outermost says
    // so, once every click of the nest is done.
    if (depth_ > 1)
        return true;
    context_.notice(nullptr, shownText(kStopMessage), platform::Icon::Information);
    context_.state.stopRequested = false;
    return true;
}

void ScriptRunner::pause(int ms, qint64 &dueNs) {
    if (stopping_ || ending_) {
        dueNs = 0;
        return;
    }
    // Counted from the click just made, or from the deadline of the pause
    // before when that is still ahead: its last fraction is not over yet.
    dueNs = std::max(dueNs, context_.os.clock.monotonicNs()) + qint64(ms) * 1'000'000;
    if (!context_.gate.waitUntilNear(dueNs))
        dueNs = 0;
}

bool ScriptRunner::playStep(const QStringList &fields, qint64 &dueNs) {
    // The reads go y, x, event, interval: whatever comes before a bad field
    // has already happened when the step fails.
    int x = 0;
    int y = 0;
    if (fields.size() < 2 || !tryParseInt32(fields[1], y))
        return false;
    if (!tryParseInt32(fields[0], x))
        return false;
    context_.failSafe.noteOwnMove(x, y);
    context_.os.mouse.moveTo(x, y);
    if (fields.size() < 3)
        return false;
    // The pause before ended just short of its deadline, so that the pump and
    // the move are done when the click is due: it goes out at that instant.
    context_.os.clock.sleepUntil(dueNs);
    clickStep(context_.os.mouse, stepClickOfEvent(fields[2]));
    // The interval counts from the click's arrival, so the next click can
    // never come sooner than the interval after it.
    context_.os.mouse.awaitDelivery();
    int interval = 0;
    // A negative interval would be an endless sleep; it fails the step.
    if (fields.size() < 4 || !tryParseInt32(fields[3], interval) || interval < 0)
        return false;
    pause(interval, dueNs);
    return true;
}

} // namespace lumo
