#pragma once
// What the movers see of the display window and its information panel, and what they do to it.

#include <cstdint>

#include "animation/monitor_layout.h"

namespace kelvor {

class MoverSurface {
public:
    virtual ~MoverSurface() = default;

    // The display area's inner size in twips, read afresh on every call (full screen and preview
    // differ).
    virtual float AreaWidth() const = 0;
    virtual float AreaHeight() const = 0;

    // The panel's size and position in twips, relative to the area. Left and Top give back exactly
    // the value last set, not one rounded to whole pixels: the sliding and bouncing steps add
    // fractions of a pixel that must accumulate.
    virtual float PanelWidth() const = 0;
    virtual float PanelHeight() const = 0;
    virtual float Left() const = 0;
    virtual float Top() const = 0;

    // Moves the panel with one operation that sets both coordinates.
    virtual void Move(float left, float top) = 0;
    // Change a single coordinate, used when the panel is pulled back inside the area.
    virtual void SetLeft(float left) = 0;
    virtual void SetTop(float top) = 0;

    // The virtual desktop's left and top edges in pixels, and the display's twips per pixel across
    // and down: the centring shifts the panel by half the desktop's offset.
    virtual int32_t DesktopLeft() const = 0;
    virtual int32_t DesktopTop() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // The monitors that show the area, in pixels relative to it; empty when it is one monitor.
    virtual const MonitorLayout& Monitors() const = 0;
};

}  // namespace kelvor
