#include "platform/x11/X11Hotkeys.h"

#include <X11/XF86keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>

namespace platform::x11 {

namespace {

// The modifier bits a hotkey can use; the rest of an event's state (pointer
// buttons, keyboard group) says nothing about which hotkey was meant.
constexpr unsigned kKeyModifiers =
    ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

// Side button 1 ("back"); side button 2 is the next.
constexpr unsigned kFirstSideButton = 8;

// The keysym the keymap gives keycode with these core modifiers held, as
// the server's own XKB translation would; NoSymbol when unknown.
KeySym translatedKeysym(Display *display, KeyCode keycode, unsigned modifiers) {
    XkbDescPtr keymap = XkbGetMap(display, XkbAllClientInfoMask, XkbUseCoreKbd);
    if (keymap == nullptr)
        return NoSymbol;
    unsigned consumed = 0;
    KeySym keysym = NoSymbol;
    if (!XkbTranslateKeyCode(keymap, keycode, modifiers, &consumed, &keysym))
        keysym = NoSymbol;
    XkbFreeKeyboard(keymap, 0, True);
    return keysym;
}

} // namespace

bool switchesConsole(Display *display, unsigned keycode, unsigned modifiers) {
    const KeySym keysym = translatedKeysym(display, static_cast<KeyCode>(keycode), modifiers);
    return keysym >= XF86XK_Switch_VT_1 && keysym <= XF86XK_Switch_VT_12;
}

X11Hotkeys::X11Hotkeys(Connection &connection) : connection_(connection) {
    findNumLockMask();
}

X11Hotkeys::~X11Hotkeys() {
    for (const std::vector<Grab> &grabs : std::as_const(grabs_))
        for (const Grab &grab : grabs)
            ungrab(grab);
}

void X11Hotkeys::findNumLockMask() {
    numLockMask_ = 0;
    Display *display = connection_.display();
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    XModifierKeymap *map = XGetModifierMapping(display);
    if (map && numLock != 0) {
        for (int modifier = 0; modifier < 8 && numLockMask_ == 0; ++modifier)
            for (int k = 0; k < map->max_keypermod; ++k)
                if (map->modifiermap[modifier * map->max_keypermod + k] == numLock) {
                    numLockMask_ = 1u << modifier;
                    break;
                }
    }
    if (map)
        XFreeModifiermap(map);
    connection_.eventsMayBeQueued();
    // Where the server does not say, NumLock is Mod2 on practically every
    // keyboard map.
    if (numLockMask_ == 0 || numLockMask_ == LockMask)
        numLockMask_ = Mod2Mask;
}

std::vector<unsigned> X11Hotkeys::lockVariants(unsigned modifiers) const {
    // A grab matches the modifier state exactly, so CapsLock or NumLock being
    // on would otherwise hide the hotkey.
    std::vector<unsigned> variants;
    for (const unsigned locks : {0u, unsigned{LockMask}, numLockMask_, LockMask | numLockMask_})
        if (std::find(variants.begin(), variants.end(), modifiers | locks) == variants.end())
            variants.push_back(modifiers | locks);
    return variants;
}

bool X11Hotkeys::isHeld(const Grab &combination) const {
    for (const std::vector<Grab> &grabs : grabs_)
        for (const Grab &grab : grabs)
            if (grab.sameCombination(combination))
                return true;
    return false;
}

bool X11Hotkeys::registerHotkey(WindowHandle owner, int id, Modifiers modifiers, HotkeyKey key) {
    Display *display = connection_.display();
    Grab grab;
    grab.modifiers = (holds(modifiers, Modifiers::Control) ? unsigned{ControlMask} : 0u) |
                     (holds(modifiers, Modifiers::Alt) ? unsigned{Mod1Mask} : 0u);
    if (key.kind == HotkeyKey::Kind::SideButton) {
        // The side buttons are buttons 8 and 9 on every X server.
        if (key.number < 1 || key.number > 2)
            return false;
        grab.button = true;
        grab.code = kFirstSideButton + unsigned(key.number - 1);
    } else {
        if (key.number < 1 || key.number > 12)
            return false;
        grab.code = XKeysymToKeycode(display, XK_F1 + unsigned(key.number - 1));
        connection_.eventsMayBeQueued();
        if (grab.code == 0)
            return false;
        // The server switches consoles on these itself and never passes
        // them on, so a grab would succeed and never fire.
        if (switchesConsole(display, grab.code, grab.modifiers))
            return false;
    }
    // We may grab the same keys twice without the server objecting, but a
    // combination belongs to one registration only.
    if (isHeld(grab))
        return false;
    grab.variants = lockVariants(grab.modifiers);
    if (!grabVariants(grab))
        return false;
    grabs_[qMakePair(owner, id)].push_back(std::move(grab));
    return true;
}

bool X11Hotkeys::grabVariants(const Grab &grab) {
    Display *display = connection_.display();
    bool refused = false;
    {
        ErrorTrap trap(connection_);
        for (const unsigned variant : grab.variants) {
            if (grab.button)
                // The pointer stays ours until the button comes up, so
                // neither the press nor the release reaches the window
                // under it.
                XGrabButton(display, grab.code, variant, connection_.root(), False,
                            ButtonPressMask | ButtonReleaseMask, GrabModeAsync, GrabModeAsync, None, None);
            else
                XGrabKey(display, int(grab.code), variant, connection_.root(), False, GrabModeAsync,
                         GrabModeAsync);
        }
        // BadAccess: another client holds one of the variants.
        refused = trap.sync() != 0;
    }
    if (refused)
        // Releasing the variants the other client holds is harmless: an
        // ungrab only ever removes our own grabs.
        ungrab(grab);
    return !refused;
}

void X11Hotkeys::unregisterHotkey(WindowHandle owner, int id) {
    const auto found = grabs_.find(qMakePair(owner, id));
    if (found == grabs_.end())
        return;
    const std::vector<Grab> grabs = std::move(found.value());
    grabs_.erase(found);
    for (const Grab &grab : grabs)
        ungrab(grab);
}

void X11Hotkeys::ungrab(const Grab &grab) {
    // Synchronously, so that the combination is free for the next taker at
    // once.
    ErrorTrap trap(connection_);
    for (const unsigned variant : grab.variants) {
        if (grab.button)
            XUngrabButton(connection_.display(), grab.code, variant, connection_.root());
        else
            XUngrabKey(connection_.display(), int(grab.code), variant, connection_.root());
    }
}

void X11Hotkeys::handleEvent(XEvent &event) {
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        if (event.xmapping.request == MappingModifier)
            findNumLockMask();
        return;
    }
    const unsigned locks = LockMask | numLockMask_;
    Grab pressed;
    if (event.type == KeyPress) {
        pressed.code = event.xkey.keycode;
        pressed.modifiers = event.xkey.state & kKeyModifiers & ~locks;
    } else if (event.type == ButtonPress) {
        pressed.button = true;
        pressed.code = event.xbutton.button;
        pressed.modifiers = event.xbutton.state & kKeyModifiers & ~locks;
    } else {
        return;
    }
    deliver(pressed);
}

void X11Hotkeys::deliver(const Grab &pressed) {
    for (auto it = grabs_.cbegin(); it != grabs_.cend(); ++it)
        for (const Grab &grab : it.value())
            if (grab.sameCombination(pressed)) {
                // The handler may change the registrations: stop looking.
                // It may also replace itself, so it runs from a copy.
                const Key key = it.key();
                const PressHandler handler = handler_;
                if (handler)
                    handler(key.first, key.second);
                return;
            }
}

} // namespace platform::x11
