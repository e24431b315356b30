// The tray icon under a real window manager with a tray host (icewm):
// minimising hides the window to the icon, a double-click on the icon brings
// it back, keep on top survives both, and the icon comes back when the tray
// host restarts.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QDeadlineTimer>
#include <QPoint>
#include <QSize>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

// After gtest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr int kTimeoutMs = 8000;

bool waitUntil(const std::function<bool()> &condition, int timeoutMs = kTimeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

// What the window manager and the tray show of the program.
class Desktop {
  public:
    explicit Desktop(Display *display) : d_(display), root_(DefaultRootWindow(display)) {}

    bool trayHostRuns() {
        const Atom tray = XInternAtom(d_, "_NET_SYSTEM_TRAY_S0", False);
        return XGetSelectionOwner(d_, tray) != None;
    }

    // The windows the window manager lists (its taskbar shows these).
    std::vector<Window> clients() { return windowsProperty(root_, "_NET_CLIENT_LIST"); }

    // The program's top-level window: a managed window of class lumoclick.
    Window mainWindow() {
        for (Window window : clients())
            if (isOurs(window))
                return window;
        return None;
    }

    bool listed(Window window) {
        const std::vector<Window> all = clients();
        return std::find(all.begin(), all.end(), window) != all.end();
    }

    // The program's icon: a small window of ours carrying the XEmbed
    // information, found anywhere below the root (the tray host reparents it).
    Window trayIcon() { return findIcon(root_, 0); }

    bool viewable(Window window) {
        XWindowAttributes attributes{};
        return window != None && XGetWindowAttributes(d_, window, &attributes) &&
               attributes.map_state == IsViewable;
    }

    bool above(Window window) {
        const Atom stateAbove = XInternAtom(d_, "_NET_WM_STATE_ABOVE", False);
        for (Window atom : windowsProperty(window, "_NET_WM_STATE"))
            if (atom == stateAbove)
                return true;
        return false;
    }

    // The root coordinates of a point inside window.
    QPoint toRoot(Window window, int x, int y) {
        int rootX = 0;
        int rootY = 0;
        Window child = None;
        XTranslateCoordinates(d_, window, root_, x, y, &rootX, &rootY, &child);
        return {rootX, rootY};
    }

    QSize size(Window window) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(d_, window, &attributes);
        return {attributes.width, attributes.height};
    }

    void click(QPoint at, unsigned button, int times) {
        XTestFakeMotionEvent(d_, -1, at.x(), at.y(), CurrentTime);
        XSync(d_, False);
        for (int i = 0; i < times; ++i) {
            XTestFakeButtonEvent(d_, button, True, CurrentTime);
            XTestFakeButtonEvent(d_, button, False, CurrentTime);
            XSync(d_, False);
            QThread::msleep(60);
        }
    }

    // One key without modifiers: a letter, or "Return".
    void type(const char *keyName) {
        const KeyCode code = XKeysymToKeycode(d_, XStringToKeysym(keyName));
        XTestFakeKeyEvent(d_, code, True, CurrentTime);
        XTestFakeKeyEvent(d_, code, False, CurrentTime);
        XSync(d_, False);
    }

    void minimise(Window window) {
        XIconifyWindow(d_, window, DefaultScreen(d_));
        XSync(d_, False);
    }

  private:
    std::vector<Window> windowsProperty(Window window, const char *name) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        std::vector<Window> result;
        if (XGetWindowProperty(d_, window, XInternAtom(d_, name, False), 0, 1024, False, AnyPropertyType,
                               &type, &format, &count, &after, &data) == Success &&
            data && format == 32) {
            const auto *values = reinterpret_cast<const unsigned long *>(data);
            result.assign(values, values + count);
        }
        if (data)
            XFree(data);
        return result;
    }

    bool isOurs(Window window) {
        XClassHint hint{};
        if (!XGetClassHint(d_, window, &hint))
            return false;
        const bool ours = hint.res_class && qstrcmp(hint.res_class, "lumoclick") == 0;
        XFree(hint.res_name);
        XFree(hint.res_class);
        return ours;
    }

    bool hasProperty(Window window, const char *name) {
        int count = 0;
        Atom *atoms = XListProperties(d_, window, &count);
        bool found = false;
        const Atom wanted = XInternAtom(d_, name, False);
        for (int i = 0; i < count; ++i)
            found = found || atoms[i] == wanted;
        if (atoms)
            XFree(atoms);
        return found;
    }

    Window findIcon(Window window, int depth) {
        // Qt marks its every window for XEmbed; the icon is the small one.
        if (depth > 0 && isOurs(window) && hasProperty(window, "_XEMBED_INFO")) {
            const QSize iconSize = size(window);
            if (iconSize.width() <= 64 && iconSize.height() <= 64)
                return window;
        }
        if (depth > 8)
            return None;
        Window rootReturn = None;
        Window parent = None;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(d_, window, &rootReturn, &parent, &children, &count))
            return None;
        Window found = None;
        for (unsigned int i = 0; i < count && found == None; ++i)
            found = findIcon(children[i], depth + 1);
        if (children)
            XFree(children);
        return found;
    }

    Display *d_;
    Window root_;
};

class TrayTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
        if (QStandardPaths::findExecutable(QStringLiteral("icewm")).isEmpty())
            GTEST_SKIP() << "icewm is not installed (tools/setup.sh installs it)";
        startTrayHost();
        ASSERT_TRUE(waitUntil([this] { return desktop_.trayHostRuns(); })) << "icewm's tray did not come up";
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(folder_.start());
        ASSERT_TRUE(waitUntil([this] {
            main_ = desktop_.mainWindow();
            return main_ != None && desktop_.viewable(main_);
        })) << folder_.output().toStdString();
        ASSERT_TRUE(waitUntil([this] {
            icon_ = desktop_.trayIcon();
            return desktop_.viewable(icon_);
        })) << "no tray icon\n"
            << folder_.output().toStdString();
    }

    void startTrayHost() {
        trayHost_ = std::make_unique<e2e::Helper>(QStringLiteral("icewm"), QStringList());
    }

    QPoint iconCentre() {
        const QSize size = desktop_.size(icon_);
        return desktop_.toRoot(icon_, size.width() / 2, size.height() / 2);
    }

    void hideAndRestore() {
        desktop_.minimise(main_);
        ASSERT_TRUE(waitUntil([this] { return !desktop_.viewable(main_) && !desktop_.listed(main_); }))
            << "the window stays in view or on the taskbar";
        icon_ = desktop_.trayIcon();
        ASSERT_TRUE(desktop_.viewable(icon_)) << "the tray icon went away";
        desktop_.click(iconCentre(), Button1, 2);
        ASSERT_TRUE(waitUntil([this] { return desktop_.viewable(main_) && desktop_.listed(main_); }))
            << "a double-click on the icon did not bring the window back";
    }

    e2e::XSession session_;
    Desktop desktop_{session_.display()};
    std::unique_ptr<e2e::Helper> trayHost_;
    e2e::ProgramFolder folder_;
    Window main_ = None;
    Window icon_ = None;
};

TEST_F(TrayTest, MinimisingHidesToTheIconAndADoubleClickRestores) {
    hideAndRestore();
    // A single click does nothing.
    desktop_.minimise(main_);
    ASSERT_TRUE(waitUntil([this] { return !desktop_.viewable(main_); }));
    desktop_.click(iconCentre(), Button1, 1);
    QThread::msleep(700);
    EXPECT_FALSE(desktop_.viewable(main_));
    EXPECT_TRUE(folder_.isRunning());
}

TEST_F(TrayTest, ASecondStartBringsTheHiddenWindowBackAndEnds) {
    desktop_.minimise(main_);
    ASSERT_TRUE(waitUntil([this] { return !desktop_.viewable(main_) && !desktop_.listed(main_); }));
    const e2e::ProgramFolder::Run second = folder_.runAgain({QStringLiteral("autotime")}, 10000);
    ASSERT_TRUE(second.exitCode.has_value()) << "the second start did not end\n"
                                             << second.output.toStdString();
    EXPECT_EQ(*second.exitCode, 0) << second.output.toStdString();
    EXPECT_TRUE(waitUntil([this] { return desktop_.viewable(main_) && desktop_.listed(main_); }))
        << "the first instance's window stayed hidden";
    EXPECT_TRUE(folder_.isRunning());
    // Only one main window of ours.
    EXPECT_EQ(desktop_.mainWindow(), main_);
}

TEST_F(TrayTest, KeepOnTopLastsAcrossHideAndRestore) {
    // Qt makes a new native window when the keep-on-top hint changes.
    const auto aboveNow = [this] {
        main_ = desktop_.mainWindow();
        return main_ != None && desktop_.viewable(main_) && desktop_.above(main_);
    };
    // The check box "窗口置顶" at the right end of the tab row.
    desktop_.click(desktop_.toRoot(main_, 490, 103), Button1, 1);
    ASSERT_TRUE(waitUntil(aboveNow)) << "the window was not kept on top";
    hideAndRestore();
    EXPECT_TRUE(waitUntil(aboveNow, 2000)) << "lost keep on top on restoring";
    desktop_.click(desktop_.toRoot(main_, 490, 103), Button1, 1);
    EXPECT_TRUE(waitUntil([&] { return !aboveNow() && main_ != None && desktop_.viewable(main_); }))
        << "unticking did not end keep on top";
}

TEST_F(TrayTest, TheIconComesBackWhenTheTrayHostRestarts) {
    trayHost_->stop();
    ASSERT_TRUE(waitUntil([this] { return !desktop_.trayHostRuns(); }));
    startTrayHost();
    ASSERT_TRUE(waitUntil([this] { return desktop_.trayHostRuns(); }));
    // Added again, and settled where the new tray puts it.
    QPoint last(-1, -1);
    ASSERT_TRUE(waitUntil([&] {
        icon_ = desktop_.trayIcon();
        if (!desktop_.viewable(icon_))
            return false;
        const QPoint now = iconCentre();
        const bool settled = now == last;
        last = now;
        QThread::msleep(250);
        return settled;
    })) << "the icon was not added again";
    hideAndRestore();
}

TEST_F(TrayTest, AWindowHiddenToTheTrayComesBackWhenTheTrayHostGoes) {
    desktop_.minimise(main_);
    ASSERT_TRUE(waitUntil([this] { return !desktop_.viewable(main_) && !desktop_.listed(main_); }));
    trayHost_->stop();
    ASSERT_TRUE(waitUntil([this] { return !desktop_.trayHostRuns(); }));
    // With no window manager left either, the window is simply mapped again.
    EXPECT_TRUE(waitUntil([this] { return desktop_.viewable(main_); })) << "the window could not be got back";
}

TEST_F(TrayTest, ExitFromTheTrayMenuAsksAndEndsOnYes) {
    const QString question = QStringLiteral("提示");
    const auto askToExit = [this, &question] {
        desktop_.click(iconCentre(), Button3, 1);
        ASSERT_TRUE(waitUntil([this] { return desktop_.viewable(desktop_.mainWindow()); }));
        QThread::msleep(300); // the menu opens on the release
        desktop_.type("e");
        ASSERT_TRUE(session_.waitForMappedWindow(question, kTimeoutMs))
            << session_.mappedWindowNames().join(QLatin1Char('|')).toStdString();
    };
    askToExit();
    desktop_.type("n");
    ASSERT_TRUE(waitUntil([&] { return !session_.windowMapped(question); }));
    QThread::msleep(300);
    EXPECT_TRUE(folder_.isRunning());
    EXPECT_TRUE(desktop_.viewable(desktop_.mainWindow()));

    askToExit();
    desktop_.type("y");
    const std::optional<int> code = folder_.waitForExit(3000);
    ASSERT_TRUE(code.has_value()) << "still running after Yes\n" << folder_.output().toStdString();
    EXPECT_EQ(*code, 0);
}

} // namespace
