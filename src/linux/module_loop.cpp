#include "linux/module_loop.h"

#include <poll.h>
#include <time.h>

#include <array>
#include <chrono>

#include "module/frame_rate.h"

namespace kelvor::x11 {

namespace {

using Clock = std::chrono::steady_clock;

// The processor time this process has used, in seconds.
double ProcessorSeconds() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) + used.tv_nsec / 1e9;
}

// Handles the events that have arrived; false once the window is gone or closed.
bool HandleEvents(Display* display, TargetWindow& window, XftBlockSurface& surface, InfoDisplay& info,
                  const XMonitors& monitors) {
    while (XPending(display) > 0) {
        XEvent event{};
        XNextEvent(display, &event);
        if (monitors.Changed(event)) info.Block().SetMonitors(monitors.Read());
        PixelRect exposed;
        switch (window.Handle(event, exposed)) {
        case TargetWindow::Change::Exposed:
            surface.Invalidate(exposed);
            break;
        case TargetWindow::Change::Resized:
            info.WindowResized();
            surface.Invalidate({0, 0, window.Size().width, window.Size().height});
            break;
        case TargetWindow::Change::Closed:
            return false;
        case TargetWindow::Change::Unrelated:
            break;
        }
    }
    return true;
}

}  // namespace

void RunModule(Display* display, TargetWindow& window, XftBlockSurface& surface, InfoDisplay& info,
               LinuxInformationSources& sources, const ModuleOptions& options, const XMonitors& monitors,
               const volatile std::sig_atomic_t& stopRequested) {
    const auto tickInterval = std::chrono::microseconds(options.tickMicroseconds);
    FrameRate frameRate;
    // What start-up asked of the server goes out before the first wait.
    XFlush(display);
    Clock::time_point nextTick = Clock::now();
    bool readable = true;
    while (stopRequested == 0) {
        // Xlib looks for new events on every call that may read; it is asked only when the
        // connection has something to read or an earlier call (a flush reads too) queued events.
        if ((readable || XQLength(display) > 0) && !HandleEvents(display, window, surface, info, monitors)) return;
        const Clock::time_point now = Clock::now();
        if (now >= nextTick) {
            info.Tick();
            if (options.fps &&
                frameRate.Frame(std::chrono::duration<double>(now.time_since_epoch()).count(), ProcessorSeconds()))
                surface.ShowFrameRate(frameRate.Text());
            nextTick += tickInterval;
            // Like a window timer, ticks missed while late are not made up for.
            if (nextTick <= now) nextTick = now + tickInterval;
        }
        surface.PaintMarked();
        surface.SendPainted(options.synchronous);
        if (XQLength(display) > 0) {
            readable = true;
            continue;
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextTick - Clock::now());
        // The address announcements, once the address line is shown; poll passes over a -1.
        AddressAnnouncements* const announcements = sources.Announcements();
        std::array<pollfd, 2> watched{pollfd{ConnectionNumber(display), POLLIN, 0},
                                      pollfd{announcements != nullptr ? announcements->Descriptor() : -1, POLLIN, 0}};
        // A signal cuts the wait short (EINTR); the flag is looked at again straight away.
        const bool ready =
            poll(watched.data(), watched.size(), static_cast<int>(std::max<int64_t>(wait.count(), 0))) > 0;
        readable = ready && (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
        if (ready && watched[1].revents != 0) announcements->Drain();
    }
}

}  // namespace kelvor::x11
