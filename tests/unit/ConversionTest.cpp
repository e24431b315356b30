#include "core/Conversion.h"

#include <gtest/gtest.h>

using lumo::errorBoxText;
using lumo::HandlerError;
using lumo::parseInt32OrThrow;

TEST(parseInt32OrThrow, AcceptsSignedDecimalWithin32Bits) {
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("0")), 0);
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("00")), 0);
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("+17")), 17);
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("-250")), -250);
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInt32OrThrow(QStringLiteral("-2147483648")), -2147483647 - 1);
}

TEST(parseInt32OrThrow, RefusesEverythingElseWithTheConversionMessage) {
    for (const QString &text :
         {QString(), QStringLiteral(" 1"), QStringLiteral("1 "), QStringLiteral("-"), QStringLiteral("1.5"),
          QStringLiteral("0x10"), QStringLiteral("abc"), QStringLiteral("2147483648"),
          QStringLiteral("-2147483649"), QStringLiteral("１２")}) {
        try {
            parseInt32OrThrow(text);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const HandlerError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(errorBoxText(QStringLiteral("'abc' is not a valid integer value")),
              QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(errorBoxText(QStringLiteral("done.")), QStringLiteral("done."));
    EXPECT_EQ(errorBoxText(QStringLiteral("why?")), QStringLiteral("why?."));
    EXPECT_EQ(errorBoxText(QStringLiteral("a-")), QStringLiteral("a-"));
    EXPECT_EQ(errorBoxText(QStringLiteral("(x)")), QStringLiteral("(x)"));
    EXPECT_EQ(errorBoxText(QStringLiteral("出错")), QStringLiteral("出错."));
    EXPECT_EQ(errorBoxText(QString()), QString());
}
