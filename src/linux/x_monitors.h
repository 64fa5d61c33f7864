#pragma once
// The monitors that show the window the module draws on. On the root window they are the screen's
// monitors: RandR's (version 1.5 on), else Xinerama's screens, else none known; RandR tells of
// every change. Any other window (xscreensaver's, one per monitor, a preview or the module's own)
// is its own one monitor.

#include "linux/x11.h"

#include "animation/monitor_layout.h"

namespace kelvor::x11 {

class XMonitors {
public:
    XMonitors(Display* display, Window window, bool isRoot);

    // The monitors now, in pixels relative to the window; empty when it is its own monitor.
    MonitorLayout Read() const;
    // The event tells that the screen's monitors may have changed (and has been passed to Xlib so
    // that its idea of the screen's size follows).
    bool Changed(XEvent& event) const;

private:
    MonitorLayout ReadRandr() const;
    MonitorLayout ReadXinerama() const;

    Display* display_;
    Window root_ = 0;  // 0 unless the window is the root
    bool hasRandrMonitors_ = false;
    int randrEventBase_ = 0;
};

}  // namespace kelvor::x11
