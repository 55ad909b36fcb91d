#include "app/FrameLoop.h"

#include "app/Hud.h"
#include "app/Input.h"
#include "app/World.h"

bool chooseMode(World& world) {
    GameMode chosen = 0;
    if (world.keyState[SLOT_CHOOSE_RACE])
        chosen = GAME_RACE;
    else if (world.keyState[SLOT_CHOOSE_TAG])
        chosen = GAME_TAG;
    else if (world.keyState[SLOT_CHOOSE_BALL])
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
        applyInput(world, dt);
    world.update(dt);
    // This tick has seen the taps: they go up now, even the ones the
    // countdown kept from the karts.
    world.releaseTaps();
}

int FrameLoop::advance(World& world, int32_t elapsedMs) {
    if (elapsedMs > 0)
        backlog += elapsedMs;
    if (backlog > BACKLOG_LIMIT_MS)
        backlog = BACKLOG_LIMIT_MS;
    int ticks = 0;
    while (backlog >= TICK_MS) {
        backlog -= TICK_MS;
        beforeLastTick.capture(world);
        playFrame(world, TICK_SECONDS);
        ++ticks;
        if (world.awaitingModeSelection) {
            // The picture stays as this tick left it.
            backlog = 0;
            beforeLastTick.capture(world);
            break;
        }
    }
    return ticks;
}

void FrameLoop::restart(const World& world) {
    backlog = 0;
    beforeLastTick.capture(world);
}

// While waiting for a mode key nothing moves and nothing is drawn, so the
// window keeps the last picture from before the wait.
FrameLoop::Step FrameLoop::simulate(World& world, int32_t nowMs) {
    // Paused, time passes the game by: it resumes where it stopped.
    if (world.paused) {
        lastFrameTime = nowMs;
        return {true, 0.0f, 0};
    }
    if (world.awaitingModeSelection) {
        if (chooseMode(world)) {
            lastFrameTime = nowMs;
            restart(world);
        }
        return {false, 0.0f, 0};
    }
    const int32_t elapsed = nowMs - lastFrameTime;
    lastFrameTime = nowMs;
    const int ticks = advance(world, elapsed);
    return {true, static_cast<float>(elapsed) / 1000.0f, ticks};
}

void FrameLoop::poseForDrawing(World& world, float dt, DrawnMotion* drawn) const {
    prepareHud(world);
    blendMotion(world, beforeLastTick, tickShare(), drawn);
    // A hidden view's camera waits where it was.
    for (int i = 0; i < world.playerCount && i < 2; ++i)
        world.cameras[i].glide(drawn->karts[i], dt);
}
