#pragma once
// The data module: the one connection to acdb.mdb beside the executable, and
// the query every list and editor runs its statements through.

#include "core/DataLocation.h"
#include "platform/Platform.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class QSqlDatabase;

namespace lumo {

struct MainContext;

class Database final : public QObject {
  public:
    Database(platform::Services &os, DataLocation location, QObject *parent);
    ~Database() override;

    // Checks for the database file; a missing one is reported and start-up
    // goes on, every later statement failing with the driver's text.
    void setUpConnection();

    QString databasePath() const;
    // The connection, opened the first time a statement runs and kept open.
    // Raises HandlerError with the driver's text when it cannot open; it
    // never creates the file.
    QSqlDatabase connection();

  private:
    platform::Services &os_;
    DataLocation location_;
    QString connectionName_;
};

// One statement at a time on the shared connection: set the statement, bind
// its named parameters as text, then execute it or open it and read the
// rows by column position.
class DbQuery {
  public:
    explicit DbQuery(const MainContext &context);

    void setStatement(const QString &statement);
    // name without the colon: "a", "b", ...
    void setParam(const QString &name, const QString &value);
    // insert, update, delete
    void execute();
    // select: every row is read at once, so a later change to the table
    // does not disturb a caller walking the rows.
    void open();

    int recordCount() const { return static_cast<int>(rows_.size()); }
    // A column of a row as text; NULL raises the conversion error.
    QString text(int row, int column) const;

  private:
    void run(bool select);

    const MainContext &context_;
    QString statement_;
    QList<std::pair<QString, QString>> params_;
    QList<QVariantList> rows_;
};

QString missingDatabaseText();

} // namespace lumo
