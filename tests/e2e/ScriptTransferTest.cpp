// --export FILE and --import FILE from a later start: with no program
// running they work on the database file itself, without a display; with
// one running they go through it, and its list shows the imported scripts
// at once. Either way the tables come back as sqlite3 dumps them, byte for
// byte, and a file that is no script file imports nothing.

#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using CommandRun = e2e::ProgramFolder::Run;

const QList<QPair<QString, QString>> kNoDisplay = {{QStringLiteral("DISPLAY"), QString()}};

class ScriptTransferTest : public e2e::PrivateRuntimeTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(caller_.isValid());
        e2e::PrivateRuntimeTest::SetUp();
    }

    static QString databaseOf(const e2e::ProgramFolder &folder) {
        return folder.path() + QStringLiteral("/acdb.mdb");
    }
    // Both tables as the sqlite3 shell writes them out.
    static QByteArray dump(const QString &database) {
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {database, QStringLiteral(".dump mplist tplist")});
        if (!sqlite.waitForFinished(10000) || sqlite.exitCode() != 0)
            return QByteArrayLiteral("sqlite3 failed: ") + sqlite.readAllStandardError();
        return sqlite.readAllStandardOutput();
    }
    // Scripts and tasks with Chinese, quotes, separators, a tab, a
    // character beyond the basic plane, empty texts and NULL cells.
    static void storeSamples(const QString &database) {
        ASSERT_TRUE(e2e::storeScript(database, QStringLiteral("Ctrl+F9"),
                                     QStringLiteral("150,160,左键单击,100|350,260,中键单击,100|"),
                                     QStringLiteral("1"), QStringLiteral("三点")));
        ASSERT_TRUE(e2e::storeScript(database, QStringLiteral("F10"), QStringLiteral("700,500,左键单击,100|"),
                                     QStringLiteral("00"), QStringLiteral("it's \"odd\" \\ |,; 😀\tend")));
        ASSERT_TRUE(e2e::storeScript(database, QStringLiteral("Alt+F11"), QString(), QStringLiteral("2"),
                                     QStringLiteral("空步骤")));
        ASSERT_TRUE(e2e::storeScript(database, QStringLiteral(""), QStringLiteral("1,1,无点击,0|"),
                                     QStringLiteral("1"), QStringLiteral("")));
        ASSERT_TRUE(e2e::storeTimedTask(database, QStringLiteral("08:30:00"),
                                        QStringLiteral("100,100,左键单击,10|"), QStringLiteral("3")));
        ASSERT_TRUE(e2e::storeTimedTask(database, QStringLiteral("下午 1:05:09"),
                                        QStringLiteral("1,2,右键双击,50|"), QString()));
    }
    // What --list prints for them: the script with a NULL cell is not listed.
    static QString sampleList() {
        return QStringLiteral("三点\tCtrl+F9\t未启用\n"
                              "it's \"odd\" \\ |,; 😀\tend\tF10\t未启用\n"
                              "\t\t未启用\n");
    }

    CommandRun command(const QStringList &arguments,
                       const QList<QPair<QString, QString>> &changes = {}) const {
        return folder_.runAgain(arguments, 15000, changes, caller_.path());
    }
    QString callerFile(const QString &name) const { return caller_.filePath(name); }
    // --list until it prints lines lines: the running program refreshes its
    // list just after it answered the import.
    QString listOf(int lines) const {
        QString output;
        for (int attempt = 0; attempt < 20; ++attempt) {
            output = command({QStringLiteral("--list")}).output;
            if (output.count(QLatin1Char('\n')) >= lines)
                break;
            QThread::msleep(100);
        }
        return output;
    }

    QTemporaryDir caller_; // the later starts' own current folder
};

TEST_F(ScriptTransferTest, WithoutAProgramTheFilesAreUsedDirectlyAndNeedNoDisplay) {
    storeSamples(databaseOf(folder_));
    const QByteArray original = dump(databaseOf(folder_));
    ASSERT_TRUE(original.contains("INSERT INTO mplist")) << original.toStdString();
    ASSERT_TRUE(original.contains("NULL")) << original.toStdString();

    // A relative name is the caller's, not the program folder's.
    const CommandRun exported =
        command({QStringLiteral("--export"), QStringLiteral("scripts.json")}, kNoDisplay);
    ASSERT_EQ(exported.exitCode.value_or(-1), 0) << exported.output.toStdString();
    EXPECT_EQ(exported.output, QStringLiteral("lumoclick: 已把 4 个脚本和 2 个定时任务导出到 %1。\n")
                                   .arg(callerFile(QStringLiteral("scripts.json"))));
    QFile file(callerFile(QStringLiteral("scripts.json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\"format\": \"lumoclick-scripts\"")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(QStringLiteral("\"name\": \"三点\"").toUtf8())) << bytes.toStdString();
    EXPECT_FALSE(QFile::exists(folder_.path() + QStringLiteral("/scripts.json")));

    e2e::ProgramFolder empty;
    ASSERT_TRUE(empty.isValid());
    const CommandRun imported = empty.runAgain({QStringLiteral("--import"), QStringLiteral("scripts.json")},
                                               15000, kNoDisplay, caller_.path());
    ASSERT_EQ(imported.exitCode.value_or(-1), 0) << imported.output.toStdString();
    EXPECT_EQ(imported.output, QStringLiteral("lumoclick: 已从 %1 导入 4 个脚本和 2 个定时任务。\n")
                                   .arg(callerFile(QStringLiteral("scripts.json"))));
    EXPECT_EQ(dump(databaseOf(empty)), original);
    EXPECT_EQ(dump(databaseOf(folder_)), original);
}

TEST_F(ScriptTransferTest, ThroughTheRunningProgramItsListShowsTheImportAndClashesAreNamed) {
    e2e::ProgramFolder source;
    ASSERT_TRUE(source.isValid());
    storeSamples(databaseOf(source));
    const QByteArray original = dump(databaseOf(source));
    ASSERT_TRUE(original.contains("INSERT INTO tplist")) << original.toStdString();
    const QString exportedPath = callerFile(QStringLiteral("from-source.json"));
    ASSERT_EQ(
        source.runAgain({QStringLiteral("--export"), exportedPath}, 15000, kNoDisplay).exitCode.value_or(-1),
        0);

    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    const CommandRun before = command({QStringLiteral("--list")});
    ASSERT_EQ(before.exitCode.value_or(-1), 0) << before.output.toStdString();
    ASSERT_EQ(before.output, QString());

    const CommandRun imported = command({QStringLiteral("--import"), QStringLiteral("from-source.json")});
    ASSERT_EQ(imported.exitCode.value_or(-1), 0) << imported.output.toStdString();
    EXPECT_EQ(imported.output,
              QStringLiteral("lumoclick: 已从 %1 导入 4 个脚本和 2 个定时任务。\n").arg(exportedPath));
    // Only the running program's list can show rows it did not read at start.
    EXPECT_EQ(listOf(3), sampleList());
    EXPECT_EQ(dump(databaseOf(folder_)), original);

    // Exported by the running program, the same file.
    const CommandRun exported = command({QStringLiteral("--export"), QStringLiteral("from-program.json")});
    ASSERT_EQ(exported.exitCode.value_or(-1), 0) << exported.output.toStdString();
    QFile first(exportedPath);
    QFile second(callerFile(QStringLiteral("from-program.json")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), first.readAll());

    // The same file again: every script is added once more, and each whose
    // hotkey an existing script holds is named.
    const CommandRun again = command({QStringLiteral("--import"), exportedPath});
    ASSERT_EQ(again.exitCode.value_or(-1), 0) << again.output.toStdString();
    for (const QString &clash :
         {QStringLiteral("导入的脚本“三点”的热键 Ctrl+F9 已被现有的脚本“三点”使用"),
          QStringLiteral("导入的脚本“it's \"odd\" \\ |,; 😀\tend”的热键 F10 已被现有的脚本“it's \"odd\" \\ "
                         "|,; 😀\tend”使用"),
          QStringLiteral("导入的脚本“空步骤”的热键 Alt+F11 已被现有的脚本“空步骤”使用")})
        EXPECT_TRUE(again.output.contains(clash)) << again.output.toStdString();
    EXPECT_EQ(again.output.count(QStringLiteral("已被")), 3) << again.output.toStdString();
    EXPECT_EQ(listOf(6), sampleList() + sampleList());

    // In English when the caller's language is.
    const CommandRun english = command({QStringLiteral("--import"), exportedPath},
                                       {{QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8")}});
    ASSERT_EQ(english.exitCode.value_or(-1), 0) << english.output.toStdString();
    EXPECT_TRUE(english.output.contains(QStringLiteral("hotkey Ctrl+F9 of the imported script “三点”")))
        << english.output.toStdString();
}

TEST_F(ScriptTransferTest, AFileThatIsNoScriptFileImportsNothingWithOrWithoutAProgram) {
    storeSamples(databaseOf(folder_));
    const QByteArray original = dump(databaseOf(folder_));
    ASSERT_EQ(
        command({QStringLiteral("--export"), QStringLiteral("good.json")}, kNoDisplay).exitCode.value_or(-1),
        0);
    QFile good(callerFile(QStringLiteral("good.json")));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    QFile broken(callerFile(QStringLiteral("broken.json")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    // Cut short in the middle of the timed tasks: the scripts before the
    // cut must not come in either.
    broken.write(good.readAll().chopped(40));
    broken.close();

    const auto refused = [&](const QString &when, const QList<QPair<QString, QString>> &changes) {
        const CommandRun run = command({QStringLiteral("--import"), QStringLiteral("broken.json")}, changes);
        EXPECT_EQ(run.exitCode.value_or(-1), 1) << when.toStdString() << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("不是 lumoclick 的脚本文件")))
            << when.toStdString() << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("没有导入任何内容"))) << run.output.toStdString();
        const CommandRun missing =
            command({QStringLiteral("--import"), QStringLiteral("missing.json")}, changes);
        EXPECT_EQ(missing.exitCode.value_or(-1), 1) << when.toStdString() << missing.output.toStdString();
        EXPECT_TRUE(missing.output.contains(QStringLiteral("无法读取文件"))) << missing.output.toStdString();
        const CommandRun nameless = command({QStringLiteral("--import")}, changes);
        EXPECT_EQ(nameless.exitCode.value_or(-1), 1) << nameless.output.toStdString();
        EXPECT_TRUE(nameless.output.contains(QStringLiteral("--import 后面要写文件名")))
            << nameless.output.toStdString();
        EXPECT_EQ(dump(databaseOf(folder_)), original) << when.toStdString();
    };
    refused(QStringLiteral("without a program"), kNoDisplay);
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    refused(QStringLiteral("with a program"), {});
    EXPECT_EQ(listOf(3), sampleList());
}

} // namespace
