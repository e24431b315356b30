// A script made through its dialogs in the real program: two positions
// captured with the real F11 while the pointer rests on them, saved,
// enabled, and played by its hotkey into the click target.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Without a window manager the main window sits centred on the 1280x1024
// screen, and every dialog is centred over it: the add dialog (356x409) at
// 462,307, the add step editor (384x208) at 448,408.
constexpr int kMainX = 365;
constexpr int kMainY = 311;
constexpr int kDialogX = 462;
constexpr int kDialogY = 307;
constexpr int kEditorX = 448;
constexpr int kEditorY = 408;

class ScriptEditTest : public e2e::ProgramTest {
  protected:
    // A click, and time for the window to answer it.
    void click(int x, int y) {
        userClick(x, y);
        QThread::msleep(300);
    }

    // The pointer rests at x, y while F11 is pressed; then the step is added.
    void captureAndAdd(int x, int y) {
        session_.movePointer(x, y);
        QThread::msleep(200);
        session_.pressKeys({QStringLiteral("F11")});
        QThread::msleep(300);
        click(kEditorX + 335, kEditorY + 24); // apply "添加(&A)"
    }
};

TEST_F(ScriptEditTest, CapturedPositionsAreWhereTheSavedScriptClicks) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();

    click(kMainX + 58, kMainY + 345); // the script list's add button
    ASSERT_TRUE(session_.waitForMappedWindow(QStringLiteral("添加多坐标点击"), 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    click(kDialogX + 160, kDialogY + 32); // name
    typeText("demo");
    click(kDialogX + 298, kDialogY + 160); // add step "添加坐标"
    ASSERT_TRUE(session_.waitForMappedWindow(QStringLiteral("添加坐标"), 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    captureAndAdd(400, 250);
    captureAndAdd(1000, 820);
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/script-edit-steps.png"));
    click(kEditorX + 335, kEditorY + 56);  // close "关闭(&C)"
    click(kDialogX + 220, kDialogY + 388); // OK "确定(&O)"
    EXPECT_FALSE(session_.windowMapped(QStringLiteral("添加多坐标点击")));

    click(kMainX + 80, kMainY + 172);  // the new script's row
    click(kMainX + 409, kMainY + 345); // enable: Ctrl+F6, the dialog's default
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/script-edit-enabled.png"));

    ASSERT_TRUE(startClickTarget());
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F6")});

    std::vector<e2e::Click> presses;
    for (const e2e::Click &c : e2e::waitForClicks(clickLogPath(), 4, 5000))
        if (c.press)
            presses.push_back(c);
    ASSERT_EQ(presses.size(), 2U) << folder_.output().toStdString();
    EXPECT_EQ(presses[0].button, 1U);
    EXPECT_EQ(presses[0].x, 400);
    EXPECT_EQ(presses[0].y, 250);
    EXPECT_EQ(presses[1].button, 1U);
    EXPECT_EQ(presses[1].x, 1000);
    EXPECT_EQ(presses[1].y, 820);
}

} // namespace
