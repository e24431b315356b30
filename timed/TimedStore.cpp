#include "timed/TimedStore.h"

#include "app/U_dm.h"

namespace lumo {

void insertTimedTask(const MainContext &context, const QString &time, const QString &steps,
                     const QString &cycles) {
    DbQuery qry1(context);
    qry1.setStatement(kTimedInsertStatement);
    qry1.setParam(QStringLiteral("a"), time);
    qry1.setParam(QStringLiteral("b"), steps);
    qry1.setParam(QStringLiteral("c"), cycles);
    qry1.execute();
}

void updateTimedTask(const MainContext &context, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles) {
    DbQuery qry1(context);
    qry1.setStatement(kTimedUpdateStatement);
    qry1.setParam(QStringLiteral("a"), time);
    qry1.setParam(QStringLiteral("b"), steps);
    qry1.setParam(QStringLiteral("c"), cycles);
    qry1.setParam(QStringLiteral("d"), id);
    qry1.execute();
}

void deleteTimedTask(const MainContext &context, const QString &id) {
    DbQuery qry2(context);
    qry2.setStatement(kTimedDeleteStatement);
    qry2.setParam(QStringLiteral("a"), id);
    qry2.execute();
}

} // namespace lumo
