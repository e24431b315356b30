#include "core/SpeedText.h"
#include "core/Conversion.h"

#include <gtest/gtest.h>

using lumo::intervalOfSpeedText;

TEST(SpeedText, ListedTextsGiveTheirIntervals) {
    const std::pair<const char *, int> table[] = {
        {"0.001", 1},  {"0.005", 5},    {"0.010", 10}, {"0.1", 100},  {"0.2", 200},  {"0.5", 500},
        {"1", 1000},   {"2", 2000},     {"5", 5000},   {"10", 10000}, {"20", 20000}, {"50", 50000},
        {"60", 60000}, {"120", 120000}, {"3", 3000},   {"007", 7000}};
    for (const auto &[text, ms] : table)
        EXPECT_EQ(intervalOfSpeedText(QString::fromLatin1(text)), std::optional<int>(ms)) << text;
}

TEST(SpeedText, OtherFractionsKeepTheIntervalAndNonNumbersFail) {
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("0.01")), std::nullopt);
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("1.5")), std::nullopt);
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral(".")), std::nullopt);
    EXPECT_THROW(intervalOfSpeedText(QStringLiteral("abc")), lumo::HandlerError);
    EXPECT_THROW(intervalOfSpeedText(QString()), lumo::HandlerError);
    // Seconds beyond the 32-bit range of milliseconds saturate instead of wrapping.
    EXPECT_EQ(intervalOfSpeedText(QStringLiteral("3000000")), std::optional<int>(2147483647));
}
