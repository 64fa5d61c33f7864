#pragma once
// Owners of the X and Xft resources the module makes: each frees its resource once, when it goes
// out of scope; none can be copied, all can be moved.

#include "linux/x11.h"

#include <memory>
#include <utility>

namespace kelvor::x11 {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using ScopedDisplay = std::unique_ptr<Display, DisplayCloser>;

struct XftDrawDestroyer {
    void operator()(XftDraw* draw) const { XftDrawDestroy(draw); }
};
using ScopedXftDraw = std::unique_ptr<XftDraw, XftDrawDestroyer>;

// The monitor lists that RandR and Xinerama hand out.
struct RandrMonitorsFreer {
    void operator()(XRRMonitorInfo* monitors) const { XRRFreeMonitors(monitors); }
};
using ScopedRandrMonitors = std::unique_ptr<XRRMonitorInfo, RandrMonitorsFreer>;
struct XFreer {
    void operator()(void* data) const { XFree(data); }
};
using ScopedXineramaScreens = std::unique_ptr<XineramaScreenInfo, XFreer>;

// A resource of the display's, freed through the display: `Free(display, handle)`.
template <typename Handle, auto Free>
class DisplayResource {
public:
    DisplayResource() = default;
    DisplayResource(Display* display, Handle handle) : display_(display), handle_(handle) {}
    DisplayResource(DisplayResource&& other) noexcept
        : display_(other.display_), handle_(std::exchange(other.handle_, Handle{})) {}
    DisplayResource& operator=(DisplayResource&& other) noexcept {
        if (this != &other) {
            Reset();
            display_ = other.display_;
            handle_ = std::exchange(other.handle_, Handle{});
        }
        return *this;
    }
    DisplayResource(const DisplayResource&) = delete;
    DisplayResource& operator=(const DisplayResource&) = delete;
    ~DisplayResource() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

private:
    void Reset() {
        if (handle_ != Handle{}) Free(display_, handle_);
        handle_ = Handle{};
    }

    Display* display_ = nullptr;
    Handle handle_{};
};

using ScopedColormap = DisplayResource<Colormap, XFreeColormap>;
using ScopedPixmap = DisplayResource<Pixmap, XFreePixmap>;
using ScopedWindow = DisplayResource<Window, XDestroyWindow>;
using ScopedXftFont = DisplayResource<XftFont*, XftFontClose>;

// A graphics context made through XCB, on the connection that Xlib shares with it.
class ScopedXcbGc {
public:
    ScopedXcbGc(xcb_connection_t* connection, xcb_drawable_t drawable, uint32_t mask, const uint32_t* values)
        : connection_(connection), id_(xcb_generate_id(connection)) {
        xcb_create_gc(connection, id_, drawable, mask, values);
    }
    ScopedXcbGc(const ScopedXcbGc&) = delete;
    ScopedXcbGc& operator=(const ScopedXcbGc&) = delete;
    ~ScopedXcbGc() { xcb_free_gc(connection_, id_); }

    xcb_gcontext_t Get() const { return id_; }

private:
    xcb_connection_t* connection_;
    xcb_gcontext_t id_;
};

// A colour for Xft's drawing, allocated in a colormap.
class ScopedXftColour {
public:
    ScopedXftColour(Display* display, Visual* visual, Colormap colormap, int32_t rgb);
    ScopedXftColour(ScopedXftColour&& other) noexcept;
    ScopedXftColour& operator=(ScopedXftColour&&) = delete;
    ScopedXftColour(const ScopedXftColour&) = delete;
    ScopedXftColour& operator=(const ScopedXftColour&) = delete;
    ~ScopedXftColour();

    const XftColor* Get() const { return &colour_; }
    int32_t Rgb() const { return rgb_; }

private:
    Display* display_;
    Visual* visual_;
    Colormap colormap_;
    int32_t rgb_;
    XftColor colour_{};
    bool allocated_ = false;
};

}  // namespace kelvor::x11
