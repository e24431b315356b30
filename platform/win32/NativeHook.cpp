// The user's button presses through a low-level mouse hook.

#include "platform/win32/Native.h"

#include <windows.h>

namespace platform::win32 {

namespace {

// A low-level hook has no closure: the one hook of the process keeps its
// receiver here.
HHOOK installedHook = nullptr;
std::function<void(const HookedPress &)> pressReceiver;

LRESULT CALLBACK mouseProcedure(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) && pressReceiver) {
        const auto *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(data);
        const HookedPress press{message == WM_RBUTTONDOWN, event->pt.x, event->pt.y, event->time};
        const auto receiver = pressReceiver; // it may remove the hook
        receiver(press);
    }
    // The press goes on to the window it was made on.
    return ::CallNextHookEx(nullptr, code, message, data);
}

} // namespace

bool installPressHook(std::function<void(const HookedPress &)> onPress) {
    removePressHook();
    installedHook = ::SetWindowsHookExW(WH_MOUSE_LL, mouseProcedure, ::GetModuleHandleW(nullptr), 0);
    if (installedHook == nullptr)
        return false;
    pressReceiver = std::move(onPress);
    return true;
}

void removePressHook() {
    if (installedHook != nullptr)
        ::UnhookWindowsHookEx(installedHook);
    installedHook = nullptr;
    pressReceiver = {};
}

} // namespace platform::win32
