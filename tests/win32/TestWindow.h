#pragma once
// A top-level Win32 window that records the messages the tests look for.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace win32test {

struct Recorded {
    UINT message;
    WPARAM wParam;
};

class TestWindow {
  public:
    // A visible window at (x, y) of width by height pixels; double clicks
    // arrive as WM_LBUTTONDBLCLK / WM_RBUTTONDBLCLK.
    TestWindow(const std::wstring &title, int x, int y, int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;

    HWND hwnd() const { return hwnd_; }
    // Hotkey presses and mouse button messages, in arrival order.
    const std::vector<Recorded> &recorded() const { return recorded_; }

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::vector<Recorded> recorded_;
};

// Handles this thread's messages until done() holds; false when it did not
// within a generous bail-out (20 s), which only a fault makes happen.
bool pumpUntil(const std::function<bool()> &done);
// While it lives, every message that any pump takes is shown to it before
// it is dispatched.
class MessageWatch {
  public:
    explicit MessageWatch(std::function<void(const MSG &)> watcher);
    ~MessageWatch();
    MessageWatch(const MessageWatch &) = delete;
    MessageWatch &operator=(const MessageWatch &) = delete;
};

// Handles what is waiting now and what arrives within ms milliseconds.
void pumpFor(DWORD ms);

} // namespace win32test
