#pragma once
// Recording fakes of every platform service. Tests drive them (deliver
// hotkey presses, move the pointer, answer message boxes, move the time) and
// assert on what they recorded.

#include "platform/Backend.h"
#include "platform/fake/VirtualTime.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <optional>
#include <vector>

namespace platform::fake {

// A key combination of a hotkey.
using Combination = QPair<Modifiers, HotkeyKey>;

struct HotkeyCall {
    enum Kind { Register, Unregister } kind;
    WindowHandle owner;
    int id;
    Modifiers modifiers;
    HotkeyKey key;
    bool result;
};

class FakeHotkeys final : public Hotkeys {
  public:
    bool registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) override;
    void unregisterHotkey(WindowHandle owner, int id) override;
    void setPressHandler(PressHandler handler) override { handler_ = std::move(handler); }

    // Another program holds this combination.
    void holdElsewhere(Modifiers modifiers, HotkeyKey key) {
        elsewhere_.insert(qMakePair(modifiers, key), true);
    }
    void releaseElsewhere(Modifiers modifiers, HotkeyKey key) {
        elsewhere_.remove(qMakePair(modifiers, key));
    }
    // The user presses a key combination; false if nobody of ours holds it.
    bool press(Modifiers modifiers, HotkeyKey key);
    // Delivers a press for (owner, id) whether or not it is registered.
    void deliver(WindowHandle owner, int id);

    bool isRegistered(WindowHandle owner, int id) const { return held_.contains(qMakePair(owner, id)); }
    std::optional<Combination> keyOf(WindowHandle owner, int id) const;
    // Registration attempts (successful or not) in call order.
    std::vector<HotkeyCall> registrations() const;
    const std::vector<HotkeyCall> &calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

  private:
    PressHandler handler_;
    QMap<QPair<WindowHandle, int>, Combination> held_;
    QMap<Combination, bool> elsewhere_;
    std::vector<HotkeyCall> calls_;
};

struct MouseCall {
    enum Kind { Move, Button } kind;
    ButtonEvent event; // Button
    Point at;          // where the pointer was (Button) or went (Move)
    qint64 timeMs;
};

// "LeftDown", "RightClick"...: for traces and failure messages.
const char *nameOf(ButtonEvent event);

class FakeMouse final : public Mouse {
  public:
    explicit FakeMouse(VirtualTime &time) : time_(time) {}
    void moveTo(int x, int y) override;
    Point position() override { return pos_; }
    void sendButtons(ButtonEvent event) override;

    // The user moves the pointer (not recorded as a call).
    void userMovesTo(int x, int y) { pos_ = {x, y}; }
    const std::vector<MouseCall> &calls() const { return calls_; }
    std::vector<MouseCall> buttonCalls() const;
    std::vector<ButtonEvent> buttonEvents() const;
    void clearCalls() { calls_.clear(); }

  private:
    VirtualTime &time_;
    // Where an X server puts the pointer at its start: the middle of a
    // 1280x1024 screen, away from the corner that stops the clicking.
    Point pos_{640, 512};
    std::vector<MouseCall> calls_;
};

class FakeShell final : public Shell {
  public:
    void openUrl(const QString &url) override { opened.append(url); }
    bool startProgram(const QString &program, const QStringList &arguments) override;

    bool runsInstallers() const override { return installers; }

    QStringList opened;
    QList<QStringList> started; // program first, then its arguments
    bool startSucceeds = true;
    // As on Windows unless a test plays a desktop that cannot run setup.exe.
    bool installers = true;
};

class FakeSessionStart final : public SessionStart {
  public:
    bool writeStartEntry(const QString &executable, const QString &argument) override;

    QList<QPair<QString, QString>> written;
    bool fails = false;
};

class FakeLocale final : public Locale {
  public:
    LongTimeFormat longTimeFormat() override { return format; }
    LongTimeFormat format; // the PRC default: 24 hours, no leading zero, ":"
};

struct ShownBox {
    QPointer<QWidget> owner;
    bool hadOwner;
    QString text;
    QString caption;
    Buttons buttons;
    Icon icon;
};

class FakeMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
                Icon icon) override;

    // Answers for the next boxes, in order; without one a box answers OK,
    // or No when it asks Yes or No.
    void answer(Answer result) { answers_.push_back(result); }
    // Runs while a box is "open", as the box's own message loop would.
    std::function<void(const ShownBox &)> whileOpen;

    const std::vector<ShownBox> &shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

  private:
    std::deque<Answer> answers_;
    std::vector<ShownBox> shown_;
};

class FakeClock final : public Clock {
  public:
    explicit FakeClock(VirtualTime &time) : time_(time) {}
    QDateTime now() override { return time_.now(); }
    qint64 monotonicMs() override { return time_.nowMs(); }
    qint64 monotonicNs() override { return time_.nowMs() * 1'000'000; }
    void wait(int ms) override;
    // Waits to the deadline's millisecond (rounded up) and counts as a wait
    // of the milliseconds from now; sleepUntil moves the time on likewise.
    bool waitUntilNear(qint64 deadlineNs) override;
    void sleepUntil(qint64 deadlineNs) override;
    void interruptWaits() override { ++interruptions_; }

    // Every wait, in order, as asked.
    std::vector<int> waits;

  private:
    static qint64 ceilMs(qint64 ns);
    bool advanceUnlessInterrupted(qint64 atMs);

    VirtualTime &time_;
    std::uint64_t interruptions_ = 0;
};

class FakeTimers final : public Timers {
  public:
    explicit FakeTimers(VirtualTime &time) : time_(time) {}
    bool setTimer(WindowHandle owner, int id, int periodMs, Tick tick) override;
    void killTimer(WindowHandle owner, int id) override;

    bool isRunning(WindowHandle owner, int id) const { return timers_.contains(qMakePair(owner, id)); }
    int periodOf(WindowHandle owner, int id) const;
    bool failNext = false;

  private:
    struct Running {
        int periodMs;
        std::uint64_t generation;
        std::uint64_t pending;
        std::shared_ptr<Tick> tick;
    };
    void arm(QPair<WindowHandle, int> key, qint64 atMs);

    VirtualTime &time_;
    std::uint64_t generation_ = 0;
    QMap<QPair<WindowHandle, int>, Running> timers_;
};

class FakeWindows final : public Windows {
  public:
    void setTopmost(QWidget *window, bool topmost) override { topmost_[window] = topmost; }
    bool isTopmost(QWidget *window) const { return topmost_.value(window, false); }

  private:
    QHash<QWidget *, bool> topmost_;
};

// The user's presses, made by the test at moments of virtual time.
class FakeRecorder final : public Recorder {
  public:
    using Button = RecordedPress::Button;

    explicit FakeRecorder(VirtualTime &time) : time_(time) {}
    bool start(PressHandler onPress) override;
    void stop() override { handler_ = {}; }

    bool watching() const { return static_cast<bool>(handler_); }
    // The user presses button at (x, y) now; false when nothing watches.
    bool press(Button button, int x, int y);
    // The same press when the virtual time reaches atMs.
    void pressAt(qint64 atMs, Button button, int x, int y);

    bool failsToStart = false;
    int starts = 0;

  private:
    VirtualTime &time_;
    PressHandler handler_;
};

class FakeBackend final : public Backend {
  public:
    FakeBackend();
    Services &services() override { return services_; }

    // Moves virtual time on, delivering what falls due (outside any wait).
    void advance(qint64 ms) { time.advanceBy(ms); }

    VirtualTime time;
    FakeHotkeys hotkeys;
    FakeMouse mouse{time};
    FakeShell shell;
    FakeSessionStart sessionStart;
    FakeLocale locale;
    FakeMessageBoxes messageBoxes;
    FakeClock clock{time};
    FakeTimers timers{time};
    FakeWindows windows;
    FakeRecorder recorder{time};

  private:
    Services services_;
};

} // namespace platform::fake
