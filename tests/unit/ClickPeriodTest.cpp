#include "core/ClickPeriod.h"
#include "core/SpeedText.h"
#include "storage/ClickTiming.h"

#include <gtest/gtest.h>

#include <limits>

using namespace lumo;

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

} // namespace

// The sanitizer build reports any wrap here; the values are those the
// speed, jitter and hold texts can reach at their limits.
TEST(ClickPeriod, TheRandomRangeHoldsAtTheIntegerLimits) {
    const struct {
        int period;
        int jitter;
        qint64 lowest;
        qint64 highest;
    } cases[] = {
        {2147483000, 99999, 2147383001, 2147582999}, // time=2147483, jitter=99999
        {kMax, kMax, 10, 2 * qint64(kMax)},
        {kMax, 0, kMax, kMax},
        {100, kMax, 10, qint64(kMax) + 100},
        {0, kMax, 10, kMax},
        {kMin, kMax, 10, 10},
        {kMin, kMin, 10, 10}, // a negative spread counts as none
        {100, 30, 70, 130},
        {100, 95, 10, 195},
    };
    for (const auto &c : cases) {
        const PeriodRange range = randomPeriodRange(c.period, c.jitter);
        EXPECT_EQ(range.lowestMs, c.lowest) << c.period << " " << c.jitter;
        EXPECT_EQ(range.highestMs, c.highest) << c.period << " " << c.jitter;
    }
}

TEST(ClickPeriod, ATimerPeriodIsClampedToWhatATimerTakes) {
    EXPECT_EQ(timerPeriodOf(0), 10);
    EXPECT_EQ(timerPeriodOf(-5), 10);
    EXPECT_EQ(timerPeriodOf(std::numeric_limits<qint64>::min()), 10);
    EXPECT_EQ(timerPeriodOf(150), 150);
    EXPECT_EQ(timerPeriodOf(kMax), kMax);
    EXPECT_EQ(timerPeriodOf(2 * qint64(kMax)), kMax);
    EXPECT_EQ(timerPeriodOf(std::numeric_limits<qint64>::max()), kMax);
}

TEST(ClickPeriod, TheSpeedHoldAndJitterTextsSaturateAtTheirLimits) {
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("2147483")), std::optional<int>(2147483000));
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("2147484")), std::optional<int>(kMax));
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("2147483647")), std::optional<int>(kMax));
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("-2147483648")), std::optional<int>(kMin));
    EXPECT_EQ(millisecondsOf(QStringLiteral("2147483647")), kMax);
    EXPECT_EQ(millisecondsOf(QStringLiteral("2147483648")), 0);
    EXPECT_EQ(millisecondsOf(QStringLiteral("99999")), 99999);
}
