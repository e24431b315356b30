#pragma once
// The statements on mplist. Every value is bound as text by name; rows are
// read by column position: id, mpname, hotkey, mpoint, clicknum.

#include "storage/Database.h"
#include "storage/ScriptRow.h"

#include <functional>

namespace lumo {

// Hands every row to the visitor in the order the database returns them,
// the status of each left empty. A row with a NULL cell is not handed over
// but returned, so the rows after it still load.
QList<SkippedRow> selectAllScripts(Database *database, const std::function<void(const ScriptRow &)> &visit);

// Whether a script already has this name, by the database's comparison.
bool scriptNameTaken(Database *database, const QString &name);

void insertScript(Database *database, const QString &name, const QString &hotkey, const QString &steps,
                  const QString &cycles);

// Replaces hotkey, steps and cycle count of the script with that name.
void updateScript(Database *database, const QString &name, const QString &hotkey, const QString &steps,
                  const QString &cycles);

void deleteScript(Database *database, const QString &id);

} // namespace lumo
