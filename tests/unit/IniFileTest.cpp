#include "storage/IniFile.h"
#include "core/Conversion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using lumo::IniFile;

namespace {

class IniFileTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    IniFile ini = IniFile::settings(dir.path());

    void writeBytes(const QByteArray &bytes) {
        QFile file(ini.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes() const {
        QFile file(ini.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString read(const char *key, const char *def = "default") const {
        return ini.readString(QStringLiteral("setting"), QString::fromLatin1(key), QString::fromUtf8(def));
    }
};

} // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(read("btn1"), QStringLiteral("default"));
    EXPECT_FALSE(QFile::exists(ini.path()));
    writeBytes("[other]\r\nbtn1=x\r\n");
    EXPECT_EQ(read("btn1"), QStringLiteral("default"));
    writeBytes("[setting]\r\ntime=1\r\n");
    EXPECT_EQ(read("btn1"), QStringLiteral("default"));
}

TEST_F(IniFileTest, AnEmptyValueReadsEmptyAndNamesIgnoreCase) {
    writeBytes("[SETTING]\r\nclick=\r\nXPos = 12 \r\n");
    EXPECT_EQ(read("click"), QString());
    EXPECT_EQ(read("xpos"), QStringLiteral("12"));
}

TEST_F(IniFileTest, ValuesAreCodePage936AndReadsStopAt2047Bytes) {
    writeBytes(QByteArray("[setting]\nbtn1=") + platform::toGbk(QStringLiteral("右键")) +
               "\nlong=" + QByteArray(3000, 'x') + "\n");
    EXPECT_EQ(read("btn1"), QStringLiteral("右键"));
    EXPECT_EQ(read("long").size(), 2047);
}

TEST_F(IniFileTest, TheFirstWriteCreatesOneSectionAndLaterWritesKeepOrder) {
    ini.writeString(QStringLiteral("setting"), QStringLiteral("btn1"), QStringLiteral("左键"));
    ini.writeString(QStringLiteral("setting"), QStringLiteral("btn_type"), QStringLiteral("无"));
    ini.writeString(QStringLiteral("setting"), QStringLiteral("btn1"), QStringLiteral("右键"));
    EXPECT_EQ(bytes(), QByteArray("[setting]\r\nbtn1=") + platform::toGbk(QStringLiteral("右键")) +
                           "\r\nbtn_type=" + platform::toGbk(QStringLiteral("无")) + "\r\n");
}

TEST_F(IniFileTest, WritesKeepOtherSectionsAndAddToTheRightOne) {
    writeBytes("[setting]\r\ntime=1\r\n\r\n[other]\r\nkeep=yes\r\n");
    ini.writeString(QStringLiteral("setting"), QStringLiteral("stophotkey"), QStringLiteral("Ctrl+F9"));
    EXPECT_EQ(bytes(),
              QByteArray("[setting]\r\ntime=1\r\nstophotkey=Ctrl+F9\r\n\r\n[other]\r\nkeep=yes\r\n"));
}

TEST_F(IniFileTest, ARefusedWriteRaisesUnableToWriteAndLeavesTheFileWhole) {
    writeBytes("[setting]\r\ntime=1\r\n");
    const IniFile unwritable(dir.filePath(QStringLiteral("missing-folder/setting.ini")));
    try {
        unwritable.writeString(QStringLiteral("setting"), QStringLiteral("time"), QStringLiteral("2"));
        ADD_FAILURE() << "the write succeeded";
    } catch (const lumo::HandlerError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(unwritable.path()));
    }
    EXPECT_EQ(read("time"), QStringLiteral("1"));
}

// A save owns the lines of its key alone: bytes that are no GBK, line ends
// of either kind and a last line without one all go back as they came.
TEST_F(IniFileTest, AWriteChangesOnlyItsKeysLineAndKeepsEveryOtherByte) {
    const QByteArray before =
        QByteArray("[setting]\nname=\xff\xfe\x80 utf8 \xe4\xbd\xa0\r\ntime=1\n\n[other]\r\n"
                   "raw=\x81\x30\xff\r\nlast=\xc3");
    writeBytes(before);
    ini.writeString(QStringLiteral("setting"), QStringLiteral("time"), QStringLiteral("2"));
    QByteArray expected = before;
    expected.replace("time=1\n", "time=2\n");
    EXPECT_EQ(bytes(), expected);

    // A new key goes after the section's last entry; a new section after a
    // last line that had no line end gives it one.
    ini.writeString(QStringLiteral("setting"), QStringLiteral("click"), QStringLiteral("5"));
    expected.replace("time=2\n", "time=2\nclick=5\r\n");
    EXPECT_EQ(bytes(), expected);
    ini.writeString(QStringLiteral("third"), QStringLiteral("k"), QStringLiteral("v"));
    expected += "\r\n[third]\r\nk=v\r\n";
    EXPECT_EQ(bytes(), expected);
}

TEST_F(IniFileTest, AUtf8ByteOrderMarkIsSkippedWhenReadingAndKeptWhenWriting) {
    writeBytes("\xef\xbb\xbf[setting]\r\ntime=1\r\n");
    EXPECT_EQ(read("time"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("setting"), QStringLiteral("time"), QStringLiteral("3"));
    EXPECT_EQ(bytes(), QByteArray("\xef\xbb\xbf[setting]\r\ntime=3\r\n"));
}

// A pipe would block the read for ever and a device feed it without end:
// both read as a file that cannot be opened, and no write replaces them.
TEST_F(IniFileTest, APipeOrADeviceReadsAsUnreadableAndIsNeverReplaced) {
    const QString expectedError =
        QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(ini.path());
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "pipe" : "/dev/zero");
        QFile::remove(ini.path());
        if (pipe)
            ASSERT_EQ(mkfifo(QFile::encodeName(ini.path()).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), ini.path()));
        EXPECT_EQ(read("time"), QStringLiteral("default"));
        try {
            ini.writeString(QStringLiteral("setting"), QStringLiteral("time"), QStringLiteral("2"));
            ADD_FAILURE() << "the write replaced it";
        } catch (const lumo::HandlerError &error) {
            EXPECT_EQ(error.message(), expectedError);
        }
        struct stat info {};
        ASSERT_EQ(lstat(QFile::encodeName(ini.path()).constData(), &info), 0);
        EXPECT_EQ(pipe ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode), true);
    }
}
