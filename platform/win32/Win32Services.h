#pragma once
// The platform services on the Win32 calls of Native.h. This side has Qt and
// Platform.h and never <windows.h> (see Native.h).

#include "platform/Platform.h"
#include "platform/win32/Native.h"

#include <QAbstractNativeEventFilter>
#include <QHash>

namespace platform {

// RegisterHotKey on the owner window's handle; WM_HOTKEY is taken from the
// application's native events and handed to the press handler. The side
// buttons have no RegisterHotKey: a low-level mouse hook watches them while
// one is registered.
class Win32Hotkeys final : public Hotkeys, private QAbstractNativeEventFilter {
  public:
    Win32Hotkeys();
    ~Win32Hotkeys() override;

    bool registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) override;
    void unregisterHotkey(WindowHandle owner, int id) override;
    void setPressHandler(PressHandler handler) override { handler_ = std::move(handler); }

  private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    struct SideButtonHotkey {
        Modifiers modifiers;
        int button = 0;
        bool operator==(const SideButtonHotkey &) const = default;
    };
    bool registerSideButton(WindowHandle owner, int id, SideButtonHotkey hotkey);
    bool filterSideButton(const win32::SideButtonEvent &event);

    PressHandler handler_;
    // Which owner each window handle stands for.
    QHash<win32::NativeWindow, WindowHandle> owners_;
    QHash<QPair<WindowHandle, int>, SideButtonHotkey> sideButtons_;
    // The side buttons whose press was a hotkey: their release is kept from
    // the windows too.
    bool pressKept_[3] = {};
};

class Win32Mouse final : public Mouse {
  public:
    void moveTo(int x, int y) override;
    Point position() override;
    void sendButtons(ButtonEvent event) override;
};

// The user's presses through a low-level mouse hook on the UI thread.
class Win32Recorder final : public Recorder {
  public:
    Win32Recorder() = default;
    ~Win32Recorder() override;
    bool start(PressHandler onPress) override;
    void stop() override;

  private:
    PressHandler handler_;
    // The input time stamps are 32-bit milliseconds, carried past their wrap.
    quint32 lastStamp_ = 0;
    qint64 wraps_ = 0;
    bool timeSeen_ = false;
};

// ShellExecuteW "open" and CreateProcessW.
class Win32Shell final : public Shell {
  public:
    void openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool runsInstallers() const override { return true; }
};

// The value "lumoclick" of the Run key under HKEY_LOCAL_MACHINE.
class RunKeyStart final : public SessionStart {
  public:
    bool writeStartEntry(const QString &executable, const QString &argument) override;
};

// The long time format of the thread's locale.
class Win32Locale final : public Locale {
  public:
    LongTimeFormat longTimeFormat() override;
};

// Topmost through SetWindowPos.
class Win32Windows final : public Windows {
  public:
    void setTopmost(QWidget *window, bool topmost) override;
};

} // namespace platform
