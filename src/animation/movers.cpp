#include "animation/movers.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "common/rounding.h"

namespace kelvor {

void Movers::MoveByOption(int32_t moveOption, bool firstTickDone) {
    switch (moveOption) {
        case kRandomJumping: MoveRandomJump(firstTickDone); break;
        case kRandomSliding: MoveRandomSlide(firstTickDone); break;
        case kBounceOffSides: MoveBounce(firstTickDone); break;
        case kRandomPath: MoveRandomPath(firstTickDone); break;
        case kStationaryInCentre: MoveStationary(firstTickDone); break;
        default: break;
    }
}

void Movers::IgnoreMoves(int32_t amount, int32_t cap) {
    // Summed in 32 bits, so the cap applies before the value is narrowed back.
    ignoreMouseMoves_ = static_cast<int16_t>(std::min(ignoreMouseMoves_ + amount, cap));
}

void Movers::FollowLayout(int32_t moveOption, bool firstTickDone) {
    if (shown_.Update(surface_) && firstTickDone) AreaChanged(moveOption);
}

void Movers::AreaChanged(int32_t moveOption) {
    shown_.Update(surface_);
    // The velocity is in units of the scale, so a bounce under way crosses the new area at the
    // pace it crossed the old one.
    if (surface_.AreaWidth() > 0.0f) ScaleBounceToArea(surface_.AreaWidth());
    if (moveOption == kStationaryInCentre) {
        CentreText();
        return;
    }
    const float left = std::max(0.0f, std::min(surface_.Left(), surface_.AreaWidth() - surface_.PanelWidth()));
    const float top = std::max(0.0f, std::min(surface_.Top(), surface_.AreaHeight() - surface_.PanelHeight()));
    surface_.Move(left, top);
    BringOntoMonitor();
    // The path goes on from the new place; a slide picks a target within the new area.
    state_.PathX = RoundToInt32(surface_.Left());
    state_.PathY = RoundToInt32(surface_.Top());
    state_.SlideTargetX = 0;
    state_.SlideTargetY = 0;
}

void Movers::BringOntoMonitor() {
    const TwipPoint at = Position();
    if (shown_.OnMonitors(at)) return;
    const TwipPoint to = shown_.Nearest(at);
    surface_.Move(ToSingle(to.x), ToSingle(to.y));
}

void Movers::CentreText() {
    // Only ever called on a first tick, so the counter is small; the cap merely keeps a caller that
    // centred again and again without any mouse move from overflowing it.
    IgnoreMoves(2, std::numeric_limits<int16_t>::max());
    shown_.Update(surface_);
    if (const std::optional<TwipBounds>& monitor = shown_.CentringMonitor()) {
        const double x = Int(monitor->left + (monitor->right - monitor->left - surface_.PanelWidth()) / 2);
        const double y = Int(monitor->top + (monitor->bottom - monitor->top - surface_.PanelHeight()) / 2);
        surface_.Move(ToSingle(x), ToSingle(y));
        return;
    }
    // Without a monitor to aim at: half the desktop's offset moves the centre from the window's
    // centre to half of the desktop's right and bottom edges, which is the primary monitor's centre
    // in common layouts.
    const double x = Int((static_cast<double>(surface_.AreaWidth()) - surface_.PanelWidth()) / 2) -
                     surface_.TwipsPerPixelX() * surface_.DesktopLeft() / 2;
    const double y = Int((static_cast<double>(surface_.AreaHeight()) - surface_.PanelHeight()) / 2) -
                     surface_.TwipsPerPixelY() * surface_.DesktopTop() / 2;
    surface_.Move(ToSingle(x), ToSingle(y));
}

void Movers::MoveStationary(bool firstTickDone) {
    // Monitors added, removed or moved: centred again, on the primary monitor as it is now.
    FollowLayout(kStationaryInCentre, firstTickDone);
    if (!firstTickDone) CentreText();
}

}  // namespace kelvor
