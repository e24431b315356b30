#pragma once
// The test's own view of the X display: windows by name, keys and pointer
// through XTest, screenshots, and click_target's record.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

typedef struct _XDisplay Display;

namespace e2e {

struct PointerPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const PointerPosition &, const PointerPosition &) = default;
};

// A window's outer rectangle in screen coordinates.
struct WindowFrame {
    unsigned long window = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class XSession {
  public:
    // Opens the display named by DISPLAY; check isOpen().
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    bool isOpen() const { return display_ != nullptr; }
    Display *display() const { return display_; }

    // Whether some window (at any depth below the root, so that a window
    // manager's frame does not hide it) has this _NET_WM_NAME or WM_NAME.
    bool windowExists(const QString &name);
    // The same, and the window is viewable.
    bool windowMapped(const QString &name);
    // Polls until such a window is viewable; false after timeoutMs.
    bool waitForMappedWindow(const QString &name, int timeoutMs);
    // The names of every viewable named window, for failure messages.
    QStringList mappedWindowNames();
    // A viewable window with that name; 0 when there is none.
    unsigned long mappedWindowNamed(const QString &name);
    // What a window manager's close box sends the window.
    void requestClose(unsigned long window);
    // Where the client area of the mapped window with this name begins on
    // the screen; nothing when no such window is mapped.
    std::optional<QPoint> clientOrigin(const QString &name);
    // The X server's time now, the clock of Click::serverMs.
    quint32 serverTime();

    // The largest viewable window whose WM_CLASS (instance or class) is
    // className: a window title may change while the test runs, its class
    // does not. window is 0 when there is none.
    WindowFrame largestWindowOfClass(const QString &className);
    // Polls until such a window is viewable; window 0 after timeoutMs.
    WindowFrame waitForWindowOfClass(const QString &className, int timeoutMs);
    // Puts the window above its siblings; with no window manager that is
    // done at once.
    void raise(unsigned long window);

    // Presses the keys in order and releases them in reverse, through XTest.
    // Key names: "ctrl", "alt", "shift", "numlock", "capslock", "Return",
    // "F1".."F12".
    void pressKeys(const QStringList &keys);
    // Only down or only up, for holding a key.
    void keyDown(const QString &key);
    void keyUp(const QString &key);
    // Presses and releases the key count times as fast as the server takes
    // them, for a flood of presses.
    void pressKeyRepeatedly(const QString &key, int count);
    bool numLockOn();
    bool capsLockOn();

    void movePointer(int x, int y);
    PointerPosition pointer();
    // Moves the pointer there and clicks the left button, through XTest.
    void leftClickAt(int x, int y);

    // Writes a PNG of the whole screen; false when that failed.
    bool screenshot(const QString &path);

  private:
    unsigned keycodeOf(const QString &key);
    unsigned modifierState();
    template <typename Visit> bool anyWindow(unsigned long window, Visit &visit, int depth);
    bool findWindow(const QString &name, bool mappedOnly, unsigned long *found = nullptr);
    QString windowName(unsigned long window);
    bool hasClass(unsigned long window, const QString &className);

    Display *display_ = nullptr;
};

// One line of click_target's record.
struct Click {
    bool press = false;
    unsigned button = 0;
    int x = 0;
    int y = 0;
    qint64 ms = 0;
    quint32 serverMs = 0;
};

// Milliseconds from a to b by the X server's clock, which wraps at 32 bits.
inline qint64 serverGapMs(const Click &a, const Click &b) {
    return static_cast<qint32>(b.serverMs - a.serverMs);
}

std::vector<Click> readClickLog(const QString &path);
// The presses of a record, in order; releases left out.
std::vector<Click> pressesOf(const std::vector<Click> &clicks);
// Polls the record until it holds at least count lines or timeoutMs passed.
std::vector<Click> waitForClicks(const QString &path, size_t count, int timeoutMs);

} // namespace e2e
