#pragma once
// --export and --import on the database: every script and timed task
// written to a script file (storage/ScriptFile.h), and a script file's rows
// added as new rows, all of them or, on any failure, none.

#include "storage/Database.h"
#include "storage/ScriptFile.h"

#include <QList>
#include <QString>

namespace lumo {

enum class TransferProblem {
    None,
    FileUnreadable, // missing, not a regular file, or no permission
    FileTooLarge,   // above kMaxScriptFileBytes
    FileMalformed,  // not a script file of this version
    FileUnwritable,
    DatabaseFailed, // missing, incomplete, or a statement failed
};

// An imported script whose hotkey another script holds already. It is added
// all the same; only one of the two can be enabled at a time.
struct HotkeyClash {
    QString name;                // the imported script's (empty for NULL)
    QString hotkey;              // as stored
    QString holder;              // the name of the script that had the key first
    bool holderImported = false; // the holder came from the same file
    bool operator==(const HotkeyClash &) const = default;
};

struct TransferOutcome {
    TransferProblem problem = TransferProblem::None;
    // The system's, the database driver's or the decoder's own words.
    QString detail;
    // Rows written to the file, or added to the database.
    int scripts = 0;
    int timed = 0;
    QList<HotkeyClash> clashes; // import only
    bool operator==(const TransferOutcome &) const = default;
};

// Every row of mplist and tplist in id order, NULL cells as nothing. Raises
// HandlerError with the driver's text.
ScriptFileContents readTransferRows(Database *database);

// Adds every row of contents, in order, in one transaction: a failure raises
// HandlerError with the driver's text and leaves the tables as they were.
// Returns the scripts whose hotkey was taken by an existing script or an
// earlier one of contents; only hotkeys the program would register
// ("F5", "Ctrl+Alt+F9", ...) are compared, by their keys, not their spelling.
QList<HotkeyClash> addTransferRows(Database *database, const ScriptFileContents &contents);

// The same with the file at path (absolute); what went wrong is in the outcome.
TransferOutcome exportScriptFile(Database *database, const QString &path);
TransferOutcome importScriptFile(Database *database, const QString &path);

} // namespace lumo
