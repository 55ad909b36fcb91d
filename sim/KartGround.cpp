// The arena's height as a closed-form function of position: the field's level
// with its pads and ramps, and the lower circuit with its tunnels. The arena
// is mirror-symmetric in x, so everything is worked out on the -x half.

#include "sim/Kart.h"

#include <cmath>

namespace {

constexpr float UPPER_GROUND = 0.2f; // the raised ground round the field
constexpr float FIELD = 0;
constexpr float PAD = 0.4f;
constexpr float PAD_RADIUS_SQUARED = 144;
constexpr float DUST_RADIUS_SQUARED = 120; // red dust from the pad's inner part
constexpr float DUST_SPEED = 10;
constexpr float DUST[3] = {0.6f, 0.2f, 0.2f};
constexpr float SMOKE[3] = {0.5f, 0.5f, 0.5f};

bool within(float v, float low, float high) {
    return low <= v && v < high;
}

// The ramps that join the two levels at the field's four corners.
bool onCornerRamp(float X, float z) {
    return within(X, -135, -115) && (within(z, -10, 0) || within(z, 90, 100));
}

float cornerRampHeight(float X) {
    return (X + 115) / 2 + 0.5f;
}

float upperHeight(float X, float z) {
    if (within(X, -135, -115))
        return onCornerRamp(X, z) ? cornerRampHeight(X) : UPPER_GROUND;
    if (z < 0 || z > 90 || X <= -105)
        return UPPER_GROUND;
    return FIELD;
}

// The outer lane on the far side of the goal approach, dipping under it.
float outerLaneHeight(float z) {
    if (within(z, -10, 0))
        return -10;
    if (within(z, 0, 20))
        return -z / 4 - 10;
    if (within(z, 20, 30))
        return -15;
    if (within(z, 30, 40))
        return -(z - 30) / 4 - 15;
    if (within(z, 40, 50))
        return -17.5f;
    if (within(z, 50, 60))
        return (z - 50) / 4 - 17.5f;
    if (within(z, 60, 70))
        return -15;
    if (within(z, 70, 90))
        return (z - 70) / 4 - 15;
    if (within(z, 90, 100))
        return -10;
    return 0;
}

float lowerHeight(float X, float z) {
    if (X < -155)
        return -10;
    if (X < -135)
        return outerLaneHeight(z);
    if (X < -115) {
        if (onCornerRamp(X, z))
            return cornerRampHeight(X);
        if (within(z, 20, 70))
            return -(X + 115) / 4 - 20 + 0.3f;
        return 0;
    }
    if (X < -85)
        return (X + 115) / 3 - 20 + 0.3f;
    if (X < -50)
        return -10;
    if (X < -30) {
        if (within(z, 30, 40))
            return -(z - 30) / 4 - 10;
        if (within(z, 40, 50))
            return -12.5f;
        if (within(z, 50, 60))
            return (z - 50) / 4 - 12.5f;
        return -10;
    }
    if (X < -25)
        return -10;
    if (X < -5)
        return -(X + 25) / 4 - 10;
    return -15;
}

// The pads on the field: discs of radius 12, two rows of two on each half.
// Returns the squared distance to the pad's centre, or -1 off the pads.
float padDistanceSquared(float X, float z) {
    float cx, cz;
    if (within(X, -100, -60))
        cx = -80;
    else if (within(X, -60, -20))
        cx = -40;
    else
        return -1;
    if (within(z, 5, 45))
        cz = 25;
    else if (within(z, 45, 85))
        cz = 65;
    else
        return -1;
    const float d2 = (X - cx) * (X - cx) + (z - cz) * (z - cz);
    return d2 < PAD_RADIUS_SQUARED ? d2 : -1;
}

void paintExhaust(float* colour, const float* value) {
    for (int i = 0; i < 3; ++i)
        colour[i] = value[i];
}

} // namespace

float Kart::groundHeightAt(float x, float y, float z) {
    const float X = -std::fabs(x);
    if (y <= LOWER_LEVEL_TOP) {
        // The pads lie on the field above the tunnels: down here they are not
        // under the wheels, and the lower table alone decides.
        paintExhaust(exhaust.colour, SMOKE);
        return lowerHeight(X, z);
    }
    float h = upperHeight(X, z);
    const float d2 = padDistanceSquared(X, z);
    if (d2 < 0) {
        paintExhaust(exhaust.colour, SMOKE);
        return h;
    }
    h = PAD;
    if (speed > DUST_SPEED && d2 < DUST_RADIUS_SQUARED) {
        paintExhaust(exhaust.colour, DUST);
        exhaust.setEmitting(true);
    }
    return h;
}
