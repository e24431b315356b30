#pragma once
// Plays step lists: for every step it pumps what is waiting, honours a
// raised stop request, moves the pointer, clicks and waits the interval;
// every cycle ends with an 800 ms pause. Runs nest through the pump, and a
// stop ends the whole nest: the innermost run to see it ends quietly, so
// does every run around it, and the outermost shows the stop message once,
// after the last click.

#include "core/MainContext.h"
#include "storage/ScriptRow.h"

namespace lumo {

inline const QString kStopMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "     鼠标点击器已经停止.     "));
inline const QString kPlayErrorMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "点击出错,请联系软件作者."));
inline constexpr int kCyclePauseMs = 800;
// Runs nest when a hotkey is pressed during a run; a flood of presses would
// nest them until the stack runs out. Beyond this depth a press is dropped.
inline constexpr int kMaxNestedRuns = 64;

class ScriptRunner {
  public:
    explicit ScriptRunner(MainContext &context) : context_(context) {}
    ScriptRunner(const ScriptRunner &) = delete;
    ScriptRunner &operator=(const ScriptRunner &) = delete;

    // Plays the script of that row. A cycle count that is not an integer
    // raises HandlerError before anything plays.
    void runScript(const ScriptRow &row);
    // Plays the steps cycles times; failures end the run with the play error.
    // With kMaxNestedRuns runs under way, both do nothing at all.
    void playSteps(QString steps, int cycles);

    // The stop key: raises the stop request, ends every wait at once and
    // drops the plays still held. Runs under way all end before their next
    // step and start no other; with none under way the request stays
    // raised, and the next run ends at its first step.
    void stopAll();
    // The program ends: every run ends before its next step without a
    // message, and none starts again.
    void endAll();

    // How many runs are under way, the outermost included.
    int depth() const { return depth_; }

  private:
    enum class Outcome { Finished, Stopped, Failed };
    // dueNs is the run's schedule: when its next click is due, on the
    // clock's monotonicNs(); zero or past when it may come at once.
    Outcome playCycle(const QString &steps, qint64 &dueNs);
    bool playStep(const QStringList &fields, qint64 &dueNs);
    bool honourStopRequest();
    // Moves dueNs ms on and waits until shortly before it, unless the runs
    // are being stopped.
    void pause(int ms, qint64 &dueNs);
    bool refusesRuns() const { return depth_ >= kMaxNestedRuns || stopping_ || ending_; }

    MainContext &context_;
    int depth_ = 0;
    bool stopping_ = false; // a stop is ending the runs under way
    bool ending_ = false;
};

} // namespace lumo
