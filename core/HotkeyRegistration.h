#pragma once
// Registering a global hotkey the program's way: whatever the identifier
// held is released first, and a combination another registration holds
// gets the conflict message.

#include "core/MainContext.h"

#include <QString>

namespace lumo {

// The message for a taken combination that names no key.
inline const QString kHotkeyConflictText =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "您设置的热键与其他程序的热键冲突,请选择过热键."));

// The conflict message shows the information symbol for Alt alone and a
// warning for every other modifier word.
platform::Icon conflictIcon(const QString &modifierWord);

// Registers modifiers + key for (owner, id) in place of what it held. When the
// combination is taken, shows conflictText over boxOwner with icon, leaves
// (owner, id) holding nothing and returns false.
bool registerOrWarn(const MainContext &context, platform::WindowHandle owner, int id,
                    platform::Modifiers modifiers, platform::HotkeyKey key, QWidget *boxOwner,
                    const QString &conflictText, platform::Icon icon);

} // namespace lumo
