#pragma once

#include "support/Vec3.h"

#include <cstdint>

// One player's kart. So far only its pose and the values the cameras and the
// scene pass read; driving grows this record in place.
struct Kart {
    Vec3 position;                 // wheel-contact level, horizontal centre
    Vec3 size{1.22f, 1.75f, 1.8f}; // full extents: width, height, length
    Vec3 halfSize{0.61f, 0.875f, 0.9f};
    float pitch = 0;     // radians, nose up positive
    float speed = 0;     // along the heading, negative in reverse
    float bodyPitch = 0; // nose-dip animation, radians
    float heading = 0;   // radians: the kart faces (sin heading, 0, cos heading)
    int8_t colour[3] = {127, 100, 13};
    int id = 0; // 0 or 1: kart 1 or kart 2

    Kart() = default;
    // A kart as a match starts it: at rest at the origin, facing +z.
    Kart(const uint32_t* textureIds, int kartId);

    void setColour(int8_t red, int8_t green, int8_t blue);
};
