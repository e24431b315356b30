#include "tests/e2e/support/XSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace e2e {

namespace {

// Windows come and go while we walk the tree; a vanished one is no error.
int ignoreError(Display *, XErrorEvent *) {
    return 0;
}

} // namespace

XSession::XSession() {
    display_ = XOpenDisplay(nullptr);
    if (display_)
        XSetErrorHandler(ignoreError);
}

XSession::~XSession() {
    if (display_)
        XCloseDisplay(display_);
}

QString XSession::windowName(unsigned long window) {
    const Atom netWmName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    QString name;
    if (XGetWindowProperty(display_, window, netWmName, 0, 4096, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data && type == utf8 && format == 8)
        name = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    if (!name.isEmpty())
        return name;

    XTextProperty text{};
    if (XGetWMName(display_, window, &text) && text.value) {
        char **list = nullptr;
        int items = 0;
        if (Xutf8TextPropertyToTextList(display_, &text, &list, &items) >= Success && list && items > 0)
            name = QString::fromUtf8(list[0]);
        if (list)
            XFreeStringList(list);
        XFree(text.value);
    }
    return name;
}

template <typename Visit> bool XSession::anyWindow(unsigned long window, Visit &visit, int depth) {
    if (visit(window))
        return true;
    if (depth > 4) // top-level windows sit at most a frame or two deep
        return false;
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, window, &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i)
        found = anyWindow(children[i], visit, depth + 1);
    if (children)
        XFree(children);
    return found;
}

bool XSession::findWindow(const QString &name, bool mappedOnly, unsigned long *found) {
    auto visit = [&](unsigned long window) {
        if (windowName(window) != name)
            return false;
        if (mappedOnly) {
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable)
                return false;
        }
        if (found)
            *found = window;
        return true;
    };
    return anyWindow(XDefaultRootWindow(display_), visit, 0);
}

quint32 XSession::serverTime() {
    // A property change is stamped with the server's time; the event that
    // reports it carries the stamp back.
    const Window root = XDefaultRootWindow(display_);
    const Window window = XCreateWindow(display_, root, -10, -10, 1, 1, 0, 0, InputOnly, nullptr, 0, nullptr);
    XSelectInput(display_, window, PropertyChangeMask);
    const Atom atom = XInternAtom(display_, "LUMO_E2E_TIME", False);
    static const unsigned char nothing = 0;
    XChangeProperty(display_, window, atom, XA_STRING, 8, PropModeAppend, &nothing, 0);
    XEvent event{};
    XWindowEvent(display_, window, PropertyChangeMask, &event);
    XDestroyWindow(display_, window);
    XSync(display_, False);
    return static_cast<quint32>(event.xproperty.time);
}

unsigned long XSession::mappedWindowNamed(const QString &name) {
    unsigned long window = 0;
    findWindow(name, true, &window);
    return window;
}

std::optional<QPoint> XSession::clientOrigin(const QString &name) {
    unsigned long window = 0;
    if (!findWindow(name, true, &window))
        return std::nullopt;
    int x = 0;
    int y = 0;
    ::Window child = 0;
    if (!XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child))
        return std::nullopt;
    return QPoint(x, y);
}

void XSession::requestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

bool XSession::windowExists(const QString &name) {
    return findWindow(name, false);
}

bool XSession::windowMapped(const QString &name) {
    return findWindow(name, true);
}

bool XSession::waitForMappedWindow(const QString &name, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!windowMapped(name)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

QStringList XSession::mappedWindowNames() {
    QStringList names;
    auto visit = [&](unsigned long window) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable) {
            const QString name = windowName(window);
            if (!name.isEmpty())
                names << name;
        }
        return false;
    };
    anyWindow(XDefaultRootWindow(display_), visit, 0);
    return names;
}

bool XSession::hasClass(unsigned long window, const QString &className) {
    XClassHint hint{};
    if (!XGetClassHint(display_, window, &hint))
        return false;
    const bool matches = (hint.res_name && className == QString::fromLocal8Bit(hint.res_name)) ||
                         (hint.res_class && className == QString::fromLocal8Bit(hint.res_class));
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return matches;
}

WindowFrame XSession::largestWindowOfClass(const QString &className) {
    WindowFrame largest;
    const Window root = XDefaultRootWindow(display_);
    auto visit = [&](unsigned long window) {
        XWindowAttributes attributes{};
        if (!hasClass(window, className) || !XGetWindowAttributes(display_, window, &attributes) ||
            attributes.map_state != IsViewable)
            return false;
        if (attributes.width * attributes.height <= largest.width * largest.height)
            return false;
        Window child = 0;
        int x = 0;
        int y = 0;
        if (!XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child))
            return false;
        largest = {window, x, y, attributes.width, attributes.height};
        return false;
    };
    anyWindow(root, visit, 0);
    return largest;
}

WindowFrame XSession::waitForWindowOfClass(const QString &className, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    WindowFrame frame = largestWindowOfClass(className);
    while (frame.window == 0 && !deadline.hasExpired()) {
        QThread::msleep(50);
        frame = largestWindowOfClass(className);
    }
    return frame;
}

void XSession::raise(unsigned long window) {
    XRaiseWindow(display_, window);
    XSync(display_, False);
}

unsigned XSession::keycodeOf(const QString &key) {
    KeySym symbol = NoSymbol;
    if (key == QLatin1String("ctrl"))
        symbol = XK_Control_L;
    else if (key == QLatin1String("alt"))
        symbol = XK_Alt_L;
    else if (key == QLatin1String("shift"))
        symbol = XK_Shift_L;
    else if (key == QLatin1String("numlock"))
        symbol = XK_Num_Lock;
    else if (key == QLatin1String("capslock"))
        symbol = XK_Caps_Lock;
    else if (key == QLatin1String("Return"))
        symbol = XK_Return;
    else if (key.startsWith(QLatin1Char('F')))
        symbol = XK_F1 + static_cast<KeySym>(key.mid(1).toInt() - 1);
    return symbol == NoSymbol ? 0u : XKeysymToKeycode(display_, symbol);
}

void XSession::keyDown(const QString &key) {
    XTestFakeKeyEvent(display_, keycodeOf(key), True, CurrentTime);
    XFlush(display_);
}

void XSession::keyUp(const QString &key) {
    XTestFakeKeyEvent(display_, keycodeOf(key), False, CurrentTime);
    XFlush(display_);
}

void XSession::pressKeys(const QStringList &keys) {
    for (const QString &key : keys)
        XTestFakeKeyEvent(display_, keycodeOf(key), True, CurrentTime);
    for (auto it = keys.crbegin(); it != keys.crend(); ++it)
        XTestFakeKeyEvent(display_, keycodeOf(*it), False, CurrentTime);
    XSync(display_, False);
}

void XSession::pressKeyRepeatedly(const QString &key, int count) {
    const unsigned keycode = keycodeOf(key);
    for (int i = 0; i < count; ++i) {
        XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
        XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
        // Now and then a round trip, so that the requests never wait in
        // this client's buffer for long.
        if (i % 500 == 499)
            XSync(display_, False);
    }
    XSync(display_, False);
}

unsigned XSession::modifierState() {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned mask = 0;
    XQueryPointer(display_, XDefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return mask;
}

bool XSession::numLockOn() {
    // Wherever the keyboard map puts NumLock, this finds its modifier bit.
    const KeyCode numLock = XKeysymToKeycode(display_, XK_Num_Lock);
    XModifierKeymap *map = XGetModifierMapping(display_);
    unsigned bit = 0;
    for (int modifier = 0; map && modifier < 8 && bit == 0; ++modifier)
        for (int k = 0; k < map->max_keypermod; ++k)
            if (numLock != 0 && map->modifiermap[modifier * map->max_keypermod + k] == numLock)
                bit = 1u << modifier;
    if (map)
        XFreeModifiermap(map);
    return bit != 0 && (modifierState() & bit) != 0;
}

bool XSession::capsLockOn() {
    return (modifierState() & LockMask) != 0;
}

void XSession::movePointer(int x, int y) {
    XWarpPointer(display_, None, XDefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

PointerPosition XSession::pointer() {
    Window root = 0;
    Window child = 0;
    PointerPosition position;
    int x = 0;
    int y = 0;
    unsigned mask = 0;
    XQueryPointer(display_, XDefaultRootWindow(display_), &root, &child, &position.x, &position.y, &x, &y,
                  &mask);
    return position;
}

void XSession::leftClickAt(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

bool XSession::screenshot(const QString &path) {
    QProcess import;
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return import.waitForFinished(30000) && import.exitStatus() == QProcess::NormalExit &&
           import.exitCode() == 0;
}

std::vector<Click> readClickLog(const QString &path) {
    std::vector<Click> clicks;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return clicks;
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast(); // empty, or a line still being written
    for (const QByteArray &line : std::as_const(lines)) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 6)
            continue;
        Click click;
        click.press = fields[0] == "press";
        click.button = fields[1].toUInt();
        click.x = fields[2].toInt();
        click.y = fields[3].toInt();
        click.ms = fields[4].toLongLong();
        click.serverMs = fields[5].toUInt();
        clicks.push_back(click);
    }
    return clicks;
}

std::vector<Click> pressesOf(const std::vector<Click> &clicks) {
    std::vector<Click> presses;
    for (const Click &click : clicks)
        if (click.press)
            presses.push_back(click);
    return presses;
}

std::vector<Click> waitForClicks(const QString &path, size_t count, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    std::vector<Click> clicks = readClickLog(path);
    while (clicks.size() < count && !deadline.hasExpired()) {
        QThread::msleep(20);
        clicks = readClickLog(path);
    }
    return clicks;
}

} // namespace e2e
