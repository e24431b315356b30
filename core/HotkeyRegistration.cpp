#include "core/HotkeyRegistration.h"

namespace lumo {

platform::Icon conflictIcon(const QString &modifierWord) {
    return modifierWord == QLatin1String("Alt") ? platform::Icon::Information : platform::Icon::Warning;
}

bool registerOrWarn(const MainContext &context, platform::WindowHandle owner, int id,
                    platform::Modifiers modifiers, platform::HotkeyKey key, QWidget *boxOwner,
                    const QString &conflictText, platform::Icon icon) {
    platform::Hotkeys &hotkeys = context.os.hotkeys;
    hotkeys.unregisterHotkey(owner, id);
    if (hotkeys.registerHotkey(owner, id, modifiers, key))
        return true;
    context.notice(boxOwner, conflictText, icon);
    hotkeys.unregisterHotkey(owner, id);
    return false;
}

} // namespace lumo
