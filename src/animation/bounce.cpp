#include "animation/movers.h"
#include "common/rounding.h"

namespace kelvor {

namespace {

// Magnitudes a velocity component is kept within after a rescale.
constexpr double kMaxSpeed = 1.5;
constexpr double kMinSpeed = 0.2;

// The panel's far edge plus the band, added in single precision.
float FarEdgeWithBand(float size, float position, int32_t margin) {
    return ToSingle(static_cast<double>(ToSingle(static_cast<double>(size) + position)) + margin);
}

}  // namespace

void Movers::MoveBounce(bool firstTickDone) {
    IgnoreMoves(2, kIgnoredMovesCap);
    FollowLayout(kBounceOffSides, firstTickDone);
    if (!firstTickDone) CentreText();

    const float areaWidth = surface_.AreaWidth();
    const float areaHeight = surface_.AreaHeight();
    // An area without a size has nothing to bounce in, and the start below divides by its size:
    // wait for a tick that has one.
    if (!(areaWidth > 0.0f && areaHeight > 0.0f)) return;
    // Set off once, towards the bottom-right, at a speed scaled to the area.
    if (state_.BounceSpeedX == 0.0 && state_.BounceSpeedY == 0.0) {
        ScaleBounceToArea(areaWidth);
        state_.BounceSpeedX = random_.Next() * 0.5 * 17280 / areaWidth + 0.2;
        state_.BounceSpeedY = random_.Next() * 0.5 * 17280 / areaHeight + 0.2;
    }

    const double r = moveEBRandom_ / 10.0;
    const float width = surface_.PanelWidth();
    const float height = surface_.PanelHeight();
    const float left = surface_.Left();
    const float top = surface_.Top();
    if (left < state_.BounceMargin || FarEdgeWithBand(width, left, state_.BounceMargin) > areaWidth)
        Bounce(state_.BounceSpeedX, r);
    if (top < state_.BounceMargin || FarEdgeWithBand(height, top, state_.BounceMargin) > areaHeight)
        Bounce(state_.BounceSpeedY, r);

    // Pull the panel back inside, one coordinate at a time; a panel larger than the area ends up
    // overhanging both edges.
    if (surface_.Left() < 0.0f) surface_.SetLeft(0.0f);
    if (surface_.Top() < 0.0f) surface_.SetTop(0.0f);
    if (static_cast<double>(width) + surface_.Left() > areaWidth)
        surface_.SetLeft(ToSingle(static_cast<double>(areaWidth) - width));
    if (static_cast<double>(height) + surface_.Top() > areaHeight)
        surface_.SetTop(ToSingle(static_cast<double>(areaHeight) - height));

    double nextLeft = Int(surface_.Left() + state_.BounceScale * state_.BounceSpeedX);
    double nextTop = Int(surface_.Top() + state_.BounceScale * state_.BounceSpeedY);
    if (shown_.HasDeadArea()) BounceOffDeadParts(nextLeft, nextTop, r);
    surface_.Move(ToSingle(nextLeft), ToSingle(nextTop));
}

void Movers::ScaleBounceToArea(float areaWidth) {
    state_.BounceMargin = RoundToInt32(areaWidth * 0.001);
    state_.BounceScale = 2 * state_.BounceMargin;
}

void Movers::BounceOffDeadParts(double& nextLeft, double& nextTop, double r) {
    const TwipPoint here = Position();
    const bool onHere = shown_.OnMonitors(here);
    const bool onNext = shown_.OnMonitors({nextLeft, nextTop});
    if (onHere && onNext) return;
    // A panel that grew into a dead part, or was pulled back into one, goes on from the nearest
    // place a monitor shows.
    const TwipPoint from = onHere ? here : shown_.Nearest(here);
    if (!onNext) {
        // Reflect the direction that crosses; at an outer corner, where neither alone does, both.
        bool across = !shown_.OnMonitors({nextLeft, from.y});
        bool down = !shown_.OnMonitors({from.x, nextTop});
        if (!across && !down) across = down = true;
        if (across) Bounce(state_.BounceSpeedX, r);
        if (down) Bounce(state_.BounceSpeedY, r);
    }
    nextLeft = Int(from.x + state_.BounceScale * state_.BounceSpeedX);
    nextTop = Int(from.y + state_.BounceScale * state_.BounceSpeedY);
    if (shown_.OnMonitors({nextLeft, nextTop})) return;
    // A panel about as tall (or wide) as its monitor, beside a part no monitor shows, has no room
    // for a step on that axis either way; it goes on along the other.
    if (shown_.OnMonitors({nextLeft, from.y})) {
        nextTop = from.y;
    } else if (shown_.OnMonitors({from.x, nextTop})) {
        nextLeft = from.x;
    } else {
        nextLeft = from.x;
        nextTop = from.y;
    }
}

void Movers::Bounce(double& reversed, double r) {
    reversed = -reversed;
    state_.BounceSpeedX = RandomiseSpeed(state_.BounceSpeedX, r, kMaxSpeed, kMinSpeed);
    state_.BounceSpeedY = RandomiseSpeed(state_.BounceSpeedY, r, kMaxSpeed, kMinSpeed);
}

double Movers::RandomiseSpeed(double v, double r, double vmax, double vmin) {
    const float p = random_.Next();
    if (ToSingle(r) < p) return v;
    const double q = random_.Next();
    double n = (2 * r * q + (1 - r)) * v;
    // The clamp follows the incoming sign, so a component never changes direction here.
    if (v >= 0) {
        if (n < vmin) n = vmin;
        if (n > vmax) n = vmax;
    } else {
        if (n < -vmax) n = -vmax;
        if (n > -vmin) n = -vmin;
    }
    return n;
}

}  // namespace kelvor
