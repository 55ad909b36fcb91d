#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <gtest/gtest.h>
#include <memory>

// Presses that come and go between two ticks: each counts for the next tick,
// and only for it.

namespace {

constexpr int P2_FIRE = KART_ACTIONS + ACTION_FIRE; // 'y'
constexpr int P1_THROTTLE = ACTION_THROTTLE;        // 'w'

struct TapTest : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();
    FrameLoop loop;
    int32_t now = 0;

    void SetUp() override {
        world->setUp();
        loop.restart(*world);
        while (world->matchStatus.countdownActive)
            loop.simulate(*world, now += 20);
    }

    void tap(unsigned char key) {
        keyDown(*world, key);
        keyUp(*world, key);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            playFrame(*world, TICK_SECONDS);
    }
    int coconuts() const { return world->projectiles.liveCount; }
};

TEST_F(TapTest, ATapBetweenTwoTicksHoldsForExactlyTheNextTick) {
    tap('y');
    EXPECT_EQ(world->keyState[P2_FIRE], 1);
    ticks(1);
    EXPECT_EQ(coconuts(), 1);
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
    // Held, fire throws again after its cool-down: a tap is no hold.
    ticks(40);
    EXPECT_EQ(coconuts(), 1);

    // Through the frame clock: a 4 ms frame runs no tick, the tap waits for
    // the next frame's.
    tap('y');
    EXPECT_EQ(loop.simulate(*world, now += 4).ticks, 0);
    EXPECT_EQ(world->keyState[P2_FIRE], 1);
    EXPECT_EQ(loop.simulate(*world, now += 16).ticks, 2);
    EXPECT_EQ(coconuts(), 2);
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
}

TEST_F(TapTest, AKeyHeldAcrossATickGoesUpAtOnceAsBefore) {
    keyDown(*world, 'y');
    ticks(1);
    EXPECT_EQ(coconuts(), 1);
    keyUp(*world, 'y');
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
    ticks(40);
    EXPECT_EQ(coconuts(), 1);
    // Held for 35 ticks: thrown again once the 0.3 s cool-down is over.
    keyDown(*world, 'y');
    ticks(35);
    EXPECT_EQ(coconuts(), 3);
    keyUp(*world, 'y');
    ticks(1);
    EXPECT_EQ(coconuts(), 3);
}

TEST_F(TapTest, PressedAgainBeforeTheTickTheKeyStaysDownAfterIt) {
    tap('w');
    keyDown(*world, 'w');
    ticks(1);
    EXPECT_EQ(world->keyState[P1_THROTTLE], 1);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, 15);
    ticks(1);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, 15);
    keyUp(*world, 'W');
    EXPECT_EQ(world->keyState[P1_THROTTLE], 0);
}

TEST_F(TapTest, TheModeKeyTappedInPlayAndAModeKeyTappedWhileWaitingStartTheChosenMatch) {
    tap('0');
    loop.simulate(*world, now += 10);
    ASSERT_TRUE(world->awaitingModeSelection);
    EXPECT_EQ(world->keyState[SLOT_MODE_SELECT], 0);
    // No tick runs while waiting: the tapped key waits for the next frame.
    tap('6');
    EXPECT_FALSE(loop.simulate(*world, now += 50).simulated);
    EXPECT_FALSE(world->awaitingModeSelection);
    EXPECT_EQ(world->gameMode, GAME_TAG);
    for (int slot = 0; slot < 256; ++slot) {
        ASSERT_EQ(world->keyState[slot], 0) << slot;
        ASSERT_EQ(world->keyLatch[slot], 0) << slot;
    }
}

TEST_F(TapTest, APauseOrAMatchStartDropsTheTaps) {
    tap('y');
    keyDown(*world, 'p');
    keyDown(*world, 'p');
    ASSERT_FALSE(world->paused);
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
    ticks(1);
    EXPECT_EQ(coconuts(), 0);

    tap('y');
    world->padLatch[1][PAD_X] = true;
    world->startMatch();
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
    EXPECT_FALSE(world->padLatch[1][PAD_X]);
}

TEST_F(TapTest, ATapDuringTheCountdownIsGoneOnceItEnds) {
    world->startMatch();
    ASSERT_TRUE(world->matchStatus.countdownShowing());
    tap('y');
    ticks(1);
    EXPECT_EQ(world->keyState[P2_FIRE], 0);
    while (world->matchStatus.countdownShowing())
        ticks(1);
    ticks(1);
    EXPECT_EQ(coconuts(), 0);
}

TEST_F(TapTest, APadPressLetGoWithinOnePollDrivesTheNextTickOnly) {
    PadInput readings[2];
    readings[0].connected = readings[1].connected = true;
    bool pressed[2][PAD_BUTTONS] = {};
    pressed[1][PAD_X] = true; // fire, on player 2's pad
    takePadReadings(*world, readings, pressed);
    EXPECT_TRUE(world->pads[1].connected);
    EXPECT_FALSE(world->pads[1].down[PAD_X]);
    EXPECT_TRUE(padForTick(*world, 1).down[PAD_X]);
    EXPECT_FALSE(padForTick(*world, 0).down[PAD_X]);
    ticks(1);
    EXPECT_EQ(coconuts(), 1);
    EXPECT_FALSE(padForTick(*world, 1).down[PAD_X]);
    // The latch went with that tick.
    ticks(40);
    EXPECT_EQ(coconuts(), 1);

    // Presses gather until a tick: a later poll without them keeps them.
    pressed[1][PAD_X] = false;
    pressed[0][PAD_RIGHT_TRIGGER] = true;
    takePadReadings(*world, readings, pressed);
    pressed[0][PAD_RIGHT_TRIGGER] = false;
    takePadReadings(*world, readings, pressed);
    ticks(1);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, 15);
    ticks(1);
    EXPECT_NE(world->karts[0].acceleration, 15);

    // A button read down is down, latched or not.
    readings[1].down[PAD_X] = true;
    takePadReadings(*world, readings, pressed);
    ticks(35);
    EXPECT_EQ(coconuts(), 3);
}

TEST_F(TapTest, TappingTheModeSlotLeavesForTheChoiceButNotWhilePaused) {
    keyDown(*world, 'p');
    tapSlot(*world, SLOT_MODE_SELECT);
    EXPECT_EQ(world->keyState[SLOT_MODE_SELECT], 0);
    keyDown(*world, 'p');
    tapSlot(*world, SLOT_MODE_SELECT);
    EXPECT_EQ(world->keyState[SLOT_MODE_SELECT], 1);
    loop.simulate(*world, now += 10);
    EXPECT_TRUE(world->awaitingModeSelection);
    EXPECT_EQ(world->keyState[SLOT_MODE_SELECT], 0);
}

} // namespace
