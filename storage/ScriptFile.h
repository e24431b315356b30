#pragma once
// The file that carries scripts and timed tasks from one database to
// another (--export and --import): UTF-8 JSON,
//
//   {"format": "lumoclick-scripts", "version": 1,
//    "scripts": [{"name": ..., "hotkey": ..., "steps": ..., "cycles": ...}],
//    "timed":   [{"time": ..., "steps": ..., "cycles": ...}]}
//
// Each value is the stored text exactly, or null where the cell holds NULL;
// rows stand in id order. The ids themselves are not carried: an import
// adds new rows.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace lumo {

// A cell of the database: its text, or nothing for NULL.
using StoredText = std::optional<QString>;

struct TransferredScript {
    StoredText name;   // mpname
    StoredText hotkey; // hotkey
    StoredText steps;  // mpoint
    StoredText cycles; // clicknum
    bool operator==(const TransferredScript &) const = default;
};

struct TransferredTimed {
    StoredText time;   // tpname
    StoredText steps;  // mpoint
    StoredText cycles; // nums
    bool operator==(const TransferredTimed &) const = default;
};

struct ScriptFileContents {
    QList<TransferredScript> scripts;
    QList<TransferredTimed> timed;
    bool operator==(const ScriptFileContents &) const = default;
};

// A file larger than this is refused before it is parsed.
inline constexpr qint64 kMaxScriptFileBytes = 16 * 1024 * 1024;

QByteArray encodeScriptFile(const ScriptFileContents &contents);

// The contents, or nothing when bytes are not such a file: not JSON, another
// format or version, a missing list or field, a value neither text nor null.
// error, when given, then says in English what was wrong.
std::optional<ScriptFileContents> decodeScriptFile(const QByteArray &bytes, QString *error = nullptr);

} // namespace lumo
