// The mouse side buttons as hotkeys under X: a side button with or without
// a modifier starts and stops the clicker or plays a script, never reaches
// the window under the pointer, and one held by another program gives the
// conflict message.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QThread>

#include <X11/extensions/XTest.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QString kNoticeTitle = QStringLiteral("提示");
constexpr unsigned kSideButton1 = 8;
constexpr unsigned kSideButton2 = 9;

class SideButtonTest : public e2e::ProgramTest {
  protected:
    // A press and release of a side button, Ctrl held around it when asked.
    void pressSideButton(unsigned button, bool withCtrl) {
        if (withCtrl)
            session_.keyDown(QStringLiteral("ctrl"));
        Display *display = session_.display();
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XSync(display, False);
        if (withCtrl)
            session_.keyUp(QStringLiteral("ctrl"));
    }
    bool targetSawASideButton() const {
        const std::vector<e2e::Click> clicks = e2e::readClickLog(clickLogPath());
        return std::any_of(clicks.begin(), clicks.end(), [](const e2e::Click &c) { return c.button >= 8; });
    }
};

TEST_F(SideButtonTest, CtrlAndSideButtonOneStartAndStopTheClicker) {
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\ntime=0.1\r\nclick=0\r\nhotkey1=Ctrl\r\n"
                                              "hotkey2=侧键1\r\n"))
                  .window,
              0u)
        << folder_.output().toStdString();
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(400, 300);

    // Without Ctrl the side button is not the hotkey: it reaches the target.
    pressSideButton(kSideButton1, false);
    ASSERT_EQ(e2e::waitForClicks(clickLogPath(), 2, 5000).size(), 2u);
    EXPECT_TRUE(targetSawASideButton());
    const size_t plainClicks = e2e::readClickLog(clickLogPath()).size();

    pressSideButton(kSideButton1, true);
    ASSERT_GE(waitForPresses(1 + 3, 10000).size(), 4u) << "the clicker did not start";
    pressSideButton(kSideButton1, true);
    const size_t stopped = settledPresses(500);
    QThread::msleep(600);
    EXPECT_EQ(presses().size(), stopped) << "the clicker did not stop";

    const std::vector<e2e::Click> clicks = e2e::readClickLog(clickLogPath());
    EXPECT_TRUE(std::all_of(clicks.begin() + static_cast<long>(plainClicks), clicks.end(),
                            [](const e2e::Click &c) { return c.button == 1; }))
        << "a side button that is a hotkey reached the window under the pointer";
    EXPECT_FALSE(session_.windowMapped(kNoticeTitle));
}

TEST_F(SideButtonTest, SideButtonTwoPlaysItsScript) {
    ASSERT_TRUE(e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("侧键2"),
                                 QStringLiteral("300,300,左键单击,50|500,320,右键单击,50|"),
                                 QStringLiteral("1"), QStringLiteral("side")));
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    e2e::enableFirstScript(session_);
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(640, 512);

    pressSideButton(kSideButton2, false);
    const std::vector<e2e::Click> run = waitForPresses(2, 10000);
    ASSERT_EQ(run.size(), 2u);
    EXPECT_EQ(run[0].button, 1u);
    EXPECT_EQ(run[0].x, 300);
    EXPECT_EQ(run[1].button, 3u);
    EXPECT_EQ(run[1].x, 500);
    EXPECT_FALSE(targetSawASideButton());
}

TEST_F(SideButtonTest, ASideButtonHeldByAnotherProgramShowsTheConflictMessage) {
    std::unique_ptr<e2e::Helper> rival;
    ASSERT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("button8")}, &rival),
              QStringLiteral("held"));
    ASSERT_TRUE(folder_.writeSettingsText(QStringLiteral("[setting]\r\nhotkey1=Ctrl\r\nhotkey2=侧键1\r\n")));
    ASSERT_TRUE(folder_.start());
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, e2e::kProgramStartTimeoutMs));
    EXPECT_TRUE(folder_.isRunning());
}

TEST_F(SideButtonTest, TheProgramHoldsItsSideButtonAgainstOthers) {
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\nhotkey1=Ctrl\r\nhotkey2=侧键2\r\n")).window, 0u);
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("button9")}), QStringLiteral("refused"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("button8")}), QStringLiteral("held"));
}

} // namespace
