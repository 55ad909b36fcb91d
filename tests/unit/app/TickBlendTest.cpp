#include "app/TickBlend.h"
#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(TickBlend, AnglesBlendTheShortWayRound) {
    const float pi = 3.14159265f;
    EXPECT_NEAR(blendAngle(0.5f, 1.5f, 0.25f, 2 * pi), 0.75f, 1e-6f);
    // Across the heading's wrap from +pi to -pi: through pi, not through 0.
    EXPECT_NEAR(blendAngle(3.1f, -3.1f, 0.5f, 2 * pi), pi, 1e-3f);
    // A wheel's roll in degrees, past 360 and back to 0.
    EXPECT_NEAR(blendAngle(350, 10, 0.5f, 360), 360, 1e-3f);
    EXPECT_EQ(blendAngle(350, 10, 1, 360), 10);
}

struct DrawnBetweenTicks : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();
    FrameLoop loop;
    DrawnMotion drawn;
    int32_t now = 0;

    void SetUp() override {
        world->setUp();
        loop.restart(*world);
        while (world->matchStatus.countdownActive)
            loop.simulate(*world, now += 10);
    }

    const Kart& frame(int32_t ms) {
        loop.simulate(*world, now += ms);
        loop.poseForDrawing(*world, static_cast<float>(ms) / 1000, &drawn);
        return drawn.karts[0];
    }
};

// A 144 Hz screen: frames of 6 or 7 ms on the millisecond clock, each
// drawn a little farther on, never the same place twice and never more
// than a tick's worth at once.
TEST_F(DrawnBetweenTicks, MotionIsEvenAtAHundredAndFortyFourFramesASecond) {
    keyDown(*world, 'w');
    for (int i = 0; i < 100; ++i) // up to speed on the straight lane
        frame(10);
    float drawnZ = frame(7).position.z;
    int32_t shown = 0;
    for (int i = 1; i <= 300; ++i) {
        const int32_t clock = i * 1000 / 144;
        const float z = frame(clock - shown).position.z;
        shown = clock;
        const float perTick = world->karts[0].speed * TICK_SECONDS;
        ASSERT_GT(z, drawnZ) << "frame " << i << " repeats a position";
        ASSERT_LT(z - drawnZ, 1.1f * perTick) << "frame " << i << " jumps ahead";
        drawnZ = z;
    }
    // The drawn kart trails the simulated one by at most a tick.
    const Kart& kart = world->karts[0];
    EXPECT_LE(drawnZ, kart.position.z);
    EXPECT_GE(drawnZ, kart.position.z - kart.speed * TICK_SECONDS - 1e-3f);
}

TEST_F(DrawnBetweenTicks, JumpsAreDrawnWhereTheyLand) {
    frame(15);
    keyDown(*world, 'v'); // respawn: far above the field
    const Kart& shown = frame(15);
    EXPECT_EQ(shown.position.y, world->karts[0].position.y);
    EXPECT_GT(shown.position.y, 300);
}

TEST_F(DrawnBetweenTicks, AFreshCoconutInAReusedSlotIsNotDrawnFromTheOldOne) {
    ProjectileTable& table = world->projectiles;
    for (int i = 0; i < PROJECTILE_SLOTS; ++i)
        table.spawn(0, 5, 0, 0, 0, 0.01f, 1000, 0);
    frame(15);
    // Full: the next throw goes over slot 0's, far from it.
    table.spawn(50, 5, 50, 0, 0, 0, 1000, 1);
    loop.poseForDrawing(*world, 0.005f, &drawn);
    EXPECT_EQ(drawn.projectiles.slots[0].position.x, 50);
    // The others glide between their ticks.
    EXPECT_LT(drawn.projectiles.slots[1].position.z, table.slots[1].position.z);
    EXPECT_GT(drawn.projectiles.slots[1].position.z, 0);
}

TEST_F(DrawnBetweenTicks, HiddenViewsKeepTheirCamerasAndTheRulesSeeNoBlend) {
    world->playerCount = 1;
    const Vec3 second = world->cameras[1].position;
    keyDown(*world, 'w');
    frame(15);
    for (int i = 0; i < 20; ++i)
        frame(13);
    EXPECT_EQ(world->cameras[1].position.x, second.x);
    EXPECT_EQ(world->cameras[1].position.z, second.z);
    EXPECT_NE(drawn.karts[0].position.z, world->karts[0].position.z);
}

} // namespace
