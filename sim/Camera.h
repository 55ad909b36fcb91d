#pragma once

#include "sim/Kart.h"
#include "support/Vec3.h"

#include <cmath>
#include <cstdint>

// View modes: the driver's view and three chase distances.
constexpr uint32_t CAMERA_DRIVER = 0;
constexpr uint32_t CAMERA_CLOSE = 1;
constexpr uint32_t CAMERA_MIDDLE = 2;
constexpr uint32_t CAMERA_FAR = 3;

// Where a camera looks from and at in one frame, and where its tracked point
// has glided to.
struct CameraAim {
    Vec3 tracked;
    Vec3 eye;
    Vec3 centre;
};

// One frame of a camera's glide after its kart: the tracked point moves a
// dt-scaled share of the way toward the point the mode wants. The share is
// capped at the whole gap: past that a long frame (the first one carries the
// loading time, a software renderer may crawl) would fling the camera beyond
// its target, and below six frames a second the swing would grow every frame.
// Pure, so the chase can be checked without a window.
inline CameraAim aimCamera(Vec3 tracked, uint32_t mode, const Kart& kart, float dt) {
    // The chase drops back one unit per 100 units of speed.
    constexpr float BASE_DISTANCE[4] = {0, 4.0f, 4.75f, 8.75f};
    constexpr float CHASE_GAIN = 12;
    constexpr float LOOK_AHEAD_GAIN = 4.5f;
    constexpr float LOOK_AHEAD = 30;
    constexpr float SNAP_DISTANCE = 0.05f;

    const Vec3 at = kart.position;
    const float s = std::sin(kart.heading), c = std::cos(kart.heading);
    Vec3 desired;
    float gain;
    if (mode == CAMERA_DRIVER) {
        desired = add(at, Vec3{LOOK_AHEAD * s, LOOK_AHEAD * std::sin(kart.pitch - kart.bodyPitch),
                               LOOK_AHEAD * c});
        gain = LOOK_AHEAD_GAIN * dt;
    } else {
        const float d = kart.speed / 100 + BASE_DISTANCE[mode > CAMERA_FAR ? CAMERA_FAR : mode];
        desired = subtract(at, Vec3{d * s, d * std::sin(kart.pitch), d * c});
        if (mode == CAMERA_FAR)
            desired.y += 1;
        gain = CHASE_GAIN * dt;
    }

    if (gain > 1)
        gain = 1;
    const Vec3 gap = subtract(desired, tracked);
    if (length3(gap) < SNAP_DISTANCE)
        tracked = desired;
    else
        tracked = add(tracked, Vec3{gain * gap.x, gain * gap.y, gain * gap.z});

    CameraAim aim{tracked, {}, {}};
    switch (mode) {
    case CAMERA_DRIVER:
        // Eye fixed to the kart, a little behind and to the side of its origin.
        aim.eye = add(at, Vec3{-0.7f * s + 0.3f * c, 1.35f, -0.7f * c - 0.3f * s});
        aim.centre = add(tracked, Vec3{0, 1.3f, 0});
        break;
    case CAMERA_CLOSE:
        aim.eye = add(tracked, Vec3{0, 1.5f, 0});
        aim.centre = add(at, Vec3{0, 1.0f, 0});
        break;
    default:
        aim.eye = add(tracked, Vec3{0, 2.5f, 0});
        aim.centre = add(at, Vec3{0, 1.5f, 0});
        break;
    }
    return aim;
}

// A chase camera following one kart.
struct Camera {
    Vec3 position; // tracked point: the eye when chasing, the look-at point in the driver's view
    const Kart* kart = nullptr;
    uint32_t mode = CAMERA_FAR;
    Vec3 eye, centre; // the view the last glide left, for drawing

    void attach(const Kart& followed) {
        *this = Camera{};
        kart = &followed;
    }
    void nextMode() { mode = mode >= CAMERA_FAR ? CAMERA_DRIVER : mode + 1; }
    // One frame's glide after the kart as it is drawn.
    void glide(const Kart& shown, float dt) {
        const CameraAim aim = aimCamera(position, mode, shown, dt);
        position = aim.tracked;
        eye = aim.eye;
        centre = aim.centre;
    }
};
