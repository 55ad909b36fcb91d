#pragma once

#include "sim/Kart.h"

#include <cmath>

// A fresh kart standing at a point with its wheels on the ground under it, as
// a match start leaves it. The default spot is level field, off the pads.
inline Kart kartAt(Vec3 at = {30, 0, 50}, int id = 0) {
    Kart kart(id);
    kart.position = at;
    kart.settleWheels();
    return kart;
}

// Turns a kart at rest to face a heading, wheels and all, as steering would.
inline void face(Kart& kart, float heading) {
    const float a = -heading, c = std::cos(a), s = std::sin(a);
    auto turn = [c, s](Vec3& v) {
        const float x = v.x, z = v.z;
        v.x = x * c - z * s;
        v.z = z * c + x * s;
    };
    turn(kart.forward);
    for (Vec3& offset : kart.wheelOffsets)
        turn(offset);
    kart.heading = kart.previousHeading = heading;
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        Vec3& wheel = kart.wheelPositions[w];
        wheel.x = kart.position.x + kart.wheelOffsets[w].x;
        wheel.z = kart.position.z + kart.wheelOffsets[w].z;
        kart.groundHeight[w] = kart.groundHeightAt(wheel.x, wheel.y, wheel.z);
    }
}

// Holds the controls for a number of updates of dt seconds each.
template <typename Controls> void drive(Kart& kart, int updates, float dt, Controls controls) {
    for (int i = 0; i < updates; ++i) {
        controls(kart);
        kart.update(dt);
    }
}

inline bool airborne(const Kart& kart) {
    return kart.wheelAirborne[0] && kart.wheelAirborne[1] && kart.wheelAirborne[2] &&
           kart.wheelAirborne[3];
}
