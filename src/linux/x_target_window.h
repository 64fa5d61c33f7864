#pragma once
// The window the module draws on: the root window, a window that another program made and named
// (xscreensaver's, or its settings' preview), or one of its own. It keeps the window's size from
// the events that tell of changes, so that nobody needs to ask the server on every tick.

#include "linux/x11.h"

#include <string>
#include <vector>

#include "common/geometry.h"
#include "module/module_options.h"
#include "linux/x_handles.h"

namespace kelvor::x11 {

// Whether `id` is the window a TargetWindow draws on. Xlib calls its error handler with the display
// and nothing else, so the window is noted with the display (a lookup that sends no request).
bool IsTargetWindow(Display* display, XID id);

class TargetWindow {
public:
    // What an event meant for the window. Closed: it went away, or its own window was asked to
    // close (by the window manager, or with q or Escape).
    enum class Change { Unrelated, Exposed, Resized, Closed };

    // Raises std::runtime_error when a given window does not exist. -geometry, -visual and -install
    // shape a window of its own; for another's window they are passed over with a warning.
    TargetWindow(Display* display, const TargetChoice& choice, const ModuleOptions& options,
                 std::vector<std::string>& warnings);
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    ~TargetWindow();

    Window Id() const { return window_; }
    Visual* WindowVisual() const { return visual_; }
    Colormap WindowColormap() const { return colormap_; }
    int Depth() const { return depth_; }
    PixelSize Size() const { return size_; }
    int ScreenNumber() const { return screen_; }

    // Reads one event; for Exposed, `exposed` holds the part to paint again.
    Change Handle(XEvent& event, PixelRect& exposed);

private:
    Window CreateOwnWindow(const ModuleOptions& options, std::vector<std::string>& warnings);
    void NameOwnWindow();

    Display* display_;
    ScopedColormap ownColormap_;
    ScopedWindow own_;
    Window window_ = 0;
    Visual* visual_ = nullptr;
    Colormap colormap_ = 0;
    int depth_ = 0;
    int screen_ = 0;
    PixelSize size_;
    Atom deleteWindow_ = 0;
};

}  // namespace kelvor::x11
