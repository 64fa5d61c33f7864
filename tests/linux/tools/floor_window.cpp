// The floor for a ten-frame display module: fills the whole root window ten times a second and
// does nothing else, waiting between frames the way the module does. The module's cost is
// measured against it.

#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "floor_window: cannot open display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    XSelectInput(display, root, ExposureMask);
    const GC gc = XCreateGC(display, root, 0, nullptr);
    XSetForeground(display, gc, BlackPixel(display, screen));
    const auto interval = std::chrono::milliseconds(100);
    auto next = std::chrono::steady_clock::now();
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= next) {
            XFillRectangle(display, root, gc, 0, 0, static_cast<unsigned>(DisplayWidth(display, screen)),
                           static_cast<unsigned>(DisplayHeight(display, screen)));
            XFlush(display);
            next += interval;
            if (next <= now) next = now + interval;
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - std::chrono::steady_clock::now());
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(wait.count() > 0 ? wait.count() : 0));
    }
}
