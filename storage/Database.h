#pragma once
// The data module: the one connection to acdb.mdb beside the executable, and
// the query every list and editor runs its statements through.

#include "core/DataLocation.h"
#include "platform/Platform.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class QSqlDatabase;

namespace lumo {

class Database final : public QObject {
  public:
    Database(platform::Services &os, DataLocation location, QObject *parent);
    // For a start without windows (--export, --import): nothing is shown,
    // setUpConnection() only returns what it found.
    explicit Database(DataLocation location, QObject *parent = nullptr);
    ~Database() override;

    // Checks for the database file; a missing one is reported and start-up
    // goes on, every later statement failing with the driver's text. A file
    // that lacks a table or column the program reads is reported once here,
    // and the lists of the tables concerned stay empty. Returns the texts of
    // those reports, none when all is well.
    QStringList setUpConnection();

    // False for a table found lacking at start-up: reading it would fail on
    // every row, so its list is left empty instead.
    bool tableReadable(const QString &table) const { return !unreadableTables_.contains(table); }

    QString databasePath() const;
    // The connection, opened the first time a statement runs and kept open.
    // Raises HandlerError with the driver's text when it cannot open; it
    // never creates the file.
    QSqlDatabase connection();

  private:
    // Shows problem where there is someone to show it to, and keeps it.
    void report(const QString &problem, platform::Icon icon);
    void checkSchema();

    platform::MessageBoxes *notices_ = nullptr; // none without windows
    QStringList problems_;
    DataLocation location_;
    QString connectionName_;
    QSet<QString> unreadableTables_;
};

// A table or one of its columns that the file lacks; column is empty when
// the whole table is missing.
struct MissingSchemaPart {
    QString table;
    QString column;
    bool operator==(const MissingSchemaPart &) const = default;
};

// The tables and columns of resources/schema.sql that db lacks.
QList<MissingSchemaPart> missingSchemaParts(const QSqlDatabase &db);
// The one message that names them and what the user can do about it.
QString missingSchemaText(const QList<MissingSchemaPart> &missing);

// One statement at a time on the shared connection: set the statement, bind
// its named parameters as text, then execute it or open it and read the
// rows by column name.
class DbQuery {
  public:
    explicit DbQuery(Database *database);

    void setStatement(const QString &statement);
    // name without the colon: "name", "steps", ...
    void setParam(const QString &name, const QString &value);
    // The same, binding NULL for nothing: for copying cells as they are.
    void setNullableParam(const QString &name, const std::optional<QString> &value);
    // insert, update, delete
    void execute();
    // select: every row is read at once, so a later change to the table
    // does not disturb a caller walking the rows.
    void open();

    int recordCount() const { return static_cast<int>(rows_.size()); }
    // A column of a row as text; NULL raises the conversion error, and a
    // column the statement did not give raises HandlerError naming it.
    QString text(int row, const QString &column) const;
    // The same by position, for statements that name their columns.
    QString text(int row, int column) const;
    // Whether any of these columns of a row holds NULL (or is not given).
    bool anyNull(int row, const QStringList &columns) const;
    // A column as text, or fallback for NULL or a column not given.
    QString textOr(int row, const QString &column, const QString &fallback) const;

  private:
    void run(bool select);

    Database *database_;
    QString statement_;
    QList<std::pair<QString, QString>> params_;
    QStringList columns_;
    QList<QVariantList> rows_;
};

QString missingDatabaseText();

// Whether the file at path opens as an SQLite database, passes its quick
// check and has both tables with every column the program reads. Opened
// read-only; the file is never changed.
bool isUsableDatabase(const QString &path);

// The true message for a database that could not be made ready; empty for
// DatabaseSetup::Ready.
QString databaseSetupText(DatabaseSetup setup, const DataLocation &location);
// Makes the settings folder of an installation; the message when it cannot
// be made or written to, empty when it is fine (or there is none to have).
QString settingsFolderProblemText(const DataLocation &location);

// A row a list leaves out because a cell it reads holds no value; the rows
// around it load as usual.
struct SkippedRow {
    QString table;
    QString id;
    // The script's name or the task's time, empty when that cell is the NULL one.
    QString name;
    bool operator==(const SkippedRow &) const = default;
};

// The one message that names every skipped row.
QString skippedRowsText(const QList<SkippedRow> &rows);

// Runs an insert, update or delete with its named values, each bound as
// text; raises HandlerError with the database's text when it fails.
void executeStatement(Database *database, const QString &statement,
                      const QList<std::pair<QString, QString>> &values);

// Runs the select statement on table and hands each whose columns all hold a value to
// visit, in the order the database returns them; the others are returned,
// named by their id and nameColumn. A table found lacking at start-up was
// reported then: it gives no rows rather than failing on every one.
QList<SkippedRow> selectCompleteRows(Database *database, const QString &table, const QString &select,
                                     const QStringList &columns, const QString &nameColumn,
                                     const std::function<void(const DbQuery &query, int row)> &visit);

} // namespace lumo
