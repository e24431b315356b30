#include "platform/Platform.h"

#include <gtest/gtest.h>

using platform::fromGbk;
using platform::toGbk;

struct KnownBytes {
    const char *text;
    QByteArray bytes;
};

class GbkKnownBytes : public testing::TestWithParam<KnownBytes> {};

// The byte values are those of the code page 936 table (Windows, Python's
// cp936 and glibc agree), not taken from this implementation.
TEST_P(GbkKnownBytes, TextHasItsCodePage936Bytes) {
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(toGbk(text), GetParam().bytes);
    EXPECT_EQ(fromGbk(GetParam().bytes), text);
}

INSTANTIATE_TEST_SUITE_P(ProgramWords, GbkKnownBytes,
                         testing::Values(KnownBytes{"左键", QByteArray("\xD7\xF3\xBC\xFC")},
                                         KnownBytes{"右键", QByteArray("\xD3\xD2\xBC\xFC")},
                                         KnownBytes{"单击", QByteArray("\xB5\xA5\xBB\xF7")},
                                         KnownBytes{"无", QByteArray("\xCE\xDE")}));

class GbkRoundTrip : public testing::TestWithParam<const char *> {};

TEST_P(GbkRoundTrip, TextSurvivesEncodingAndDecoding) {
    const QString text = QString::fromUtf8(GetParam());
    const QByteArray bytes = toGbk(text);
    EXPECT_EQ(fromGbk(bytes), text);
    // Two bytes per Chinese character, one per ASCII one: never UTF-8.
    qsizetype expected = 0;
    for (const QChar c : text)
        expected += c.unicode() < 0x80 ? 1 : 2;
    EXPECT_EQ(bytes.size(), expected);
}

INSTANTIATE_TEST_SUITE_P(ProgramTexts, GbkRoundTrip,
                         testing::Values("单击", "无", "状态:点击器已经启动", "Ctrl+F3", "[setting]", ""));

TEST(Gbk, AsciiIsUnchanged) {
    const QByteArray ascii("hotkey1=Ctrl\r\nspeed=1 ~!@#$%^&*()_+{}|:\"<>?`-=[]\\;',./");
    EXPECT_EQ(toGbk(QString::fromLatin1(ascii)), ascii);
    EXPECT_EQ(fromGbk(ascii), QString::fromLatin1(ascii));
}

TEST(Gbk, EmptyStaysEmpty) {
    EXPECT_TRUE(toGbk(QString()).isEmpty());
    EXPECT_TRUE(fromGbk(QByteArray()).isEmpty());
}

TEST(Gbk, CharacterOutsideCodePage936BecomesOneQuestionMark) {
    // A Korean syllable, an emoji (a surrogate pair) and a lone surrogate.
    QString text = QStringLiteral("a\uAC00b\U0001F600c");
    text.append(QChar(0xD800));
    text.append(QLatin1Char('d'));
    EXPECT_EQ(toGbk(text), QByteArray("a?b?c?d"));
}

TEST(Gbk, EuroSignIsTheWindowsSingleByte) {
    EXPECT_EQ(toGbk(QStringLiteral("\u20AC")), QByteArray("\x80"));
    EXPECT_EQ(fromGbk(QByteArray("\x80")), QStringLiteral("\u20AC"));
}

TEST(Gbk, InvalidBytesAreReplacedAndTheRestKept) {
    // 0xFF never starts a character; 0x81 0x20 is a lead byte without a valid
    // trail byte; a lone lead byte at the end is cut off.
    const QString decoded = fromGbk(QByteArray("A\xFF"
                                               "B\x81 C\xD7\xF3\xBC"));
    const QChar bad(0xFFFD);
    EXPECT_EQ(decoded, QStringLiteral("A") + bad + QStringLiteral("B") + bad + QStringLiteral(" C左") + bad);
}

TEST(Gbk, LongTextIsConvertedWhole) {
    // Longer than one conversion buffer, so the output is assembled in parts.
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("点击");
    const QByteArray bytes = toGbk(text);
    ASSERT_EQ(bytes.size(), 12000);
    EXPECT_EQ(fromGbk(bytes), text);
}
