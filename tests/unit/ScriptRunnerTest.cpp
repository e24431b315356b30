#include "scripts/ScriptRunner.h"
#include "core/Conversion.h"
#include "platform/fake/FakePlatform.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

#include <gtest/gtest.h>

using namespace lumo;
using namespace platform;

namespace {

// The expected trace; items are UTF-8 literals or texts.
QStringList lines(std::initializer_list<QAnyStringView> items) {
    QStringList result;
    for (QAnyStringView item : items)
        result << item.toString();
    return result;
}

constexpr int kStopId = 1108;

// Every pointer move, button, wait and message box in one ordered trace, so
// a test states the whole call sequence of a run.
class TracingMouse final : public Mouse {
  public:
    TracingMouse(fake::FakeBackend &fake, QStringList &trace) : fake_(fake), trace_(trace) {}
    void moveTo(int x, int y) override {
        trace_ << QStringLiteral("move %1,%2 @%3").arg(x).arg(y).arg(fake_.time.nowMs());
        fake_.mouse.moveTo(x, y);
        if (onMove)
            onMove();
    }
    std::function<void()> onMove;
    Point position() override { return fake_.mouse.position(); }
    void sendButtons(ButtonEvent event) override {
        trace_ << QStringLiteral("button ") + QLatin1String(fake::nameOf(event));
        fake_.mouse.sendButtons(event);
    }

  private:
    fake::FakeBackend &fake_;
    QStringList &trace_;
};

class TracingClock final : public Clock {
  public:
    TracingClock(fake::FakeBackend &fake, QStringList &trace) : fake_(fake), trace_(trace) {}
    QDateTime now() override { return fake_.clock.now(); }
    qint64 monotonicMs() override { return fake_.clock.monotonicMs(); }
    qint64 monotonicNs() override { return fake_.clock.monotonicNs(); }
    void wait(int ms) override {
        trace_ << QStringLiteral("wait %1").arg(ms);
        fake_.clock.wait(ms);
    }
    bool waitUntilNear(qint64 deadlineNs) override {
        trace_ << QStringLiteral("wait %1").arg(double(deadlineNs - monotonicNs()) / 1e6);
        return fake_.clock.waitUntilNear(deadlineNs);
    }
    // Traced only when it has time left to sleep: a wait ends short of its
    // deadline only on a real clock.
    void sleepUntil(qint64 deadlineNs) override {
        if (deadlineNs > monotonicNs())
            trace_ << QStringLiteral("sleep %1").arg(double(deadlineNs - monotonicNs()) / 1e6);
        fake_.clock.sleepUntil(deadlineNs);
    }
    void interruptWaits() override { fake_.clock.interruptWaits(); }

  private:
    fake::FakeBackend &fake_;
    QStringList &trace_;
};

class ScriptRunnerTest : public ::testing::Test {
  protected:
    ScriptRunnerTest() {
        fake.messageBoxes.whileOpen = [this](const fake::ShownBox &box) {
            trace << QStringLiteral("box ") + box.text;
        };
    }

    void addScript(int id, const QString &steps, const QString &cycles) {
        scripts.push_back({QString::number(id), {}, {}, steps, cycles, {}});
    }
    // A hotkey press at virtual time at, dispatched as the main window does:
    // the stop key at once, a script key through the queue.
    void pressAt(qint64 at, int id) {
        fake.time.schedule(at, [this, id] {
            if (id == kStopId)
                dispatch(id);
            else
                gate.post([this, id] { dispatch(id); }, MessageGate::Kind::Play);
        });
    }
    // The script list hands the runner the row of the script whose key it is.
    void dispatch(int id) {
        context.guarded([this, id] {
            if (id == kStopId) {
                runner.stopAll();
                return;
            }
            const auto row = std::find_if(scripts.begin(), scripts.end(),
                                          [id](const ScriptRow &script) { return script.id.toInt() == id; });
            ASSERT_NE(row, scripts.end());
            runner.runScript(*row);
        });
    }
    const fake::ShownBox &onlyBox() {
        EXPECT_EQ(fake.messageBoxes.shown().size(), 1U);
        return fake.messageBoxes.shown().front();
    }

    int argc = 1;
    char name[11] = "unit_tests";
    char *argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QWidget window;
    QStringList trace;
    fake::FakeBackend fake;
    TracingMouse mouse{fake, trace};
    TracingClock clock{fake, trace};
    Services services{fake.hotkeys,      mouse, fake.shell,  fake.sessionStart, fake.locale,
                      fake.messageBoxes, clock, fake.timers, fake.windows,      fake.recorder};
    MainState state;
    MessageGate gate{clock};
    HotkeyRouter router;
    FailSafeCorner failSafe{mouse};
    MainContext context{services, state, gate, router, failSafe, &window, {}};
    std::vector<ScriptRow> scripts;
    ScriptRunner runner{context};
};

} // namespace

TEST_F(ScriptRunnerTest, OneStepTwoCyclesPlaysMoveClickIntervalAndPauseTwice) {
    runner.playSteps(QStringLiteral("100,200,左键单击,20|"), 2);
    EXPECT_EQ(trace, lines({"move 100,200 @0", "button LeftDown", "button LeftUp", "wait 20", "wait 800",
                            "move 100,200 @820", "button LeftDown", "button LeftUp", "wait 20", "wait 800"}));
    EXPECT_EQ(fake.time.nowMs(), 1640);
}

TEST_F(ScriptRunnerTest, StepsPlayInOrderAndEachEventMakesItsInput) {
    runner.playSteps(QStringLiteral("1,2,左键双击,5|3,4,无点击,7|-5,6,右键单击,0,extra|9,9,右键单击"), 1);
    // Fields after the fourth and the text after the last "|" are ignored.
    EXPECT_EQ(trace,
              lines({"move 1,2 @0", "button LeftClick", "button LeftClick", "wait 5", "move 3,4 @5", "wait 7",
                     "move -5,6 @12", "button RightDown", "button RightUp", "wait 0", "wait 800"}));
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
}

TEST_F(ScriptRunnerTest, AnEmptyListPausesEveryCycleAndNeverPollsTheStopRequest) {
    state.stopRequested = true;
    runner.playSteps(QString(), 3);
    EXPECT_EQ(trace, lines({"wait 800", "wait 800", "wait 800"}));
    EXPECT_TRUE(state.stopRequested);
}

TEST_F(ScriptRunnerTest, CycleCountsOfZeroOrLessPlayNothing) {
    addScript(7, QStringLiteral("1,2,左键单击,5|"), QStringLiteral("0"));
    addScript(8, QStringLiteral("1,2,左键单击,5|"), QStringLiteral("00"));
    addScript(9, QStringLiteral("1,2,左键单击,5|"), QStringLiteral("-3"));
    for (int id : {7, 8, 9})
        dispatch(id);
    runner.playSteps(QStringLiteral("1,2,左键单击,5|"), 0);
    EXPECT_TRUE(trace.isEmpty()) << trace.join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
}

TEST_F(ScriptRunnerTest, ANonIntegerCycleCountFailsInTheErrorBoxBeforeAnythingPlays) {
    addScript(7, QStringLiteral("1,2,左键单击,5|"), QStringLiteral("3x"));
    dispatch(7);
    EXPECT_EQ(trace, lines({"box '3x' is not a valid integer value."}));
    EXPECT_EQ(onlyBox().caption, kApplicationTitle);
}

// A malformed entry: what the step did before the bad read stays done, then
// the play error shows, owned by the main window, and nothing more plays.
TEST_F(ScriptRunnerTest, PlayErrorsComeAfterThePartialEffectsOfTheFailingStep) {
    const QString error = QStringLiteral("box ") + kPlayErrorMessage;
    const struct {
        const char *bad;
        std::vector<const char *> effects;
    } cases[] = {
        {"5|", {}},
        {"5,y,左键单击,10|", {}},
        {"x,5,左键单击,10|", {}},
        {"|", {}},
        {"5,6|", {"move 5,6 @10"}},
        {"5,6,左键单击|", {"move 5,6 @10", "button LeftDown", "button LeftUp"}},
        {"5,6,左键单击,abc|", {"move 5,6 @10", "button LeftDown", "button LeftUp"}},
        // A negative interval would sleep for weeks; it fails like a bad one.
        {"5,6,左键单击,-1|", {"move 5,6 @10", "button LeftDown", "button LeftUp"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bad);
        trace.clear();
        fake.messageBoxes.clear();
        const qint64 start = fake.time.nowMs();
        runner.playSteps(QStringLiteral("1,2,无点击,10|") + QString::fromUtf8(c.bad) +
                             QStringLiteral("3,4,左键单击,10|"),
                         2);
        QStringList expected = lines({QStringLiteral("move 1,2 @%1").arg(start), "wait 10"});
        for (const char *effect : c.effects)
            expected << QString::fromUtf8(effect).replace(QStringLiteral("@10"),
                                                          QStringLiteral("@%1").arg(start + 10));
        expected << error;
        EXPECT_EQ(trace, expected);
        const fake::ShownBox &box = onlyBox();
        EXPECT_EQ(box.owner, &window);
        EXPECT_EQ(box.caption, kNotice);
        EXPECT_EQ(box.buttons, Buttons::Ok);
        EXPECT_EQ(box.icon, Icon::Information);
    }
}

TEST_F(ScriptRunnerTest, AStopPressedWhileNothingPlaysEndsTheNextRunAtItsFirstStep) {
    addScript(7, QStringLiteral("1,2,左键单击,10|3,4,左键单击,10|"), QStringLiteral("2"));
    dispatch(kStopId);
    EXPECT_TRUE(state.stopRequested);
    dispatch(7);
    EXPECT_EQ(trace, lines({QStringLiteral("box ") + kStopMessage}));
    const fake::ShownBox &box = onlyBox();
    EXPECT_FALSE(box.hadOwner);
    EXPECT_EQ(box.caption, kNotice);
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_FALSE(state.stopRequested);
    // Honoured once: the next run plays in full.
    trace.clear();
    dispatch(7);
    EXPECT_EQ(trace.size(), 18);
}

// The interval is cut short: the stop message comes at the press.
TEST_F(ScriptRunnerTest, AStopDuringAStepIntervalEndsTheRunAtTheNextStep) {
    addScript(7, QStringLiteral("1,2,左键单击,100|3,4,左键单击,100|5,6,左键单击,100|"), QStringLiteral("5"));
    pressAt(150, kStopId);
    dispatch(7);
    EXPECT_EQ(trace,
              lines({"move 1,2 @0", "button LeftDown", "button LeftUp", "wait 100", "move 3,4 @100",
                     "button LeftDown", "button LeftUp", "wait 100", QStringLiteral("box ") + kStopMessage}));
    EXPECT_EQ(fake.time.nowMs(), 150);
    EXPECT_FALSE(state.stopRequested);
}

TEST_F(ScriptRunnerTest, AStopDuringTheLastPauseIsLeftForTheNextRun) {
    addScript(7, QStringLiteral("1,2,左键单击,100|"), QStringLiteral("2"));
    pressAt(1500, kStopId);
    dispatch(7);
    EXPECT_EQ(trace.size(), 10);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    // The pause ended at the press.
    EXPECT_EQ(fake.time.nowMs(), 1500);
    EXPECT_TRUE(state.stopRequested);
    trace.clear();
    dispatch(7);
    EXPECT_EQ(trace, lines({QStringLiteral("box ") + kStopMessage}));
}

TEST_F(ScriptRunnerTest, AHotkeyDuringAPausePlaysItsScriptBeforeTheRestOfTheRun) {
    addScript(7, QStringLiteral("1,1,无点击,100|2,2,无点击,100|"), QStringLiteral("1"));
    addScript(8, QStringLiteral("8,8,无点击,10|"), QStringLiteral("1"));
    pressAt(50, 8);
    // The user changes script 7 while it plays; the run keeps its own copy.
    fake.time.schedule(60, [this] { scripts.front().steps = QStringLiteral("9,9,无点击,1|"); });
    dispatch(7);
    EXPECT_EQ(trace, lines({"move 1,1 @0", "wait 100", "move 8,8 @100", "wait 10", "wait 800",
                            "move 2,2 @910", "wait 100", "wait 800"}));
}

TEST_F(ScriptRunnerTest, OneStopPressEndsEveryRunOfTheNestWithOneMessage) {
    addScript(7, QStringLiteral("1,1,无点击,100|2,2,无点击,100|"), QStringLiteral("3"));
    pressAt(50, 7); // its own hotkey: a nested run of the same script
    pressAt(120, kStopId);
    dispatch(7);
    EXPECT_EQ(trace, lines({"move 1,1 @0", "wait 100", "move 1,1 @100", "wait 100",
                            QStringLiteral("box ") + kStopMessage}));
    EXPECT_EQ(fake.time.nowMs(), 120);
    EXPECT_FALSE(state.stopRequested);
    EXPECT_EQ(runner.depth(), 0);
}

// Presses held behind a run's wait when the stop comes are dropped, as are
// presses while the stop message is open; once it is closed, keys play.
TEST_F(ScriptRunnerTest, AStopDropsThePressesWaitingBehindTheRunAndThoseDuringItsMessage) {
    addScript(7, QStringLiteral("1,1,左键单击,1000|2,2,左键单击,1000|"), QStringLiteral("5"));
    addScript(8, QStringLiteral("8,8,左键单击,10|"), QStringLiteral("1"));
    for (qint64 at : {100, 200, 300, 400, 500})
        pressAt(at, 7);
    pressAt(600, kStopId);
    int pressesDuringTheBox = 0;
    fake.messageBoxes.whileOpen = [this, &pressesDuringTheBox](const fake::ShownBox &box) {
        trace << QStringLiteral("box ") + box.text;
        if (pressesDuringTheBox++ == 0) {
            dispatch(7);
            dispatch(8);
        }
    };
    dispatch(7);
    EXPECT_EQ(trace, lines({"move 1,1 @0", "button LeftDown", "button LeftUp", "wait 1000",
                            QStringLiteral("box ") + kStopMessage}));
    EXPECT_EQ(fake.time.nowMs(), 600);
    EXPECT_EQ(gate.held(), 0U);
    QCoreApplication::processEvents();
    EXPECT_EQ(trace.size(), 5);

    trace.clear();
    dispatch(8);
    EXPECT_EQ(trace, lines({"move 8,8 @600", "button LeftDown", "button LeftUp", "wait 10", "wait 800"}));
}

// A stop in the last interval of a nested run's cycle ends that interval,
// skips the cycle's pause and ends both runs: no wait starts after it.
TEST_F(ScriptRunnerTest, AStopInTheLastIntervalOfACycleSkipsItsPause) {
    addScript(7, QStringLiteral("1,1,无点击,300|2,2,无点击,300|"), QStringLiteral("4"));
    addScript(8, QStringLiteral("8,8,无点击,500|"), QStringLiteral("2"));
    pressAt(100, 8); // held by 7's interval, plays at 300 inside it
    pressAt(400, kStopId);
    dispatch(7);
    EXPECT_EQ(trace, lines({"move 1,1 @0", "wait 300", "move 8,8 @300", "wait 500",
                            QStringLiteral("box ") + kStopMessage}));
    EXPECT_EQ(fake.time.nowMs(), 400);
    EXPECT_FALSE(state.stopRequested);
}

TEST_F(ScriptRunnerTest, AnEndStopsEveryRunWithoutAMessageAndNoneStartsAgain) {
    addScript(7, QStringLiteral("1,1,左键单击,1000|2,2,左键单击,1000|"), QStringLiteral("2"));
    pressAt(100, 7);
    fake.time.schedule(1500, [this] { runner.endAll(); });
    dispatch(7);
    EXPECT_EQ(trace, lines({"move 1,1 @0", "button LeftDown", "button LeftUp", "wait 1000", "move 1,1 @1000",
                            "button LeftDown", "button LeftUp", "wait 1000"}));
    EXPECT_EQ(fake.time.nowMs(), 1500);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    trace.clear();
    dispatch(7);
    runner.playSteps(QStringLiteral("1,1,左键单击,10|"), 1);
    EXPECT_TRUE(trace.isEmpty());
}

// A key held down or a flood of presses during a run must not nest runs
// until the stack runs out: runs nest as before up to the limit, and
// presses beyond it are dropped.
TEST_F(ScriptRunnerTest, AFloodOfPressesNestsRunsUpToTheLimitAndTheStopKeyStillStops) {
    addScript(7, QStringLiteral("1,1,无点击,1000|2,2,无点击,1000|"), QStringLiteral("1"));
    int deepest = 0;
    mouse.onMove = [this, &deepest] { deepest = std::max(deepest, runner.depth()); };
    for (int i = 0; i < 200; ++i)
        pressAt(10, 7);
    pressAt(1500, kStopId);
    dispatch(7);
    EXPECT_EQ(deepest, kMaxNestedRuns);
    EXPECT_EQ(runner.depth(), 0);
    // The outer runs were still in their first step's pump when the stop
    // came: the outermost run's and the innermost run's steps are all that moved.
    EXPECT_EQ(trace.filter(QStringLiteral("move")), lines({"move 1,1 @0", "move 1,1 @1000"}));
    EXPECT_EQ(trace.count(QStringLiteral("box ") + kStopMessage), 1);
    EXPECT_FALSE(state.stopRequested);
    EXPECT_EQ(gate.held(), 0U);

    // Once the flood has drained, a press plays as ever.
    trace.clear();
    addScript(8, QStringLiteral("8,8,无点击,10|"), QStringLiteral("1"));
    dispatch(8);
    EXPECT_EQ(trace,
              lines({QStringLiteral("move 8,8 @%1").arg(fake.time.nowMs() - 810), "wait 10", "wait 800"}));
}
