#pragma once
// Global hotkeys as passive key grabs on the root window.

#include "platform/Platform.h"
#include "platform/x11/XConnection.h"

#include <QMap>
#include <QPair>

#include <vector>

namespace platform::x11 {

// Whether the keymap turns keycode with these core modifiers into a console
// switch (XF86Switch_VT_n), which the X server acts on and keeps from clients.
bool switchesConsole(Display *display, unsigned keycode, unsigned modifiers);

class X11Hotkeys final : public Hotkeys {
  public:
    explicit X11Hotkeys(Connection &connection);
    ~X11Hotkeys() override;

    bool registerHotkey(WindowHandle owner, int id, Modifiers modifiers, FunctionKey key) override;
    void unregisterHotkey(WindowHandle owner, int id) override;
    void setPressHandler(PressHandler handler) override { handler_ = std::move(handler); }

    // Called with every event of the connection.
    void handleEvent(XEvent &event);

  private:
    struct Grab {
        unsigned keycode;
        unsigned modifiers; // X modifier mask
        std::vector<unsigned> variants;
    };
    using Key = QPair<WindowHandle, int>;

    bool isHeld(unsigned keycode, unsigned modifiers) const;
    void ungrab(const Grab &grab);
    std::vector<unsigned> lockVariants(unsigned modifiers) const;
    void findNumLockMask();

    Connection &connection_;
    PressHandler handler_;
    unsigned numLockMask_ = 0;
    // Windows keeps an older registration of the same (owner, id) alongside
    // a newer one until the identifier is released; so do we.
    QMap<Key, std::vector<Grab>> grabs_;
};

} // namespace platform::x11
