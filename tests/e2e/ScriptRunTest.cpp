// A script stored in acdb.mdb, enabled through the window and played by its
// real hotkey: the click target sees each step's click, the stop key ends
// the run, and the window stays live during a long step interval.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// Last: the X headers define macros (None, Bool) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

const QString kMainTitle = QStringLiteral("Tarvik鼠标点击器V1.0");
const QString kNoticeTitle = QStringLiteral("提示");
constexpr int kStartTimeoutMs = 15000;
// Without a window manager the main window sits centred on the 1280x1024
// screen; the places below are its first script row and the enable button.
constexpr int kWindowX = 365;
constexpr int kWindowY = 311;
constexpr int kWindowWidth = 549;
constexpr int kWindowHeight = 401;
constexpr int kFirstRowX = kWindowX + 80;
constexpr int kFirstRowY = kWindowY + 172;
constexpr int kEnableX = kWindowX + 409;
constexpr int kEnableY = kWindowY + 345;

bool storeScript(const QString &database, const QString &hotkey, const QString &steps,
                 const QString &cycles) {
    bool stored = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("e2e"));
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
            query.bindValue(QStringLiteral(":a"), QStringLiteral("测试"));
            query.bindValue(QStringLiteral(":b"), hotkey);
            query.bindValue(QStringLiteral(":c"), steps);
            query.bindValue(QStringLiteral(":d"), cycles);
            stored = query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("e2e"));
    return stored;
}

std::vector<e2e::Click> presses(const std::vector<e2e::Click> &clicks) {
    std::vector<e2e::Click> result;
    for (const e2e::Click &click : clicks)
        if (click.press)
            result.push_back(click);
    return result;
}

class ScriptRunTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(logDir_.isValid());
    }

    // Stores the script, starts the program and enables the script's row.
    void startWithScript(const QString &steps, const QString &cycles) {
        ASSERT_TRUE(
            storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"), steps, cycles));
        ASSERT_TRUE(folder_.start());
        ASSERT_TRUE(session_.waitForMappedWindow(kMainTitle, kStartTimeoutMs))
            << folder_.output().toStdString();
        QThread::msleep(500);
        click(kFirstRowX, kFirstRowY);
        click(kEnableX, kEnableY);
        QThread::msleep(300);
        session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/script-enabled.png"));
    }

    void click(int x, int y) {
        session_.movePointer(x, y);
        XTestFakeButtonEvent(session_.display(), 1, True, 0);
        XTestFakeButtonEvent(session_.display(), 1, False, 0);
        XFlush(session_.display());
        QThread::msleep(150);
    }

    std::unique_ptr<e2e::Helper> startClickTarget() {
        auto target = std::make_unique<e2e::Helper>(e2e::clickTargetPath(), QStringList{logPath()});
        EXPECT_EQ(target->readLine(), QStringLiteral("ready"));
        return target;
    }

    QString logPath() const { return logDir_.path() + QStringLiteral("/clicks.log"); }

    e2e::XSession session_;
    e2e::ProgramFolder folder_;
    QTemporaryDir logDir_;
};

TEST_F(ScriptRunTest, EveryStepClicksAtItsPositionAfterTheIntervalOfTheStepBefore) {
    startWithScript(QStringLiteral("400,300,左键单击,300|600,500,右键单击,300|800,200,左键双击,300|"),
                    QStringLiteral("1"));
    auto target = startClickTarget();
    session_.pressKeys({QStringLiteral("F8")});

    const std::vector<e2e::Click> clicks = presses(e2e::waitForClicks(logPath(), 8, 5000));
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
    // A step takes its click plus its interval; the machine may add a little.
    for (size_t i = 1; i < 3; ++i) {
        const qint64 gap = clicks[i].ms - clicks[i - 1].ms;
        EXPECT_GE(gap, 299) << i;
        EXPECT_LE(gap, 600) << i;
    }
    EXPECT_LE(clicks[3].ms - clicks[2].ms, 100) << "the double click's two clicks belong together";
}

TEST_F(ScriptRunTest, TheStopKeyShowsTheStopMessageAndNoFurtherStepClicks) {
    QString steps;
    for (int i = 0; i < 8; ++i)
        steps += QStringLiteral("%1,400,左键单击,400|").arg(100 + 100 * i);
    startWithScript(steps, QStringLiteral("1"));
    auto target = startClickTarget();
    session_.pressKeys({QStringLiteral("F8")});

    const size_t before = presses(e2e::waitForClicks(logPath(), 4, 5000)).size();
    ASSERT_EQ(before, 2U);
    session_.pressKeys({QStringLiteral("F6")});
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 3000))
        << session_.mappedWindowNames().join(u',').toStdString();
    QThread::msleep(1500);
    EXPECT_EQ(presses(e2e::readClickLog(logPath())).size(), before);
}

TEST_F(ScriptRunTest, TheWindowRepaintsDuringAThreeSecondInterval) {
    startWithScript(QStringLiteral("10,10,无点击,3000|"), QStringLiteral("1"));
    const QString beforePath = logDir_.path() + QStringLiteral("/before.png");
    ASSERT_TRUE(session_.screenshot(beforePath));
    session_.pressKeys({QStringLiteral("F8")});
    QDeadlineTimer moved(3000);
    while (!(session_.pointer() == e2e::PointerPosition{10, 10}) && !moved.hasExpired())
        QThread::msleep(10);
    ASSERT_EQ(session_.pointer(), (e2e::PointerPosition{10, 10}));
    QElapsedTimer inInterval;
    inInterval.start();

    // Cover the window and uncover it: only a live program draws it again.
    startClickTarget()->stop();
    QThread::msleep(400);
    const QString duringPath = e2e::artifactsFolder() + QStringLiteral("/repaint-during-interval.png");
    ASSERT_TRUE(session_.screenshot(duringPath));
    ASSERT_LT(inInterval.elapsed(), 2900) << "too slow to look inside the interval";

    const QImage before(beforePath);
    const QImage during(duringPath);
    ASSERT_FALSE(before.isNull());
    ASSERT_FALSE(during.isNull());
    int differing = 0;
    for (int y = kWindowY; y < kWindowY + kWindowHeight; ++y)
        for (int x = kWindowX; x < kWindowX + kWindowWidth; ++x)
            differing += before.pixel(x, y) != during.pixel(x, y);
    EXPECT_LT(differing, kWindowWidth * kWindowHeight / 50)
        << "window area differs in " << differing << " pixels";
}

} // namespace
