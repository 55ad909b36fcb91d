#include "app/FrameLoop.h"

#include "app/Input.h"
#include "app/World.h"

// While waiting for a mode key nothing moves and nothing is drawn, so the
// window keeps the last picture from before the wait.
static void awaitModeKey(World& world, FrameLoop& loop, int32_t nowMs) {
    GameMode chosen = 0;
    if (keyState[SLOT_CHOOSE_RACE])
        chosen = GAME_RACE;
    else if (keyState[SLOT_CHOOSE_TAG])
        chosen = GAME_TAG;
    else if (keyState[SLOT_CHOOSE_BALL])
        chosen = GAME_BALL;
    if (chosen == 0)
        return;
    world.gameMode = chosen;
    world.awaitingModeSelection = false;
    world.startMatch();
    loop.lastFrameTime = nowMs;
}

FrameLoop::Step FrameLoop::simulate(World& world, int32_t nowMs) {
    if (world.awaitingModeSelection) {
        awaitModeKey(world, *this, nowMs);
        return {false, 0.0f};
    }
    float dt = (nowMs - lastFrameTime) / 1000.0f;
    lastFrameTime = nowMs;
    if (!world.matchStatus.countdownShowing())
        applyInput(world);
    world.update(dt);
    return {true, dt};
}
