#include "app/FrameLoop.h"

#include "app/Input.h"
#include "app/World.h"

bool chooseMode(World& world) {
    GameMode chosen = 0;
    if (keyState[SLOT_CHOOSE_RACE])
        chosen = GAME_RACE;
    else if (keyState[SLOT_CHOOSE_TAG])
        chosen = GAME_TAG;
    else if (keyState[SLOT_CHOOSE_BALL])
        chosen = GAME_BALL;
    if (chosen == 0)
        return false;
    world.gameMode = chosen;
    world.awaitingModeSelection = false;
    world.startMatch();
    return true;
}

void playFrame(World& world, float dt) {
    if (!world.matchStatus.countdownShowing())
        applyInput(world);
    world.update(dt);
}

// While waiting for a mode key nothing moves and nothing is drawn, so the
// window keeps the last picture from before the wait.
FrameLoop::Step FrameLoop::simulate(World& world, int32_t nowMs) {
    if (world.awaitingModeSelection) {
        if (chooseMode(world))
            lastFrameTime = nowMs;
        return {false, 0.0f};
    }
    const float dt = (nowMs - lastFrameTime) / 1000.0f;
    lastFrameTime = nowMs;
    playFrame(world, dt);
    return {true, dt};
}
