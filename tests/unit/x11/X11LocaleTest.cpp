#include "platform/x11/X11Locale.h"

#include <gtest/gtest.h>

#include <ostream>

using platform::LongTimeFormat;
using platform::longTimeFormatFromPattern;

namespace {

struct PatternCase {
    const char *pattern;
    bool twelveHour;
    bool designatorFirst;
    bool leadingZero;
    const char *separator;
    const char *am;
    const char *pm;
};

void PrintTo(const PatternCase &c, std::ostream *out) {
    *out << '"' << c.pattern << '"';
}

class LongTimePattern : public testing::TestWithParam<PatternCase> {};

TEST_P(LongTimePattern, GivesThePiecesOfTheFormat) {
    const PatternCase &c = GetParam();
    const LongTimeFormat format =
        longTimeFormatFromPattern(QString::fromUtf8(c.pattern), QStringLiteral("AM"), QStringLiteral("PM"));
    EXPECT_EQ(format.twelveHour, c.twelveHour);
    EXPECT_EQ(format.designatorFirst, c.designatorFirst);
    EXPECT_EQ(format.leadingZero, c.leadingZero);
    EXPECT_EQ(format.separator, QString::fromUtf8(c.separator));
    EXPECT_EQ(format.am, QString::fromUtf8(c.am));
    EXPECT_EQ(format.pm, QString::fromUtf8(c.pm));
}

INSTANTIATE_TEST_SUITE_P(Patterns, LongTimePattern,
                         testing::Values(PatternCase{"H:mm:ss", false, false, false, ":", "AM", "PM"},
                                         PatternCase{"HH:mm:ss", false, false, true, ":", "AM", "PM"},
                                         PatternCase{"h:mm:ss AP", true, false, false, ":", "AM", "PM"},
                                         PatternCase{"AP h:mm:ss", true, true, false, ":", "AM", "PM"},
                                         PatternCase{"HH.mm.ss t", false, false, true, ".", "AM", "PM"},
                                         // Qt's C and en_US long formats.
                                         PatternCase{"HH:mm:ss t", false, false, true, ":", "AM", "PM"},
                                         PatternCase{"h:mm:ss AP t", true, false, false, ":", "AM", "PM"},
                                         // Lower-case markers show the designators in lower case.
                                         PatternCase{"hh:mm:ss ap", true, false, true, ":", "am", "pm"},
                                         PatternCase{"a h:mm", true, true, false, ":", "am", "pm"},
                                         // Without a marker, QLocale shows "h" on the 24-hour clock.
                                         PatternCase{"h:mm:ss", false, false, false, ":", "AM", "PM"},
                                         // Quoted text is literal: neither the "h" nor the "a" in
                                         // it counts.
                                         PatternCase{"H'h'mm'min'ss", false, false, false, "h", "AM", "PM"},
                                         PatternCase{"HH' at 'mm", false, false, true, " at ", "AM", "PM"},
                                         PatternCase{"HH''mm", false, false, true, "'", "AM", "PM"},
                                         // The Chinese long format: designator first, no blank.
                                         PatternCase{"Aph:mm:ss", true, true, false, ":", "AM", "PM"},
                                         PatternCase{"t HH时mm分ss秒", false, false, true, "时", "AM",
                                                     "PM"}));

TEST(LongTimeFormat, DesignatorsAreTheLocalesTexts) {
    const LongTimeFormat format = longTimeFormatFromPattern(QStringLiteral("AP h:mm:ss"),
                                                            QStringLiteral("上午"), QStringLiteral("下午"));
    EXPECT_EQ(format.am, QStringLiteral("上午"));
    EXPECT_EQ(format.pm, QStringLiteral("下午"));
}

TEST(LongTimeFormat, PatternWithoutHourKeepsTheDefaults) {
    const LongTimeFormat format =
        longTimeFormatFromPattern(QString(), QStringLiteral("AM"), QStringLiteral("PM"));
    EXPECT_FALSE(format.twelveHour);
    EXPECT_FALSE(format.leadingZero);
    EXPECT_EQ(format.separator, QStringLiteral(":"));
}

} // namespace
