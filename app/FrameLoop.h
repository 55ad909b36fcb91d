#pragma once

#include <cstdint>

struct World;

// The simulation side of one frame, apart from its drawing so that a test can
// feed it a clock of its own.
struct FrameLoop {
    int32_t lastFrameTime = 0; // milliseconds on the window system's clock

    struct Step {
        bool simulated; // false: a mode-selection frame, draw and swap nothing
        float dt;       // seconds, for the cameras of the drawing side
    };

    // nowMs: the elapsed-time clock read for this frame.
    Step simulate(World& world, int32_t nowMs);
};
