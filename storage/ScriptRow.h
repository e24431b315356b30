#pragma once
// One script as the script list shows it: the columns of an mplist row and
// whether its hotkey is held.

#include <QString>

namespace lumo {

// The status column of the script and the timed task lists.
inline const QString kStatusEnabled = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "已启用"));
inline const QString kStatusDisabled = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "未启用"));

struct ScriptRow {
    QString id;
    QString name;
    QString hotkey;
    QString steps;  // step list text
    QString cycles; // cycle count text
    QString status; // "已启用" or "未启用"
};

} // namespace lumo
