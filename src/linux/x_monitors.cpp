#include "linux/x_monitors.h"

#include "animation/desktop_bounds.h"
#include "linux/x_handles.h"

namespace kelvor::x11 {

XMonitors::XMonitors(Display* display, Window window, bool isRoot) : display_(display) {
    if (!isRoot) return;
    root_ = window;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(display, &randrEventBase_, &errorBase) == False ||
        XRRQueryVersion(display, &major, &minor) == 0)
        return;
    hasRandrMonitors_ = major > 1 || (major == 1 && minor >= 5);
    // Outputs switched on or off and monitors moved change the screen's configuration.
    XRRSelectInput(display, root_, RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
}

MonitorLayout XMonitors::Read() const {
    if (root_ == 0) return {};
    MonitorLayout layout = hasRandrMonitors_ ? ReadRandr() : MonitorLayout{};
    return layout.monitors.empty() ? ReadXinerama() : layout;
}

MonitorLayout XMonitors::ReadRandr() const {
    int count = 0;
    const ScopedRandrMonitors monitors(XRRGetMonitors(display_, root_, True, &count));
    MonitorLayout layout;
    bool named = false;
    for (int i = 0; monitors && i < count; ++i) {
        const XRRMonitorInfo& m = monitors.get()[i];
        if (m.primary != 0) {
            layout.primary = layout.monitors.size();
            named = true;
        }
        layout.monitors.push_back({m.x, m.y, m.x + m.width, m.y + m.height});
    }
    // Where no primary is named, the one at the origin, as on Windows.
    if (!named) layout.primary = PrimaryMonitor(layout.monitors);
    return layout;
}

MonitorLayout XMonitors::ReadXinerama() const {
    int base = 0;
    int errorBase = 0;
    if (XineramaQueryExtension(display_, &base, &errorBase) == False || XineramaIsActive(display_) == False) return {};
    int count = 0;
    const ScopedXineramaScreens screens(XineramaQueryScreens(display_, &count));
    MonitorLayout layout;
    for (int i = 0; screens && i < count; ++i) {
        const XineramaScreenInfo& s = screens.get()[i];
        layout.monitors.push_back({s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height});
    }
    // Xinerama names no primary: the one at the origin, as on Windows.
    layout.primary = PrimaryMonitor(layout.monitors);
    return layout;
}

bool XMonitors::Changed(XEvent& event) const {
    if (root_ == 0 || randrEventBase_ == 0) return false;
    if (event.type == randrEventBase_ + RRScreenChangeNotify) {
        XRRUpdateConfiguration(&event);
        return true;
    }
    return event.type == randrEventBase_ + RRNotify;
}

}  // namespace kelvor::x11
