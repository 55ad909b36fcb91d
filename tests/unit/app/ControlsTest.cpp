#include "app/Controls.h"
#include "../sim/KartOnTheField.h"
#include "app/Input.h"
#include "app/World.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

PadInput padWith(float stick) {
    PadInput pad;
    pad.connected = true;
    pad.stick = stick;
    return pad;
}

TEST(PadControls, TheStickSteersBeyondItsDeadZoneAndFullyAtFullLean) {
    const PadLayout layout;
    EXPECT_EQ(padControls(padWith(0.1f), layout).steer, 0);
    EXPECT_EQ(padControls(padWith(-STICK_DEAD_ZONE), layout).steer, 0);
    EXPECT_FLOAT_EQ(padControls(padWith(1), layout).steer, 1);
    EXPECT_FLOAT_EQ(padControls(padWith(-1), layout).steer, -1);
    EXPECT_FLOAT_EQ(padControls(padWith(-3), layout).steer, -1); // a reading past the end
    EXPECT_NEAR(padControls(padWith(0.6f), layout).steer, 0.5f, 1e-6f);
    // A pad that is gone holds nothing, whatever it said last.
    PadInput gone = padWith(1);
    gone.connected = false;
    gone.down[PAD_RIGHT_TRIGGER] = true;
    const PlayerControls none = padControls(gone, layout);
    EXPECT_EQ(none.steer, 0);
    EXPECT_FALSE(none.held[ACTION_THROTTLE]);
}

TEST(PadControls, ButtonsHoldTheirActionsAndTheBrakeAlsoReverses) {
    PadInput pad = padWith(0);
    pad.down[PAD_RIGHT_TRIGGER] = pad.down[PAD_X] = pad.down[PAD_LEFT_TRIGGER] = true;
    const PlayerControls c = padControls(pad, PadLayout{});
    EXPECT_TRUE(c.held[ACTION_THROTTLE]);
    EXPECT_TRUE(c.held[ACTION_FIRE]);
    EXPECT_FALSE(c.held[ACTION_BRAKE]);
    EXPECT_TRUE(c.brakeOrReverse);
    EXPECT_FALSE(c.held[ACTION_BOOST]);
}

TEST(PadControls, KeysAndPadTogetherAndTheKeysSteerWhileDown) {
    PlayerControls keys, pad;
    keys.held[ACTION_THROTTLE] = true;
    pad.held[ACTION_FIRE] = true;
    pad.steer = -0.4f;
    PlayerControls both = combinedControls(keys, pad);
    EXPECT_TRUE(both.held[ACTION_THROTTLE]);
    EXPECT_TRUE(both.held[ACTION_FIRE]);
    EXPECT_FLOAT_EQ(both.steer, -0.4f);
    keys.held[ACTION_STEER_LEFT] = true;
    keys.steer = 1;
    both = combinedControls(keys, pad);
    EXPECT_FLOAT_EQ(both.steer, 1);
}

// A kart rolling on the field, steered for a second by a lean or a key.
float turnRateAfterASecond(float lean, bool key) {
    Kart kart = kartAt();
    kart.speed = 10;
    for (int tick = 0; tick < 100; ++tick) {
        kart.setThrottle(true);
        if (key)
            kart.steer(lean > 0 ? 1 : -1);
        else
            kart.steerToward(lean);
        kart.update(0.01f);
    }
    return kart.turnRate;
}

TEST(AnalogueSteering, FullLeanDrivesExactlyLikeTheKeyAndHalfLeanTurnsAboutHalf) {
    EXPECT_EQ(turnRateAfterASecond(1, false), turnRateAfterASecond(1, true));
    EXPECT_EQ(turnRateAfterASecond(-1, false), turnRateAfterASecond(-1, true));
    const float half = turnRateAfterASecond(0.5f, false);
    EXPECT_NEAR(std::fabs(half), 0.5f * MAX_TURN_RATE, STEER_STEP);
    EXPECT_LT(half, 0); // a left lean, as the left key: the turn rate goes down
    EXPECT_GT(turnRateAfterASecond(-0.5f, false), 0);
}

TEST(AnalogueSteering, ALeanTheOtherWayStraightensAtOnce) {
    Kart kart = kartAt();
    kart.speed = 10;
    kart.turnRate = 1.2f; // hard right
    kart.steerToward(-0.3f);
    EXPECT_FLOAT_EQ(kart.turnRate, 1.2f); // already past the lean's share: no more
    kart.steerToward(0.3f);
    EXPECT_FLOAT_EQ(kart.turnRate, -STEER_STEP); // left: straightened, then turned
}

TEST(PadBrake, BrakesWhileRollingAndReversesOnceStopped) {
    auto world = std::make_unique<World>();
    world->karts[0] = kartAt({30, 0, 50}, 0);
    world->karts[1] = kartAt({-30, 0, 50}, 1);
    world->karts[0].speed = 5;
    PlayerControls controls[2];
    controls[0].brakeOrReverse = true;
    applyControls(*world, controls);
    EXPECT_EQ(world->karts[0].braking, 1);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, -20);
    world->karts[0].speed = 0;
    applyControls(*world, controls);
    EXPECT_EQ(world->karts[0].braking, 0);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, -15);
}

TEST(PadInWorld, APadDrivesItsPlayersKartThroughTheSameTick) {
    auto world = std::make_unique<World>();
    world->karts[1] = kartAt({-30, 0, 50}, 1);
    world->pads[1] = padWith(0);
    world->pads[1].down[PAD_RIGHT_TRIGGER] = true;
    applyInput(*world);
    EXPECT_FLOAT_EQ(world->karts[1].acceleration, 15);
    EXPECT_FLOAT_EQ(world->karts[0].acceleration, 0);
}

} // namespace
