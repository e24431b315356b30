#include "storage/Database.h"
#include "core/Conversion.h"
#include "core/MainContext.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

class DatabaseTest : public testing::Test {
  protected:
    void start(bool withDatabase = true) {
        if (withDatabase) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(LUMO_DATABASE), path()));
        }
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<Database>(fake.services(), dir.path(), nullptr);
        dm->setUpConnection();
    }
    QString path() const { return QDir(dir.path()).filePath(QStringLiteral("acdb.mdb")); }

    void insertScript(const QString &name, const QString &hotkey, const QString &steps,
                      const QString &cycles) {
        DbQuery query(dm.get());
        query.setStatement(
            QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
        query.setParam(QStringLiteral("a"), name);
        query.setParam(QStringLiteral("b"), hotkey);
        query.setParam(QStringLiteral("c"), steps);
        query.setParam(QStringLiteral("d"), cycles);
        query.execute();
    }

    QTemporaryDir dir;
    platform::fake::FakeBackend fake;
    std::unique_ptr<Database> dm;
};

} // namespace

TEST_F(DatabaseTest, RowsRoundTripByColumnPositionAsText) {
    start();
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    insertScript(QStringLiteral("脚本一"), QStringLiteral("Ctrl+F6"), QStringLiteral("100,200,左键单击,20|"),
                 QStringLiteral("00"));
    // A value that would break a pasted statement is stored as it was typed.
    insertScript(QStringLiteral("x'); drop table mplist; --"), QStringLiteral("F6"), QString(),
                 QStringLiteral("3"));

    DbQuery query(dm.get());
    query.setStatement(QStringLiteral("select * from [mplist]"));
    query.open();
    ASSERT_EQ(query.recordCount(), 2);
    EXPECT_EQ(query.text(0, 0), QStringLiteral("1"));
    EXPECT_EQ(query.text(0, 1), QStringLiteral("脚本一"));
    EXPECT_EQ(query.text(0, 2), QStringLiteral("Ctrl+F6"));
    EXPECT_EQ(query.text(0, 3), QStringLiteral("100,200,左键单击,20|"));
    EXPECT_EQ(query.text(0, 4), QStringLiteral("00"));
    EXPECT_EQ(query.text(1, 1), QStringLiteral("x'); drop table mplist; --"));
    EXPECT_EQ(query.text(1, 3), QString());

    // The id is bound as text and still finds its row.
    DbQuery remove(dm.get());
    remove.setStatement(QStringLiteral("delete from [mplist] where id=:a"));
    remove.setParam(QStringLiteral("a"), QStringLiteral("1"));
    remove.execute();
    query.open();
    ASSERT_EQ(query.recordCount(), 1);
    EXPECT_EQ(query.text(0, 0), QStringLiteral("2"));
}

TEST_F(DatabaseTest, NullColumnFailsTheReadWithTheConversionError) {
    start();
    DbQuery insert(dm.get());
    insert.setStatement(QStringLiteral("insert into [tplist] (tpname,mpoint) values(:a,:b)"));
    insert.setParam(QStringLiteral("a"), QStringLiteral("9:05:03"));
    insert.setParam(QStringLiteral("b"), QStringLiteral("1,2,左键单击,20|"));
    insert.execute();

    DbQuery query(dm.get());
    query.setStatement(QStringLiteral("select * from [tplist]"));
    query.open();
    ASSERT_EQ(query.recordCount(), 1);
    EXPECT_EQ(query.text(0, 2), QStringLiteral("1,2,左键单击,20|"));
    try {
        query.text(0, 3);
        FAIL() << "a NULL column must not read as text";
    } catch (const HandlerError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Could not convert variant of type (Null) into type (String)"));
    }
}

TEST_F(DatabaseTest, MissingFileIsReportedAndNeverCreated) {
    start(false);
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    const auto &box = fake.messageBoxes.shown().front();
    EXPECT_FALSE(box.hadOwner);
    EXPECT_EQ(box.caption, QStringLiteral("提示"));
    EXPECT_EQ(box.buttons, platform::Buttons::Ok);
    EXPECT_EQ(box.icon, platform::Icon::Information);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("软件出错,没有找到所需的数据文件，请到")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("重新下载过软件.")));

    DbQuery query(dm.get());
    query.setStatement(QStringLiteral("select * from [mplist]"));
    EXPECT_THROW(query.open(), HandlerError);
    EXPECT_THROW(query.open(), HandlerError);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(DatabaseTest, FailingStatementReportsTheDriverText) {
    start();
    DbQuery query(dm.get());
    query.setStatement(QStringLiteral("select * from [nosuchtable]"));
    try {
        query.open();
        FAIL() << "a bad statement must fail";
    } catch (const HandlerError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("nosuchtable"))) << error.message().toStdString();
    }
}

namespace {

// Runs the statements on a database file of the test's own making.
void makeDatabase(const QString &path, const QStringList &statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString &statement : statements)
            ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

} // namespace

TEST_F(DatabaseTest, TheSchemaCheckNamesEveryMissingTableAndColumnOnce) {
    makeDatabase(path(), {QStringLiteral("create table MPLIST (ID integer, mpname text, mpoint text)"),
                          QStringLiteral("create table other (nums text)")});
    start(false);
    const QList<MissingSchemaPart> expected = {{QStringLiteral("mplist"), QStringLiteral("hotkey")},
                                               {QStringLiteral("mplist"), QStringLiteral("clicknum")},
                                               {QStringLiteral("tplist"), QString()}};
    EXPECT_EQ(missingSchemaParts(dm->connection()), expected);
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    const auto &box = fake.messageBoxes.shown().front();
    EXPECT_EQ(box.caption, QStringLiteral("提示"));
    EXPECT_EQ(box.text, missingSchemaText(expected));
    for (const char *named :
         {"数据表 mplist 缺少 hotkey 列", "数据表 mplist 缺少 clicknum 列", "缺少数据表 tplist",
          "多点脚本列表和定时任务列表将保持为空", "请从备份中恢复 acdb.mdb"})
        EXPECT_TRUE(box.text.contains(QString::fromUtf8(named))) << named;
    EXPECT_FALSE(dm->tableReadable(QStringLiteral("mplist")));
    EXPECT_FALSE(dm->tableReadable(QStringLiteral("tplist")));
}

TEST_F(DatabaseTest, TheShippedDatabasePassesTheCheckAndAFileThatIsNoDatabaseIsLeftToItsStatements) {
    start();
    EXPECT_TRUE(missingSchemaParts(dm->connection()).isEmpty());
    EXPECT_TRUE(dm->tableReadable(QStringLiteral("mplist")));
    EXPECT_TRUE(dm->tableReadable(QStringLiteral("tplist")));

    QFile garbage(dir.filePath(QStringLiteral("garbage.mdb")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    Database other(fake.services(), dir.path(), nullptr);
    QFile::remove(path());
    QFile::rename(garbage.fileName(), path());
    fake.messageBoxes.clear();
    other.setUpConnection();
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    EXPECT_TRUE(other.tableReadable(QStringLiteral("mplist")));
}

TEST_F(DatabaseTest, ColumnsReadByNameAndAColumnTheRowLacksRaisesInsteadOfCrashing) {
    start();
    insertScript(QStringLiteral("a"), QStringLiteral("F6"), QStringLiteral("1,2,左键单击,20|"),
                 QStringLiteral("3"));
    DbQuery query(dm.get());
    query.setStatement(QStringLiteral("select mpoint, id from [mplist]"));
    query.open();
    ASSERT_EQ(query.recordCount(), 1);
    EXPECT_EQ(query.text(0, QStringLiteral("ID")), QStringLiteral("1"));
    EXPECT_EQ(query.text(0, QStringLiteral("mpoint")), QStringLiteral("1,2,左键单击,20|"));
    EXPECT_THROW(query.text(0, QStringLiteral("clicknum")), HandlerError);
    EXPECT_THROW(query.text(0, 2), HandlerError);
    EXPECT_THROW(query.text(1, 0), HandlerError);
}
