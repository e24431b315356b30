// The user's button presses, and the side buttons that are hotkeys, through
// low-level mouse hooks.

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

// The side buttons' hook, likewise.
HHOOK sideButtonHook = nullptr;
std::function<bool(const SideButtonEvent &)> sideButtonFilter;

bool keyDown(int virtualKey) {
    return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

LRESULT CALLBACK sideButtonProcedure(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_XBUTTONDOWN || message == WM_XBUTTONUP) && sideButtonFilter) {
        const auto *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(data);
        const int button = HIWORD(event->mouseData) == XBUTTON1   ? 1
                           : HIWORD(event->mouseData) == XBUTTON2 ? 2
                                                                  : 0;
        if (button != 0) {
            const SideButtonEvent sideEvent{button, message == WM_XBUTTONDOWN, keyDown(VK_CONTROL),
                                            keyDown(VK_MENU)};
            const auto filter = sideButtonFilter; // it may remove the hook
            if (filter(sideEvent))
                return 1; // kept from the window under the pointer
        }
    }
    return ::CallNextHookEx(nullptr, code, message, data);
}

} // namespace

bool installSideButtonHook(std::function<bool(const SideButtonEvent &)> filter) {
    removeSideButtonHook();
    sideButtonHook = ::SetWindowsHookExW(WH_MOUSE_LL, sideButtonProcedure, ::GetModuleHandleW(nullptr), 0);
    if (sideButtonHook == nullptr)
        return false;
    sideButtonFilter = std::move(filter);
    return true;
}

void removeSideButtonHook() {
    if (sideButtonHook != nullptr)
        ::UnhookWindowsHookEx(sideButtonHook);
    sideButtonHook = nullptr;
    sideButtonFilter = {};
}

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
