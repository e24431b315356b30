#include "storage/TimedStore.h"

#include "storage/Database.h"

namespace lumo {

QList<SkippedRow> selectAllTimedTasks(Database *database,
                                      const std::function<void(const TimedRow &)> &visit) {
    static const QStringList columns = {QStringLiteral("id"), QStringLiteral("tpname"),
                                        QStringLiteral("nums"), QStringLiteral("mpoint")};
    return selectCompleteRows(database, QStringLiteral("tplist"), QStringLiteral("select * from [tplist]"),
                              columns, QStringLiteral("tpname"), [&visit](const DbQuery &query, int row) {
                                  visit(TimedRow{query.text(row, QStringLiteral("id")),
                                                 query.text(row, QStringLiteral("tpname")),
                                                 query.text(row, QStringLiteral("nums")),
                                                 query.text(row, QStringLiteral("mpoint")), QString()});
                              });
}

void insertTimedTask(Database *database, const QString &time, const QString &steps, const QString &cycles) {
    executeStatement(
        database, QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values (:time,:steps,:cycles)"),
        {{QStringLiteral("time"), time},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles}});
}

void updateTimedTask(Database *database, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles) {
    executeStatement(
        database, QStringLiteral("update [tplist] set tpname=:time,mpoint=:steps,nums=:cycles where id=:id"),
        {{QStringLiteral("time"), time},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles},
         {QStringLiteral("id"), id}});
}

void deleteTimedTask(Database *database, const QString &id) {
    executeStatement(database, QStringLiteral("delete from [tplist] where id=:id"),
                     {{QStringLiteral("id"), id}});
}

} // namespace lumo
