#include "scripts/ScriptStore.h"

#include "app/U_dm.h"

namespace lumo {

void selectAllScripts(const MainContext &context, const std::function<void(const ScriptRow &)> &visit) {
    DbQuery qry1(context);
    qry1.setStatement(QStringLiteral("select * from [mplist]"));
    qry1.open();
    for (int row = 0; row < qry1.recordCount(); ++row) {
        visit(ScriptRow{qry1.text(row, 0), qry1.text(row, 1), qry1.text(row, 2), qry1.text(row, 3),
                        qry1.text(row, 4), QString()});
    }
}

bool scriptNameTaken(const MainContext &context, const QString &name) {
    DbQuery qry1(context);
    qry1.setStatement(QStringLiteral("select * from [mplist] where mpname=:a"));
    qry1.setParam(QStringLiteral("a"), name);
    qry1.open();
    return qry1.recordCount() > 0;
}

void insertScript(const MainContext &context, const QString &name, const QString &hotkey,
                  const QString &steps, const QString &cycles) {
    DbQuery qry1(context);
    qry1.setStatement(
        QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
    qry1.setParam(QStringLiteral("a"), name);
    qry1.setParam(QStringLiteral("b"), hotkey);
    qry1.setParam(QStringLiteral("c"), steps);
    qry1.setParam(QStringLiteral("d"), cycles);
    qry1.execute();
}

void updateScript(const MainContext &context, const QString &name, const QString &hotkey,
                  const QString &steps, const QString &cycles) {
    DbQuery qry1(context);
    qry1.setStatement(QStringLiteral("update [mplist] set hotkey=:a,mpoint=:b,clicknum=:d where mpname=:c"));
    qry1.setParam(QStringLiteral("a"), hotkey);
    qry1.setParam(QStringLiteral("b"), steps);
    qry1.setParam(QStringLiteral("c"), name);
    qry1.setParam(QStringLiteral("d"), cycles);
    qry1.execute();
}

void deleteScript(const MainContext &context, const QString &id) {
    DbQuery qry2(context);
    qry2.setStatement(QStringLiteral("delete from [mplist] where id=:a"));
    qry2.setParam(QStringLiteral("a"), id);
    qry2.execute();
}

} // namespace lumo
