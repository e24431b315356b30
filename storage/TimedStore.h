#pragma once
// The table tplist: its four statements, every value bound as text.

#include <QString>

namespace lumo {

struct MainContext;

inline const QString kTimedLoadStatement = QStringLiteral("select * from [tplist]");
inline const QString kTimedInsertStatement =
    QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values(:a,:b,:c)");
inline const QString kTimedUpdateStatement =
    QStringLiteral("update [tplist] set tpname=:a,mpoint=:b,nums=:c where id=:d");
inline const QString kTimedDeleteStatement = QStringLiteral("delete from [tplist] where id=:a");

// Each raises HandlerError with the database's text when the statement fails.
void insertTimedTask(const MainContext &context, const QString &time, const QString &steps,
                     const QString &cycles);
void updateTimedTask(const MainContext &context, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles);
void deleteTimedTask(const MainContext &context, const QString &id);

} // namespace lumo
