#include "timed/ClockText.h"

#include <gtest/gtest.h>

using lumo::clockText;
using platform::LongTimeFormat;

TEST(ClockText, ChineseDefaultsDropTheHoursLeadingZeroOnly) {
    const LongTimeFormat prc;
    EXPECT_EQ(clockText(prc, QTime(9, 5, 3)), QStringLiteral("9:05:03"));
    EXPECT_EQ(clockText(prc, QTime(0, 30, 0)), QStringLiteral("0:30:00"));
    EXPECT_EQ(clockText(prc, QTime(13, 0, 0)), QStringLiteral("13:00:00"));
}

TEST(ClockText, LeadingZeroAndSeparatorFollowTheLocale) {
    LongTimeFormat format;
    format.leadingZero = true;
    format.separator = QStringLiteral(".");
    EXPECT_EQ(clockText(format, QTime(9, 5, 3)), QStringLiteral("09.05.03"));
    EXPECT_EQ(clockText(format, QTime(0, 0, 0)), QStringLiteral("00.00.00"));
}

TEST(ClockText, TwelveHourClocksPutTheDesignatorFirstOrLast) {
    LongTimeFormat format;
    format.twelveHour = true;
    format.am = QStringLiteral("上午");
    format.pm = QStringLiteral("下午");
    EXPECT_EQ(clockText(format, QTime(0, 1, 2)), QStringLiteral("12:01:02 上午"));
    EXPECT_EQ(clockText(format, QTime(11, 59, 59)), QStringLiteral("11:59:59 上午"));
    EXPECT_EQ(clockText(format, QTime(12, 0, 0)), QStringLiteral("12:00:00 下午"));
    EXPECT_EQ(clockText(format, QTime(21, 5, 3)), QStringLiteral("9:05:03 下午"));
    format.designatorFirst = true;
    EXPECT_EQ(clockText(format, QTime(21, 5, 3)), QStringLiteral("下午 9:05:03"));
}
