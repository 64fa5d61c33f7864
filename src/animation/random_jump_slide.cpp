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
    if (!firstTickDone) CentreText();
    const double dwell = 5000.0 / kTimerIntervalMs;
    if (state_.JumpTicks != dwell) {
        ++state_.JumpTicks;
        return;
    }
    IgnoreMoves(1, kIgnoredMovesCap);
    const double roomAcross = static_cast<double>(surface_.AreaWidth()) - surface_.PanelWidth();
    const double r1 = random_.Next();
    const double roomDown = static_cast<double>(surface_.AreaHeight()) - surface_.PanelHeight();
    const double r2 = random_.Next();
    surface_.Move(ToSingle(Int(roomAcross * r1)), ToSingle(Int(roomDown * r2)));
    state_.JumpTicks = 0;
}

void Movers::MoveRandomSlide(bool firstTickDone) {
    IgnoreMoves(2, kIgnoredMovesCap);
    if (!firstTickDone) CentreText();
    const double left = surface_.Left();
    const double top = surface_.Top();
    // Either axis coming near its target ends the run; (0, 0) stands for no target yet.
    if (std::abs(left - state_.SlideTargetX) < kSlideCapture || std::abs(top - state_.SlideTargetY) < kSlideCapture ||
        (state_.SlideTargetX == 0 && state_.SlideTargetY == 0))
        PickSlideTarget();
    surface_.Move(ToSingle(surface_.Left() + kSlideStep * state_.SlideStepX),
                  ToSingle(surface_.Top() + kSlideStep * state_.SlideStepY));
}

void Movers::PickSlideTarget() {
    state_.SlideTargetX =
        RoundToInt32(Int((static_cast<double>(surface_.AreaWidth()) - surface_.PanelWidth()) * random_.Next()));
    state_.SlideTargetY =
        RoundToInt32(Int((static_cast<double>(surface_.AreaHeight()) - surface_.PanelHeight()) * random_.Next()));
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
