#pragma once
// The statements on tplist. Every value is bound as text by a name that
// says what it holds; rows are read by column name: id, tpname, mpoint, nums.

#include "storage/Database.h"
#include "storage/TimedRow.h"

#include <QList>
#include <QString>

#include <functional>

namespace lumo {

// Hands every row to the visitor in the order the database returns them,
// the status of each left empty. A row with a NULL cell is not handed over
// but returned, so the rows after it still load.
QList<SkippedRow> selectAllTimedTasks(Database *database, const std::function<void(const TimedRow &)> &visit);

// Each raises HandlerError with the database's text when the statement fails.
void insertTimedTask(Database *database, const QString &time, const QString &steps, const QString &cycles);
void updateTimedTask(Database *database, const QString &id, const QString &time, const QString &steps,
                     const QString &cycles);
void deleteTimedTask(Database *database, const QString &id);

} // namespace lumo
