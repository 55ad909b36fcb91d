#pragma once

#include <cstdint>

struct World;

// The simulation side of one frame, apart from its drawing, so that tests
// and the replay tool can feed it a clock of their own.

// While waiting for a mode key: '5', '6' or '7' (in that priority) starts
// its match. True when a match was started.
bool chooseMode(World& world);

// A frame of play: held keys into kart controls unless the start countdown
// shows, then one World step of dt seconds.
void playFrame(World& world, float dt);

// The game's frame clock.
struct FrameLoop {
    int32_t lastFrameTime = 0; // milliseconds on the window system's clock

    struct Step {
        bool simulated; // false: a mode-selection frame, draw and swap nothing
        float dt;       // seconds, for the cameras of the drawing side
    };

    // nowMs: the elapsed-time clock read for this frame. A chosen mode
    // restarts the clock, so a match's first frame has a normal dt.
    Step simulate(World& world, int32_t nowMs);
};
