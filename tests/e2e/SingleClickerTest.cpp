// The real program's single-point clicker under X: started and stopped by
// Ctrl+F3, clicking into another X client where the pointer rests or at the
// fixed coordinates ticked in its window, and ending by itself at the count
// limit.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QStringList kStartHotkey{QStringLiteral("ctrl"), QStringLiteral("F3")};

// Where the controls sit inside the main window: the first tab of the page
// control, and the "指定坐标" box on it (the page control's frame and tab
// row, the group box, the check box's own middle).
constexpr int kSingleTabX = 3 + 30;
constexpr int kSingleTabY = 90 + 12;
constexpr int kFixedBoxX = 3 + 2 + 6 + 12 + 30;
constexpr int kFixedBoxY = 90 + 27 + 6 + 129 + 10;

class SingleClickerTest : public e2e::ProgramTest {
  protected:
    // Starts the program with these settings and, above it, the click
    // target covering the screen; the program's window is the returned one.
    e2e::WindowFrame startWith(const QString &settings) {
        const e2e::WindowFrame window = startProgramWith(settings);
        if (window.window == 0 || !startClickTarget())
            return {};
        return window;
    }
};

TEST_F(SingleClickerTest, CtrlF3ClicksWhereThePointerRestsUntilPressedAgain) {
    ASSERT_NE(startWith(QStringLiteral("[setting]\r\ntime=0.1\r\nclick=0\r\n")).window, 0u);
    session_.movePointer(200, 150);

    session_.pressKeys(kStartHotkey);
    const std::vector<e2e::Click> running = waitForPresses(5, 10000);
    ASSERT_GE(running.size(), 5u);
    session_.pressKeys(kStartHotkey);
    // A tick already queued may still land; after that nothing more comes.
    QThread::msleep(500);
    const size_t afterStop = presses().size();
    QThread::msleep(1000);
    const std::vector<e2e::Click> all = presses();
    EXPECT_EQ(all.size(), afterStop);

    for (const e2e::Click &click : all) {
        EXPECT_EQ(click.button, 1u);
        EXPECT_EQ(click.x, 200);
        EXPECT_EQ(click.y, 150);
    }
    // One click per tick at 100 ms: five of them cannot come in less than
    // four periods (with some slack for the timer's coarseness).
    EXPECT_GE(e2e::serverGapMs(running[0], running[4]), 360);
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{200, 150}));
}

TEST_F(SingleClickerTest, AtTheShortestSpeedTheSecondCtrlF3StillStopsTheBurst) {
    ASSERT_NE(startWith(QStringLiteral("[setting]\r\ntime=0.001\r\nclick=0\r\n")).window, 0u);
    session_.movePointer(200, 150);

    session_.pressKeys(kStartHotkey);
    ASSERT_GE(waitForPresses(1000, 10000).size(), 1000u);
    // Long enough for the server to fall behind the bursts.
    QThread::msleep(1000);
    session_.pressKeys(kStartHotkey);

    // What was sent before the stop still arrives; then the record stays
    // as it is.
    size_t before = 0;
    size_t after = presses().size();
    const QDeadlineTimer deadline(15000);
    while (after != before && !deadline.hasExpired()) {
        before = after;
        QThread::msleep(500);
        after = presses().size();
    }
    ASSERT_EQ(after, before) << "still clicking 15 s after the second Ctrl+F3";
    QThread::msleep(1000);
    EXPECT_EQ(presses().size(), after);
}

TEST_F(SingleClickerTest, TickedFixedCoordinatesClickAtXYUntilTheCountLimit) {
    const e2e::WindowFrame window = startWith(QStringLiteral("[setting]\r\nbtn1=右键\r\ntime=0.2\r\n"
                                                             "click=3\r\nxpos=1100\r\nypos=870\r\n"));
    ASSERT_NE(window.window, 0u);
    // The fixed coordinates are off at every start; tick them in the window.
    session_.raise(window.window);
    session_.leftClickAt(window.x + kSingleTabX, window.y + kSingleTabY);
    QThread::msleep(300);
    session_.leftClickAt(window.x + kFixedBoxX, window.y + kFixedBoxY);
    QThread::msleep(300);
    ASSERT_TRUE(presses().empty()) << "a click meant for the window reached the target";
    session_.movePointer(150, 950);

    session_.pressKeys(kStartHotkey);
    // Limit 3: four ticks, then the clicker stops by itself.
    waitForPresses(4, 10000);
    QThread::msleep(1500);
    const std::vector<e2e::Click> all = presses();
    ASSERT_EQ(all.size(), 4u);
    for (const e2e::Click &click : all) {
        EXPECT_EQ(click.button, 3u);
        EXPECT_EQ(click.x, 1100);
        EXPECT_EQ(click.y, 870);
    }
    EXPECT_GE(e2e::serverGapMs(all[0], all[3]), 3 * 180);
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{1100, 870}));
}

} // namespace
