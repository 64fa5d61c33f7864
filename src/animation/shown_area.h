#pragma once
// Where the information block may go when the display area spans monitors that do not fill it.
// The monitors large enough for the block are the usable ones; the parts of the area that none of
// them covers are dead (drawn but never seen). Where the usable monitors fill the area there is
// no dead area and the movers move as on one monitor. Everything here is in twips relative to the
// area, like the movers' positions.

#include <cstdint>
#include <optional>
#include <vector>

#include "animation/monitor_layout.h"
#include "animation/mover_surface.h"

namespace kelvor {

struct TwipBounds {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

struct TwipPoint {
    double x = 0.0;
    double y = 0.0;
};

class ShownArea {
public:
    // Follows the surface's monitors, area and block size; rebuilds only what changed, so a tick
    // that changes nothing costs a comparison of a handful of rectangles. True when the monitors or
    // the area changed since an earlier call (not on the first).
    bool Update(const MoverSurface& surface);

    bool HasDeadArea() const { return !dead_.empty(); }
    // Where positions are drawn from: the usable monitors' bounding rectangle (the area when
    // nothing is dead).
    const TwipBounds& Box() const { return box_; }
    // The monitor the centring aims at: the primary when the block fits on it, else the first
    // monitor it fits on; none without monitors or when the block is larger than every one.
    const std::optional<TwipBounds>& CentringMonitor() const { return centring_; }

    // The block with its top-left corner there lies wholly on the usable monitors, perhaps across
    // several: within the area (overhanging both edges where it is larger) and on no dead part.
    bool OnMonitors(TwipPoint at) const;
    // The block with its top-left corner there lies wholly on one usable monitor.
    bool OnOneMonitor(TwipPoint at) const;
    // The block carried in a straight line between the two corners never overlaps a dead part.
    bool RunIsShown(TwipPoint from, TwipPoint to) const;
    // The nearest corner at which the block lies wholly on one usable monitor.
    TwipPoint Nearest(TwipPoint at) const;

private:
    void ConvertMonitors();
    void FindDeadParts();

    // What the last update saw.
    MonitorLayout layout_;
    double twipsPerPixelX_ = 0.0;
    double twipsPerPixelY_ = 0.0;
    float areaWidth_ = -1.0f;
    float areaHeight_ = -1.0f;
    float blockWidth_ = 0.0f;
    float blockHeight_ = 0.0f;
    std::vector<bool> fits_;

    TwipBounds area_;
    std::vector<TwipBounds> monitors_;  // clipped to the area; empty ones dropped
    size_t primary_ = 0;              // in monitors_; past its end when the primary was dropped
    std::vector<TwipBounds> usable_;    // the area itself when no monitor is usable
    std::vector<TwipBounds> dead_;
    TwipBounds box_;
    std::optional<TwipBounds> centring_;
};

}  // namespace kelvor
