#include "platform/x11/X11Backend.h"

#include "platform/posix/PreciseSleep.h"
#include "platform/qt/QtServices.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11Locale.h"
#include "platform/x11/X11Mouse.h"
#include "platform/x11/X11Recorder.h"
#include "platform/x11/XConnection.h"
#include "platform/x11/XdgDesktop.h"

#include <X11/Xlib.h>

namespace platform {

namespace {

class X11Backend final : public Backend {
  public:
    explicit X11Backend(std::unique_ptr<x11::Connection> connection)
        : connection_(std::move(connection)), hotkeys_(*connection_),
          mouse_(*connection_), services_{hotkeys_,      mouse_, shell_,  sessionStart_, locale_,
                                          messageBoxes_, clock_, timers_, windows_,      recorder_} {
        connection_->setEventHandler([this](XEvent &event) { hotkeys_.handleEvent(event); });
    }

    ~X11Backend() override { connection_->setEventHandler({}); }

    Services &services() override { return services_; }

  private:
    // Declared first: every X service below uses it until its own end.
    std::unique_ptr<x11::Connection> connection_;
    x11::X11Hotkeys hotkeys_;
    x11::X11Mouse mouse_;
    XdgShell shell_;
    XdgAutostart sessionStart_;
    SystemLocale locale_;
    QtMessageBoxes messageBoxes_;
    QtClock clock_{posix::sleepUntil};
    QtTimers timers_;
    QtWindows windows_;
    x11::X11Recorder recorder_;
    Services services_;
};

} // namespace

std::unique_ptr<Backend> createX11Backend() {
    std::unique_ptr<x11::Connection> connection = x11::Connection::open();
    if (!connection)
        return nullptr;
    return std::make_unique<X11Backend>(std::move(connection));
}

bool canOpenX11Display() {
    // A bare connection: this runs before any Qt object exists.
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}

std::unique_ptr<Shell> createDesktopShell() {
    return std::make_unique<XdgShell>();
}

} // namespace platform
