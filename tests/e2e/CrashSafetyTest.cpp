// The program's storage killed with SIGKILL at random moments while it
// saves: setting.ini and acdb.mdb are whole afterwards, and the program
// still starts in the folder. The saves are made by store_writer, which runs
// the program's own IniFile and ScriptStore code without end, since driving
// the window a hundred times would take minutes.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kKills = 50;
const char *const kKeys[] = {"btn1", "btn_type", "time", "hotkey1", "hotkey2", "click", "xpos", "ypos"};

// Starts store_writer, lets it save for a random time and kills it.
void killDuringSaves(const QString &mode, const QString &folder) {
    e2e::Helper writer(e2e::storeWriterPath(), {mode, folder});
    ASSERT_EQ(writer.readLine(), QStringLiteral("ready"));
    QThread::msleep(5 + QRandomGenerator::global()->bounded(150));
    ASSERT_TRUE(writer.isRunning());
    writer.kill();
}

QStringList lines(const QByteArray &bytes) {
    return QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
}

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class CrashSafetyTest : public e2e::ProgramTest {
  protected:
    // The program still comes up in the folder after the kills.
    void expectTheProgramStarts() {
        EXPECT_NE(startProgram().window, 0UL) << folder_.output().toStdString();
        folder_.stop();
    }
};

} // namespace

TEST_F(CrashSafetyTest, SettingsKilledMidSaveHoldOldOrNewValuesAndKeepForeignLines) {
    // A key of another section in another code page: no save owns it.
    const QByteArray foreign = QByteArrayLiteral("[other]\r\nkeep=\xff\xfe\x80\r\n");
    QByteArray old = "[setting]\r\n";
    for (const char *key : kKeys)
        old += QByteArray(key) + "=old\r\n";
    ASSERT_TRUE(folder_.writeSettings(old + foreign));
    const QStringList files = filesIn(folder_.path());
    int leftovers = 0;
    const QString path = folder_.path() + QStringLiteral("/setting.ini");
    const QRegularExpression value(QStringLiteral("^(old|new\\d+)$"));
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        killDuringSaves(QStringLiteral("settings"), folder_.path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.endsWith(foreign)) << bytes.toStdString();
        const QStringList all = lines(bytes);
        // Nine lines of [setting], two of [other] and the empty rest after
        // the last line end.
        ASSERT_EQ(all.size(), 12) << bytes.toStdString();
        EXPECT_EQ(all[0], QStringLiteral("[setting]"));
        for (int i = 0; i < 8; ++i) {
            const QString line = all[i + 1];
            EXPECT_TRUE(line.startsWith(QLatin1String(kKeys[i]) + QLatin1Char('='))) << line.toStdString();
            EXPECT_TRUE(value.match(line.section(QLatin1Char('='), 1)).hasMatch()) << line.toStdString();
        }
        // A save killed before its rename leaves its unfinished copy beside
        // the file; nothing reads it, and the file itself stays whole.
        QStringList left = filesIn(folder_.path());
        leftovers = static_cast<int>(left.removeIf(
            [](const QString &name) { return name.startsWith(QStringLiteral("setting.ini.")); }));
        ASSERT_EQ(left, files);
    }
    std::printf("%d unfinished copies of setting.ini left by %d kills\n", leftovers, kKills);
    expectTheProgramStarts();
}

TEST_F(CrashSafetyTest, ScriptsKilledMidInsertLeaveAWholeDatabaseOfWholeRows) {
    const QString path = folder_.path() + QStringLiteral("/acdb.mdb");
    const QStringList files = filesIn(folder_.path());
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        killDuringSaves(QStringLiteral("scripts"), folder_.path());
        // Opened as the next start opens it: a journal left by the kill is
        // rolled back first.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        {
            QSqlQuery check(db);
            ASSERT_TRUE(check.exec(QStringLiteral("pragma integrity_check")));
            ASSERT_TRUE(check.next());
            EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
            QSqlQuery rows(db);
            ASSERT_TRUE(rows.exec(QStringLiteral("select mpname, hotkey, mpoint, clicknum from mplist")));
            while (rows.next()) {
                const QString name = rows.value(0).toString();
                ASSERT_TRUE(name.startsWith(QStringLiteral("script"))) << name.toStdString();
                const QString n = name.mid(6);
                EXPECT_EQ(rows.value(1).toString(), QStringLiteral("F8"));
                const QString steps = rows.value(2).toString();
                EXPECT_EQ(steps.count(QLatin1Char('|')), 200) << name.toStdString();
                EXPECT_TRUE(steps.startsWith(n + QStringLiteral(",0,左键单击,20|")));
                EXPECT_TRUE(steps.endsWith(n + QStringLiteral(",199,左键单击,20|")));
                EXPECT_EQ(rows.value(3).toString(), QStringLiteral("1"));
            }
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        // SQLite leaves a journal that a kill cut short before its header was
        // written; it holds nothing and the next transaction reuses it.
        QStringList left = filesIn(folder_.path());
        left.removeAll(QStringLiteral("acdb.mdb-journal"));
        ASSERT_EQ(left, files);
    }
    expectTheProgramStarts();
}
