#pragma once
// Global hotkeys as passive key grabs on the root window, and mouse side
// buttons as passive button grabs there.

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

    bool registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) override;
    void unregisterHotkey(WindowHandle owner, int id) override;
    void setPressHandler(PressHandler handler) override { handler_ = std::move(handler); }

    // Called with every event of the connection.
    void handleEvent(XEvent &event);

  private:
    struct Grab {
        bool button = false;    // a pointer button rather than a key
        unsigned code = 0;      // the keycode or the button number
        unsigned modifiers = 0; // X modifier mask
        std::vector<unsigned> variants;
        bool sameCombination(const Grab &other) const {
            return button == other.button && code == other.code && modifiers == other.modifiers;
        }
    };
    using Key = QPair<WindowHandle, int>;

    bool isHeld(const Grab &combination) const;
    // Grabs every variant; false, with nothing held, when another client
    // holds one of them.
    bool grabVariants(const Grab &grab);
    void ungrab(const Grab &grab);
    // Hands a press of the combination to the handler when it is ours.
    void deliver(const Grab &pressed);
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
