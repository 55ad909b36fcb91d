#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The game as it starts: a race, both karts on the lower circuit's outer
// lane, player 1 holding the accelerator from the first frame.
TEST(RaceStart, TheAcceleratorDrivesKartOneAlongItsLaneAfterGo) {
    World world;
    world.setUp();
    FrameLoop loop;
    keyDown(world, 'w');
    int32_t now = 0;
    while (world.matchStatus.countdownActive) {
        loop.simulate(world, now += 16);
        ASSERT_FLOAT_EQ(world.karts[0].position.z, 43);
        ASSERT_FLOAT_EQ(world.karts[0].position.y, -17);
    }
    EXPECT_GE(now, 5000);

    float highest = -100, lowest = 0;
    for (int frame = 0; frame < 180; ++frame) { // 3 s
        loop.simulate(world, now += 16);
        highest = std::max(highest, world.karts[0].position.y);
        lowest = std::min(lowest, world.karts[0].position.y);
    }
    const Kart& kart = world.karts[0];
    EXPECT_LT(highest, -9.9f); // the lane climbs to -10, never to the field
    EXPECT_GT(lowest, -17.6f);
    EXPECT_GT(kart.position.z, 85);
    EXPECT_NEAR(kart.position.x, -150, 0.01f);
    EXPECT_EQ(kart.heading, 0);
    // Kart 2, left alone, settles on the lane's floor.
    EXPECT_FLOAT_EQ(world.karts[1].position.y, -17.5f);
    EXPECT_NEAR(world.karts[1].position.z, 43, 0.01f);
    keyUp(world, 'w');
}

} // namespace
