#pragma once

#include "app/TickBlend.h"

#include <cstdint>

struct World;

// The rules run at one fixed rate, whatever the frame rate: many of them
// apply per step rather than per second, so a step of its own length on
// every machine is what makes the game the same on all of them.
constexpr int32_t TICK_MS = 10;
constexpr float TICK_SECONDS = 0.01f;
// Time beyond this is not made up: after a stall (loading, a dragged
// window) the game carries on where it was instead of jumping ahead.
constexpr int32_t BACKLOG_LIMIT_MS = 250;

// While waiting for a mode key: '5', '6' or '7' (in that priority) starts
// its match. True when a match was started.
bool chooseMode(World& world);

// One step of play: held keys into kart controls unless the start countdown
// shows, then one World step of dt seconds, then the taps it has seen let
// go (World::releaseTaps). A tick is this with dt 0.01.
void playFrame(World& world, float dt);

// The game's frame clock: each frame's milliseconds join a backlog, spent
// in whole ticks; what is left says how far the picture is past the last.
struct FrameLoop {
    int32_t lastFrameTime = 0; // milliseconds on the window system's clock
    int32_t backlog = 0;       // milliseconds not yet simulated, under TICK_MS after a frame
    TickPoses beforeLastTick;  // for drawing between the last two ticks

    struct Step {
        bool simulated; // false: a mode-selection frame, draw and swap nothing
        float dt;       // the frame's own seconds, for the cameras' glide
        int ticks;      // ticks run
    };

    // nowMs: the elapsed-time clock read for this frame. A chosen mode
    // restarts the clock, so a match's first frame has a normal length.
    Step simulate(World& world, int32_t nowMs);

    // A frame of play elapsedMs long: its ticks, until the backlog is spent
    // or a tick sends the game to the mode choice. Returns the ticks run.
    int advance(World& world, int32_t elapsedMs);

    // A fresh match: nothing owed, nothing to draw between.
    void restart(const World& world);

    // How far the picture is past the last tick, 0 up to 1.
    float tickShare() const { return static_cast<float>(backlog) / TICK_MS; }

    // The update side of a frame of play, once its ticks have run: the HUD's
    // state, the moving things between the last two ticks, and the visible
    // players' cameras glided after them over the frame's dt seconds.
    void poseForDrawing(World& world, float dt, DrawnMotion* drawn) const;
};
