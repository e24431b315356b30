// win32_click_target LOGFILE: a full-screen Win32 window that records every
// mouse button press and release it receives, one line each:
//   press|release BUTTON X Y MESSAGE_MS
// BUTTON is 1 left, 2 middle, 3 right (as on X11); X and Y are screen
// positions; MESSAGE_MS is the message's own time stamp (GetMessageTime),
// so gaps leave out how late this program got round to reading them.
// Its title is "lumo click target"; it ends when its window is closed.

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

namespace {

std::FILE *logFile = nullptr;

void record(const char *what, int button, LPARAM lParam, HWND hwnd) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd, &point);
    std::fprintf(logFile, "%s %d %ld %ld %ld\n", what, button, point.x, point.y, GetMessageTime());
    std::fflush(logFile);
}

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        record("press", 1, lParam, hwnd);
        return 0;
    case WM_LBUTTONUP:
        record("release", 1, lParam, hwnd);
        return 0;
    case WM_MBUTTONDOWN:
        record("press", 2, lParam, hwnd);
        return 0;
    case WM_MBUTTONUP:
        record("release", 2, lParam, hwnd);
        return 0;
    case WM_RBUTTONDOWN:
        record("press", 3, lParam, hwnd);
        return 0;
    case WM_RBUTTONUP:
        record("release", 3, lParam, hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 2 || !(logFile = _wfopen(argv[1], L"a")))
        return 2;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"lumo_click_target";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"lumo click target", WS_POPUP | WS_VISIBLE, 0,
                                0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd)
        return 2;
    SetForegroundWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    std::fclose(logFile);
    return 0;
}
