// The X11 backend against a real X server: grabs, presses, pointer, clicks,
// the shell and the autostart entry.

#include "platform/x11/X11Backend.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <functional>
#include <memory>
#include <vector>

using namespace platform;

namespace {

// Two windows of the program, as far as the backend can tell.
char windowA;
char windowB;
const WindowHandle ownerA = &windowA;
const WindowHandle ownerB = &windowB;

struct Press {
    WindowHandle owner;
    int id;
    friend bool operator==(const Press &, const Press &) = default;
};

class X11BackendTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
        backend_ = createX11Backend();
        ASSERT_TRUE(backend_);
        hotkeys().setPressHandler([this](WindowHandle owner, int id) { presses_.push_back({owner, id}); });
    }

    void TearDown() override {
        // Leave the lock keys as every test expects to find them.
        if (session_.isOpen() && session_.numLockOn())
            session_.pressKeys({QStringLiteral("numlock")});
        if (session_.isOpen() && session_.capsLockOn())
            session_.pressKeys({QStringLiteral("capslock")});
    }

    Hotkeys &hotkeys() { return backend_->services().hotkeys; }
    Mouse &mouse() { return backend_->services().mouse; }

    // Runs the event loop until count presses arrived or timeoutMs passed.
    const std::vector<Press> &waitForPresses(size_t count, int timeoutMs = 2000) {
        const QDeadlineTimer deadline(timeoutMs);
        while (presses_.size() < count && !deadline.hasExpired()) {
            QEventLoop loop;
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return presses_;
    }

    // The server drops a client's grabs when it notices the client gone,
    // a moment after the process ended (longer on a busy machine). A grab
    // that stays is refused for the whole two seconds.
    static bool succeedsWithin(const std::function<bool()> &attempt, int timeoutMs = 2000) {
        const QDeadlineTimer deadline(timeoutMs);
        while (!attempt()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    e2e::XSession session_;
    std::unique_ptr<Backend> backend_;
    std::vector<Press> presses_;
};

TEST_F(X11BackendTest, CombinationBelongsToOneRegistrationOfThisProgram) {
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerB, 1008, Modifiers::Control, HotkeyKey{3}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 1009, Modifiers::Control, HotkeyKey{3}));
    // Identifiers are per owner: the same one with other keys is fine.
    EXPECT_TRUE(hotkeys().registerHotkey(ownerB, 1008, Modifiers::Control, HotkeyKey{4}));
    // Other modifiers make another combination.
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 1010, Modifiers::Alt, HotkeyKey{3}));
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 1011, Modifiers{}, HotkeyKey{3}));

    hotkeys().unregisterHotkey(ownerA, 1008);
    EXPECT_TRUE(hotkeys().registerHotkey(ownerB, 1009, Modifiers::Control, HotkeyKey{3}));
}

TEST_F(X11BackendTest, OnlyTheTwelveFunctionKeysRegister) {
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 1, Modifiers{}, HotkeyKey{0}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 2, Modifiers{}, HotkeyKey{13}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 3, Modifiers{}, HotkeyKey{-2147483647 - 1}));
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 4, Modifiers{}, HotkeyKey{12}));
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 5, Modifiers::Alt, HotkeyKey{1}));
}

// Xvfb's keymap, like most, gives F1..F12 with Ctrl+Alt the level that
// switches virtual consoles; the server acts on it and passes nothing on.
TEST_F(X11BackendTest, ConsoleSwitchCombinationsAreRefusedLikeHeldOnes) {
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 1, Modifiers::Control | Modifiers::Alt, HotkeyKey{1}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 2, Modifiers::Control | Modifiers::Alt, HotkeyKey{3}));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 3, Modifiers::Control | Modifiers::Alt, HotkeyKey{12}));
    // The same keys with one modifier are ordinary hotkeys.
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 4, Modifiers::Control, HotkeyKey{1}));
    EXPECT_TRUE(hotkeys().registerHotkey(ownerA, 5, Modifiers::Alt, HotkeyKey{12}));
    // Nothing of the refused ones was grabbed: another client still gets them.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("alt"), QStringLiteral("F1")}),
              QStringLiteral("held"));
}

TEST_F(X11BackendTest, RegisteredCombinationIsRefusedToOtherClientsUntilUnregistered) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("refused"));
    // Only the exact combination is ours.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("alt"), QStringLiteral("F3")}), QStringLiteral("held"));

    hotkeys().unregisterHotkey(ownerA, 1008);
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("held"));
}

TEST_F(X11BackendTest, UnregisteringWhatWasNeverRegisteredIsHarmless) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    hotkeys().unregisterHotkey(ownerA, 1108);
    hotkeys().unregisterHotkey(ownerB, 1008);
    hotkeys().unregisterHotkey(nullptr, 0);
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("refused"));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerB, 7, Modifiers::Control, HotkeyKey{3}));
}

TEST_F(X11BackendTest, CombinationHeldByAnotherClientIsRefused) {
    std::unique_ptr<e2e::Helper> rival;
    ASSERT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F5")}, &rival), QStringLiteral("held"));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 1108, Modifiers::Control, HotkeyKey{5}));

    rival->stop();
    EXPECT_TRUE(succeedsWithin(
        [this] { return hotkeys().registerHotkey(ownerA, 1108, Modifiers::Control, HotkeyKey{5}); }));
}

TEST_F(X11BackendTest, RefusedRegistrationKeepsNoneOfItsGrabs) {
    // The rival holds only the plain combination, so the CapsLock and
    // NumLock variants of our attempt succeed before the refusal shows.
    std::unique_ptr<e2e::Helper> rival;
    ASSERT_EQ(
        e2e::holdKey({QStringLiteral("--plain-only"), QStringLiteral("ctrl"), QStringLiteral("F7")}, &rival),
        QStringLiteral("held"));
    EXPECT_FALSE(hotkeys().registerHotkey(ownerA, 1, Modifiers::Control, HotkeyKey{7}));
    rival->stop();

    // Had any variant stayed with us, a full grab would be refused.
    EXPECT_TRUE(succeedsWithin([] {
        return e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F7")}) == QStringLiteral("held");
    }));
}

TEST_F(X11BackendTest, PressReachesTheHandlerWhateverTheLockKeys) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    ASSERT_TRUE(hotkeys().registerHotkey(ownerB, 1008, Modifiers::Alt, HotkeyKey{3}));

    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    ASSERT_EQ(waitForPresses(1).size(), 1u);
    EXPECT_EQ(presses_[0], (Press{ownerA, 1008}));

    session_.pressKeys({QStringLiteral("numlock")});
    ASSERT_TRUE(session_.numLockOn());
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    ASSERT_EQ(waitForPresses(2).size(), 2u);
    EXPECT_EQ(presses_[1], (Press{ownerA, 1008}));

    session_.pressKeys({QStringLiteral("capslock")});
    ASSERT_TRUE(session_.capsLockOn());
    session_.pressKeys({QStringLiteral("alt"), QStringLiteral("F3")});
    ASSERT_EQ(waitForPresses(3).size(), 3u);
    EXPECT_EQ(presses_[2], (Press{ownerB, 1008}));
}

TEST_F(X11BackendTest, OtherCombinationsOfTheSameKeyAreNotDelivered) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    session_.pressKeys({QStringLiteral("F3")});
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("alt"), QStringLiteral("F3")});
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F4")});
    // A press that does arrive afterwards proves the others had their chance.
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    waitForPresses(2, 1000);
    EXPECT_EQ(presses_, (std::vector<Press>{{ownerA, 1008}}));
}

TEST_F(X11BackendTest, UnregisteredCombinationIsNoLongerDelivered) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1108, Modifiers::Control, HotkeyKey{4}));
    hotkeys().unregisterHotkey(ownerA, 1008);
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F4")});
    waitForPresses(2, 1000);
    EXPECT_EQ(presses_, (std::vector<Press>{{ownerA, 1108}}));
}

TEST_F(X11BackendTest, HeldKeyDeliversEveryRepeatedPress) {
    ASSERT_TRUE(hotkeys().registerHotkey(ownerA, 1008, Modifiers::Control, HotkeyKey{3}));
    // Held past the keyboard's repeat delay, the server repeats the press.
    session_.keyDown(QStringLiteral("ctrl"));
    session_.keyDown(QStringLiteral("F3"));
    waitForPresses(3, 3000);
    session_.keyUp(QStringLiteral("F3"));
    session_.keyUp(QStringLiteral("ctrl"));
    EXPECT_GE(presses_.size(), 3u);
    for (const Press &press : presses_)
        EXPECT_EQ(press, (Press{ownerA, 1008}));
}

TEST_F(X11BackendTest, CursorPositionIsSetAndReadBack) {
    mouse().moveTo(100, 200);
    EXPECT_EQ(mouse().position(), (Point{100, 200}));
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{100, 200}));

    // A move made by someone else is read too.
    session_.movePointer(640, 33);
    EXPECT_EQ(mouse().position(), (Point{640, 33}));
}

TEST_F(X11BackendTest, CoordinatesBeyondTheScreenLandOnItsNearestEdge) {
    // Sixteen bits on the wire would turn 65636 into 100 and -40000 into
    // 25536, far from where the user asked.
    Display *display = session_.display();
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    mouse().moveTo(65636, 900);
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{width - 1, 900}));
    mouse().moveTo(-40000, -40000);
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{0, 0}));
    mouse().moveTo(2147483647, 2147483647);
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{width - 1, height - 1}));
    mouse().moveTo(width - 1, 0);
    EXPECT_EQ(mouse().position(), (Point{width - 1, 0}));
}

TEST_F(X11BackendTest, ButtonsLandAtThePointerInCallOrder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString log = folder.filePath(QStringLiteral("clicks.log"));
    e2e::Helper target(e2e::clickTargetPath(), {log});
    ASSERT_EQ(target.readLine(), QStringLiteral("ready"));

    mouse().moveTo(300, 400);
    // A click is the press, then the release.
    mouse().sendButtons(ButtonEvent::LeftClick);
    mouse().sendButtons(ButtonEvent::RightDown);
    mouse().sendButtons(ButtonEvent::RightUp);
    mouse().moveTo(17, 1000);
    // A sequence handed over at once keeps its order.
    mouse().sendButtonSequence({ButtonEvent::LeftDown, ButtonEvent::LeftUp, ButtonEvent::RightClick});

    const std::vector<e2e::Click> clicks = e2e::waitForClicks(log, 8, 3000);
    ASSERT_EQ(clicks.size(), 8u);
    struct Expected {
        bool press;
        unsigned button;
        int x;
        int y;
    };
    const Expected expected[] = {{true, 1, 300, 400},  {false, 1, 300, 400}, {true, 3, 300, 400},
                                 {false, 3, 300, 400}, {true, 1, 17, 1000},  {false, 1, 17, 1000},
                                 {true, 3, 17, 1000},  {false, 3, 17, 1000}};
    for (size_t i = 0; i < clicks.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(clicks[i].press, expected[i].press);
        EXPECT_EQ(clicks[i].button, expected[i].button);
        EXPECT_EQ(clicks[i].x, expected[i].x);
        EXPECT_EQ(clicks[i].y, expected[i].y);
    }
    // Clicks never move the pointer.
    EXPECT_EQ(session_.pointer(), (e2e::PointerPosition{17, 1000}));
}

TEST_F(X11BackendTest, OpenUrlHandsTheAddressToXdgOpenAsOneArgument) {
    e2e::FakeOpener opener;
    ASSERT_TRUE(opener.isValid());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", opener.path().toLocal8Bit());
    const QString url = QStringLiteral("https://example.com/a b?x=1&y=$(touch hacked);z");
    backend_->services().shell.openUrl(url);
    qputenv("PATH", oldPath);

    EXPECT_EQ(opener.waitForLog(1, 5000), QStringList{url});
}

TEST_F(X11BackendTest, StartProgramStartsItDetachedWithItsArguments) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString marker = folder.filePath(QStringLiteral("started it"));
    EXPECT_TRUE(backend_->services().shell.startProgram(QStringLiteral("/usr/bin/touch"), {marker}));
    const QDeadlineTimer deadline(5000);
    while (!QFileInfo::exists(marker) && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_TRUE(QFileInfo::exists(marker));

    EXPECT_FALSE(backend_->services().shell.startProgram(folder.filePath(QStringLiteral("missing")), {}));
}

class StartEntryTest : public X11BackendTest {
  protected:
    void SetUp() override {
        X11BackendTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", folder_.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void TearDown() override {
        if (hadConfig_)
            qputenv("XDG_CONFIG_HOME", oldConfig_);
        else
            qunsetenv("XDG_CONFIG_HOME");
        X11BackendTest::TearDown();
    }
    QString entryPath() const {
        return folder_.filePath(QStringLiteral("config/autostart/lumoclick.desktop"));
    }
    QStringList entryLines() const {
        QFile file(entryPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir folder_;
    QByteArray oldConfig_;
    bool hadConfig_ = false;
};

TEST_F(StartEntryTest, WritesADesktopEntryThatRunsTheProgramWithAutotime) {
    SessionStart &start = backend_->services().sessionStart;
    ASSERT_TRUE(start.writeStartEntry(QStringLiteral("/opt/my tools/lumoclick"), QStringLiteral("autotime")));
    const QStringList lines = entryLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Type=Application")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name=lumoclick")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=\"/opt/my tools/lumoclick\" autotime")))
        << lines.join(QLatin1Char('|')).toStdString();

    // Written again, the entry is replaced, not appended to.
    ASSERT_TRUE(start.writeStartEntry(QStringLiteral("/usr/bin/lumoclick"), QStringLiteral("autotime")));
    const QStringList again = entryLines();
    EXPECT_TRUE(again.contains(QStringLiteral("Exec=/usr/bin/lumoclick autotime")));
    EXPECT_EQ(again.filter(QStringLiteral("Exec=")).size(), 1);
    EXPECT_EQ(QDir(QFileInfo(entryPath()).path()).entryList(QDir::Files),
              QStringList{QStringLiteral("lumoclick.desktop")});
}

TEST_F(StartEntryTest, FailsWhenTheFolderCannotBeMade) {
    // A file where the configuration folder should be.
    QFile blocker(folder_.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(backend_->services().sessionStart.writeStartEntry(QStringLiteral("/usr/bin/lumoclick"),
                                                                   QStringLiteral("autotime")));
}

} // namespace
