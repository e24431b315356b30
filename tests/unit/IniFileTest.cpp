#include "storage/IniFile.h"
#include "core/Conversion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
