// The ranges of the single-point speed, hold and jitter: where a text stops
// being allowed and what it is brought back to, at the 32-bit edges too.

#include "core/SettingLimits.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

std::optional<QString> speed(const char *text) {
    return clampedSpeedText(QString::fromLatin1(text));
}

std::optional<QString> hold(const char *text) {
    return clampedMillisecondsText(QString::fromLatin1(text), kHoldLimitMs);
}

} // namespace

TEST(SettingLimits, SpeedWithinADayIsLeftAsTyped) {
    for (const char *text : {"0", "1", "120", "86400", "086400", "+5", "-0"})
        EXPECT_EQ(speed(text), std::nullopt) << text;
}

TEST(SettingLimits, SpeedBeyondADayComesBackToTheLimitAtEvery32BitEdge) {
    for (const char *text : {"86401", "2147483", "2147483647", "2147483648", "4294967296",
                             "99999999999999999999999999", "+86401"})
        EXPECT_EQ(speed(text), std::optional<QString>(QStringLiteral("86400"))) << text;
}

TEST(SettingLimits, NegativeSpeedComesBackToZero) {
    for (const char *text : {"-1", "-86400", "-2147483648", "-2147483649", "-99999999999999999999"})
        EXPECT_EQ(speed(text), std::optional<QString>(QStringLiteral("0"))) << text;
}

TEST(SettingLimits, FractionsAndNonNumbersKeepTheirOwnRules) {
    for (const char *text : {"0.001", "0.5", "1.5", "99999999.5", "abc", "", "-", "+", "1e9", " 5"})
        EXPECT_EQ(speed(text), std::nullopt) << text;
}

TEST(SettingLimits, HoldAndJitterStopAtTheirLimit) {
    EXPECT_EQ(hold("99999"), std::nullopt);
    EXPECT_EQ(hold("099999"), std::nullopt);
    for (const char *text : {"100000", "999999999", "2147483647", "2147483648", "18446744073709551616"})
        EXPECT_EQ(hold(text), std::optional<QString>(QStringLiteral("99999"))) << text;
    EXPECT_EQ(clampedMillisecondsText(QStringLiteral("100000"), kJitterLimitMs),
              std::optional<QString>(QString::number(kJitterLimitMs)));
    // Not digits only: read as 0, as the field always did, not clamped.
    for (const char *text : {"-1", "+5", "", "12a", "1.5"})
        EXPECT_EQ(hold(text), std::nullopt) << text;
}

TEST(SettingLimits, BoundedMillisecondsNeverExceedsTheLimitNorWraps) {
    const std::pair<const char *, int> table[] = {{"0", 0},
                                                  {"1", 1},
                                                  {"99999", 99999},
                                                  {"100000", 99999},
                                                  {"2147483647", 99999},
                                                  {"2147483648", 99999},
                                                  {"4294967297", 99999},
                                                  {"-1", 0},
                                                  {"", 0},
                                                  {"7x", 0},
                                                  {"00012", 12}};
    for (const auto &[text, ms] : table)
        EXPECT_EQ(boundedMilliseconds(QString::fromLatin1(text), kHoldLimitMs), ms) << text;
}
