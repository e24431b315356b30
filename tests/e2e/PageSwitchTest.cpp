// "tb" and "2345" on the command line: a web page is handed to the desktop
// and the program ends at once without a window.

#include "tests/e2e/support/ProgramTest.h"

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kMainTitle = QStringLiteral("Tarvik鼠标点击器V1.0");

class PageSwitchTest : public e2e::ProgramTest, public testing::WithParamInterface<const char *> {};

TEST_P(PageSwitchTest, OpensOnePageAndEndsWithoutAWindow) {
    ASSERT_TRUE(folder_.start({QString::fromLatin1(GetParam())}));
    // Watch the screen while it runs: a window shown and closed at once
    // would not be seen afterwards.
    bool windowSeen = false;
    std::optional<int> exitCode;
    const QDeadlineTimer deadline(5000);
    while (!exitCode && !deadline.hasExpired()) {
        windowSeen = windowSeen || session_.windowExists(kMainTitle);
        exitCode = folder_.waitForExit(20);
    }
    ASSERT_TRUE(exitCode.has_value()) << "still running after 5 s\n" << folder_.output().toStdString();
    EXPECT_EQ(*exitCode, 0) << folder_.output().toStdString();
    EXPECT_FALSE(windowSeen);

    // xdg-open runs detached and may finish after the program.
    const QStringList log = folder_.opener().waitForLog(1, 5000);
    ASSERT_EQ(log.size(), 1) << log.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(log[0].startsWith(QLatin1String("http://")) || log[0].startsWith(QLatin1String("https://")))
        << log[0].toStdString();
    QThread::msleep(200);
    EXPECT_EQ(folder_.opener().log().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Switches, PageSwitchTest, testing::Values("tb", "2345"));

} // namespace
