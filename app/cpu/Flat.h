#pragma once

#include "support/Vec3.h"

#include <algorithm>
#include <cmath>

// Geometry on the ground plane (x, z): what steering works in.

constexpr float PI_F = static_cast<float>(PI_EXACT);

inline float flatDistance(Vec3 a, Vec3 b) {
    return std::hypot(b.x - a.x, b.z - a.z);
}

// From c to the nearest point of the segment a-b.
inline float distanceToSegment(Vec3 c, Vec3 a, Vec3 b) {
    const float dx = b.x - a.x, dz = b.z - a.z;
    const float lengthSquared = dx * dx + dz * dz;
    float t = lengthSquared > 0 ? ((c.x - a.x) * dx + (c.z - a.z) * dz) / lengthSquared : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(a.x + dx * t - c.x, a.z + dz * t - c.z);
}

// The heading a kart faces going from a toward b: it faces (sin h, cos h).
inline float headingTo(Vec3 a, Vec3 b) {
    return std::atan2(b.x - a.x, b.z - a.z);
}

// Into (-pi, pi].
inline float wrapAngle(float a) {
    while (a > PI_F)
        a -= 2 * PI_F;
    while (a <= -PI_F)
        a += 2 * PI_F;
    return a;
}
