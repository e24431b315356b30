#include "storage/ScriptStore.h"

#include "core/MainContext.h"
#include "storage/Database.h"

namespace lumo {

QList<SkippedRow> selectAllScripts(const MainContext &context,
                                   const std::function<void(const ScriptRow &)> &visit) {
    const QString table = QStringLiteral("mplist");
    // A table found lacking at start-up was reported then; its list stays
    // empty rather than failing on every row.
    if (context.database && !context.database->tableReadable(table))
        return {};
    DbQuery query(context);
    query.setStatement(QStringLiteral("select * from [mplist]"));
    query.open();
    static const QStringList columns = {QStringLiteral("id"), QStringLiteral("mpname"),
                                        QStringLiteral("hotkey"), QStringLiteral("mpoint"),
                                        QStringLiteral("clicknum")};
    QList<SkippedRow> skipped;
    for (int row = 0; row < query.recordCount(); ++row) {
        if (query.anyNull(row, columns)) {
            skipped.append({table, query.textOr(row, QStringLiteral("id"), QStringLiteral("?")),
                            query.textOr(row, QStringLiteral("mpname"), QString())});
            continue;
        }
        visit(ScriptRow{query.text(row, QStringLiteral("id")), query.text(row, QStringLiteral("mpname")),
                        query.text(row, QStringLiteral("hotkey")), query.text(row, QStringLiteral("mpoint")),
                        query.text(row, QStringLiteral("clicknum")), QString()});
    }
    return skipped;
}

bool scriptNameTaken(const MainContext &context, const QString &name) {
    DbQuery query(context);
    query.setStatement(QStringLiteral("select * from [mplist] where mpname=:a"));
    query.setParam(QStringLiteral("a"), name);
    query.open();
    return query.recordCount() > 0;
}

void insertScript(const MainContext &context, const QString &name, const QString &hotkey,
                  const QString &steps, const QString &cycles) {
    DbQuery query(context);
    query.setStatement(
        QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
    query.setParam(QStringLiteral("a"), name);
    query.setParam(QStringLiteral("b"), hotkey);
    query.setParam(QStringLiteral("c"), steps);
    query.setParam(QStringLiteral("d"), cycles);
    query.execute();
}

void updateScript(const MainContext &context, const QString &name, const QString &hotkey,
                  const QString &steps, const QString &cycles) {
    DbQuery query(context);
    query.setStatement(QStringLiteral("update [mplist] set hotkey=:a,mpoint=:b,clicknum=:d where mpname=:c"));
    query.setParam(QStringLiteral("a"), hotkey);
    query.setParam(QStringLiteral("b"), steps);
    query.setParam(QStringLiteral("c"), name);
    query.setParam(QStringLiteral("d"), cycles);
    query.execute();
}

void deleteScript(const MainContext &context, const QString &id) {
    DbQuery query(context);
    query.setStatement(QStringLiteral("delete from [mplist] where id=:a"));
    query.setParam(QStringLiteral("a"), id);
    query.execute();
}

} // namespace lumo
