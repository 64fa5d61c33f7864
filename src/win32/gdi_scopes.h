#pragma once
// Scope guards of drawing: an object selected into a DC, a window's DC and a paint; the GDI objects
// themselves are scoped handles (scoped_handle.h), and a solid brush kept while its colour stays.

#include <windows.h>

#include <cstdint>

#include "win32/colour.h"
#include "win32/scoped_handle.h"

namespace kelvor::win32 {

// Selects an object into a DC and selects the previous one back on destruction.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's DC from GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint around a WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// A solid brush of a colour as the settings hold it, made again only when the colour changes: ten
// paints a second should not create and destroy it each time.
class ColourBrush {
public:
    HBRUSH For(int32_t colour) {
        if (!brush_ || colour != colour_) {
            brush_ = ScopedBrush(CreateSolidBrush(ToColorRef(colour)));
            colour_ = colour;
        }
        return brush_.Get();
    }

private:
    int32_t colour_ = 0;
    ScopedBrush brush_;
};

}  // namespace kelvor::win32
