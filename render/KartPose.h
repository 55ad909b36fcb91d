#pragma once

#include "sim/Kart.h"
#include "support/Vec3.h"

#include <cmath>

// The numbers the kart drawing turns its simulated state into, kept apart from
// the GL calls so they can be checked without a window.

// Length factor of the body while it bounces back: 80 % as the bounce starts,
// whole again after a second. No bounce, no squash.
inline float bodySquash(float bumpTime) {
    return bumpTime > 0 ? bumpTime / 5 + 0.8f : 1.0f;
}

// The lean shown: none while all four wheels are off the ground, since there
// is nothing to tip onto.
inline float shownLean(const Kart& kart) {
    for (bool airborne : kart.wheelAirborne)
        if (!airborne)
            return kart.bodyLean;
    return 0;
}

// Degrees the front wheels turn about y: half the yaw rate, opposite in sign
// as a positive turn rate turns the heading down.
inline float frontWheelSteer(float turnRate) {
    return -DEG_PER_RAD * turnRate / 2;
}

// The fixed world light (0, 1, 1) in the frame of a kart drawn turned by its
// heading; the spin and the tilts are left out on purpose.
inline Vec3 rampLight(float heading) {
    Vec3 light{-std::sin(heading), 1, std::cos(heading)};
    normalize(&light);
    return light;
}

// The ramp texel coordinate of a vertex: its lighting, with faces turned away
// from the light all in the darkest band.
inline float rampCoordinate(const Vec3& normal, const Vec3& light) {
    const float s = dotN(floatsOf(normal), floatsOf(light), 3);
    return s < 0 ? 0 : s;
}
