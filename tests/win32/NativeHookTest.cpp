// The low-level mouse hook that records the user's presses: it sees left
// and right presses with their place, lets them through to the window
// under the pointer, and sees nothing once removed.

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

} // namespace
