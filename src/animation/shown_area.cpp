#include "animation/shown_area.h"

#include <algorithm>
#include <limits>

#include "common/rounding.h"

namespace kelvor {

namespace {

// Whether a block of that size fits on the monitor.
bool Fits(const TwipBounds& monitor, double width, double height) {
    return width <= monitor.right - monitor.left && height <= monitor.bottom - monitor.top;
}

// The range of corners along one axis that keeps a block of that size on [low, high]; a block
// larger than the range overhangs both ends.
double ClampCorner(double at, double low, double high, double size) {
    const double last = high - size;
    return std::clamp(at, std::min(low, last), std::max(low, last));
}

bool WithinAxis(double at, double low, double high, double size) {
    const double last = high - size;
    return at >= std::min(low, last) && at <= std::max(low, last);
}

// Narrows [low, high] of the run's parameter to where `start + t * delta` lies strictly between
// min and max; false when nothing is left.
bool ClipRun(double start, double delta, double min, double max, double& low, double& high) {
    if (delta == 0.0) return start > min && start < max;
    double t0 = (min - start) / delta;
    double t1 = (max - start) / delta;
    if (t0 > t1) std::swap(t0, t1);
    low = std::max(low, t0);
    high = std::min(high, t1);
    return low < high;
}

}  // namespace

bool ShownArea::Update(const MoverSurface& surface) {
    const float areaWidth = surface.AreaWidth();
    const float areaHeight = surface.AreaHeight();
    const double twipsX = surface.TwipsPerPixelX();
    const double twipsY = surface.TwipsPerPixelY();
    const MonitorLayout& layout = surface.Monitors();
    const bool firstUpdate = areaWidth_ < 0.0f;
    const bool layoutChanged = areaWidth != areaWidth_ || areaHeight != areaHeight_ || twipsX != twipsPerPixelX_ ||
                               twipsY != twipsPerPixelY_ || layout != layout_;
    if (layoutChanged) {
        layout_ = layout;
        areaWidth_ = areaWidth;
        areaHeight_ = areaHeight;
        twipsPerPixelX_ = twipsX;
        twipsPerPixelY_ = twipsY;
        ConvertMonitors();
    }
    const float blockWidth = surface.PanelWidth();
    const float blockHeight = surface.PanelHeight();
    if (layoutChanged || blockWidth != blockWidth_ || blockHeight != blockHeight_) {
        blockWidth_ = blockWidth;
        blockHeight_ = blockHeight;
        // Only a change in which monitors the block fits on moves the dead parts.
        bool fitsChanged = layoutChanged;
        for (size_t i = 0; i < monitors_.size(); ++i) {
            const bool fits = Fits(monitors_[i], blockWidth, blockHeight);
            fitsChanged = fitsChanged || fits != fits_[i];
            fits_[i] = fits;
        }
        if (fitsChanged) FindDeadParts();
    }
    return layoutChanged && !firstUpdate;
}

void ShownArea::ConvertMonitors() {
    area_ = {0.0, 0.0, areaWidth_, areaHeight_};
    monitors_.clear();
    primary_ = std::numeric_limits<size_t>::max();
    for (size_t i = 0; i < layout_.monitors.size(); ++i) {
        const PixelRect& m = layout_.monitors[i];
        // Converted as the area's own size is, so a monitor that is the whole area matches it exactly.
        const TwipBounds twips{ToSingle(m.left * twipsPerPixelX_), ToSingle(m.top * twipsPerPixelY_),
                             ToSingle(m.right * twipsPerPixelX_), ToSingle(m.bottom * twipsPerPixelY_)};
        const TwipBounds clipped{std::max(twips.left, area_.left), std::max(twips.top, area_.top),
                               std::min(twips.right, area_.right), std::min(twips.bottom, area_.bottom)};
        if (clipped.right <= clipped.left || clipped.bottom <= clipped.top) continue;
        if (i == layout_.primary) primary_ = monitors_.size();
        monitors_.push_back(clipped);
    }
    fits_.assign(monitors_.size(), false);
}

void ShownArea::FindDeadParts() {
    usable_.clear();
    dead_.clear();
    centring_.reset();
    for (size_t i = 0; i < monitors_.size(); ++i) {
        if (fits_[i]) usable_.push_back(monitors_[i]);
    }
    if (primary_ < monitors_.size() && fits_[primary_]) centring_ = monitors_[primary_];
    else if (!usable_.empty()) centring_ = usable_.front();
    if (usable_.empty()) {
        // A block larger than every monitor (or no monitors known): the whole area, as on one monitor.
        usable_.push_back(area_);
        box_ = area_;
        return;
    }

    // The area cut along every usable monitor's edges: each cell is wholly covered or wholly dead.
    std::vector<double> xs{area_.left, area_.right};
    std::vector<double> ys{area_.top, area_.bottom};
    for (const TwipBounds& m : usable_) {
        xs.insert(xs.end(), {m.left, m.right});
        ys.insert(ys.end(), {m.top, m.bottom});
    }
    for (std::vector<double>* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    const auto covered = [&](double x0, double y0, double x1, double y1) {
        return std::any_of(usable_.begin(), usable_.end(), [&](const TwipBounds& m) {
            return m.left <= x0 && x1 <= m.right && m.top <= y0 && y1 <= m.bottom;
        });
    };
    const auto addDead = [&](const TwipBounds& part) {
        // Joined to the part above when it continues it exactly, to keep the list short.
        for (TwipBounds& above : dead_) {
            if (above.left == part.left && above.right == part.right && above.bottom == part.top) {
                above.bottom = part.bottom;
                return;
            }
        }
        dead_.push_back(part);
    };
    for (size_t row = 0; row + 1 < ys.size(); ++row) {
        size_t column = 0;
        while (column + 1 < xs.size()) {
            if (covered(xs[column], ys[row], xs[column + 1], ys[row + 1])) {
                ++column;
                continue;
            }
            const size_t first = column;
            while (column + 1 < xs.size() && !covered(xs[column], ys[row], xs[column + 1], ys[row + 1])) ++column;
            addDead({xs[first], ys[row], xs[column], ys[row + 1]});
        }
    }

    box_ = area_;
    if (dead_.empty()) return;
    box_ = usable_.front();
    for (const TwipBounds& m : usable_) {
        box_ = {std::min(box_.left, m.left), std::min(box_.top, m.top), std::max(box_.right, m.right),
                std::max(box_.bottom, m.bottom)};
    }
}

bool ShownArea::OnMonitors(TwipPoint at) const {
    if (!WithinAxis(at.x, area_.left, area_.right, blockWidth_) ||
        !WithinAxis(at.y, area_.top, area_.bottom, blockHeight_))
        return false;
    return std::none_of(dead_.begin(), dead_.end(), [&](const TwipBounds& d) {
        return at.x < d.right && at.x + blockWidth_ > d.left && at.y < d.bottom && at.y + blockHeight_ > d.top;
    });
}

bool ShownArea::OnOneMonitor(TwipPoint at) const {
    return std::any_of(usable_.begin(), usable_.end(), [&](const TwipBounds& m) {
        return m.left <= at.x && at.x + blockWidth_ <= m.right && m.top <= at.y && at.y + blockHeight_ <= m.bottom;
    });
}

bool ShownArea::RunIsShown(TwipPoint from, TwipPoint to) const {
    // The corners at which the block overlaps a dead part form that part grown by the block's size
    // up and left; the run must not pass through any of them.
    return std::none_of(dead_.begin(), dead_.end(), [&](const TwipBounds& d) {
        double low = 0.0;
        double high = 1.0;
        return ClipRun(from.x, to.x - from.x, d.left - blockWidth_, d.right, low, high) &&
               ClipRun(from.y, to.y - from.y, d.top - blockHeight_, d.bottom, low, high);
    });
}

TwipPoint ShownArea::Nearest(TwipPoint at) const {
    TwipPoint best = at;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const TwipBounds& m : usable_) {
        const TwipPoint corner{ClampCorner(at.x, m.left, m.right, blockWidth_),
                               ClampCorner(at.y, m.top, m.bottom, blockHeight_)};
        const double distance = (corner.x - at.x) * (corner.x - at.x) + (corner.y - at.y) * (corner.y - at.y);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = corner;
        }
    }
    return best;
}

}  // namespace kelvor
