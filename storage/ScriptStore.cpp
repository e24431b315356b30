#include "storage/ScriptStore.h"

#include "storage/Database.h"

namespace lumo {

QList<SkippedRow> selectAllScripts(Database *database, const std::function<void(const ScriptRow &)> &visit) {
    static const QStringList columns = {QStringLiteral("id"), QStringLiteral("mpname"),
                                        QStringLiteral("hotkey"), QStringLiteral("mpoint"),
                                        QStringLiteral("clicknum")};
    return selectCompleteRows(database, QStringLiteral("mplist"), QStringLiteral("select * from [mplist]"),
                              columns, QStringLiteral("mpname"), [&visit](const DbQuery &query, int row) {
                                  visit(ScriptRow{query.text(row, QStringLiteral("id")),
                                                  query.text(row, QStringLiteral("mpname")),
                                                  query.text(row, QStringLiteral("hotkey")),
                                                  query.text(row, QStringLiteral("mpoint")),
                                                  query.text(row, QStringLiteral("clicknum")), QString()});
                              });
}

bool scriptNameTaken(Database *database, const QString &name) {
    DbQuery query(database);
    query.setStatement(QStringLiteral("select * from [mplist] where mpname=:name"));
    query.setParam(QStringLiteral("name"), name);
    query.open();
    return query.recordCount() > 0;
}

void insertScript(Database *database, const QString &name, const QString &hotkey, const QString &steps,
                  const QString &cycles) {
    executeStatement(
        database,
        QStringLiteral(
            "insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:name,:hotkey,:steps,:cycles)"),
        {{QStringLiteral("name"), name},
         {QStringLiteral("hotkey"), hotkey},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles}});
}

void updateScript(Database *database, const QString &name, const QString &hotkey, const QString &steps,
                  const QString &cycles) {
    executeStatement(
        database,
        QStringLiteral(
            "update [mplist] set hotkey=:hotkey,mpoint=:steps,clicknum=:cycles where mpname=:name"),
        {{QStringLiteral("hotkey"), hotkey},
         {QStringLiteral("steps"), steps},
         {QStringLiteral("cycles"), cycles},
         {QStringLiteral("name"), name}});
}

void deleteScript(Database *database, const QString &id) {
    executeStatement(database, QStringLiteral("delete from [mplist] where id=:id"),
                     {{QStringLiteral("id"), id}});
}

} // namespace lumo
