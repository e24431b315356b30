// A script made through its dialogs in the real program: two positions
// captured with the real F11 while the pointer rests on them, saved,
// enabled, and played by its hotkey into the click target.

#include "app/AppControls.h"
#include "scripts/ScriptControls.h"
#include "steps/StepControls.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using lumo::controlCentre;

const QString kDialogTitle = QStringLiteral("添加多坐标点击");
const QString kEditorTitle = QStringLiteral("添加坐标");

class ScriptEditTest : public e2e::ProgramTest {
  protected:
    // A click at a point of the window titled title, and time for the
    // window to answer it.
    void click(const QString &title, QPoint at) {
        ASSERT_TRUE(e2e::clickIn(session_, title, at)) << title.toStdString();
        QThread::msleep(300);
    }

    // The pointer rests at x, y while F11 is pressed; then the step is added.
    void captureAndAdd(int x, int y) {
        session_.movePointer(x, y);
        QThread::msleep(200);
        session_.pressKeys({QStringLiteral("F11")});
        QThread::msleep(300);
        click(kEditorTitle, controlCentre(lumo::kStepEditorControls, "applyButton"));
    }
};

TEST_F(ScriptEditTest, CapturedPositionsAreWhereTheSavedScriptClicks) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();

    ASSERT_TRUE(e2e::clickInMainWindow(session_, controlCentre(lumo::kMainWindowControls, "scriptList",
                                                               lumo::kScriptListControls, "addButton")));
    QThread::msleep(300);
    ASSERT_TRUE(session_.waitForMappedWindow(kDialogTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    click(kDialogTitle, controlCentre(lumo::kScriptEditorControls, "nameEdit"));
    typeText("demo");
    click(kDialogTitle, controlCentre(lumo::kScriptEditorControls, "stepsGroupBox",
                                      lumo::kScriptStepListControls, "addStepButton"));
    ASSERT_TRUE(session_.waitForMappedWindow(kEditorTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    captureAndAdd(400, 250);
    captureAndAdd(1000, 820);
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/script-edit-steps.png"));
    click(kEditorTitle, controlCentre(lumo::kStepEditorControls, "closeButton"));
    click(kDialogTitle, controlCentre(lumo::kScriptEditorControls, "okButton"));
    EXPECT_FALSE(session_.windowMapped(kDialogTitle));

    // The new script enabled with Ctrl+F6, the dialog's default.
    e2e::enableFirstScript(session_);
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
