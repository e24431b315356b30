#include "storage/TimedStore.h"

#include "storage/Database.h"

namespace lumo {

QList<SkippedRow> selectAllTimedTasks(const MainContext &context,
                                      const std::function<void(const TimedRow &)> &visit) {
    static const QStringList columns = {QStringLiteral("id"), QStringLiteral("tpname"),
                                        QStringLiteral("nums"), QStringLiteral("mpoint")};
    return selectCompleteRows(context, QStringLiteral("tplist"), QStringLiteral("select * from [tplist]"),
                              columns, QStringLiteral("tpname"), [&visit](const DbQuery &query, int row) {
                                  visit(TimedRow{query.text(row, QStringLiteral("id")),
                                                 query.text(row, QStringLiteral("tpname")),
                                                 query.text(row, QStringLiteral("nums")),
                                                 query.text(row, QStringLiteral("mpoint")), QString()});
                              });
}

void insertTimedTask(const MainContext &context, const QString &time, const QString &steps,
                     const QString &cycles) {
    executeStatement(
        context, QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values (:time,:steps,:cycles)"),
        {{QStringLiteral("time"), time},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles}});
}

void updateTimedTask(const MainContext &context, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles) {
    executeStatement(
        context, QStringLiteral("update [tplist] set tpname=:time,mpoint=:steps,nums=:cycles where id=:id"),
        {{QStringLiteral("time"), time},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles},
         {QStringLiteral("id"), id}});
}

void deleteTimedTask(const MainContext &context, const QString &id) {
    executeStatement(context, QStringLiteral("delete from [tplist] where id=:id"),
                     {{QStringLiteral("id"), id}});
}

} // namespace lumo
