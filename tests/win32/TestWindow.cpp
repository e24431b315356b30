#include "TestWindow.h"

namespace win32test {

namespace {

const wchar_t kClassName[] = L"lumoclick_test_window";
std::function<void(const MSG &)> watcher;

void registerClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_NCCREATE) {
                const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            }
            return DefWindowProcW(hwnd, message, wParam, lParam);
        };
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

bool isRecorded(UINT message) {
    switch (message) {
    case WM_HOTKEY:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        return true;
    default:
        return false;
    }
}

} // namespace

TestWindow::TestWindow(const std::wstring &title, int x, int y, int width, int height) {
    registerClass();
    hwnd_ = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                            height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::procedure));
        UpdateWindow(hwnd_);
        SetForegroundWindow(hwnd_);
    }
    pumpFor(100);
}

TestWindow::~TestWindow() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
    pumpFor(0);
}

LRESULT CALLBACK TestWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<TestWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && isRecorded(message)) {
        self->recorded_.push_back({message, wParam});
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

MessageWatch::MessageWatch(std::function<void(const MSG &)> watch) {
    watcher = std::move(watch);
}

MessageWatch::~MessageWatch() {
    watcher = nullptr;
}

bool pumpUntil(const std::function<bool()> &done) {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (watcher)
                watcher(msg);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void pumpFor(DWORD ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    pumpUntil([deadline] { return GetTickCount64() >= deadline; });
}

} // namespace win32test
