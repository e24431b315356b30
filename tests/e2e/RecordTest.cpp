// Recording a script in the real program: five real clicks (left, right, a
// left double click, left) made while the add dialog records land in the
// click target and come back as steps with their gaps; the stored script
// then plays them back with the same gaps.

#include "app/AppControls.h"
#include "scripts/ScriptControls.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/Timing.h"

#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

using lumo::controlCentre;

const QString kDialogTitle = QStringLiteral("添加多坐标点击");
// A recorded interval against the gap the target saw (both the server's
// timestamps; seen under load: equal), and a played gap against the made
// one (a busy machine makes a step late; seen under load: 0-4 ms late).
constexpr int kRecordedToleranceMs = 5;
constexpr int kPlayedToleranceMs = 20;

// The steps column of the script called name.
QString storedSteps(const QString &database, const QString &name) {
    const QString connection = QStringLiteral("e2e-record");
    QString steps;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("select mpoint from mplist where mpname = :name"));
            query.bindValue(QStringLiteral(":name"), name);
            if (query.exec() && query.next())
                steps = query.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return steps;
}

class RecordTest : public e2e::ProgramTest {
  protected:
    bool waitUntilUnmapped(const QString &title, int timeoutMs) {
        const QDeadlineTimer deadline(timeoutMs);
        while (session_.windowMapped(title) && !deadline.hasExpired())
            QThread::msleep(20);
        return !session_.windowMapped(title);
    }

    QString logPath(const char *name) const { return logFolder_.filePath(QLatin1String(name)); }
};

TEST_F(RecordTest, RecordedClicksBecomeStepsThatPlayBackWithTheirGaps) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    e2e::clickInMainWindow(session_, controlCentre(lumo::kMainWindowControls, "scriptList",
                                                   lumo::kScriptListControls, "addButton"));
    ASSERT_TRUE(session_.waitForMappedWindow(kDialogTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    e2e::clickIn(session_, kDialogTitle, controlCentre(lumo::kScriptEditorControls, "nameEdit"));
    typeText("rec");
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/record-dialog.png"));

    e2e::clickIn(session_, kDialogTitle,
                 controlCentre(lumo::kScriptEditorControls, "stepsGroupBox", lumo::kScriptStepListControls,
                               "recordButton"));
    ASSERT_TRUE(waitUntilUnmapped(kDialogTitle, 3000));
    QThread::msleep(200);
    // Only the hint at the top of the screen shows, too small to be in the way.
    EXPECT_TRUE(session_.windowMapped(QStringLiteral("lumoclick recording hint")));
    const e2e::WindowFrame largest = session_.largestWindowOfClass(e2e::kProgramWindowClass);
    EXPECT_LT(largest.height, 60) << "a window of the program shows";
    EXPECT_LT(largest.y, 60) << "the hint is not at the top";
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/recording-hint.png"));

    {
        e2e::Helper target(e2e::clickTargetPath(), QStringList{logPath("recorded.log")});
        ASSERT_EQ(target.readLine(), QStringLiteral("ready"));
        userClick(300, 400, 1);
        QThread::msleep(400);
        userClick(700, 300, 3);
        QThread::msleep(600);
        userClick(900, 700, 1);
        QThread::msleep(80);
        userClick(901, 701, 1);
        QThread::msleep(420);
        userClick(200, 800, 1);
        e2e::waitForClicks(logPath("recorded.log"), 10, 5000);
    }
    const std::vector<e2e::Click> made = e2e::pressesOf(e2e::readClickLog(logPath("recorded.log")));
    // The clicks went on to the window they were made on.
    ASSERT_EQ(made.size(), 5u);
    const unsigned madeButtons[] = {1, 3, 1, 1, 1};
    for (size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(made[i].button, madeButtons[i]) << i;

    session_.pressKeys({QStringLiteral("F11")});
    ASSERT_TRUE(session_.waitForMappedWindow(kDialogTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    QThread::msleep(300);
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/record-steps.png"));
    e2e::clickIn(session_, kDialogTitle, controlCentre(lumo::kScriptEditorControls, "okButton"));
    ASSERT_TRUE(waitUntilUnmapped(kDialogTitle, 3000));

    const QString steps = storedSteps(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("rec"));
    const QStringList entries = steps.split(u'|', Qt::SkipEmptyParts);
    ASSERT_EQ(entries.size(), 4) << steps.toStdString();
    const QString expected[][3] = {
        {QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("左键单击")},
        {QStringLiteral("700"), QStringLiteral("300"), QStringLiteral("右键单击")},
        {QStringLiteral("900"), QStringLiteral("700"), QStringLiteral("左键双击")},
        {QStringLiteral("200"), QStringLiteral("800"), QStringLiteral("左键单击")}};
    // Each step starts at one of the presses the target saw.
    const size_t startOf[] = {0, 1, 2, 4};
    std::vector<int> intervals;
    for (int i = 0; i < 4; ++i) {
        const QStringList fields = entries[i].split(u',');
        ASSERT_EQ(fields.size(), 4) << entries[i].toStdString();
        EXPECT_EQ(fields[0], expected[i][0]);
        EXPECT_EQ(fields[1], expected[i][1]);
        EXPECT_EQ(fields[2], expected[i][2]);
        intervals.push_back(fields[3].toInt());
        if (i < 3) {
            const qint64 gap = e2e::serverGapMs(made[startOf[i]], made[startOf[i + 1]]);
            if (e2e::kTimingChecked) {
                EXPECT_NEAR(intervals.back(), gap, kRecordedToleranceMs) << "step " << i;
            }
            std::printf("step %d: gap %lld ms, recorded %d ms\n", i, static_cast<long long>(gap),
                        intervals.back());
        }
    }
    EXPECT_EQ(intervals[3], 20);

    // Played by its hotkey, the default Ctrl+F6.
    e2e::enableFirstScript(session_);
    e2e::Helper target(e2e::clickTargetPath(), QStringList{logPath("played.log")});
    ASSERT_EQ(target.readLine(), QStringLiteral("ready"));
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F6")});
    const std::vector<e2e::Click> played =
        e2e::pressesOf(e2e::waitForClicks(logPath("played.log"), 10, 5000));
    ASSERT_EQ(played.size(), 5u) << folder_.output().toStdString();
    const int playedX[] = {300, 700, 900, 900, 200};
    const int playedY[] = {400, 300, 700, 700, 800};
    for (size_t i = 0; i < played.size(); ++i) {
        EXPECT_EQ(played[i].button, madeButtons[i]) << i;
        EXPECT_EQ(played[i].x, playedX[i]) << i;
        EXPECT_EQ(played[i].y, playedY[i]) << i;
    }
    for (int i = 0; i < 3; ++i) {
        const qint64 madeGap = e2e::serverGapMs(made[startOf[i]], made[startOf[i + 1]]);
        const qint64 playedGap = e2e::serverGapMs(played[startOf[i]], played[startOf[i + 1]]);
        if (e2e::kTimingChecked) {
            EXPECT_NEAR(playedGap, madeGap, kPlayedToleranceMs) << "step " << i;
        }
        std::printf("step %d: made %lld ms, played %lld ms\n", i, static_cast<long long>(madeGap),
                    static_cast<long long>(playedGap));
    }
}

} // namespace
