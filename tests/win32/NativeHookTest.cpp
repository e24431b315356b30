// The low-level mouse hooks: the one that records the user's presses sees
// left and right presses with their place, lets them through to the window
// under the pointer, and sees nothing once removed; the side buttons' one
// keeps from the window exactly the events its filter takes.

#include "platform/win32/Native.h"

#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

namespace native = platform::win32;
using win32test::TestWindow;

std::vector<UINT> buttonMessages(const TestWindow &window) {
    std::vector<UINT> messages;
    for (const win32test::Recorded &recorded : window.recorded())
        if (recorded.message != WM_HOTKEY)
            messages.push_back(recorded.message);
    return messages;
}

TEST(PressHook, SeesLeftAndRightPressesAndPassesThemOn) {
    TestWindow window(L"lumoclick press hook " + std::to_wstring(GetCurrentProcessId()), 200, 200, 300, 200);
    std::vector<native::HookedPress> presses;
    ASSERT_TRUE(
        native::installPressHook([&](const native::HookedPress &press) { presses.push_back(press); }));
    ASSERT_TRUE(native::setCursorPos(260, 250));
    ASSERT_TRUE(native::sendMouseFlags(0x0006)); // left
    ASSERT_TRUE(native::setCursorPos(300, 280));
    ASSERT_TRUE(native::sendMouseFlags(0x0018)); // right
    ASSERT_TRUE(native::sendMouseFlags(0x0060)); // middle: no step
    win32test::pumpUntil([&] { return presses.size() >= 2 && buttonMessages(window).size() >= 4; });
    native::removePressHook();

    ASSERT_EQ(presses.size(), 2u);
    EXPECT_FALSE(presses[0].right);
    EXPECT_EQ(presses[0].x, 260);
    EXPECT_EQ(presses[0].y, 250);
    EXPECT_TRUE(presses[1].right);
    EXPECT_EQ(presses[1].x, 300);
    EXPECT_EQ(presses[1].y, 280);
    EXPECT_GE(presses[1].timeMs, presses[0].timeMs);
    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP};
    const std::vector<UINT> messages = buttonMessages(window);
    ASSERT_GE(messages.size(), expected.size());
    EXPECT_EQ(std::vector<UINT>(messages.begin(), messages.begin() + 4), expected);
}

TEST(PressHook, SeesNothingOnceRemoved) {
    TestWindow window(L"lumoclick removed hook " + std::to_wstring(GetCurrentProcessId()), 200, 200, 300,
                      200);
    int presses = 0;
    ASSERT_TRUE(native::installPressHook([&](const native::HookedPress &) { ++presses; }));
    native::removePressHook();
    ASSERT_TRUE(native::setCursorPos(260, 250));
    ASSERT_TRUE(native::sendMouseFlags(0x0006));
    win32test::pumpUntil([&] { return buttonMessages(window).size() >= 2; });
    EXPECT_EQ(presses, 0);
}

// A side button press and release, as a mouse sends them.
void sendSideButton(DWORD button) {
    for (const DWORD flag : {DWORD{MOUSEEVENTF_XDOWN}, DWORD{MOUSEEVENTF_XUP}}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        input.mi.mouseData = button;
        ASSERT_EQ(::SendInput(1, &input, sizeof input), 1u);
    }
}

TEST(SideButtonHook, KeepsFromTheWindowOnlyWhatTheFilterTakes) {
    TestWindow window(L"lumoclick side buttons " + std::to_wstring(GetCurrentProcessId()), 200, 200, 300,
                      200);
    std::vector<native::SideButtonEvent> seen;
    ASSERT_TRUE(native::installSideButtonHook([&](const native::SideButtonEvent &event) {
        seen.push_back(event);
        return event.button == 2;
    }));
    ASSERT_TRUE(native::setCursorPos(260, 250));
    sendSideButton(XBUTTON2);
    sendSideButton(XBUTTON1);
    win32test::pumpUntil([&] { return seen.size() >= 4 && buttonMessages(window).size() >= 2; });
    native::removeSideButtonHook();

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].button, 2);
    EXPECT_TRUE(seen[0].down);
    EXPECT_FALSE(seen[1].down);
    EXPECT_EQ(seen[2].button, 1);
    EXPECT_FALSE(seen[0].control);
    const std::vector<UINT> expected = {WM_XBUTTONDOWN, WM_XBUTTONUP};
    EXPECT_EQ(buttonMessages(window), expected) << "side button 2 reached the window, or 1 did not";
}

} // namespace
