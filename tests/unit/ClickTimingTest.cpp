#include "storage/ClickTiming.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

class ClickTimingTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    IniFile ini = IniFile::settings(dir.path());
    Settings settings{DataLocation(dir.path())};

    void writeBytes(const QByteArray &bytes) {
        QFile file(ini.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST_F(ClickTimingTest, AnOlderFileWithoutTheKeysReadsZero) {
    EXPECT_EQ(readClickTiming(settings).holdMs, 0); // no file at all
    writeBytes("[setting]\r\nbtn1=\xd7\xf3\xbc\xfc\r\ntime=0.1\r\nclick=100\r\n");
    const ClickTiming timing = readClickTiming(settings);
    EXPECT_EQ(timing.holdMs, 0);
    EXPECT_EQ(timing.jitterMs, 0);
}

TEST_F(ClickTimingTest, WrittenValuesReadBackBesideTheOlderKeys) {
    writeBytes("[setting]\r\ntime=0.1\r\n");
    writeClickTiming(settings, QStringLiteral("80"), QStringLiteral("30"));
    const ClickTiming timing = readClickTiming(settings);
    EXPECT_EQ(timing.holdMs, 80);
    EXPECT_EQ(timing.jitterMs, 30);
    EXPECT_EQ(ini.readString(QStringLiteral("setting"), QStringLiteral("time"), {}), QStringLiteral("0.1"));
}

TEST_F(ClickTimingTest, ValuesThatAreNoPlainDigitsReadZero) {
    for (const char *value : {"", "-5", "+5", "5ms", "99999999999", "\xa3\xb5"}) {
        writeBytes(QByteArray("[setting]\r\nhold=") + value + "\r\njitter=" + value + "\r\n");
        const ClickTiming timing = readClickTiming(settings);
        EXPECT_EQ(timing.holdMs, 0) << value;
        EXPECT_EQ(timing.jitterMs, 0) << value;
    }
}

TEST_F(ClickTimingTest, OffValuesLeaveAFileWithoutTheKeysAsItWas) {
    const QByteArray older("[setting]\r\ntime=0.1\r\n");
    writeBytes(older);
    writeClickTiming(settings, QStringLiteral("0"), QString());
    QFile file(ini.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), older);
    file.close();
    // Once set, turning it off must reach the file.
    writeClickTiming(settings, QStringLiteral("80"), QStringLiteral("0"));
    writeClickTiming(settings, QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(ini.readString(QStringLiteral("setting"), QStringLiteral("hold"), {}), QStringLiteral("0"));
    EXPECT_EQ(ini.readString(QStringLiteral("setting"), QStringLiteral("jitter"), QStringLiteral("none")),
              QStringLiteral("none"));
}

TEST(millisecondsOf, TakesDigitsOnly) {
    EXPECT_EQ(millisecondsOf(QStringLiteral("0")), 0);
    EXPECT_EQ(millisecondsOf(QStringLiteral("007")), 7);
    EXPECT_EQ(millisecondsOf(QStringLiteral("12345")), 12345);
    // Full-width and other scripts' digits are digits to Qt, not to us.
    EXPECT_EQ(millisecondsOf(QStringLiteral("１２")), 0);
    EXPECT_EQ(millisecondsOf(QStringLiteral("٣")), 0);
}
