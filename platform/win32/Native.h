#pragma once
// The Win32 calls behind the Windows services, on plain C++ types.
//
// These declarations stay free of <windows.h>: its macros (MessageBox,
// GetCurrentTime...) would rewrite names of the Qt side, so the Qt side of the
// backend includes this header and never <windows.h>, and the sources behind
// it never include Platform.h. The few Win32 numbers the Qt side translates
// typed values into are named here; NativeInput.cpp checks them against
// <windows.h>.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// An HWND.
using NativeWindow = void *;

// RegisterHotKey's modifier bits and the virtual key of F1.
inline constexpr unsigned kModifierAlt = 0x0001;
inline constexpr unsigned kModifierControl = 0x0002;
inline constexpr unsigned kVirtualKeyF1 = 0x70;

// RegisterHotKey for (window, id), without MOD_NOREPEAT so that key repeat
// delivers repeated presses. False when the combination is held.
bool registerHotKey(NativeWindow window, int id, unsigned modifiers, unsigned vk);
void unregisterHotKey(NativeWindow window, int id);

struct HotkeyPress {
    NativeWindow window = nullptr;
    int id = 0;
};
// The press that msg (a MSG) carries, when it is a WM_HOTKEY.
std::optional<HotkeyPress> hotkeyPress(const void *msg);

struct CursorPos {
    int x = 0;
    int y = 0;
    friend bool operator==(const CursorPos &, const CursorPos &) = default;
};
bool setCursorPos(int x, int y);
CursorPos getCursorPos();
// The mouse_event flags of the buttons.
inline constexpr unsigned kLeftDownFlag = 0x0002;
inline constexpr unsigned kLeftUpFlag = 0x0004;
inline constexpr unsigned kRightDownFlag = 0x0008;
inline constexpr unsigned kRightUpFlag = 0x0010;
inline constexpr unsigned kMiddleDownFlag = 0x0020;
inline constexpr unsigned kMiddleUpFlag = 0x0040;

// One input event with the mouse_event flags as given: Windows makes a
// combined flag a down then an up, in the order of the flag bits.
bool sendMouseFlags(unsigned flags);

// Returns at deadline (at once when it has passed): a high-resolution
// waitable timer where Windows has one (10, version 1803 on), and a yielding
// spin where it has not, for the ordinary timers are a tick (1-16 ms) coarse.
void sleepUntil(std::chrono::steady_clock::time_point deadline);

// A left or right button press anywhere on the screen.
struct HookedPress {
    bool right = false;
    int x = 0;
    int y = 0;
    unsigned long timeMs = 0; // the input's time stamp, GetTickCount's clock
};
// Installs a low-level mouse hook (WH_MOUSE_LL) on the calling thread,
// replacing one installed before; onPress sees every press while the
// thread pumps messages. False when the hook cannot be installed.
bool installPressHook(std::function<void(const HookedPress &)> onPress);
void removePressHook();

// A mouse side button going down or coming up anywhere on the screen, with
// the modifier keys held at that moment.
struct SideButtonEvent {
    int button = 0; // 1 or 2: XBUTTON1 or XBUTTON2
    bool down = false;
    bool control = false;
    bool alt = false;
};
// Installs a second low-level mouse hook, for the side buttons, on the
// calling thread, replacing one installed before: filter sees each side
// button event and returns true to keep it from the window under the
// pointer. It runs inside the hook and must return quickly. False when the
// hook cannot be installed.
bool installSideButtonHook(std::function<bool(const SideButtonEvent &)> filter);
void removeSideButtonHook();

// SetWindowPos with HWND_TOPMOST or HWND_NOTOPMOST, keeping place, size and
// activation.
bool setTopmost(NativeWindow window, bool topmost);

// ShellExecuteW with the verb "open".
bool openDocument(const std::wstring &address);
// The command line that hands program and arguments over unchanged to a
// program that splits it the way the C runtime and CommandLineToArgvW do.
std::wstring commandLine(const std::wstring &program, const std::vector<std::wstring> &arguments);
// CreateProcessW, detached; false when it did not start.
bool startProgram(const std::wstring &program, const std::vector<std::wstring> &arguments);

enum class Hive { LocalMachine, CurrentUser };
inline constexpr std::wstring_view kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::wstring_view kStartValueName = L"lumoclick";
// Writes the REG_SZ value "lumoclick" = data (stored with its terminating
// zero) into an existing key, opened with KEY_ALL_ACCESS and never created.
// Returns the failure's text, or nothing on success.
std::optional<std::string> writeStartValue(const std::wstring &data, Hive hive = Hive::LocalMachine,
                                           std::wstring_view key = kRunKey);
// The Run key's data for executable started with argument: path, one space,
// argument; the path is not quoted.
std::wstring startValueData(const std::wstring &executable, const std::wstring &argument);
// The full path of the running executable, as GetModuleFileNameW gives it.
std::wstring executablePath();

// The pieces of a locale's long time format (LOCALE_ITIME, LOCALE_ITLZERO,
// LOCALE_ITIMEMARKPOSN, LOCALE_STIME, LOCALE_S1159, LOCALE_S2359).
struct TimePieces {
    bool twelveHour = false;
    bool designatorFirst = false;
    bool leadingZero = false;
    std::wstring separator = L":";
    std::wstring am;
    std::wstring pm;
};
TimePieces timePiecesOf(unsigned long lcid);
// Those of GetThreadLocale().
TimePieces threadTimePieces();

// Code page 936 through the wide-character functions, whatever the ANSI code
// page of the system. Characters the code page lacks become "?"; bytes that
// are no character become what MultiByteToWideChar makes of them.
std::string toCodePage936(std::wstring_view text);
std::wstring fromCodePage936(std::string_view bytes);

} // namespace platform::win32
