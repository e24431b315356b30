// The mplist and tplist statements on a throwaway copy of the program's
// database.

#include "storage/ScriptStore.h"
#include "core/Conversion.h"
#include "platform/fake/FakePlatform.h"
#include "storage/Database.h"
#include "storage/TimedStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

class ScriptStoreTest : public testing::Test {
  protected:
    void SetUp() override {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("acdb.mdb"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMO_DATABASE), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<Database>(fake.services(), dir.path(), nullptr);
        dm->setUpConnection();
        database = dm.get();
    }

    QList<ScriptRow> all() {
        QList<ScriptRow> rows;
        selectAllScripts(database, [&](const ScriptRow &row) { rows << row; });
        return rows;
    }

    QTemporaryDir dir;
    platform::fake::FakeBackend fake;
    std::unique_ptr<Database> dm;
    Database *database = nullptr;
};

} // namespace

TEST_F(ScriptStoreTest, InsertedScriptsReadBackColumnByColumnAndByName) {
    insertScript(database, QStringLiteral("脚本一"), QStringLiteral("Ctrl+F6"),
                 QStringLiteral("100,200,左键单击,20|350,80,右键双击,500|"), QStringLiteral("00"));
    insertScript(database, QStringLiteral("it's \"quoted\""), QStringLiteral("F6"), QString(),
                 QStringLiteral("3"));

    const QList<ScriptRow> rows = all();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].id, QStringLiteral("1"));
    EXPECT_EQ(rows[0].name, QStringLiteral("脚本一"));
    EXPECT_EQ(rows[0].hotkey, QStringLiteral("Ctrl+F6"));
    EXPECT_EQ(rows[0].steps, QStringLiteral("100,200,左键单击,20|350,80,右键双击,500|"));
    EXPECT_EQ(rows[0].cycles, QStringLiteral("00"));
    EXPECT_EQ(rows[1].id, QStringLiteral("2"));
    EXPECT_EQ(rows[1].name, QStringLiteral("it's \"quoted\""));
    // A script without steps stores the empty text, not NULL.
    EXPECT_EQ(rows[1].steps, QString());

    EXPECT_TRUE(scriptNameTaken(database, QStringLiteral("脚本一")));
    EXPECT_FALSE(scriptNameTaken(database, QStringLiteral("脚本")));
    EXPECT_FALSE(scriptNameTaken(database, QStringLiteral("' or '1'='1")));
}

TEST_F(ScriptStoreTest, UpdateRewritesOnlyTheNamedScriptAndKeepsItsId) {
    insertScript(database, QStringLiteral("a"), QStringLiteral("F2"), QStringLiteral("1,2,无点击,0|"),
                 QStringLiteral("1"));
    insertScript(database, QStringLiteral("b"), QStringLiteral("F3"), QStringLiteral("3,4,无点击,0|"),
                 QStringLiteral("2"));
    updateScript(database, QStringLiteral("b"), QStringLiteral("Alt+F4"), QStringLiteral("5,6,左键单击,7|"),
                 QStringLiteral("9"));

    const QList<ScriptRow> rows = all();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].hotkey, QStringLiteral("F2"));
    EXPECT_EQ(rows[0].steps, QStringLiteral("1,2,无点击,0|"));
    EXPECT_EQ(rows[1].id, QStringLiteral("2"));
    EXPECT_EQ(rows[1].name, QStringLiteral("b"));
    EXPECT_EQ(rows[1].hotkey, QStringLiteral("Alt+F4"));
    EXPECT_EQ(rows[1].steps, QStringLiteral("5,6,左键单击,7|"));
    EXPECT_EQ(rows[1].cycles, QStringLiteral("9"));
}

TEST_F(ScriptStoreTest, DeleteByIdTextRemovesThatRowOnly) {
    for (const char *name : {"a", "b", "c"})
        insertScript(database, QLatin1String(name), QStringLiteral("F2"), QString(), QStringLiteral("1"));
    deleteScript(database, QStringLiteral("2"));
    // An id text that is no number matches nothing and deletes nothing.
    deleteScript(database, QStringLiteral("1 or 1=1"));

    const QList<ScriptRow> rows = all();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].id, QStringLiteral("1"));
    EXPECT_EQ(rows[1].id, QStringLiteral("3"));
}

TEST_F(ScriptStoreTest, ARowWithANullCellIsSkippedAndNamedAndTheRowsAfterItLoad) {
    insertScript(database, QStringLiteral("good"), QStringLiteral("F2"), QString(), QStringLiteral("1"));
    DbQuery partial(database);
    partial.setStatement(QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint) values (:a,:b,:c)"));
    partial.setParam(QStringLiteral("a"), QStringLiteral("no cycles"));
    partial.setParam(QStringLiteral("b"), QStringLiteral("F3"));
    partial.setParam(QStringLiteral("c"), QString());
    partial.execute();
    insertScript(database, QStringLiteral("after"), QStringLiteral("F4"), QString(), QStringLiteral("2"));

    QStringList visited;
    const QList<SkippedRow> skipped =
        selectAllScripts(database, [&](const ScriptRow &row) { visited << row.name; });
    EXPECT_EQ(visited, (QStringList{QStringLiteral("good"), QStringLiteral("after")}));
    ASSERT_EQ(skipped.size(), 1);
    EXPECT_EQ(skipped[0],
              (SkippedRow{QStringLiteral("mplist"), QStringLiteral("2"), QStringLiteral("no cycles")}));
}

TEST_F(ScriptStoreTest, ANullNameOrIdStillNamesTheSkippedRow) {
    DbQuery query(database);
    query.setStatement(
        QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
    query.setParam(QStringLiteral("a"), QStringLiteral("x"));
    query.setParam(QStringLiteral("b"), QStringLiteral("F2"));
    query.setParam(QStringLiteral("c"), QString());
    query.setParam(QStringLiteral("d"), QStringLiteral("1"));
    query.execute();
    query.setStatement(QStringLiteral("update [mplist] set mpname=NULL, hotkey=NULL"));
    query.execute();
    const QList<SkippedRow> skipped = selectAllScripts(database, [](const ScriptRow &) { FAIL(); });
    ASSERT_EQ(skipped.size(), 1);
    EXPECT_EQ(skipped[0].id, QStringLiteral("1"));
    EXPECT_TRUE(skipped[0].name.isEmpty());
    const QString text = skippedRowsText(skipped);
    EXPECT_TRUE(text.contains(QStringLiteral("id 1"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("多点脚本列表"))) << qPrintable(text);
}

using TimedStoreTest = ScriptStoreTest;

// Each value lands in its own column, an update touches only its row, and a
// row with a NULL cell is named instead of loaded.
TEST_F(TimedStoreTest, TasksRoundTripColumnByColumnAndANullRowIsSkipped) {
    insertTimedTask(database, QStringLiteral("9:00:00"), QStringLiteral("1,2,左键单击,20|"),
                    QStringLiteral("3"));
    insertTimedTask(database, QStringLiteral("it's 10:00"), QStringLiteral("5,6,右键双击,7|"),
                    QStringLiteral("4"));
    updateTimedTask(database, QStringLiteral("2"), QStringLiteral("11:30:00"),
                    QStringLiteral("8,9,无点击,0|"), QStringLiteral("12"));
    DbQuery broken(database);
    broken.setStatement(QStringLiteral(
        "insert into [tplist] (tpname,mpoint,nums) values ('12:00:00','1,1,左键单击,1|',NULL)"));
    broken.execute();

    QList<TimedRow> rows;
    const QList<SkippedRow> skipped =
        selectAllTimedTasks(database, [&](const TimedRow &row) { rows << row; });
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].id, QStringLiteral("1"));
    EXPECT_EQ(rows[0].time, QStringLiteral("9:00:00"));
    EXPECT_EQ(rows[0].steps, QStringLiteral("1,2,左键单击,20|"));
    EXPECT_EQ(rows[0].cycles, QStringLiteral("3"));
    EXPECT_EQ(rows[1].id, QStringLiteral("2"));
    EXPECT_EQ(rows[1].time, QStringLiteral("11:30:00"));
    EXPECT_EQ(rows[1].steps, QStringLiteral("8,9,无点击,0|"));
    EXPECT_EQ(rows[1].cycles, QStringLiteral("12"));
    EXPECT_EQ(skipped, (QList<SkippedRow>{
                           {QStringLiteral("tplist"), QStringLiteral("3"), QStringLiteral("12:00:00")}}));

    deleteTimedTask(database, QStringLiteral("1"));
    rows.clear();
    selectAllTimedTasks(database, [&](const TimedRow &row) { rows << row; });
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].id, QStringLiteral("2"));
}
