// Hotkeys, pointer, mouse buttons and window order on the Win32 API.

#include "platform/win32/Native.h"

#include <windows.h>

static_assert(platform::win32::kModifierAlt == MOD_ALT && platform::win32::kModifierControl == MOD_CONTROL);
static_assert(platform::win32::kVirtualKeyF1 == VK_F1);
static_assert(platform::win32::kLeftDownFlag == MOUSEEVENTF_LEFTDOWN &&
              platform::win32::kLeftUpFlag == MOUSEEVENTF_LEFTUP);
static_assert(platform::win32::kRightDownFlag == MOUSEEVENTF_RIGHTDOWN &&
              platform::win32::kRightUpFlag == MOUSEEVENTF_RIGHTUP);
static_assert(platform::win32::kMiddleDownFlag == MOUSEEVENTF_MIDDLEDOWN &&
              platform::win32::kMiddleUpFlag == MOUSEEVENTF_MIDDLEUP);

namespace platform::win32 {

namespace {

HWND hwnd(NativeWindow window) {
    return static_cast<HWND>(window);
}

} // namespace

bool registerHotKey(NativeWindow window, int id, unsigned modifiers, unsigned vk) {
    return ::RegisterHotKey(hwnd(window), id, modifiers, vk) != FALSE;
}

void unregisterHotKey(NativeWindow window, int id) {
    ::UnregisterHotKey(hwnd(window), id);
}

std::optional<HotkeyPress> hotkeyPress(const void *msg) {
    const auto *message = static_cast<const MSG *>(msg);
    if (message == nullptr || message->message != WM_HOTKEY)
        return std::nullopt;
    return HotkeyPress{message->hwnd, static_cast<int>(message->wParam)};
}

bool setCursorPos(int x, int y) {
    return ::SetCursorPos(x, y) != FALSE;
}

CursorPos getCursorPos() {
    POINT point{};
    if (!::GetCursorPos(&point))
        return {};
    return {point.x, point.y};
}

bool sendMouseFlags(unsigned flags) {
    // One event carrying every flag, exactly what mouse_event(flags, 0, 0, 0, 0) sends.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return ::SendInput(1, &input, sizeof input) == 1;
}

bool setTopmost(NativeWindow window, bool topmost) {
    return ::SetWindowPos(hwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
}

} // namespace platform::win32
