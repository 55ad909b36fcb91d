#include "render/KartPose.h"
#include "render/ParticleDraw.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(KartPose, ABounceSquashesTheBodyOnlyWhileItLasts) {
    EXPECT_FLOAT_EQ(bodySquash(0), 1) << "no bounce is no squash, not 80 %";
    EXPECT_NEAR(bodySquash(0.0001f), 0.8f, 1e-4f);
    EXPECT_FLOAT_EQ(bodySquash(0.5f), 0.9f);
    EXPECT_FLOAT_EQ(bodySquash(1), 1);
}

TEST(KartPose, AKartInTheAirDoesNotLean) {
    Kart kart;
    kart.bodyLean = -0.25f;
    EXPECT_FLOAT_EQ(shownLean(kart), -0.25f);
    for (bool& airborne : kart.wheelAirborne)
        airborne = true;
    EXPECT_FLOAT_EQ(shownLean(kart), 0);
    kart.wheelAirborne[WHEEL_REAR_LEFT] = false;
    EXPECT_FLOAT_EQ(shownLean(kart), -0.25f) << "one wheel down is enough to tip onto";
}

TEST(KartPose, FrontWheelsTurnHalfTheYawRateTheOtherWay) {
    EXPECT_NEAR(frontWheelSteer(1.5f), -42.97f, 0.01f);
    EXPECT_NEAR(frontWheelSteer(-1.5f), 42.97f, 0.01f);
    EXPECT_FLOAT_EQ(frontWheelSteer(0), 0);
    EXPECT_NEAR(DEG_PER_RAD, 180 / 3.1415, 1e-5);
}

// Turned back out of the kart's frame, the body's light is the same world
// direction whatever way the kart faces.
TEST(KartPose, TheBodyLightStaysFixedInTheWorld) {
    const float half = std::sqrt(0.5f);
    for (float heading : {0.0f, 0.7f, -2.0f, 3.14159f}) {
        const Vec3 local = rampLight(heading);
        const float s = std::sin(heading), c = std::cos(heading);
        // The kart is drawn turned about y by its heading.
        const Vec3 world{local.x * c + local.z * s, local.y, -local.x * s + local.z * c};
        EXPECT_NEAR(world.x, 0, 1e-5f) << heading;
        EXPECT_NEAR(world.y, half, 1e-5f) << heading;
        EXPECT_NEAR(world.z, half, 1e-5f) << heading;
    }
}

TEST(KartPose, FacesTurnedFromTheLightAllTakeTheDarkestBand) {
    const Vec3 light{0, 1, 0};
    EXPECT_FLOAT_EQ(rampCoordinate(Vec3{0, -0.3f, 0.95f}, light), 0);
    EXPECT_FLOAT_EQ(rampCoordinate(Vec3{0, -1, 0}, light), 0);
    EXPECT_FLOAT_EQ(rampCoordinate(Vec3{}, light), 0) << "a vertex without a normal";
    EXPECT_FLOAT_EQ(rampCoordinate(Vec3{0, 0.43f, 0.9f}, light), 0.43f);
    EXPECT_FLOAT_EQ(rampCoordinate(light, light), 1);
}

TEST(PuffSprite, IsAsTallAsThePuffAndAsWideAndAsClear) {
    Particle puff;
    puff.sprite.init(3, -10, 4, 1, 1, LOOK_PUFF);
    puff.size = 1.75f;
    puff.alpha = 0.35f;
    const Sprite drawn = puffSprite(puff);
    EXPECT_FLOAT_EQ(drawn.height, 1.75f);
    EXPECT_FLOAT_EQ(drawn.halfWidth, 0.875f);
    EXPECT_FLOAT_EQ(drawn.alpha, 0.35f);
    EXPECT_EQ(drawn.look, LOOK_PUFF);
    EXPECT_FLOAT_EQ(drawn.position.y, -10);
    // The simulation's own sprite keeps the size it was made with.
    EXPECT_FLOAT_EQ(puff.sprite.height, 1);
    EXPECT_FLOAT_EQ(puff.sprite.alpha, 1);
}

} // namespace
