#include "scripts/ScriptRunner.h"

#include "core/ClickSynthesis.h"
#include "core/Conversion.h"
#include "core/UiLanguage.h"
#include "steps/StepListText.h"

namespace lumo {

using namespace platform;

void ScriptRunner::runScriptById(const QString &id) {
    if (depth_ >= kMaxNestedRuns)
        return;
    const std::optional<ScriptRow> row = findScript_(id);
    if (!row)
        return;
    const int cycles = parseInt32OrThrow(row->cycles);
    playSteps(row->steps, cycles);
}

void ScriptRunner::playSteps(QString steps, int cycles) {
    // steps is this run's own copy: edits of the list during a nested pump
    // must not change what this run plays.
    if (depth_ >= kMaxNestedRuns)
        return;
    ++depth_;
    struct Leave {
        int &depth;
        ~Leave() { --depth; }
    } leave{depth_};
    struct Playing {
        MainState &state;
        explicit Playing(MainState &s) : state(s) { ++state.runsPlaying; }
        ~Playing() { --state.runsPlaying; }
    } playing{context_.state};
    for (int cycle = 0; cycle < cycles; ++cycle) {
        switch (playCycle(steps)) {
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

ScriptRunner::Outcome ScriptRunner::playCycle(const QString &steps) {
    for (const QStringList &fields : stepEntries(steps)) {
        context_.gate.pump();
        if (honourStopRequest())
            return Outcome::Stopped;
        if (!playStep(fields))
            return Outcome::Failed;
    }
    context_.gate.wait(kCyclePauseMs);
    return Outcome::Finished;
}

bool ScriptRunner::honourStopRequest() {
    if (!context_.state.stopRequested)
        return false;
    context_.notice(nullptr, shownText(kStopMessage), platform::Icon::Information);
    context_.state.stopRequested = false;
    return true;
}

bool ScriptRunner::playStep(const QStringList &fields) {
    // The reads go y, x, event, interval: whatever comes before a bad field
    // has already happened when the step fails.
    int x = 0;
    int y = 0;
    if (fields.size() < 2 || !tryParseInt32(fields[1], y))
        return false;
    if (!tryParseInt32(fields[0], x))
        return false;
    context_.os.mouse.moveTo(x, y);
    if (fields.size() < 3)
        return false;
    clickStepEvent(context_.os.mouse, fields[2]);
    int interval = 0;
    // A negative interval would be an endless sleep; it fails the step.
    if (fields.size() < 4 || !tryParseInt32(fields[3], interval) || interval < 0)
        return false;
    context_.gate.wait(interval);
    return true;
}

} // namespace lumo
