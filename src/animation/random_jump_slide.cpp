#include <cmath>

#include "animation/movers.h"
#include "animation/timer_interval.h"
#include "common/rounding.h"

namespace kelvor {

namespace {

// The panel rests about five seconds between jumps. The counter must be able to meet that dwell
// exactly, or it would never jump again.
static_assert(5000 % kTimerIntervalMs == 0, "the dwell must be a whole number of ticks");

// Twips per tick along the main axis of a slide, and how near a target counts as reached.
constexpr double kSlideStep = 25.0;
constexpr double kSlideCapture = 100.0;

}  // namespace

void Movers::MoveRandomJump(bool firstTickDone) {
    FollowLayout(kRandomJumping, firstTickDone);
    if (!firstTickDone) CentreText();
    const double dwell = 5000.0 / kTimerIntervalMs;
    if (state_.JumpTicks != dwell) {
        ++state_.JumpTicks;
        return;
    }
    IgnoreMoves(1, kIgnoredMovesCap);
    TwipPoint to;
    if (!DrawPlace(to, std::nullopt)) to = shown_.Nearest(to);
    surface_.Move(ToSingle(to.x), ToSingle(to.y));
    state_.JumpTicks = 0;
}

void Movers::MoveRandomSlide(bool firstTickDone) {
    IgnoreMoves(2, kIgnoredMovesCap);
    FollowLayout(kRandomSliding, firstTickDone);
    if (!firstTickDone) CentreText();
    if (SlideRunEnded(surface_.Left(), surface_.Top())) PickSlideTarget();
    const auto next = [this] {
        return TwipPoint{ToSingle(surface_.Left() + kSlideStep * state_.SlideStepX),
                         ToSingle(surface_.Top() + kSlideStep * state_.SlideStepY)};
    };
    TwipPoint to = next();
    // A panel that grew on its way can meet a dead part: it takes another run from where it is.
    if (shown_.HasDeadArea() && !shown_.OnMonitors(to)) {
        PickSlideTarget();
        to = next();
        if (!shown_.OnMonitors(to)) return;
    }
    surface_.Move(ToSingle(to.x), ToSingle(to.y));
}

bool Movers::DrawPlace(TwipPoint& place, const std::optional<TwipPoint>& runFrom, bool alongRowOrColumn) {
    const TwipBounds& box = shown_.Box();
    for (int32_t draw = 0; draw <= kMostRedraws; ++draw) {
        double x = box.left + Int((box.right - box.left - surface_.PanelWidth()) * random_.Next());
        double y = box.top + Int((box.bottom - box.top - surface_.PanelHeight()) * random_.Next());
        if (alongRowOrColumn && draw % 2 == 0) y = runFrom->y;
        if (alongRowOrColumn && draw % 2 != 0) x = runFrom->x;
        place = {static_cast<double>(RoundToInt32(x)), static_cast<double>(RoundToInt32(y))};
        if (!shown_.HasDeadArea()) return true;
        if (alongRowOrColumn && place.x == runFrom->x && place.y == runFrom->y) continue;
        if (shown_.OnOneMonitor(place) && (!runFrom || shown_.RunIsShown(*runFrom, place))) return true;
    }
    return false;
}

bool Movers::SlideRunEnded(double left, double top) const {
    // (0, 0) stands for no target yet.
    if (state_.SlideTargetX == 0 && state_.SlideTargetY == 0) return true;
    const bool nearX = std::abs(left - state_.SlideTargetX) < kSlideCapture;
    const bool nearY = std::abs(top - state_.SlideTargetY) < kSlideCapture;
    // Beside unseen parts a run may keep to its row or column, whose other axis is at its target
    // from the start: there only the main axis ends it. Elsewhere either axis coming near does.
    if (shown_.HasDeadArea()) return std::abs(state_.SlideStepX) == 1.0 ? nearX : nearY;
    return nearX || nearY;
}

void Movers::PickSlideTarget() {
    if (shown_.HasDeadArea()) BringOntoMonitor();
    const TwipPoint from = Position();
    TwipPoint target;
    // A panel about as tall (or wide) as its monitor, beside a part no monitor shows, has hardly a
    // run that changes both coordinates: it runs along its row or column. No run found at all:
    // stay put this tick; the next one picks again.
    if (!DrawPlace(target, from) && !DrawPlace(target, from, true)) target = from;
    state_.SlideTargetX = RoundToInt32(target.x);
    state_.SlideTargetY = RoundToInt32(target.y);
    const double left = surface_.Left();
    const double top = surface_.Top();
    const double dx = state_.SlideTargetX - left;
    const double dy = state_.SlideTargetY - top;
    if (dx == 0.0 && dy == 0.0) {
        // Already there: no direction to take. Stay put; the next tick picks again.
        state_.SlideStepX = 0.0;
        state_.SlideStepY = 0.0;
    } else if (std::abs(dy) < std::abs(dx)) {
        state_.SlideStepX = left > state_.SlideTargetX ? -1.0 : 1.0;
        state_.SlideStepY = dy / std::abs(dx);
    } else {
        state_.SlideStepY = top > state_.SlideTargetY ? -1.0 : 1.0;
        state_.SlideStepX = dx / std::abs(dy);
    }
}

}  // namespace kelvor
