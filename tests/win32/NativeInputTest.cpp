// Hotkeys, the pointer, mouse buttons and window order, checked in windows
// of the test and, through the X driver, on the X server.

#include "platform/win32/Native.h"

#include "TestWindow.h"
#include "XDriver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

namespace native = platform::win32;
using win32test::Recorded;
using win32test::TestWindow;

TEST(Hotkeys, ACombinationIsHeldByOneRegistrationAndIdentifiersArePerWindow) {
    TestWindow first(L"first", 10, 10, 50, 50);
    TestWindow second(L"second", 70, 10, 50, 50);
    const unsigned ctrlAlt = MOD_CONTROL | MOD_ALT;

    ASSERT_TRUE(native::registerHotKey(first.hwnd(), 1, ctrlAlt, VK_F9));
    EXPECT_FALSE(native::registerHotKey(second.hwnd(), 2, ctrlAlt, VK_F9));
    EXPECT_FALSE(native::registerHotKey(first.hwnd(), 3, ctrlAlt, VK_F9));
    // The same identifier on another window is another registration.
    EXPECT_TRUE(native::registerHotKey(second.hwnd(), 1, ctrlAlt, VK_F10));
    // The modifiers are part of the combination.
    EXPECT_TRUE(native::registerHotKey(second.hwnd(), 4, MOD_CONTROL, VK_F9));

    native::unregisterHotKey(first.hwnd(), 1);
    native::unregisterHotKey(first.hwnd(), 77); // holds nothing: harmless
    EXPECT_TRUE(native::registerHotKey(second.hwnd(), 2, ctrlAlt, VK_F9));

    for (const int id : {1, 2, 4})
        native::unregisterHotKey(second.hwnd(), id);
}

TEST(Hotkeys, OnlyAHotkeyMessageIsAPress) {
    MSG msg{};
    msg.message = WM_KEYDOWN;
    msg.wParam = 1108;
    EXPECT_FALSE(native::hotkeyPress(&msg));
    msg.message = WM_HOTKEY;
    const auto press = native::hotkeyPress(&msg);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->id, 1108);
}

// Unique per run: xdotool finds the window by its title.
std::wstring uniqueTitle(const wchar_t *what) {
    return std::wstring(L"lumoclick ") + what + L" " + std::to_wstring(GetCurrentProcessId());
}

std::string narrow(const std::wstring &text) {
    return {text.begin(), text.end()}; // ASCII titles only
}

TEST(Hotkeys, AKeyPressOnTheXServerArrivesAsAHotkeyMessage) {
    if (!win32test::haveXDriver())
        GTEST_SKIP() << "needs tools/test-win32.sh";
    const std::wstring title = uniqueTitle(L"hotkey target");
    TestWindow window(title, 100, 100, 200, 150);
    ASSERT_TRUE(native::registerHotKey(window.hwnd(), 1108, MOD_CONTROL, VK_F8));
    ASSERT_TRUE(native::registerHotKey(window.hwnd(), 7, 0, VK_F7));

    // Every pump sees the press, the one waiting for the driver included.
    std::vector<native::HotkeyPress> presses;
    const win32test::MessageWatch watch([&](const MSG &msg) {
        if (const auto press = native::hotkeyPress(&msg))
            presses.push_back(*press);
    });
    // Wine hears keys only while one of its windows has the X focus.
    const auto focused =
        win32test::xdotool({"search", "--sync", "--name", narrow(title), "windowfocus", "--sync"});
    ASSERT_TRUE(focused);
    ASSERT_EQ(focused->exitCode, 0) << focused->output;
    // F8 without Ctrl is no registered combination: the presses that come
    // are F7's and then Ctrl+F8's, nothing before.
    const auto pressed = win32test::xdotool({"key", "F8", "F7", "ctrl+F8"});
    ASSERT_TRUE(pressed);
    ASSERT_EQ(pressed->exitCode, 0) << pressed->output;

    EXPECT_TRUE(win32test::pumpUntil([&] { return presses.size() >= 2; }));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].window, window.hwnd());
    EXPECT_EQ(presses[0].id, 7);
    EXPECT_EQ(presses[1].window, window.hwnd());
    EXPECT_EQ(presses[1].id, 1108);
    native::unregisterHotKey(window.hwnd(), 1108);
    native::unregisterHotKey(window.hwnd(), 7);
}

TEST(Pointer, MovesThereAndReadsBack) {
    for (const native::CursorPos target : {native::CursorPos{123, 234}, native::CursorPos{640, 17}}) {
        ASSERT_TRUE(native::setCursorPos(target.x, target.y));
        EXPECT_EQ(native::getCursorPos(), target);
        if (!win32test::haveXDriver())
            continue;
        // The X pointer moves with it.
        const auto location = win32test::xdotool({"getmouselocation"});
        ASSERT_TRUE(location);
        int x = -1;
        int y = -1;
        ASSERT_EQ(std::sscanf(location->output.c_str(), "x:%d y:%d", &x, &y), 2) << location->output;
        EXPECT_EQ(x, target.x);
        EXPECT_EQ(y, target.y);
    }
}

TEST(Mouse, ClicksLandInOrderInTheWindowUnderThePointer) {
    TestWindow window(uniqueTitle(L"click target"), 200, 200, 300, 200);
    ASSERT_TRUE(native::setCursorPos(350, 300));
    // A left single click, a right single click, a left double click (two
    // combined flags) and a right click made of its two halves.
    for (const unsigned flags : {0x0006u, 0x0018u, 0x0006u, 0x0006u, 0x0008u, 0x0010u})
        ASSERT_TRUE(native::sendMouseFlags(flags));

    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,   WM_RBUTTONUP,
                                        WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                        WM_RBUTTONDOWN, WM_RBUTTONUP};
    std::vector<UINT> messages;
    win32test::pumpUntil([&] {
        messages.clear();
        for (const Recorded &recorded : window.recorded())
            messages.push_back(recorded.message);
        return messages.size() >= expected.size();
    });
    EXPECT_EQ(messages, expected);
}

TEST(Topmost, SetsAndClearsTheTopmostStyle) {
    TestWindow window(uniqueTitle(L"topmost"), 10, 10, 80, 60);
    const auto isTopmost = [&] { return (GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_FALSE(isTopmost());
    EXPECT_TRUE(native::setTopmost(window.hwnd(), true));
    EXPECT_TRUE(isTopmost());
    EXPECT_TRUE(native::setTopmost(window.hwnd(), false));
    EXPECT_FALSE(isTopmost());
}

} // namespace
