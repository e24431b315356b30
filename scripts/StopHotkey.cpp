#include "scripts/StopHotkey.h"

#include "core/HotkeyText.h"
#include "storage/IniFile.h"

namespace lumo {

using namespace platform;

QString storedStopHotkey(const MainContext &context) {
    return IniFile::settings(context.location)
        .readString(QStringLiteral("setting"), QStringLiteral("stophotkey"), QStringLiteral("F6"));
}

void registerStopHotkey(MainContext &context) {
    const RegistrationParse parse = parseForRegistration(storedStopHotkey(context));
    Hotkeys &hotkeys = context.os.hotkeys;
    hotkeys.unregisterHotkey(context.mainHandle(), kStopHotkeyId);
    if (!parse.modifiers)
        return;
    if (!hotkeys.registerHotkey(context.mainHandle(), kStopHotkeyId, *parse.modifiers, parse.virtualKey)) {
        const unsigned icon =
            parse.modifierWord == QLatin1String("Alt") ? MB_ICONINFORMATION : MB_ICONWARNING;
        context.notice(context.mainWindow, QStringLiteral("您设置的热键与其他程序的热键冲突,请选择过热键."),
                       MB_OK | icon);
        hotkeys.unregisterHotkey(context.mainHandle(), kStopHotkeyId);
        context.state.startHotkeyRegistered = false;
    }
}

} // namespace lumo
