#include "sim/Camera.h"

#include <gtest/gtest.h>

namespace {

void expectNear(Vec3 actual, Vec3 expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Runs frames until the tracked point has settled.
CameraAim settle(uint32_t mode, const Kart& kart) {
    CameraAim aim{};
    for (int i = 0; i < 400; ++i)
        aim = aimCamera(aim.tracked, mode, kart, 0.02f);
    return aim;
}

TEST(Camera, FarChaseSettlesBehindAndAboveAKartAtRest) {
    Kart kart;
    const CameraAim aim = settle(CAMERA_FAR, kart);
    expectNear(aim.tracked, {0, 1, -8.75f});
    expectNear(aim.eye, {0, 3.5f, -8.75f});
    expectNear(aim.centre, {0, 1.5f, 0});
}

TEST(Camera, ChaseDistanceFollowsSpeedAndHeading) {
    Kart kart;
    kart.speed = -8;
    EXPECT_NEAR(settle(CAMERA_FAR, kart).tracked.z, -8.67f, 1e-4f);
    kart.speed = 0;
    kart.heading = PI / 2; // facing +x
    kart.position = {10, 2, 20};
    expectNear(settle(CAMERA_CLOSE, kart).tracked, {6, 2, 20});
    expectNear(settle(CAMERA_CLOSE, kart).eye, {6, 3.5f, 20});
    expectNear(settle(CAMERA_CLOSE, kart).centre, {10, 3, 20});
    expectNear(settle(CAMERA_MIDDLE, kart).eye, {5.25f, 4.5f, 20});
    expectNear(settle(CAMERA_MIDDLE, kart).centre, {10, 3.5f, 20});
}

TEST(Camera, ANoseUpKartPullsTheChaseCameraLower) {
    Kart kart;
    kart.pitch = 0.3f;
    EXPECT_NEAR(settle(CAMERA_CLOSE, kart).tracked.y, -4 * std::sin(0.3f), 1e-4f);
}

TEST(Camera, DriversViewLagsTheLookAheadPointNotTheEye) {
    Kart kart;
    kart.position = {1, 2, 3};
    const CameraAim first = aimCamera(Vec3{}, CAMERA_DRIVER, kart, 0.1f);
    // Eye fixed to the kart: 0.7 behind, 0.3 to the side, 1.35 up.
    expectNear(first.eye, {1.3f, 3.35f, 2.3f});
    // 45 % of the way from the origin toward 30 ahead of the kart.
    expectNear(first.tracked, {0.45f, 0.9f, 0.45f * 33});
    expectNear(first.centre, {0.45f, 2.2f, 0.45f * 33});

    kart.pitch = 0.2f;
    kart.bodyPitch = 0.05f;
    expectNear(settle(CAMERA_DRIVER, kart).tracked, {1, 2 + 30 * std::sin(0.15f), 33}, 1e-3f);
}

TEST(Camera, ZeroFrameTimeHoldsUnlessWithinSnapDistance) {
    Kart kart;
    const Vec3 far{5, 5, 5};
    expectNear(aimCamera(far, CAMERA_FAR, kart, 0).tracked, far);
    const Vec3 close{0.02f, 1, -8.75f};
    expectNear(aimCamera(close, CAMERA_FAR, kart, 0).tracked, {0, 1, -8.75f});
}

TEST(Camera, ALongFrameLandsOnTheTargetRatherThanPastIt) {
    Kart kart;
    // 0.1 s would be a gain of 1.2; 2 s, as the first frame after loading
    // may be, 24. Neither may throw the camera beyond its target.
    for (float dt : {0.1f, 2.0f})
        expectNear(aimCamera(Vec3{}, CAMERA_FAR, kart, dt).tracked, {0, 1, -8.75f});
    const CameraAim half = aimCamera(Vec3{}, CAMERA_FAR, kart, 0.05f);
    expectNear(half.tracked, {0, 0.6f, -0.6f * 8.75f});
}

TEST(Camera, AttachFollowsTheKartFromTheOriginInFarChase) {
    Kart kart;
    Camera camera;
    camera.position = {3, 3, 3};
    camera.mode = CAMERA_CLOSE;
    camera.attach(kart);
    EXPECT_EQ(camera.kart, &kart);
    EXPECT_EQ(camera.mode, CAMERA_FAR);
    expectNear(camera.position, {0, 0, 0});
}

TEST(Camera, ModesCycleThroughAllFourAndBack) {
    Camera camera;
    const uint32_t expected[] = {CAMERA_DRIVER, CAMERA_CLOSE, CAMERA_MIDDLE, CAMERA_FAR};
    for (uint32_t mode : expected) {
        camera.nextMode();
        EXPECT_EQ(camera.mode, mode);
    }
}

} // namespace
