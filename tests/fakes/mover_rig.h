#pragma once
// The movers wired to a fake surface, a scripted random source and their own ignored-moves counter.

#include <cstdint>

#include "animation/movers.h"
#include "fakes/fake_mover_surface.h"
#include "fakes/scripted_random.h"

namespace kelvor {

struct MoverRig {
    explicit MoverRig(int16_t moveEBRandom = 2) : movers(surface, random, ignoreMouseMoves, moveEBRandom) {}

    FakeMoverSurface surface;
    ScriptedRandom random;
    int16_t ignoreMouseMoves = 0;
    Movers movers;
};

}  // namespace kelvor
