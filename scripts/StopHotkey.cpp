#include "scripts/StopHotkey.h"

#include "core/HotkeyRegistration.h"
#include "core/HotkeyText.h"
#include "core/UiLanguage.h"
#include "storage/Settings.h"

namespace lumo {

using namespace platform;

QString storedStopHotkey(const MainContext &context) {
    return Settings(context.location).text(Setting::StopHotkey);
}

void registerStopHotkey(MainContext &context) {
    const RegistrationParse parse = parseForRegistration(storedStopHotkey(context));
    if (!parse.modifiers) {
        context.os.hotkeys.unregisterHotkey(context.mainHandle(), kStopHotkeyId);
        return;
    }
    if (!registerOrWarn(context, context.mainHandle(), kStopHotkeyId, *parse.modifiers, parse.key,
                        context.mainWindow, shownText(kHotkeyConflictText), conflictIcon(parse.modifierWord)))
        context.state.startHotkeyRegistered = false;
}

} // namespace lumo
