// The single-point clicker's hold, random period and middle button in the
// real program, measured in the click target; and the middle button of a
// script step.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/Timing.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QStringList kStartHotkey{QStringLiteral("ctrl"), QStringLiteral("F3")};

std::vector<e2e::Click> only(bool press, const std::vector<e2e::Click> &clicks) {
    std::vector<e2e::Click> result;
    for (const e2e::Click &click : clicks)
        if (click.press == press)
            result.push_back(click);
    return result;
}

class ClickTimingTest : public e2e::ProgramTest {
  protected:
    // The program with these settings, and the click target above it.
    bool startWith(const QString &settings) {
        return startProgramWith(settings).window != 0 && startClickTarget();
    }

    // Waits until the record stops growing.
    std::vector<e2e::Click> settledClicks(int quietMs) {
        size_t before = 0;
        std::vector<e2e::Click> clicks = e2e::readClickLog(clickLogPath());
        const QDeadlineTimer deadline(30000);
        while ((clicks.empty() || clicks.size() != before) && !deadline.hasExpired()) {
            before = clicks.size();
            QThread::msleep(quietMs);
            clicks = e2e::readClickLog(clickLogPath());
        }
        return clicks;
    }
};

TEST_F(ClickTimingTest, AHeldClickIsReleasedAfterTheHoldTime) {
    ASSERT_TRUE(startWith(QStringLiteral("[setting]\r\ntime=0.2\r\nclick=5\r\nhold=80\r\n")));
    session_.movePointer(300, 300);
    session_.pressKeys(kStartHotkey);
    const std::vector<e2e::Click> clicks = settledClicks(1000);
    // Limit 5: six ticks, each a press and its release.
    ASSERT_EQ(clicks.size(), 12u);
    for (size_t i = 0; i < clicks.size(); i += 2) {
        ASSERT_TRUE(clicks[i].press && !clicks[i + 1].press) << i;
        const qint64 held = e2e::serverGapMs(clicks[i], clicks[i + 1]);
        std::printf("held %lld ms\n", static_cast<long long>(held));
        if (!e2e::kTimingChecked)
            continue;
        // The hold counts from the press's arrival, so it is never short; the
        // server's millisecond clock may read one less. Seen under load: 80-85
        // in ten runs beside a parallel build, 96 beside Wine, 126 once on a
        // shared machine; the upper bound only catches a hold that never ends.
        EXPECT_GE(held, 79) << "click " << i / 2;
        EXPECT_LE(held, 80 + 100) << "click " << i / 2;
    }
}

TEST_F(ClickTimingTest, ARandomPeriodSpreadsAroundTheSetPeriod) {
    // 400 periods: the mean of uniform draws over 70..130 strays from 100 by
    // 0.9 ms (one standard deviation), so 3 ms is a real bound, not luck.
    constexpr size_t kPeriods = 400;
    // What a late tick and the X server's reading of the request may add or
    // take away on a busy machine. Seen under load: 66-139, mean 98.3-101.6;
    // with a load of 17 on two cores one tick came 34 ms late, and the next
    // period, its schedule kept, was as much short (164, then 44).
    constexpr qint64 kDeliveryMs = 20;
    // A draw from a wrong range (40..160, say) puts a quarter of the periods
    // outside the bounds; a hiccup of the machine puts a pair there.
    constexpr size_t kStrayPeriods = 8;
    ASSERT_TRUE(startWith(QStringLiteral("[setting]\r\ntime=0.1\r\nclick=0\r\njitter=30\r\n")));
    session_.movePointer(300, 300);
    session_.pressKeys(kStartHotkey);
    const std::vector<e2e::Click> presses =
        only(true, e2e::waitForClicks(clickLogPath(), 2 * (kPeriods + 1), 70000));
    session_.pressKeys(kStartHotkey);
    ASSERT_GE(presses.size(), kPeriods + 1);
    std::vector<qint64> periods;
    for (size_t i = 1; i <= kPeriods; ++i)
        periods.push_back(e2e::serverGapMs(presses[i - 1], presses[i]));
    const auto [lowest, highest] = std::minmax_element(periods.begin(), periods.end());
    const auto strays = std::count_if(periods.begin(), periods.end(), [](qint64 period) {
        return period < 70 - kDeliveryMs || period > 130 + kDeliveryMs;
    });
    double sum = 0;
    for (const qint64 period : periods)
        sum += double(period);
    const double mean = sum / double(periods.size());
    std::printf("%zu periods: lowest %lld, highest %lld, mean %.2f ms, %lld outside %lld..%lld\n", kPeriods,
                static_cast<long long>(*lowest), static_cast<long long>(*highest), mean,
                static_cast<long long>(strays), 70 - kDeliveryMs, 130 + kDeliveryMs);
    if (!e2e::kTimingChecked)
        return;
    // Within 70..130, and reaching out to both ends rather than sitting at 100.
    EXPECT_LE(static_cast<size_t>(strays), kStrayPeriods);
    EXPECT_LE(*lowest, 75);
    EXPECT_GE(*highest, 125);
    EXPECT_NEAR(mean, 100.0, 3.0);
}

TEST_F(ClickTimingTest, TheBurstIgnoresHoldAndRandom) {
    // Limit 1: two ticks of 152 clicks, as without the two settings.
    ASSERT_TRUE(startWith(QStringLiteral("[setting]\r\ntime=0.010\r\nclick=1\r\nhold=80\r\njitter=30\r\n")));
    session_.movePointer(300, 300);
    session_.pressKeys(kStartHotkey);
    const std::vector<e2e::Click> clicks = settledClicks(1000);
    EXPECT_EQ(only(true, clicks).size(), 2u * 152u);
    EXPECT_EQ(only(false, clicks).size(), 2u * 152u);
}

TEST_F(ClickTimingTest, TheMiddleButtonClicksWithButtonTwo) {
    ASSERT_TRUE(e2e::storeScript(folder_.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"),
                                 QStringLiteral("640,500,中键单击,20|"), QStringLiteral("1")));
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\nbtn1=中键\r\ntime=0.2\r\nclick=1\r\n")).window,
              0u)
        << folder_.output().toStdString();
    e2e::enableFirstScript(session_);
    ASSERT_TRUE(startClickTarget());

    session_.movePointer(300, 200);
    session_.pressKeys(kStartHotkey); // two ticks at limit 1
    settledClicks(1000);
    session_.pressKeys({QStringLiteral("F8")});
    QThread::msleep(300);
    const std::vector<e2e::Click> presses = only(true, settledClicks(1000));
    ASSERT_EQ(presses.size(), 3u) << folder_.output().toStdString();
    for (const e2e::Click &press : presses)
        EXPECT_EQ(press.button, 2u);
    EXPECT_EQ(presses[0].x, 300);
    EXPECT_EQ(presses[2].x, 640);
    EXPECT_EQ(presses[2].y, 500);
}

} // namespace
