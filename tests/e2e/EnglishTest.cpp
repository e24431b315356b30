// The real program under LANG=en_US.UTF-8: a script stored with the Chinese
// step events, enabled through the English window and played by its hotkey,
// clicks as it does under Chinese, and the stop key's notice is English.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

using EnglishTest = e2e::ProgramTest;

TEST_F(EnglishTest, AScriptStoredInChinesePlaysByItsHotkeyUnderAnEnglishLocale) {
    ASSERT_TRUE(
        e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"),
                         QStringLiteral("400,300,左键单击,300|600,500,右键单击,300|800,200,左键双击,300|"
                                        "900,100,无点击,3000|1000,100,左键单击,300|"),
                         QStringLiteral("1")));
    folder_.setLanguage(QStringLiteral("en_US.UTF-8"));
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    e2e::enableFirstScript(session_);
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/english-script-enabled.png"));

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
    // Stopped in the long pause of the last step: the stop notice is English.
    session_.pressKeys({QStringLiteral("F6")});
    EXPECT_TRUE(session_.waitForMappedWindow(QStringLiteral("Notice"), 6000))
        << session_.mappedWindowNames().join(u',').toStdString();
    EXPECT_FALSE(session_.windowMapped(QStringLiteral("提示")));
}

} // namespace
