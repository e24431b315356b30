#pragma once
// What the operating system gives the program: one small interface per
// service, on typed values; each backend translates them into its own.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace platform {

// Modifier keys of a hotkey, combined with |; Modifiers{} is none.
enum class Modifiers : unsigned { Control = 1u << 0, Alt = 1u << 1 };
constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return Modifiers(unsigned(a) | unsigned(b));
}
// Whether set holds every key of keys.
constexpr bool holds(Modifiers set, Modifiers keys) {
    return (unsigned(set) & unsigned(keys)) == unsigned(keys);
}

// The key of a hotkey: the function key F<number>, or the mouse's side
// button <number> (1 or 2, the buttons under the thumb). Only F1 to F12 and
// the two side buttons are offered; a number a hand-edited file gives
// otherwise is handed on as read.
struct HotkeyKey {
    enum class Kind { Function, SideButton };
    int number = 0;
    Kind kind = Kind::Function;
    friend auto operator<=>(const HotkeyKey &, const HotkeyKey &) = default;
};

inline constexpr HotkeyKey sideButton(int number) {
    return {number, HotkeyKey::Kind::SideButton};
}

// A synthetic mouse button event: a button going down, coming up, or both
// in one call (a click: the down, then the up).
enum class ButtonEvent {
    LeftDown,
    LeftUp,
    LeftClick,
    RightDown,
    RightUp,
    RightClick,
    MiddleDown,
    MiddleUp,
    MiddleClick
};

// The identity of a window that owns hotkey registrations and timers.
using WindowHandle = const void *;

class Service {
  public:
    Service() = default;
    Service(const Service &) = delete;
    Service &operator=(const Service &) = delete;
    virtual ~Service() = default;
};

// Global hotkeys. Identifiers are per owner window; a key combination is
// held by one registration at a time, whoever made it.
class Hotkeys : public Service {
  public:
    using PressHandler = std::function<void(WindowHandle owner, int id)>;

    // Grabs modifiers + key for (owner, id). False when the combination is
    // held by another program or by another registration of this one. A
    // side button that is a hotkey does not also reach the window under the
    // pointer.
    virtual bool registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) = 0;
    // Releases whatever (owner, id) holds; harmless when it holds nothing.
    virtual void unregisterHotkey(WindowHandle owner, int id) = 0;
    // Every press (key repeat included) is handed to this on the UI thread.
    virtual void setPressHandler(PressHandler handler) = 0;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

// Pointer position and synthetic mouse buttons.
class Mouse : public Service {
  public:
    // Moves the pointer to screen pixels (x, y).
    virtual void moveTo(int x, int y) = 0;
    virtual Point position() = 0;
    // Button input at the pointer.
    virtual void sendButtons(ButtonEvent event) = 0;
    // The same for each event in order, handed over at once.
    virtual void sendButtonSequence(const std::vector<ButtonEvent> &sequence) {
        for (ButtonEvent event : sequence)
            sendButtons(event);
    }
    // Returns once everything sent so far has reached the system's input
    // queue, so that a wait starting now starts after the input.
    virtual void awaitDelivery() {}
};

// A press of a mouse button that the user made somewhere on the screen.
struct RecordedPress {
    enum class Button { Left, Right };
    Button button = Button::Left;
    Point at; // where the button went down, in screen pixels
    // Milliseconds on a clock that never goes back; only the differences
    // between presses mean anything.
    qint64 timeMs = 0;
};

// Watches the user's presses of the left and right buttons anywhere on the
// screen. The presses still reach the windows they are made on.
class Recorder : public Service {
  public:
    using PressHandler = std::function<void(const RecordedPress &press)>;

    // Hands every press to onPress on the UI thread until stop(); a running
    // watch is replaced. False when the system cannot report presses.
    virtual bool start(PressHandler onPress) = 0;
    // Harmless when nothing is watched.
    virtual void stop() = 0;
};

// The desktop shell.
class Shell : public Service {
  public:
    // Opens a web address in the user's browser; no shell sees the text.
    virtual void openUrl(const QString &url) = 0;
    // Starts a program with arguments, detached; false if it did not start.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // Whether the maker's installer (setup.exe) can run here. Where it
    // cannot, an update on offer is only announced with its download page.
    virtual bool runsInstallers() const = 0;
};

// The entry that starts the program when the user logs on.
class SessionStart : public Service {
  public:
    // Writes the entry "lumoclick" running executable with argument; false on failure.
    virtual bool writeStartEntry(const QString &executable, const QString &argument) = 0;
};

// The pieces of the user's long time format.
struct LongTimeFormat {
    bool twelveHour = false;
    bool designatorFirst = false;
    bool leadingZero = false;
    QString separator = QStringLiteral(":");
    QString am;
    QString pm;
};

class Locale : public Service {
  public:
    virtual LongTimeFormat longTimeFormat() = 0;
};

// Modal message boxes.
// The symbol a message box shows beside its text.
enum class Icon { Information, Warning, Question, Error };
// The buttons a message box offers, and the one the user chose.
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageBoxes : public Service {
  public:
    // owner may be null (a box without owner window).
    virtual Answer show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
                        Icon icon) = 0;

    // A box with one OK button.
    void notice(QWidget *owner, const QString &text, const QString &caption, Icon icon) {
        show(owner, text, caption, Buttons::Ok, icon);
    }
    // A box with Yes and No; true when the user answers Yes.
    bool confirm(QWidget *owner, const QString &text, const QString &caption, Icon icon) {
        return show(owner, text, caption, Buttons::YesNo, icon) == Answer::Yes;
    }
};

// Wall clock and waiting.
class Clock : public Service {
  public:
    virtual QDateTime now() = 0;
    // Milliseconds since an arbitrary start, never going back.
    virtual qint64 monotonicMs() = 0;
    // Nanoseconds on the same clock, for deadlines.
    virtual qint64 monotonicNs() = 0;
    // Returns ms milliseconds after the call, to a fraction of a millisecond
    // where the system allows; the event loop keeps running meanwhile.
    virtual void wait(int ms) = 0;
    // The two halves of a wait until deadlineNs (monotonicNs's clock), for a
    // caller with work to do just before the deadline: the event loop runs
    // until shortly before it (false when interruptWaits() cut that short),
    // then sleepUntil() blocks, without events, until the deadline itself.
    virtual bool waitUntilNear(qint64 deadlineNs) = 0;
    virtual void sleepUntil(qint64 deadlineNs) = 0;
    // Cuts every wait under way short: each returns as soon as control is
    // back in it. Waits begun afterwards last their full time.
    virtual void interruptWaits() = 0;
};

// Window timers: periodic callbacks on the UI thread, at least 10 ms apart.
class Timers : public Service {
  public:
    using Tick = std::function<void()>;
    static constexpr int MinimumPeriodMs = 10;

    // Starts or replaces timer (owner, id); false when it cannot be made.
    virtual bool setTimer(WindowHandle owner, int id, int periodMs, Tick tick) = 0;
    virtual void killTimer(WindowHandle owner, int id) = 0;
};

// One timer of an owner window, named for what it does rather than by the
// owner and identifier the service keeps. It stops when it dies.
class Timer {
  public:
    Timer(Timers &timers, WindowHandle owner, int id, Timers::Tick tick)
        : timers_(timers), owner_(owner), id_(id), tick_(std::move(tick)) {}
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
    ~Timer() { stop(); }

    // Starts, or restarts with a new period; false when it cannot be made.
    bool start(int periodMs) {
        active_ = timers_.setTimer(owner_, id_, periodMs, tick_);
        return active_;
    }
    void stop() {
        timers_.killTimer(owner_, id_);
        active_ = false;
    }
    bool isActive() const { return active_; }

  private:
    Timers &timers_;
    WindowHandle owner_;
    int id_;
    Timers::Tick tick_;
    bool active_ = false;
};

// Window manager requests.
class Windows : public Service {
  public:
    // Keeps the window above all others (or ends that).
    virtual void setTopmost(QWidget *window, bool topmost) = 0;
};

// Every service the program uses, one instance each.
struct Services {
    Hotkeys &hotkeys;
    Mouse &mouse;
    Shell &shell;
    SessionStart &sessionStart;
    Locale &locale;
    MessageBoxes &messageBoxes;
    Clock &clock;
    Timers &timers;
    Windows &windows;
    Recorder &recorder;
};

// Whether the desktop's tray is a StatusNotifier host, which reports a click
// on the icon as one activation and never a double click, rather than an
// XEmbed tray or the Windows notification area.
bool trayIsStatusNotifierHost();

// Text in code page 936, the encoding of the program's files.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

} // namespace platform
