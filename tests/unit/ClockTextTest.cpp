#include "timed/ClockText.h"

#include <gtest/gtest.h>

using lumo::clockText;
using platform::LongTimeFormat;

TEST(ClockText, FollowsTheHourFormSeparatorAndDesignatorPlace) {
    LongTimeFormat format; // PRC: 24 hours, no leading zero, ":"
    EXPECT_EQ(clockText(format, QTime(0, 30, 0)), QStringLiteral("0:30:00"));
    EXPECT_EQ(clockText(format, QTime(13, 0, 0)), QStringLiteral("13:00:00"));
    format.leadingZero = true;
    format.separator = QStringLiteral(".");
    EXPECT_EQ(clockText(format, QTime(9, 5, 3)), QStringLiteral("09.05.03"));
    format =
        LongTimeFormat{true, true, false, QStringLiteral(":"), QStringLiteral("AM"), QStringLiteral("PM")};
    EXPECT_EQ(clockText(format, QTime(0, 1, 2)), QStringLiteral("AM 12:01:02"));
    EXPECT_EQ(clockText(format, QTime(12, 0, 0)), QStringLiteral("PM 12:00:00"));
    format.designatorFirst = false;
    EXPECT_EQ(clockText(format, QTime(21, 5, 3)), QStringLiteral("9:05:03 PM"));
}
