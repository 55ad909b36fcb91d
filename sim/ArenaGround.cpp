// The arena's height as a closed-form function of position, worked out on
// the west half: the field's level with its pads and ramps, and the lower
// circuit with its tunnels.

#include "sim/Arena.h"

#include <cmath>

namespace {

bool within(float v, float low, float high) {
    return low <= v && v < high;
}

// Along a run of pieces of constant slope, all of them rising or falling a
// quarter unit per unit, so the height is exact wherever it is read. Off
// the run: 0.
template <size_t N> float heightAlong(const Slope (&run)[N], float v) {
    for (const Slope& s : run) {
        if (!within(v, s.from, s.to))
            continue;
        if (s.hFrom == s.hTo)
            return s.hFrom;
        return s.hTo < s.hFrom ? -(v - s.from) / 4 + s.hFrom : (v - s.from) / 4 + s.hFrom;
    }
    return 0;
}

// The ramps that join the two levels at the field's four corners.
bool onCornerRamp(float X, float z) {
    return within(X, LANE_INNER_X, RAMP_TOP_X) &&
           (within(z, SOUTH_RAMP_Z0, SOUTH_RAMP_Z1) || within(z, NORTH_RAMP_Z0, NORTH_RAMP_Z1));
}

float cornerRampHeight(float X) {
    return (X - RAMP_TOP_X) / 2 + CORNER_RAMP.hTo;
}

float upperHeight(float X, float z) {
    if (within(X, LANE_INNER_X, RAMP_TOP_X))
        return onCornerRamp(X, z) ? cornerRampHeight(X) : UPPER_GROUND_Y;
    if (z < FIELD_SOUTH_Z || z > FIELD_NORTH_Z || X <= FIELD_WEST_X)
        return UPPER_GROUND_Y;
    return FIELD_Y;
}

float lowerHeight(float X, float z) {
    if (X < LANE_OUTER_X)
        return WEST_LANE_Y;
    if (X < LANE_INNER_X)
        return heightAlong(LANE, z);
    if (X < RAMP_TOP_X) {
        if (onCornerRamp(X, z))
            return cornerRampHeight(X);
        if (within(z, TUNNELS_Z0, TUNNELS_Z1))
            return -(X - RAMP_TOP_X) / 4 + TROUGH_DEPTH + FLOOR_LIFT;
        return 0;
    }
    if (X < TROUGH_END_X)
        return (X - RAMP_TOP_X) / 3 + TROUGH_DEPTH + FLOOR_LIFT;
    if (X < PASSAGE_WEST_X)
        return TUNNEL_Y;
    if (X < PASSAGE_EAST_X)
        return within(z, PASSAGE_Z0, PASSAGE_Z1) ? heightAlong(PASSAGE, z) : TUNNEL_Y;
    if (X < DIP_WEST_X)
        return TUNNEL_Y;
    if (X < DIP_EAST_X)
        return -(X - DIP_WEST_X) / 4 + TUNNEL_Y;
    return DIP_Y;
}

// The centre of the pads' row or column whose square takes v, if one does.
bool padCentreOf(float v, const float (&centres)[2], float* centre) {
    constexpr float PAD_CELL = 20; // each pad's square, either side of its centre
    for (float c : centres)
        if (within(v, c - PAD_CELL, c + PAD_CELL)) {
            *centre = c;
            return true;
        }
    return false;
}

// The squared distance to the centre of the pad under (X, z), or -1 off the
// pads.
float padDistanceSquared(float X, float z) {
    float cx = 0, cz = 0;
    if (!padCentreOf(X, PAD_CENTRES_X, &cx) || !padCentreOf(z, PAD_CENTRES_Z, &cz))
        return -1;
    const float d2 = (X - cx) * (X - cx) + (z - cz) * (z - cz);
    return d2 < PAD_RADIUS_SQUARED ? d2 : -1;
}

} // namespace

ArenaGround arenaGround(float x, float y, float z) {
    const float X = -std::fabs(x);
    // The pads lie on the field above the tunnels: down here they are not
    // under the wheels, and the lower level alone decides.
    if (y <= LOWER_LEVEL_TOP)
        return {lowerHeight(X, z)};
    const float d2 = padDistanceSquared(X, z);
    if (d2 < 0)
        return {upperHeight(X, z)};
    return {FIELD_PAD_Y, true, d2 < DUST_RADIUS_SQUARED};
}
