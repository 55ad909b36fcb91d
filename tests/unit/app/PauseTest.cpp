#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr unsigned char ESCAPE = 27;

struct PauseTest : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();
    FrameLoop loop;
    int32_t now = 0;

    void SetUp() override {
        world->setUp();
        loop.restart(*world);
        while (world->matchStatus.countdownActive)
            loop.simulate(*world, now += 20);
    }
};

TEST_F(PauseTest, NothingMovesWhilePausedAndTheGameGoesOnWhereItStopped) {
    keyDown(*world, 'w');
    loop.simulate(*world, now += 500);
    const float clock = world->matchStatus.matchClock;
    const Vec3 at = world->karts[0].position;
    const float cloud = world->clouds[0].angle;
    keyDown(*world, 'p');
    ASSERT_TRUE(world->paused);
    for (int i = 0; i < 10; ++i) {
        const FrameLoop::Step step = loop.simulate(*world, now += 1000);
        EXPECT_TRUE(step.simulated); // the held picture is drawn
        EXPECT_EQ(step.ticks, 0);
    }
    EXPECT_EQ(world->matchStatus.matchClock, clock);
    EXPECT_EQ(world->karts[0].position.z, at.z);
    EXPECT_EQ(world->clouds[0].angle, cloud);
    keyDown(*world, ESCAPE);
    ASSERT_FALSE(world->paused);
    // Ten seconds of pause are not made up: the next frame is a normal one.
    const FrameLoop::Step step = loop.simulate(*world, now += 20);
    EXPECT_EQ(step.ticks, 2);
    EXPECT_NEAR(world->matchStatus.matchClock, clock + 0.02f, 1e-4f);
}

TEST_F(PauseTest, KeysHeldThroughAPauseCountAsReleased) {
    keyDown(*world, 'w');
    keyDown(*world, 'p');
    keyDown(*world, 'c'); // ignored while paused: the picture holds
    EXPECT_EQ(world->cameras[0].mode, CAMERA_FAR);
    keyDown(*world, 'p');
    EXPECT_EQ(world->keyState[world->bindings.slotOf('w')], 0);
    loop.simulate(*world, now += 100);
    EXPECT_EQ(world->karts[0].acceleration, 0); // no kart drives off by itself
}

TEST_F(PauseTest, APadHeldThroughAPauseDrivesAgainOnlyOnceLetGo) {
    world->pads[0].connected = true;
    world->pads[0].down[PAD_RIGHT_TRIGGER] = true;
    keyDown(*world, 'p');
    keyDown(*world, 'p');
    loop.simulate(*world, now += 100);
    EXPECT_EQ(world->karts[0].acceleration, 0);
    world->pads[0].down[PAD_RIGHT_TRIGGER] = false;
    loop.simulate(*world, now += 100);
    world->pads[0].down[PAD_RIGHT_TRIGGER] = true;
    loop.simulate(*world, now += 100);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, 15);
}

TEST_F(PauseTest, TheMatchChoiceCannotBePaused) {
    keyDown(*world, '0');
    loop.simulate(*world, now += 20);
    ASSERT_TRUE(world->awaitingModeSelection);
    keyDown(*world, 'p');
    EXPECT_FALSE(world->paused);
}

} // namespace
