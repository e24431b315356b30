#include "platform/x11/X11Mouse.h"

#include <algorithm>
#include <cstdio>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace platform::x11 {

X11Mouse::X11Mouse(Connection &connection) : connection_(connection) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    hasXTest_ = XTestQueryExtension(connection_.display(), &eventBase, &errorBase, &major, &minor) != 0;
    connection_.eventsMayBeQueued();
    if (!hasXTest_)
        std::fprintf(stderr, "lumoclick: the X server lacks the XTEST extension; no clicks can be made\n");
}

void X11Mouse::moveTo(int x, int y) {
    // The protocol carries 16-bit coordinates: 65636 would arrive as 100 and
    // -40000 as 25536. Clamped to the root window first, a point off the
    // screen lands on its nearest edge, as it does on Windows.
    Window root = 0;
    int rootX = 0;
    int rootY = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (XGetGeometry(connection_.display(), connection_.root(), &root, &rootX, &rootY, &width, &height,
                     &border, &depth) != 0 &&
        width > 0 && height > 0) {
        x = std::clamp(x, 0, static_cast<int>(width) - 1);
        y = std::clamp(y, 0, static_cast<int>(height) - 1);
    }
    XWarpPointer(connection_.display(), None, connection_.root(), 0, 0, 0, 0, x, y);
    // Waited for, not just sent: a click or a position read by another
    // client right after must find the pointer already there.
    XSync(connection_.display(), False);
    connection_.eventsMayBeQueued();
}

Point X11Mouse::position() {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    XQueryPointer(connection_.display(), connection_.root(), &root, &child, &rootX, &rootY, &windowX,
                  &windowY, &mask);
    connection_.eventsMayBeQueued();
    return Point{rootX, rootY};
}

void X11Mouse::sendButtons(ButtonEvent event) {
    if (queueButtons(event))
        flushButtons();
}

void X11Mouse::sendButtonSequence(const std::vector<ButtonEvent> &sequence) {
    // One write for the whole burst instead of one per click.
    bool sent = false;
    for (ButtonEvent event : sequence)
        sent = queueButtons(event) || sent;
    if (sent)
        flushButtons();
}

void X11Mouse::awaitDelivery() {
    // The server handles requests in order: once it has answered, the
    // buttons sent before are in its input queue with their timestamps.
    XSync(connection_.display(), False);
    connection_.eventsMayBeQueued();
}

bool X11Mouse::queueButtons(ButtonEvent event) {
    if (!hasXTest_)
        return false;
    // X buttons: 1 left, 2 middle, 3 right. A click is the press, then the release.
    struct Action {
        unsigned button;
        bool press;
        bool release;
    };
    const Action action = [event]() -> Action {
        switch (event) {
        case ButtonEvent::LeftDown:
            return {1, true, false};
        case ButtonEvent::LeftUp:
            return {1, false, true};
        case ButtonEvent::LeftClick:
            return {1, true, true};
        case ButtonEvent::RightDown:
            return {3, true, false};
        case ButtonEvent::RightUp:
            return {3, false, true};
        case ButtonEvent::RightClick:
            return {3, true, true};
        case ButtonEvent::MiddleDown:
            return {2, true, false};
        case ButtonEvent::MiddleUp:
            return {2, false, true};
        case ButtonEvent::MiddleClick:
            break;
        }
        return {2, true, true};
    }();
    if (action.press)
        XTestFakeButtonEvent(connection_.display(), action.button, True, CurrentTime);
    if (action.release)
        XTestFakeButtonEvent(connection_.display(), action.button, False, CurrentTime);
    return true;
}

void X11Mouse::flushButtons() {
    XFlush(connection_.display());
    // When the server falls behind a burst of clicks, Xlib reads the
    // waiting events (the hotkey that stops the burst among them) into its
    // queue while it waits to write; the socket notifier never sees those.
    connection_.eventsMayBeQueued();
}

} // namespace platform::x11
