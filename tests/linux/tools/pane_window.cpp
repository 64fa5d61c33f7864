// A window for the module to draw into, as the settings' preview gives it one: placed where the
// test says, filled with the test's colour by the server, its id printed on standard output. It
// goes away after the given seconds (or when killed).
// Usage: pane_window X Y WIDTH HEIGHT RRGGBB SECONDS

#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: pane_window X Y WIDTH HEIGHT RRGGBB SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "pane_window: cannot open display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = std::strtoul(argv[5], nullptr, 16);  // a 24-bit TrueColor screen
    attributes.override_redirect = True;
    const Window pane =
        XCreateWindow(display, RootWindow(display, screen), std::atoi(argv[1]), std::atoi(argv[2]),
                      static_cast<unsigned>(std::atoi(argv[3])), static_cast<unsigned>(std::atoi(argv[4])), 0,
                      CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWOverrideRedirect, &attributes);
    XSelectInput(display, pane, StructureNotifyMask);
    XMapWindow(display, pane);
    for (XEvent event; XNextEvent(display, &event), event.type != MapNotify;) {
    }
    std::printf("%lu\n", pane);
    std::fflush(stdout);

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[6]));
    while (std::chrono::steady_clock::now() < end) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    XDestroyWindow(display, pane);
    XCloseDisplay(display);
    return 0;
}
