// The real program under LANG=en_US.UTF-8: a script stored with the Chinese
// step events, enabled through the English window and played by its hotkey,
// clicks as it does under Chinese, and the stop key's notice is English.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/XSession.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kWindowClass = QStringLiteral("lumoclick");
constexpr int kStartTimeoutMs = 15000;

TEST(EnglishTest, AScriptStoredInChinesePlaysByItsHotkeyUnderAnEnglishLocale) {
    e2e::XSession session;
    ASSERT_TRUE(session.isOpen()) << "no X display; run under tools/with-xvfb";
    e2e::ProgramFolder folder;
    QTemporaryDir logDir;
    ASSERT_TRUE(folder.isValid() && logDir.isValid());
    ASSERT_TRUE(
        e2e::storeScript(folder.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"),
                         QStringLiteral("400,300,左键单击,300|600,500,右键单击,300|800,200,左键双击,300|"
                                        "900,100,无点击,3000|1000,100,左键单击,300|"),
                         QStringLiteral("1")));
    folder.setLanguage(QStringLiteral("en_US.UTF-8"));
    ASSERT_TRUE(folder.start());
    ASSERT_TRUE(session.waitForWindowOfClass(kWindowClass, kStartTimeoutMs).window != 0)
        << folder.output().toStdString();
    QThread::msleep(500);
    e2e::enableFirstScript(session);
    session.screenshot(e2e::artifactsFolder() + QStringLiteral("/english-script-enabled.png"));

    const QString log = logDir.path() + QStringLiteral("/clicks.log");
    e2e::Helper target(e2e::clickTargetPath(), QStringList{log});
    ASSERT_EQ(target.readLine(), QStringLiteral("ready"));
    session.pressKeys({QStringLiteral("F8")});

    const std::vector<e2e::Click> clicks = e2e::pressesOf(e2e::waitForClicks(log, 8, 5000));
    ASSERT_EQ(clicks.size(), 4U) << folder.output().toStdString();
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
    session.pressKeys({QStringLiteral("F6")});
    EXPECT_TRUE(session.waitForMappedWindow(QStringLiteral("Notice"), 6000))
        << session.mappedWindowNames().join(u',').toStdString();
    EXPECT_FALSE(session.windowMapped(QStringLiteral("提示")));
}

} // namespace
