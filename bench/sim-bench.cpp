// How long one step of the World takes with both karts driving and all 128
// coconut slots in flight, headless. Reported, never judged.
//
//   vk-sim-bench [STEPS]
//
// Prints one line: "sim steps N update_us U coconuts C", C the mean number of
// coconuts in flight as each step began.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    const int steps = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 200000;
    auto world = std::make_unique<World>();
    world->diagnostics = std::fopen("/dev/null", "w");
    std::srand(1);
    world->setUp();
    while (world->matchStatus.countdownActive)
        playFrame(*world, TICK_SECONDS);
    // Both karts round and round the field's level, throwing all the while.
    keyDown(*world, 'v');
    keyDown(*world, 'b');
    playFrame(*world, TICK_SECONDS);
    keyUp(*world, 'v');
    keyUp(*world, 'b');
    for (char key : {'w', 'a', 'i', 'j', 'r', 'y'})
        keyDown(*world, key);

    double seconds = 0;
    long liveSum = 0;
    for (int i = 0; i < steps; ++i) {
        // Keep every slot full: coconuts flying far off the arena, where no
        // kart takes them out of the air.
        while (world->projectiles.liveCount < PROJECTILE_SLOTS)
            world->projectiles.spawn(300, 50, static_cast<float>(i % 200), 0.3f, 0.5f, 0.1f, 1000,
                                     2);
        liveSum += world->projectiles.liveCount;
        const auto start = std::chrono::steady_clock::now();
        playFrame(*world, TICK_SECONDS);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("sim steps %d update_us %.2f coconuts %.1f\n", steps, 1e6 * seconds / steps,
                static_cast<double>(liveSum) / steps);
    return 0;
}
