// A script stored in acdb.mdb, enabled through the window and played by its
// real hotkey: the click target sees each step's click, the stop key ends
// the run, the window stays live during a long step interval, and closing
// the window mid-run ends the program without playing the rest.

#include "app/AppControls.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/Timing.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

// After gtest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xlib.h>

namespace {

const QString kNoticeTitle = QStringLiteral("提示");

// What the close box does: the window manager's close request.
void requestClose(Display *display, unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

class ScriptRunTest : public e2e::ProgramTest {
  protected:
    // Stores the script, starts the program and enables the script's row.
    void startWithScript(const QString &steps, const QString &cycles) {
        ASSERT_TRUE(e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"),
                                     steps, cycles));
        ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
        e2e::enableFirstScript(session_);
        session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/script-enabled.png"));
    }
};

TEST_F(ScriptRunTest, EveryStepClicksAtItsPositionAfterTheIntervalOfTheStepBefore) {
    startWithScript(QStringLiteral("400,300,左键单击,300|600,500,右键单击,300|800,200,左键双击,300|"),
                    QStringLiteral("1"));
    ASSERT_TRUE(startClickTarget());
    session_.pressKeys({QStringLiteral("F8")});

    const std::vector<e2e::Click> clicks = waitForPresses(4, 5000);
    ASSERT_EQ(clicks.size(), 4U) << folder_.output().toStdString();
    const struct {
        unsigned button;
        int x;
        int y;
    } expected[] = {{1, 400, 300}, {3, 600, 500}, {1, 800, 200}, {1, 800, 200}};
    for (size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_EQ(clicks[i].button, expected[i].button) << i;
        EXPECT_EQ(clicks[i].x, expected[i].x) << i;
        EXPECT_EQ(clicks[i].y, expected[i].y) << i;
    }
    // A step takes its click plus its interval, counted from the click's
    // arrival; the server's millisecond clock may read one less, and a busy
    // machine may add a little. Seen under load: 300-309.
    for (size_t i = 1; i < 3; ++i) {
        const qint64 gap = e2e::serverGapMs(clicks[i - 1], clicks[i]);
        std::printf("step %zu: %lld ms after the one before\n", i, static_cast<long long>(gap));
        if (!e2e::kTimingChecked)
            continue;
        EXPECT_GE(gap, 299) << i;
        EXPECT_LE(gap, 300 + 40) << i;
    }
    if (e2e::kTimingChecked) {
        EXPECT_LE(e2e::serverGapMs(clicks[2], clicks[3]), 10)
            << "the double click's two clicks belong together";
    }
}

TEST_F(ScriptRunTest, TheStopKeyShowsTheStopMessageAndNoFurtherStepClicks) {
    QString steps;
    for (int i = 0; i < 8; ++i)
        steps += QStringLiteral("%1,400,左键单击,400|").arg(100 + 100 * i);
    startWithScript(steps, QStringLiteral("1"));
    ASSERT_TRUE(startClickTarget());
    session_.pressKeys({QStringLiteral("F8")});

    const size_t before = waitForPresses(2, 5000).size();
    ASSERT_EQ(before, 2U);
    session_.pressKeys({QStringLiteral("F6")});
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    QThread::msleep(1500);
    EXPECT_EQ(presses().size(), before);
}

TEST_F(ScriptRunTest, ClosingTheWindowMidRunEndsTheProgramWithoutPlayingTheRest) {
    QString steps;
    for (int i = 0; i < 8; ++i)
        steps += QStringLiteral("%1,400,左键单击,400|").arg(100 + 100 * i);
    startWithScript(steps, QStringLiteral("1"));
    ASSERT_TRUE(startClickTarget());
    const e2e::WindowFrame window = session_.waitForWindowOfClass(e2e::kProgramWindowClass, 3000);
    ASSERT_NE(window.window, 0UL);
    session_.pressKeys({QStringLiteral("F8")});

    const size_t before = waitForPresses(2, 5000).size();
    ASSERT_EQ(before, 2U);
    requestClose(session_.display(), window.window);
    EXPECT_EQ(folder_.waitForExit(3000), std::optional<int>(0)) << folder_.output().toStdString();
    QThread::msleep(500);
    EXPECT_EQ(presses().size(), before);
}

TEST_F(ScriptRunTest, TheWindowRepaintsDuringAThreeSecondInterval) {
    startWithScript(QStringLiteral("10,10,无点击,3000|"), QStringLiteral("1"));
    const QString beforePath = logFolder_.filePath(QStringLiteral("before.png"));
    ASSERT_TRUE(session_.screenshot(beforePath));
    session_.pressKeys({QStringLiteral("F8")});
    QDeadlineTimer moved(3000);
    while (!(session_.pointer() == e2e::PointerPosition{10, 10}) && !moved.hasExpired())
        QThread::msleep(10);
    ASSERT_EQ(session_.pointer(), (e2e::PointerPosition{10, 10}));
    QElapsedTimer inInterval;
    inInterval.start();

    // Cover the window and uncover it: only a live program draws it again.
    ASSERT_TRUE(startClickTarget());
    target_->stop();
    QThread::msleep(400);
    const QString duringPath = e2e::artifactsFolder() + QStringLiteral("/repaint-during-interval.png");
    ASSERT_TRUE(session_.screenshot(duringPath));
    ASSERT_LT(inInterval.elapsed(), 2900) << "too slow to look inside the interval";

    const QImage before(beforePath);
    const QImage during(duringPath);
    ASSERT_FALSE(before.isNull());
    ASSERT_FALSE(during.isNull());
    const e2e::WindowFrame main = session_.largestWindowOfClass(e2e::kProgramWindowClass);
    ASSERT_NE(main.window, 0u);
    const QRect window(main.x, main.y, lumo::kMainClientWidth, lumo::kMainClientHeight);
    int differing = 0;
    for (int y = window.top(); y <= window.bottom(); ++y)
        for (int x = window.left(); x <= window.right(); ++x)
            differing += before.pixel(x, y) != during.pixel(x, y);
    EXPECT_LT(differing, window.width() * window.height() / 50)
        << "window area differs in " << differing << " pixels";
}

} // namespace
