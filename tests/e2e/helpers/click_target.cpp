// click_target LOGFILE: a full-screen X window that records every mouse
// button press and release it receives, one line each:
//   press|release BUTTON X_ROOT Y_ROOT MONOTONIC_MS SERVER_MS
// SERVER_MS is the X server's time stamp of the event: gaps between two
// of them leave out how late this client got round to reading them.
// It prints "ready" once its window is on the screen and ends on SIGTERM.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <poll.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

long long monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: click_target LOGFILE\n");
        return 2;
    }
    std::FILE *log = std::fopen(argv[1], "a");
    if (!log) {
        std::perror(argv[1]);
        return 2;
    }
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "click_target: cannot open the display\n");
        return 2;
    }
    const int screen = XDefaultScreen(display);
    XSetWindowAttributes attributes{};
    // No window manager may move it or put a frame around it: the recorded
    // positions must be the screen's.
    attributes.override_redirect = True;
    attributes.background_pixel = XWhitePixel(display, screen);
    attributes.event_mask = ButtonPressMask | ButtonReleaseMask | ExposureMask | StructureNotifyMask;
    const Window window =
        XCreateWindow(display, XRootWindow(display, screen), 0, 0, 1280, 1024, 0, CopyFromParent, InputOutput,
                      nullptr, CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    XStoreName(display, window, "click_target");
    XMapRaised(display, window);
    XFlush(display);

    bool ready = false;
    pollfd connection{XConnectionNumber(display), POLLIN, 0};
    while (!stopRequested) {
        if (XPending(display) == 0) {
            // Wakes up now and then to notice SIGTERM even without events.
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (!ready && (event.type == MapNotify || event.type == Expose)) {
            ready = true;
            std::printf("ready\n");
            std::fflush(stdout);
        } else if (event.type == ButtonPress || event.type == ButtonRelease) {
            std::fprintf(log, "%s %u %d %d %lld %lu\n", event.type == ButtonPress ? "press" : "release",
                         event.xbutton.button, event.xbutton.x_root, event.xbutton.y_root, monotonicMs(),
                         static_cast<unsigned long>(event.xbutton.time));
            std::fflush(log);
        }
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    std::fclose(log);
    return 0;
}
