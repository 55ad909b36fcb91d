#include "KartOnTheField.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void coast(Kart& kart) {
    kart.setThrottle(false);
}

TEST(KartDriving, CoastsToAStandstillOnTheFlat) {
    Kart kart = kartAt();
    kart.speed = 3;
    for (int i = 0; i < 100; ++i) {
        coast(kart);
        kart.update(0.02f);
        // Rolling resistance takes 0.08 an update; whatever is left under
        // 10 * dt is dropped, never carried below 0.
        EXPECT_TRUE(kart.speed == 0 || kart.speed >= 0.2f) << kart.speed;
    }
    EXPECT_EQ(kart.speed, 0);
    EXPECT_EQ(kart.acceleration, 0);

    // The band scales with the frame: 0.15 survives a 0.01 s step.
    Kart slow = kartAt();
    slow.speed = 0.15f;
    slow.update(0.01f);
    EXPECT_FLOAT_EQ(slow.speed, 0.15f);
    slow.update(0.02f);
    EXPECT_EQ(slow.speed, 0);
}

TEST(KartDriving, SlopesPullUnlessBrakingUphillAndNeverSnapToRest) {
    const float pull = 15 * std::sin(0.3f) * 0.1f; // well inside the 10 * dt band
    Kart climbing = kartAt();
    climbing.pitch = 0.3f;
    climbing.update(0.1f);
    EXPECT_FLOAT_EQ(climbing.speed, -pull);

    Kart braked = kartAt();
    braked.pitch = 0.3f;
    braked.setBrake(true);
    braked.update(0.1f);
    EXPECT_EQ(braked.speed, 0);

    Kart descending = kartAt();
    descending.pitch = -0.3f;
    descending.setBrake(true);
    descending.update(0.1f);
    EXPECT_FLOAT_EQ(descending.speed, pull);

    Kart level = kartAt();
    level.pitch = 0.19f;
    level.speed = 0.5f;
    level.update(0.1f);
    EXPECT_EQ(level.speed, 0);
}

TEST(KartDriving, ParksOnTheLowerRampWithTheBrakeAndRollsBackWithout) {
    // The outer lane climbs a quarter unit per unit between z 50 and 60.
    Kart kart = kartAt({-145, -16.25f, 55});
    drive(kart, 60, 0.02f, [](Kart& k) {
        coast(k);
        k.setBrake(true);
    });
    EXPECT_NEAR(kart.pitch, std::atan(0.25f), 1e-4f);
    EXPECT_EQ(kart.speed, 0);
    EXPECT_FLOAT_EQ(kart.position.z, 55);

    // Released, the pull (15 sin pitch, 3.6/s) just loses to the rolling
    // resistance of 4/s, so the kart creeps back: on the flat the snap would
    // hold it, on the slope it never stops.
    for (int i = 0; i < 50; ++i) {
        coast(kart);
        kart.setBrake(false);
        kart.update(0.02f);
        ASSERT_LT(kart.speed, 0) << i;
    }
    EXPECT_LT(kart.position.z, 55);
}

TEST(KartDriving, BoostPassesTheSoftLimitButNeverReaches50) {
    Kart kart = kartAt({-10, 0, 1}); // flat ground all the way
    float fastest = 0;
    bool capped = false;
    for (int i = 0; i < 150; ++i) {
        kart.setThrottle(true);
        kart.boost();
        kart.update(0.02f);
        fastest = std::max(fastest, kart.speed);
        capped = capped || kart.speed == 49;
        if (i == 49) { // 1 s: 50/s up to 24, then 40/s
            EXPECT_NEAR(kart.speed, 24 + 40 * 0.52f, 0.5f);
        }
    }
    EXPECT_LT(fastest, 50);
    EXPECT_TRUE(capped);

    // Past 24 the throttle alone loses 5/s.
    Kart fast = kartAt({-10, 0, 1});
    fast.speed = 30;
    drive(fast, 100, 0.01f, [](Kart& k) { k.setThrottle(true); });
    EXPECT_NEAR(fast.speed, 25, 0.05f);
}

TEST(KartDriving, SteeringTheOtherWayStraightensUpFirst) {
    Kart kart;
    kart.turnRate = 0.6f;
    kart.steer(+1);
    EXPECT_FLOAT_EQ(kart.turnRate, -0.2f);
    kart.turnRate = -0.6f;
    kart.steer(-1);
    EXPECT_FLOAT_EQ(kart.turnRate, 0.2f);
    kart.steer(0);
    EXPECT_FLOAT_EQ(kart.turnRate, 0.2f);
    kart.steer(-1);
    EXPECT_FLOAT_EQ(kart.turnRate, 0.4f);
}

TEST(KartDriving, HeldSteeringBuildsToTheLimitAndReturnsToZeroWhenReleased) {
    Kart kart = kartAt();
    kart.speed = 10;
    drive(kart, 20, 0.01f, [](Kart& k) { k.steer(+1); });
    EXPECT_FLOAT_EQ(kart.turnRate, -1.5f);
    EXPECT_GT(kart.heading, 0); // 'a' turns towards +x

    int updates = 0;
    while (kart.turnRate != 0 && updates < 100) {
        kart.update(0.01f);
        ++updates;
        EXPECT_FALSE(kart.turnRate > -0.05f && kart.turnRate < 0.05f && kart.turnRate != 0);
    }
    EXPECT_NEAR(updates, 30, 1); // 5 rad/s², less the dead zone
}

TEST(KartDriving, CannotTurnAtRestAndTurnsMirroredInReverse) {
    Kart parked = kartAt();
    parked.turnRate = -1;
    parked.update(0.02f);
    EXPECT_EQ(parked.heading, 0);
    EXPECT_EQ(parked.forward.x, 0);

    Kart ahead = kartAt();
    Kart back = kartAt();
    drive(ahead, 25, 0.02f, [](Kart& k) {
        k.setThrottle(true);
        k.steer(+1);
    });
    drive(back, 25, 0.02f, [](Kart& k) {
        k.setThrottle(false);
        k.reverse();
        k.steer(+1);
    });
    EXPECT_GT(ahead.heading, 0.1f);
    EXPECT_LT(back.speed, 0);
    EXPECT_LT(back.heading, -0.05f);
}

TEST(KartDriving, TheHeadingStaysARealAngle) {
    Kart kart = kartAt({-60, 0, 45});
    kart.speed = 3;
    drive(kart, 12000, 1 / 120.0f, [](Kart& k) { k.steer(-1); });
    EXPECT_TRUE(std::isfinite(kart.heading));
    EXPECT_LE(std::fabs(kart.heading), 3.1416f);
    EXPECT_NEAR(kart.position.y, 0, 1e-4f);

    // A facing worn down to almost nothing: its length rounds below |z|.
    Kart worn = kartAt();
    worn.forward = {0, 0, 1e-20f};
    worn.update(0.02f);
    EXPECT_EQ(worn.heading, 0);
    worn.forward = {0, 0, -1e-20f};
    worn.update(0.02f);
    EXPECT_FLOAT_EQ(worn.heading, std::acos(-1.0f));
}

TEST(KartDriving, ABumpLatchesItsFirstSpeedAndStopsDeadAfterOneSecond) {
    Kart kart = kartAt();
    kart.speed = 10;
    kart.bump();
    kart.update(0.25f);
    EXPECT_FLOAT_EQ(kart.speed, -10);
    kart.bump(); // hit again while bouncing: the bounce goes on unchanged
    EXPECT_FLOAT_EQ(kart.bumpSpeed, -9.5f);
    drive(kart, 3, 0.25f, coast);
    EXPECT_TRUE(kart.bumping); // exactly 1 s is not past it
    EXPECT_LT(kart.position.z, 48);
    kart.update(0.25f);
    EXPECT_FALSE(kart.bumping);
    EXPECT_EQ(kart.speed, 0);
    EXPECT_EQ(kart.acceleration, 0);
    EXPECT_EQ(kart.bumpTime, 0);
}

TEST(KartDriving, TheBounceDecaysPerUpdateNotPerSecond) {
    Kart fast = kartAt(), slow = kartAt();
    fast.speed = slow.speed = 10;
    fast.bump();
    slow.bump();
    drive(fast, 30, 1 / 60.0f, coast); // half a second at 60 frames
    drive(slow, 10, 1 / 20.0f, coast); // and at 20
    EXPECT_NEAR(fast.speed, -10 * std::pow(0.95f, 29), 1e-3f);
    EXPECT_NEAR(slow.speed, -10 * std::pow(0.95f, 9), 1e-3f);
}

TEST(KartDriving, ASpinDragsPerUpdateAndEndsPastAFullTurn) {
    Kart brief = kartAt(), long_ = kartAt();
    brief.speed = long_.speed = 10;
    brief.startSpin();
    long_.startSpin();
    brief.update(0.001f);
    long_.update(0.1f);
    EXPECT_FLOAT_EQ(brief.speed, 9.2f);
    EXPECT_FLOAT_EQ(long_.speed, 9.2f);
    EXPECT_FLOAT_EQ(brief.spinAngle, 0.15f);

    long_.spinAngle = 3;
    long_.startSpin(); // a second hit does not start it over
    EXPECT_EQ(long_.spinAngle, 3);

    long_.spinAngle = 6.2f;
    const float before = long_.speed;
    long_.update(0.1f);
    EXPECT_FALSE(long_.spinning);
    EXPECT_EQ(long_.spinAngle, 0);
    EXPECT_FLOAT_EQ(long_.spinRate, 0.15f);
    EXPECT_FLOAT_EQ(long_.speed, 0.92f * before); // the last update drags too
}

TEST(KartDriving, SlidesSidewaysOnlyWhenTurningIntoTheSlide) {
    Kart kart;
    kart.slide = 3;
    kart.setSlide(false, false);
    EXPECT_EQ(kart.slideRate, -20);
    kart.slide = -3;
    kart.setSlide(false, false);
    EXPECT_EQ(kart.slideRate, 20);
    kart.slide = 0.1f;
    kart.setSlide(false, false);
    EXPECT_EQ(kart.slideRate, 0);
    kart.setSlide(true, true);
    EXPECT_EQ(kart.slideRate, 20);

    Kart into = kartAt();
    into.speed = 10;
    into.turnRate = 1;
    into.slide = 5;
    into.update(0.01f);
    EXPECT_FLOAT_EQ(into.slideStep.x, 0.1f); // dt * slide * speed / 5 along +x
    EXPECT_TRUE(into.exhaust.emitting);

    Kart against = kartAt();
    against.speed = 10;
    against.turnRate = -1;
    against.slide = 5;
    against.update(0.01f);
    EXPECT_EQ(against.slideStep.x, 0);
    EXPECT_FALSE(against.exhaust.emitting);
}

TEST(KartDriving, RespawnDropsFrom400FacingHeadingZero) {
    Kart kart = kartAt();
    kart.speed = 10;
    drive(kart, 30, 0.02f, [](Kart& k) { k.steer(+1); });
    ASSERT_GT(kart.heading, 0.3f);
    kart.respawn();
    EXPECT_FLOAT_EQ(kart.position.y, 400);
    EXPECT_EQ(kart.speed, 0);
    EXPECT_EQ(kart.turnRate, 0);
    kart.update(0.02f);
    EXPECT_EQ(kart.heading, 0);
    EXPECT_TRUE(airborne(kart));
    const float top = kart.position.y;
    kart.update(0.02f);
    kart.update(0.02f); // 0.02² / 2 then 0.04² / 2
    EXPECT_NEAR(kart.position.y, top - 0.0002f - 0.0008f, 1e-4f);

    // Already flying: the old heading stays until it lands.
    Kart flying = kartAt();
    face(flying, 0.7f);
    for (bool& wheel : flying.wheelAirborne)
        wheel = true;
    flying.fallTime = 3;
    flying.respawn();
    flying.update(0.02f);
    EXPECT_FLOAT_EQ(flying.heading, 0.7f);
    EXPECT_FLOAT_EQ(flying.position.y, 400 - 0.0002f); // the fall starts afresh
}

TEST(KartDriving, TheFallFromRespawnIsCountedInUpdates) {
    Kart fast = kartAt(), slow = kartAt();
    fast.respawn();
    slow.respawn();
    drive(fast, 216, 1 / 60.0f, coast); // 3.6 s each
    drive(slow, 108, 1 / 30.0f, coast);
    EXPECT_FALSE(airborne(fast));
    EXPECT_LT(fast.position.y, 1);
    EXPECT_TRUE(airborne(slow));
    EXPECT_GT(slow.position.y, 100);
}

} // namespace
