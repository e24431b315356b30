// The real clock's waits: never short, precise at the end, cut short only
// by an interruption, and live meanwhile.

#include "platform/posix/PreciseSleep.h"
#include "platform/qt/QtServices.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

using platform::QtClock;
using std::chrono::steady_clock;

namespace {

class QtClockTest : public ::testing::Test {
  protected:
    int argc = 1;
    char name[11] = "unit_tests";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QtClock clock{platform::posix::sleepUntil};
};

double msSince(steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(steady_clock::now() - start).count();
}

} // namespace

TEST_F(QtClockTest, AWaitNeverEndsBeforeItsDeadlineAndRunsTheEventLoopMeanwhile) {
    for (const int ms : {1, 2, 15, 40}) {
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
        tick.start(1);
        const auto start = steady_clock::now();
        clock.wait(ms);
        const double waited = msSince(start);
        EXPECT_GE(waited, ms) << ms;
        // Not a precision bound: only that the wait ends, on a busy machine too.
        EXPECT_LT(waited, ms + 500) << ms;
        if (ms > 2 * QtClock::kPreciseTail.count() / 1000 + 2) {
            EXPECT_GT(ticks, 0) << "the event loop ran during a wait of " << ms << " ms";
        }
    }
}

TEST_F(QtClockTest, TheTwoHalvesOfAWaitMeetAtTheDeadline) {
    const qint64 deadline = clock.monotonicNs() + 30'000'000;
    EXPECT_TRUE(clock.waitUntilNear(deadline));
    clock.sleepUntil(deadline);
    EXPECT_GE(clock.monotonicNs(), deadline);
    // A deadline already past costs nothing.
    const auto start = steady_clock::now();
    EXPECT_TRUE(clock.waitUntilNear(deadline));
    clock.sleepUntil(deadline);
    EXPECT_LT(msSince(start), 50);
}

TEST_F(QtClockTest, AnInterruptionEndsEveryWaitAtOnceWithoutItsTail) {
    // A ten-second wait, and inside it (from a timer) another: one
    // interruption ends both, and the outer one does not sleep on.
    bool innerHeld = true;
    QTimer::singleShot(10, [this, &innerHeld] {
        QTimer::singleShot(10, [this] { clock.interruptWaits(); });
        innerHeld = clock.waitUntilNear(clock.monotonicNs() + 10'000'000'000);
    });
    const auto start = steady_clock::now();
    clock.wait(10'000);
    EXPECT_FALSE(innerHeld);
    EXPECT_GE(msSince(start), 20);
    EXPECT_LT(msSince(start), 5'000);
    // A wait begun afterwards lasts its full time.
    EXPECT_TRUE(clock.waitUntilNear(clock.monotonicNs() + 5'000'000));
}
