// Timed clicking with the real program: an autotime start plays a task at
// its second, and the start button writes the session's autostart entry.

#include "app/AppControls.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "timed/TimedControls.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>

namespace {

const QString kMainTitle = QStringLiteral("Tarvik鼠标点击器V1.0");
const QString kSchedulerTitle = QStringLiteral("Lumo鼠标自动点击器 - 定时点击");

using TimedTest = e2e::ProgramTest;

TEST_F(TimedTest, AnAutotimeStartPlaysADueTaskAtItsSecond) {
    ASSERT_TRUE(startClickTarget());
    const QString log = clickLogPath();

    // Due a few seconds from now, written without a leading zero. The steps
    // stay clear of the program's window, which has no window manager to
    // take it away when it minimises.
    const QDateTime due = QDateTime::currentDateTime().addSecs(8);
    QElapsedTimer monotonic;
    monotonic.start();
    const qint64 dueMs =
        monotonic.msecsSinceReference() + QDateTime::currentDateTime().msecsTo(due) - due.time().msec();
    ASSERT_TRUE(e2e::storeTimedTask(
        folder_.path() + QStringLiteral("/acdb.mdb"), due.time().toString(QStringLiteral("H:mm:ss")),
        QStringLiteral("100,120,左键单击,50|1200,900,左键单击,50|"), QStringLiteral("2")));

    ASSERT_TRUE(folder_.start({QStringLiteral("autotime")}));
    const std::vector<e2e::Click> clicks = e2e::waitForClicks(log, 8, 20000);
    ASSERT_EQ(clicks.size(), 8u);
    const int expected[][2] = {{100, 120}, {100, 120}, {1200, 900}, {1200, 900},
                               {100, 120}, {100, 120}, {1200, 900}, {1200, 900}};
    for (size_t i = 0; i < clicks.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(clicks[i].press, i % 2 == 0);
        EXPECT_EQ(clicks[i].button, 1u);
        EXPECT_EQ(clicks[i].x, expected[i][0]);
        EXPECT_EQ(clicks[i].y, expected[i][1]);
    }
    std::cout << "first click " << clicks[0].ms - dueMs << " ms into its second" << std::endl;
    // At its second: not before it starts, and well within it.
    EXPECT_GE(clicks[0].ms, dueMs - 20);
    EXPECT_LT(clicks[0].ms, dueMs + 1000);
    // Played once: nothing more comes in the next seconds.
    QThread::msleep(2500);
    EXPECT_EQ(e2e::readClickLog(log).size(), 8u);
}

TEST_F(TimedTest, TheStartButtonWritesTheAutostartEntry) {
    ASSERT_TRUE(folder_.start());
    // The first tick renames the window within a second.
    bool shown = false;
    for (int i = 0; i < e2e::kProgramStartTimeoutMs / 50 && !shown; ++i) {
        shown = session_.windowMapped(kMainTitle) || session_.windowMapped(kSchedulerTitle);
        QThread::msleep(50);
    }
    ASSERT_TRUE(shown);
    QThread::msleep(500);
    // A tab header is no control of the table: the tab bar lays the headers
    // out by their captions, and the third, "定时点击(&T)", is centred here.
    const QPoint timedTabHeader(272, 103);
    ASSERT_TRUE(e2e::clickInMainWindow(session_, timedTabHeader));
    QThread::msleep(300);
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/timed-tab.png"));
    ASSERT_TRUE(e2e::clickInMainWindow(session_, lumo::controlCentre(lumo::kMainWindowControls, "timedList",
                                                                     lumo::kTimedListControls,
                                                                     "startWithSessionButton")));

    const QString entry = folder_.path() + QStringLiteral("/config/autostart/lumoclick.desktop");
    for (int i = 0; i < 100 && !QFile::exists(entry); ++i)
        QThread::msleep(50);
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << entry.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n"))) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("\nExec=") + folder_.programPath() + QStringLiteral(" autotime\n")))
        << text.toStdString();
}

} // namespace
