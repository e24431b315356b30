// hold_key [--plain-only] MODIFIER... KEY: another X client that grabs a key
// combination on the root window, as a rival program holding a hotkey would.
// Prints "held" and sleeps until killed, or "refused" and exits 1 when the
// server answers BadAccess. Modifiers: ctrl, alt; keys: F1 to F12, or
// button8 and button9 for a passive grab of that pointer button.
// --plain-only grabs only the combination itself, without the CapsLock and
// NumLock variants.

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int firstError = 0;

int recordError(Display *, XErrorEvent *event) {
    if (firstError == 0)
        firstError = event->error_code;
    return 0;
}

unsigned numLockMask(Display *display) {
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    XModifierKeymap *map = XGetModifierMapping(display);
    unsigned mask = 0;
    for (int modifier = 0; map && numLock != 0 && modifier < 8 && mask == 0; ++modifier)
        for (int k = 0; k < map->max_keypermod; ++k)
            if (map->modifiermap[modifier * map->max_keypermod + k] == numLock)
                mask = 1u << modifier;
    if (map)
        XFreeModifiermap(map);
    return mask != 0 ? mask : Mod2Mask;
}

// 1 to 12 for "F1" to "F12", else 0.
int functionKeyNumber(const std::string &word) {
    if (word.size() < 2 || word.size() > 3 || word[0] != 'F')
        return 0;
    int number = 0;
    for (size_t i = 1; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return 0;
        number = number * 10 + (word[i] - '0');
    }
    return number >= 1 && number <= 12 ? number : 0;
}

int usage() {
    std::fprintf(stderr, "usage: hold_key [--plain-only] [ctrl] [alt] F1..F12|button8|button9\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    bool plainOnly = false;
    unsigned modifiers = 0;
    KeySym key = NoSymbol;
    unsigned button = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--plain-only")
            plainOnly = true;
        else if (arg == "ctrl")
            modifiers |= ControlMask;
        else if (arg == "alt")
            modifiers |= Mod1Mask;
        else if (arg == "button8" || arg == "button9")
            button = arg == "button8" ? 8 : 9;
        else if (const int number = functionKeyNumber(arg); number > 0)
            key = XK_F1 + static_cast<KeySym>(number - 1);
        else
            return usage();
    }
    if ((key == NoSymbol) == (button == 0))
        return usage();

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "hold_key: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(recordError);
    const Window root = XDefaultRootWindow(display);
    const unsigned numLock = numLockMask(display);
    std::vector<unsigned> variants{modifiers};
    if (!plainOnly)
        variants = {modifiers, modifiers | LockMask, modifiers | numLock, modifiers | LockMask | numLock};
    for (const unsigned variant : variants) {
        if (button != 0)
            XGrabButton(display, button, variant, root, False, ButtonPressMask | ButtonReleaseMask,
                        GrabModeAsync, GrabModeAsync, None, None);
        else
            XGrabKey(display, XKeysymToKeycode(display, key), variant, root, False, GrabModeAsync,
                     GrabModeAsync);
    }
    XSync(display, False);
    if (firstError != 0) {
        std::printf("refused\n");
        std::fflush(stdout);
        XCloseDisplay(display);
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    // Keep the connection (and with it the grab) until killed; read events
    // so that the server never stalls on us.
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
