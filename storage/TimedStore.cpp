#include "storage/TimedStore.h"

#include "storage/Database.h"

namespace lumo {

void insertTimedTask(const MainContext &context, const QString &time, const QString &steps,
                     const QString &cycles) {
    DbQuery query(context);
    query.setStatement(kTimedInsertStatement);
    query.setParam(QStringLiteral("a"), time);
    query.setParam(QStringLiteral("b"), steps);
    query.setParam(QStringLiteral("c"), cycles);
    query.execute();
}

void updateTimedTask(const MainContext &context, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles) {
    DbQuery query(context);
    query.setStatement(kTimedUpdateStatement);
    query.setParam(QStringLiteral("a"), time);
    query.setParam(QStringLiteral("b"), steps);
    query.setParam(QStringLiteral("c"), cycles);
    query.setParam(QStringLiteral("d"), id);
    query.execute();
}

void deleteTimedTask(const MainContext &context, const QString &id) {
    DbQuery query(context);
    query.setStatement(kTimedDeleteStatement);
    query.setParam(QStringLiteral("a"), id);
    query.execute();
}

} // namespace lumo
