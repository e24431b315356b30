// The way out without the hotkeys: the pointer moved into the top-left
// corner stops the single-point clicker and a run within a tick, a step at
// 0,0 still plays, and failsafe=0 in setting.ini turns it off.

#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QStringList kStartHotkey{QStringLiteral("ctrl"), QStringLiteral("F3")};
const QString kNoticeTitle = QStringLiteral("提示");
// The clicks one tick of the fastest speed (1 ms) makes.
constexpr size_t kBurst = 152;

class FailSafeTest : public e2e::ProgramTest {
  protected:
    size_t pressesAtCorner() const {
        const std::vector<e2e::Click> all = presses();
        return static_cast<size_t>(
            std::count_if(all.begin(), all.end(), [](const e2e::Click &c) { return c.x <= 2 && c.y <= 2; }));
    }
};

TEST_F(FailSafeTest, TheCornerStopsTheFastestClickerWithinFiveTicks) {
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\ntime=0.001\r\nclick=0\r\n")).window, 0u);
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(400, 300);
    session_.pressKeys(kStartHotkey);
    ASSERT_GE(waitForPresses(1000, 10000).size(), 1000u);

    session_.movePointer(0, 0);
    const size_t stopped = settledPresses(500);
    // Clicks that left before the pointer arrived land in the corner. At
    // this speed the pointer is asked for every fifth tick (5 ms), so up to
    // five bursts may leave after it arrived, and the server may hold one
    // more it has not read yet. Seen: 0-80.
    const size_t atCorner = pressesAtCorner();
    std::printf("presses in the corner after the move: %zu\n", atCorner);
    EXPECT_LE(atCorner, 6 * kBurst);
    QThread::msleep(1000);
    EXPECT_EQ(presses().size(), stopped) << "the clicker went on in the corner";
}

TEST_F(FailSafeTest, TheCornerEndsARunWithinAStepAndAStepAtTheCornerPlays) {
    // A step at 0,0 among others: the program's own move does not count.
    ASSERT_TRUE(
        e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"),
                         QStringLiteral("300,300,左键单击,100|0,0,左键单击,100|500,300,左键单击,100|"),
                         QStringLiteral("1"), QStringLiteral("corner")));
    QString steps;
    for (int i = 0; i < 100; ++i)
        steps += QStringLiteral("%1,400,左键单击,300|").arg(200 + (i % 5) * 100);
    ASSERT_TRUE(e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F9"), steps,
                                 QStringLiteral("1"), QStringLiteral("long")));
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    ASSERT_TRUE(startClickTarget());
    // Away from where an earlier test may have left it.
    session_.movePointer(640, 512);

    ASSERT_EQ(
        folder_.runAgain({QStringLiteral("--play"), QStringLiteral("corner")}, 15000).exitCode.value_or(-1),
        0);
    const std::vector<e2e::Click> cornerRun = waitForPresses(3, 10000);
    ASSERT_EQ(cornerRun.size(), 3u);
    EXPECT_EQ(cornerRun[1].x, 0);
    EXPECT_EQ(cornerRun[1].y, 0);
    EXPECT_EQ(cornerRun[2].x, 500);
    EXPECT_FALSE(session_.windowMapped(kNoticeTitle));

    ASSERT_EQ(
        folder_.runAgain({QStringLiteral("--play"), QStringLiteral("long")}, 15000).exitCode.value_or(-1), 0);
    ASSERT_GE(waitForPresses(3 + 3, 10000).size(), 6u);
    session_.movePointer(1, 2);
    const size_t atMove = presses().size();
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 5000)) << "no stop message";
    QThread::msleep(1000);
    EXPECT_LE(presses().size(), atMove + 1) << "the run went on after the pointer reached the corner";
}

TEST_F(FailSafeTest, FailsafeZeroKeepsClickingInTheCorner) {
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\ntime=0.1\r\nclick=0\r\nfailsafe=0\r\n")).window,
              0u);
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(0, 0);
    session_.pressKeys(kStartHotkey);
    ASSERT_GE(waitForPresses(5, 10000).size(), 5u);
    EXPECT_GE(pressesAtCorner(), 5u);
    session_.pressKeys(kStartHotkey);
}

} // namespace
