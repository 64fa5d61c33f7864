#pragma once
// The five movers that reposition the information panel once per refresh tick, the centring they
// share on the first tick, and the choice of mover by animation type. Where the monitors leave
// parts of the area unseen, every mover keeps the whole panel where a monitor shows it: Bounce Off
// Sides and Random Path move freely within the monitors' union and may straddle two adjacent
// monitors, while the places Random Jumping and Random Sliding aim at lie wholly on one monitor.

#include <cstdint>
#include <optional>

#include "animation/mover_state.h"
#include "animation/mover_surface.h"
#include "animation/shown_area.h"
#include "common/random_generator.h"

namespace kelvor {

class Movers {
public:
    // The animation types, as stored in the settings' MoveOption.
    static constexpr int32_t kRandomJumping = 0;
    static constexpr int32_t kRandomSliding = 1;
    static constexpr int32_t kBounceOffSides = 2;
    static constexpr int32_t kRandomPath = 3;
    static constexpr int32_t kStationaryInCentre = 4;

    // ignoreMouseMoves is the program-wide counter of mouse-move events to swallow; the movers
    // raise it whenever they move the panel. moveEBRandom is the bounce randomness setting (0 to
    // 10 in the options dialog; other stored values are used as they are).
    Movers(MoverSurface& surface, RandomSource& random, int16_t& ignoreMouseMoves, int16_t moveEBRandom)
        : surface_(surface), random_(random), ignoreMouseMoves_(ignoreMouseMoves), moveEBRandom_(moveEBRandom) {}

    // Runs the mover of the given animation type; any other value moves nothing.
    void MoveByOption(int32_t moveOption, bool firstTickDone);

    // The one way of following a change of the area's size or of the monitors that show it (a
    // resized window, a display change; a mover also notices one itself on its next tick): the
    // bounce's band and scale follow the new area; Stationary in Centre centres the panel again,
    // the others bring it back inside the area (a panel larger than the area keeps to its top-left
    // corner) and onto a monitor that shows it, the path goes on from there and a slide picks a
    // new target.
    void AreaChanged(int32_t moveOption);

    void CentreText();
    void MoveStationary(bool firstTickDone);
    void MoveRandomJump(bool firstTickDone);
    void MoveRandomSlide(bool firstTickDone);
    void MoveBounce(bool firstTickDone);
    void MoveRandomPath(bool firstTickDone);

    // One velocity component after a bounce: with probability r scaled by a factor in
    // [1 - r, 1 + r), then its magnitude kept within [vmin, vmax] on the side of v's sign.
    double RandomiseSpeed(double v, double r, double vmax, double vmin);

    MoverState& State() { return state_; }
    const MoverState& State() const { return state_; }

private:
    // The most mouse-move events a mover's own movement asks to be ignored.
    static constexpr int32_t kIgnoredMovesCap = 4;

    // How often a jump or slide target is drawn again before the movers give up on the draw.
    static constexpr int32_t kMostRedraws = 100;

    // Adds to the ignored-moves counter and caps it.
    void IgnoreMoves(int32_t amount, int32_t cap);
    // A mover's look at the area and its monitors: after the first tick, a change is followed as
    // AreaChanged follows it.
    void FollowLayout(int32_t moveOption, bool firstTickDone);
    // Brings a panel that is not wholly on monitors onto the nearest one.
    void BringOntoMonitor();
    TwipPoint Position() const { return {surface_.Left(), surface_.Top()}; }
    // Draws a place for the panel's top-left corner, in whole twips, within the usable monitors'
    // box. Where a monitor leaves part of the area unseen it is drawn again until the panel there
    // lies wholly on one monitor (and the straight run from runFrom, where given, crosses nothing
    // unseen); false when neither the first draw nor kMostRedraws more found one, `place` then
    // holding the last draw. `alongRowOrColumn` (with runFrom) keeps every other draw to runFrom's
    // row, the rest to its column.
    bool DrawPlace(TwipPoint& place, const std::optional<TwipPoint>& runFrom, bool alongRowOrColumn = false);
    bool SlideRunEnded(double left, double top) const;
    void PickSlideTarget();
    // The bounce's edge band and the scale of its velocity, from the area's width.
    void ScaleBounceToArea(float areaWidth);
    // Reverses one velocity component and offers both to RandomiseSpeed.
    void Bounce(double& reversed, double r);
    // Reflects the bounce off the edges of dead parts that the next step would cross; where the
    // step still would not show, the panel moves on the one axis that has room.
    void BounceOffDeadParts(double& nextLeft, double& nextTop, double r);
    // Holds the path's step back on the axis that would take the panel into a dead part.
    void HoldPathOnMonitors(int32_t fromX, int32_t fromY);
    void ReaimPathAtEdges();

    MoverSurface& surface_;
    RandomSource& random_;
    int16_t& ignoreMouseMoves_;
    const int16_t moveEBRandom_;
    MoverState state_;
    ShownArea shown_;
};

}  // namespace kelvor
