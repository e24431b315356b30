#pragma once
// The backend's own connection to the X server, apart from Qt's, so that its
// key grabs and synthetic input never disturb Qt's event handling.

#include <functional>
#include <memory>

class QObject;
class QSocketNotifier;
typedef struct _XDisplay Display;
typedef union _XEvent XEvent;

namespace platform::x11 {

using XWindow = unsigned long;

class Connection {
  public:
    // The display named by DISPLAY; null when it cannot be opened.
    static std::unique_ptr<Connection> open();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    Display *display() const { return display_; }
    XWindow root() const { return root_; }

    // Receives every event of this connection, on the UI thread.
    void setEventHandler(std::function<void(XEvent &)> handler) { handler_ = std::move(handler); }
    // To be called after every request that waited for a reply: Xlib reads
    // whatever events arrived meanwhile into its own queue, where the socket
    // notifier cannot see them, so they are handed out from the event loop.
    void eventsMayBeQueued();
    // Hands out every event that has arrived.
    void dispatchEvents();

  private:
    explicit Connection(Display *display);

    Display *display_;
    XWindow root_;
    std::function<void(XEvent &)> handler_;
    std::unique_ptr<QObject> context_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool dispatchPosted_ = false;
};

// Catches the X errors of one connection while it lives, so that a refused
// request becomes a result instead of Xlib's default handler ending the
// program. Errors of other connections go to the handler that was there.
// Traps do not nest.
class ErrorTrap {
  public:
    explicit ErrorTrap(Connection &connection);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap &) = delete;
    ErrorTrap &operator=(const ErrorTrap &) = delete;

    // Waits until the server has handled every request sent so far and
    // returns the first error code caught in this scope (0: none).
    int sync();

  private:
    Connection &connection_;
};

} // namespace platform::x11
