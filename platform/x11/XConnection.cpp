#include "platform/x11/XConnection.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <X11/Xlib.h>

namespace platform::x11 {

namespace {

// Xlib has one error handler per process; the trap in force records here.
Display *trappedDisplay = nullptr;
int trappedError = 0;
XErrorHandler handlerBeforeTrap = nullptr;

int recordError(Display *display, XErrorEvent *event) {
    if (display == trappedDisplay) {
        if (trappedError == 0)
            trappedError = event->error_code;
        return 0;
    }
    return handlerBeforeTrap ? handlerBeforeTrap(display, event) : 0;
}

} // namespace

std::unique_ptr<Connection> Connection::open() {
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::unique_ptr<Connection>(new Connection(display));
}

Connection::Connection(Display *display)
    : display_(display), root_(XDefaultRootWindow(display)), context_(std::make_unique<QObject>()),
      notifier_(std::make_unique<QSocketNotifier>(XConnectionNumber(display), QSocketNotifier::Read)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, context_.get(),
                     [this] { dispatchEvents(); });
}

Connection::~Connection() {
    notifier_.reset();
    context_.reset();
    XCloseDisplay(display_);
}

void Connection::eventsMayBeQueued() {
    if (dispatchPosted_ || XEventsQueued(display_, QueuedAlready) == 0)
        return;
    // Not handed out at once: the caller is in the middle of its own work.
    dispatchPosted_ = true;
    QTimer::singleShot(0, context_.get(), [this] {
        dispatchPosted_ = false;
        dispatchEvents();
    });
}

void Connection::dispatchEvents() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (handler_)
            handler_(event);
    }
}

ErrorTrap::ErrorTrap(Connection &connection) : connection_(connection) {
    // Errors of requests made before this scope are not ours to catch.
    XSync(connection_.display(), False);
    trappedDisplay = connection_.display();
    trappedError = 0;
    handlerBeforeTrap = XSetErrorHandler(recordError);
}

ErrorTrap::~ErrorTrap() {
    sync();
    XSetErrorHandler(handlerBeforeTrap);
    trappedDisplay = nullptr;
    handlerBeforeTrap = nullptr;
    connection_.eventsMayBeQueued();
}

int ErrorTrap::sync() {
    XSync(connection_.display(), False);
    return trappedError;
}

} // namespace platform::x11
