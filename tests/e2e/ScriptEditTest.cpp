// A script made through its dialogs in the real program: two positions
// captured with the real F11 while the pointer rests on them, saved,
// enabled, and played by its hotkey into the click target.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// Last: the X headers define macros (None, Bool) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

// Found by class: the scheduler tick changes the window title every second.
const QString kWindowClass = QStringLiteral("lumoclick");
constexpr int kStartTimeoutMs = 15000;
// Without a window manager the main window sits centred on the 1280x1024
// screen, and every dialog is centred over it: the add dialog (356x409) at
// 462,307, the add step editor (384x208) at 448,408.
constexpr int kMainX = 365;
constexpr int kMainY = 311;
constexpr int kDialogX = 462;
constexpr int kDialogY = 307;
constexpr int kEditorX = 448;
constexpr int kEditorY = 408;

class ScriptEditTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(logDir_.isValid());
    }

    void click(int x, int y) {
        session_.movePointer(x, y);
        XTestFakeButtonEvent(session_.display(), 1, True, 0);
        XTestFakeButtonEvent(session_.display(), 1, False, 0);
        XFlush(session_.display());
        QThread::msleep(300);
    }

    void type(const char *letters) {
        for (const char *c = letters; *c; ++c) {
            const char name[] = {*c, 0};
            const unsigned code = XKeysymToKeycode(session_.display(), XStringToKeysym(name));
            XTestFakeKeyEvent(session_.display(), code, True, CurrentTime);
            XTestFakeKeyEvent(session_.display(), code, False, CurrentTime);
        }
        XFlush(session_.display());
        QThread::msleep(200);
    }

    // The pointer rests at x, y while F11 is pressed; then the step is added.
    void captureAndAdd(int x, int y) {
        session_.movePointer(x, y);
        QThread::msleep(200);
        session_.pressKeys({QStringLiteral("F11")});
        QThread::msleep(300);
        click(kEditorX + 335, kEditorY + 24); // apply "添加(&A)"
    }

    QString logPath() const { return logDir_.path() + QStringLiteral("/clicks.log"); }

    e2e::XSession session_;
    e2e::ProgramFolder folder_;
    QTemporaryDir logDir_;
};

TEST_F(ScriptEditTest, CapturedPositionsAreWhereTheSavedScriptClicks) {
    ASSERT_TRUE(folder_.start());
    ASSERT_TRUE(session_.waitForWindowOfClass(kWindowClass, kStartTimeoutMs).window != 0)
        << folder_.output().toStdString();
    QThread::msleep(500);

    click(kMainX + 58, kMainY + 345); // the script list's add button
    ASSERT_TRUE(session_.waitForMappedWindow(QStringLiteral("添加多坐标点击"), 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    click(kDialogX + 160, kDialogY + 32); // name
    type("demo");
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

    e2e::Helper target(e2e::clickTargetPath(), QStringList{logPath()});
    ASSERT_EQ(target.readLine(), QStringLiteral("ready"));
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F6")});

    std::vector<e2e::Click> presses;
    for (const e2e::Click &c : e2e::waitForClicks(logPath(), 4, 5000))
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
