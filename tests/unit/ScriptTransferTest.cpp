// --export and --import on a throwaway copy of the program's database,
// opened as the command line opens it, without windows: rows come back as
// stored, an import is all or nothing, and hotkey clashes are found by key.

#include "storage/ScriptTransfer.h"
#include "core/Conversion.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace lumo {
// Readable failures.
void PrintTo(const HotkeyClash &clash, std::ostream *out) {
    *out << '{' << clash.name.toStdString() << ", " << clash.hotkey.toStdString() << ", "
         << clash.holder.toStdString() << ", " << clash.holderImported << '}';
}
} // namespace lumo

namespace {

class ScriptTransferTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMO_DATABASE), databasePath()));
        QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString databasePath() const { return dir.filePath(QStringLiteral("acdb.mdb")); }
    QString file(const QString &name) const { return dir.filePath(name); }

    Database &open() {
        database = std::make_unique<Database>(DataLocation(dir.path()));
        const QStringList problems = database->setUpConnection();
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
        return *database;
    }
    // Statements straight on the file, before the program's connection opens.
    void alter(const QString &statement) {
        const QString name = QStringLiteral("alter");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(databasePath());
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase(name);
    }
    static ScriptFileContents sample() {
        ScriptFileContents contents;
        contents.scripts = {
            {QStringLiteral("三点"), QStringLiteral("Ctrl+F9"), QStringLiteral("150,160,左键单击,100|"),
             QStringLiteral("1")},
            {QStringLiteral("it's \"x\""), std::nullopt, QStringLiteral(""), QStringLiteral("00")}};
        contents.timed = {{QStringLiteral("08:30:00"), QStringLiteral("1,2,无点击,0|"), std::nullopt}};
        return contents;
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> database;
};

} // namespace

TEST_F(ScriptTransferTest, AddedRowsReadBackInOrderWithTheirNulls) {
    Database &db = open();
    addTransferRows(&db, sample());
    ScriptFileContents twice = sample();
    twice.scripts += sample().scripts;
    twice.timed += sample().timed;
    // Nothing is replaced: a second import of the same rows adds them again.
    addTransferRows(&db, sample());
    EXPECT_EQ(readTransferRows(&db), twice);
}

TEST_F(ScriptTransferTest, HotkeysTakenByExistingOrEarlierScriptsAreClashesByKeyNotSpelling) {
    Database &db = open();
    ScriptFileContents existing;
    existing.scripts = {{QStringLiteral("old"), QStringLiteral("Ctrl+F9"), QString(), QStringLiteral("1")}};
    ASSERT_TRUE(addTransferRows(&db, existing).isEmpty());

    ScriptFileContents incoming;
    const auto script = [](const char *name, const StoredText &hotkey) {
        return TransferredScript{QString::fromUtf8(name), hotkey, QString(), QStringLiteral("1")};
    };
    incoming.scripts = {script("a", QStringLiteral("Ctrl+F09")),
                        script("b", QStringLiteral("F5")),
                        script("c", QStringLiteral("F05")),
                        script("d", QStringLiteral("Alt+F5")),
                        script("e", std::nullopt),
                        script("f", std::nullopt),
                        script("g", QStringLiteral("Fx")),
                        script("h", QStringLiteral("Fx")),
                        script("i", QStringLiteral("Shift+F6")),
                        script("j", QStringLiteral("Shift+F6"))};
    const QList<HotkeyClash> clashes = addTransferRows(&db, incoming);
    const QList<HotkeyClash> expected = {
        {QStringLiteral("a"), QStringLiteral("Ctrl+F09"), QStringLiteral("old"), false},
        {QStringLiteral("c"), QStringLiteral("F05"), QStringLiteral("b"), true}};
    EXPECT_EQ(clashes, expected);
    // Every script is added all the same.
    EXPECT_EQ(readTransferRows(&db).scripts.size(), 1 + incoming.scripts.size());
}

TEST_F(ScriptTransferTest, AFailureHalfwayAddsNothing) {
    // The scripts go in first; the timed tasks are then refused.
    alter(QStringLiteral(
        "create trigger refuse before insert on tplist begin select raise(abort, 'refused'); end"));
    Database &db = open();
    EXPECT_THROW(addTransferRows(&db, sample()), HandlerError);
    EXPECT_TRUE(readTransferRows(&db).scripts.isEmpty());

    {
        QFile in(file(QStringLiteral("in.json")));
        ASSERT_TRUE(in.open(QIODevice::WriteOnly));
        in.write(encodeScriptFile(sample()));
    }
    const TransferOutcome outcome = importScriptFile(&db, file(QStringLiteral("in.json")));
    EXPECT_EQ(outcome.problem, TransferProblem::DatabaseFailed);
    EXPECT_TRUE(outcome.detail.contains(QStringLiteral("refused"))) << outcome.detail.toStdString();
    EXPECT_TRUE(readTransferRows(&db).scripts.isEmpty());
}

TEST_F(ScriptTransferTest, FilesThatCannotBeReadOrWrittenAreNamedAndImportNothing) {
    Database &db = open();
    struct Case {
        QString path;
        QByteArray bytes; // written first unless empty
        qint64 size;      // grown to this size unless 0
        TransferProblem problem;
    };
    const QList<Case> cases = {
        {file(QStringLiteral("missing.json")), {}, 0, TransferProblem::FileUnreadable},
        {dir.path(), {}, 0, TransferProblem::FileUnreadable},
        {QStringLiteral("/dev/zero"), {}, 0, TransferProblem::FileUnreadable},
        {file(QStringLiteral("bad.json")), "{\"format\":\"lumoclick-scripts\"", 0,
         TransferProblem::FileMalformed},
        {file(QStringLiteral("big.json")), " ", kMaxScriptFileBytes + 1, TransferProblem::FileTooLarge},
    };
    for (const Case &c : cases) {
        if (!c.bytes.isEmpty()) {
            QFile out(c.path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(c.bytes);
            if (c.size > 0)
                out.resize(c.size);
        }
        const TransferOutcome outcome = importScriptFile(&db, c.path);
        EXPECT_EQ(outcome.problem, c.problem) << c.path.toStdString();
        EXPECT_FALSE(outcome.detail.isEmpty()) << c.path.toStdString();
    }
    EXPECT_TRUE(readTransferRows(&db).scripts.isEmpty());
    EXPECT_TRUE(readTransferRows(&db).timed.isEmpty());

    const TransferOutcome nowhere = exportScriptFile(&db, file(QStringLiteral("no/such/folder/out.json")));
    EXPECT_EQ(nowhere.problem, TransferProblem::FileUnwritable);
    EXPECT_FALSE(nowhere.detail.isEmpty());
}

TEST_F(ScriptTransferTest, WithoutWindowsAMissingOrIncompleteDatabaseIsReportedNotShown) {
    QFile::remove(databasePath());
    Database missing{DataLocation(dir.path())};
    EXPECT_FALSE(missing.setUpConnection().isEmpty());

    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMO_DATABASE), databasePath()));
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    alter(QStringLiteral("drop table tplist"));
    Database incomplete{DataLocation(dir.path())};
    const QStringList problems = incomplete.setUpConnection();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QStringLiteral("tplist"))) << problems.front().toStdString();
    EXPECT_THROW(readTransferRows(&incomplete), HandlerError);
    EXPECT_THROW(addTransferRows(&incomplete, sample()), HandlerError);
}
