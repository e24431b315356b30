// The database template is checked before it becomes a user's database, and
// each reason a database could not be made ready has a message of its own.

#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

class DatabaseTemplateTest : public testing::Test {
  protected:
    QString path() const { return dir.filePath(QStringLiteral("acdb.mdb")); }

    QString copyOfTheShippedDatabase() {
        QFile::copy(QStringLiteral(LUMO_DATABASE), path());
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        return path();
    }

    void write(const QByteArray &bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs one statement on the file at path() outside the program.
    void alter(const QString &statement) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alter"));
            db.setDatabaseName(path());
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(statement)) << qPrintable(statement);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("alter"));
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DatabaseTemplateTest, TheShippedDatabaseIsUsableAndStaysByteForByte) {
    copyOfTheShippedDatabase();
    QFile before(path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    EXPECT_TRUE(isUsableDatabase(path()));
    QFile after(path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("acdb.mdb")});
}

TEST_F(DatabaseTemplateTest, WhatIsNoSqliteFileIsRefused) {
    EXPECT_FALSE(isUsableDatabase(path())); // missing
    write(QByteArray());
    EXPECT_FALSE(isUsableDatabase(path())); // empty: SQLite would take it for a new database
    write("this is no database, only text");
    EXPECT_FALSE(isUsableDatabase(path()));
    EXPECT_FALSE(isUsableDatabase(dir.path())); // a folder
}

TEST_F(DatabaseTemplateTest, ADamagedFileIsRefused) {
    copyOfTheShippedDatabase();
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 1024);
    // Keep the header, overwrite the pages behind it.
    bytes.replace(100, bytes.size() - 100, QByteArray(bytes.size() - 100, '\xA5'));
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_FALSE(isUsableDatabase(path()));
}

TEST_F(DatabaseTemplateTest, AMissingTableOrColumnIsRefused) {
    copyOfTheShippedDatabase();
    alter(QStringLiteral("drop table tplist"));
    EXPECT_FALSE(isUsableDatabase(path()));
    QFile::remove(path());
    copyOfTheShippedDatabase();
    alter(QStringLiteral("alter table mplist drop column clicknum"));
    EXPECT_FALSE(isUsableDatabase(path()));
    QFile::remove(path());
    copyOfTheShippedDatabase();
    // An extra table or column does no harm.
    alter(QStringLiteral("alter table tplist add column note TEXT"));
    EXPECT_TRUE(isUsableDatabase(path()));
}

TEST_F(DatabaseTemplateTest, EachSetUpProblemHasATrueMessageNamingItsFolderOrFile) {
    const DataLocation location(dir.path());
    EXPECT_TRUE(databaseSetupText(DatabaseSetup::Ready, location).isEmpty());
    EXPECT_TRUE(databaseSetupText(DatabaseSetup::NoHome, location).contains(QStringLiteral("HOME")));
    const std::pair<DatabaseSetup, QString> named[] = {
        {DatabaseSetup::FolderNotWritable, location.dataFolder()},
        {DatabaseSetup::TemplateMissing, location.databaseTemplatePath()},
        {DatabaseSetup::TemplateUnusable, location.databaseTemplatePath()},
        {DatabaseSetup::CopyFailed, location.databaseTemplatePath()}};
    for (const auto &[setup, name] : named) {
        const QString text = databaseSetupText(setup, location);
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(name))) << qPrintable(text);
    }
    // Only a file missing from the program's own folder sends the user to
    // fetch the program again.
    for (const DatabaseSetup setup : {DatabaseSetup::NoHome, DatabaseSetup::FolderNotWritable,
                                      DatabaseSetup::TemplateUnusable, DatabaseSetup::CopyFailed})
        EXPECT_FALSE(databaseSetupText(setup, location).contains(QStringLiteral("下载")));
}
