#pragma once
// Everything the movers remember between ticks. It starts at zero when the program starts and is
// never reset; only a mover's own first tick re-initialises its part.

#include <array>
#include <cstdint>

namespace kelvor {

struct MoverState {
    // Random Jumping: ticks since the last jump.
    int32_t JumpTicks = 0;

    // Random Sliding: the target of the panel's top-left corner (both 0: none picked yet) and the
    // step per tick in units of 25 twips (one of them is +1 or -1, the main axis).
    int32_t SlideTargetX = 0;
    int32_t SlideTargetY = 0;
    double SlideStepX = 0.0;
    double SlideStepY = 0.0;

    // Bounce Off Sides: velocity in units of BounceScale twips per tick, the edge band's width and
    // the scale (twice the band), both derived from the area's width at the start and again
    // whenever the area changes.
    double BounceSpeedX = 0.0;
    double BounceSpeedY = 0.0;
    int32_t BounceMargin = 0;
    int32_t BounceScale = 0;

    // Random Path: the tracked position, the tick within the 20-tick turn period, the heading in
    // whole degrees (0 right, 90 down), the turn per tick and the table the turns are drawn from.
    // The heading is 64 bits wide: it is never wrapped (the steps depend on its full value) and a
    // 32-bit one would overflow after about a year of turning one way.
    int32_t PathX = 0;
    int32_t PathY = 0;
    int32_t PathTicks = 0;
    int64_t PathHeading = 0;
    int32_t PathTurn = 0;
    std::array<int32_t, 17> PathTurns{};
};

}  // namespace kelvor
