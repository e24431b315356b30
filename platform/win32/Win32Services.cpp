#include "platform/win32/Win32Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include <utility>

namespace platform {

namespace {

win32::NativeWindow nativeWindow(const QWidget *widget) {
    return reinterpret_cast<win32::NativeWindow>(widget->winId());
}

// The program's owners are its windows.
win32::NativeWindow nativeWindow(WindowHandle owner) {
    return nativeWindow(static_cast<const QWidget *>(owner));
}

QString fromWide(const std::wstring &text) {
    return QString::fromStdWString(text);
}

unsigned nativeModifiers(Modifiers modifiers) {
    return (holds(modifiers, Modifiers::Control) ? win32::kModifierControl : 0u) |
           (holds(modifiers, Modifiers::Alt) ? win32::kModifierAlt : 0u);
}

// F<number>'s virtual key, in 32-bit unsigned arithmetic as the key number
// has always been added: a number a hand-edited file gives outside 1..12
// names whatever key that makes, and RegisterHotKey decides.
unsigned virtualKey(HotkeyKey key) {
    return win32::kVirtualKeyF1 - 1u + static_cast<unsigned>(key.number);
}

// A click is one call with both flags, which Windows makes a down then an up.
unsigned mouseFlags(ButtonEvent event) {
    switch (event) {
    case ButtonEvent::LeftDown:
        return win32::kLeftDownFlag;
    case ButtonEvent::LeftUp:
        return win32::kLeftUpFlag;
    case ButtonEvent::LeftClick:
        return win32::kLeftDownFlag | win32::kLeftUpFlag;
    case ButtonEvent::RightDown:
        return win32::kRightDownFlag;
    case ButtonEvent::RightUp:
        return win32::kRightUpFlag;
    case ButtonEvent::RightClick:
        return win32::kRightDownFlag | win32::kRightUpFlag;
    case ButtonEvent::MiddleDown:
        return win32::kMiddleDownFlag;
    case ButtonEvent::MiddleUp:
        return win32::kMiddleUpFlag;
    case ButtonEvent::MiddleClick:
        break;
    }
    return win32::kMiddleDownFlag | win32::kMiddleUpFlag;
}

} // namespace

Win32Hotkeys::Win32Hotkeys() {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

Win32Hotkeys::~Win32Hotkeys() {
    win32::removeSideButtonHook();
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool Win32Hotkeys::registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) {
    if (key.kind == HotkeyKey::Kind::SideButton)
        return registerSideButton(owner, id, {modifiers, key.number});
    const win32::NativeWindow window = nativeWindow(owner);
    owners_.insert(window, owner);
    return win32::registerHotKey(window, id, nativeModifiers(modifiers), virtualKey(key));
}

void Win32Hotkeys::unregisterHotkey(WindowHandle owner, int id) {
    if (sideButtons_.remove(qMakePair(owner, id)) > 0) {
        if (sideButtons_.isEmpty())
            win32::removeSideButtonHook();
        return;
    }
    win32::unregisterHotKey(nativeWindow(owner), id);
}

bool Win32Hotkeys::registerSideButton(WindowHandle owner, int id, SideButtonHotkey hotkey) {
    // Other programs' hooks cannot be seen, so only our own registrations
    // can hold a combination.
    if (hotkey.button < 1 || hotkey.button > 2)
        return false;
    for (const SideButtonHotkey &held : std::as_const(sideButtons_))
        if (held == hotkey)
            return false;
    if (sideButtons_.isEmpty() && !win32::installSideButtonHook([this](const win32::SideButtonEvent &event) {
            return filterSideButton(event);
        }))
        return false;
    sideButtons_.insert(qMakePair(owner, id), hotkey);
    return true;
}

bool Win32Hotkeys::filterSideButton(const win32::SideButtonEvent &event) {
    if (!event.down)
        return std::exchange(pressKept_[event.button], false);
    const Modifiers modifiers = Modifiers((event.control ? unsigned(Modifiers::Control) : 0u) |
                                          (event.alt ? unsigned(Modifiers::Alt) : 0u));
    for (auto it = sideButtons_.cbegin(); it != sideButtons_.cend(); ++it) {
        if (it.value() != SideButtonHotkey{modifiers, event.button})
            continue;
        pressKept_[event.button] = true;
        // The hook must return at once, and the handler may play a whole
        // script: it runs from the event loop.
        const QPair<WindowHandle, int> key = it.key();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, key] {
                if (handler_)
                    handler_(key.first, key.second);
            },
            Qt::QueuedConnection);
        return true;
    }
    return false;
}

bool Win32Hotkeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) {
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const std::optional<win32::HotkeyPress> press = win32::hotkeyPress(message);
    if (!press)
        return false;
    const auto owner = owners_.constFind(press->window);
    if (owner == owners_.constEnd())
        return false;
    if (handler_)
        handler_(owner.value(), press->id);
    if (result)
        *result = 0;
    return true;
}

void Win32Mouse::moveTo(int x, int y) {
    win32::setCursorPos(x, y);
}

Point Win32Mouse::position() {
    const win32::CursorPos position = win32::getCursorPos();
    return {position.x, position.y};
}

void Win32Mouse::sendButtons(ButtonEvent event) {
    win32::sendMouseFlags(mouseFlags(event));
}

Win32Recorder::~Win32Recorder() {
    stop();
}

bool Win32Recorder::start(PressHandler onPress) {
    stop();
    handler_ = std::move(onPress);
    timeSeen_ = false;
    wraps_ = 0;
    // The hook is called from this thread's message pump, the UI thread's.
    const bool installed = win32::installPressHook([this](const win32::HookedPress &press) {
        if (!handler_)
            return;
        const auto stamp = static_cast<quint32>(press.timeMs);
        if (timeSeen_ && stamp < lastStamp_)
            ++wraps_;
        lastStamp_ = stamp;
        timeSeen_ = true;
        const RecordedPress recorded{press.right ? RecordedPress::Button::Right : RecordedPress::Button::Left,
                                     {press.x, press.y},
                                     (wraps_ << 32) + stamp};
        const PressHandler handler = handler_; // it may stop the recording
        handler(recorded);
    });
    if (!installed)
        handler_ = {};
    return installed;
}

void Win32Recorder::stop() {
    win32::removePressHook();
    handler_ = {};
}

void Win32Shell::openUrl(const QString &url) {
    win32::openDocument(url.toStdWString());
}

bool Win32Shell::startProgram(const QString &program, const QStringList &arguments) {
    std::vector<std::wstring> wide;
    for (const QString &argument : arguments)
        wide.push_back(argument.toStdWString());
    return win32::startProgram(QDir::toNativeSeparators(program).toStdWString(), wide);
}

bool RunKeyStart::writeStartEntry(const QString &executable, const QString &argument) {
    // The path as Windows writes it, with backslashes, and never quoted.
    const std::wstring data =
        win32::startValueData(QDir::toNativeSeparators(executable).toStdWString(), argument.toStdWString());
    return !win32::writeStartValue(data).has_value();
}

LongTimeFormat Win32Locale::longTimeFormat() {
    const win32::TimePieces pieces = win32::threadTimePieces();
    LongTimeFormat format;
    format.twelveHour = pieces.twelveHour;
    format.designatorFirst = pieces.designatorFirst;
    format.leadingZero = pieces.leadingZero;
    format.separator = fromWide(pieces.separator);
    format.am = fromWide(pieces.am);
    format.pm = fromWide(pieces.pm);
    return format;
}

void Win32Windows::setTopmost(QWidget *window, bool topmost) {
    if (window)
        win32::setTopmost(nativeWindow(window), topmost);
}

} // namespace platform
