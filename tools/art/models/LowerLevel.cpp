#include "tools/art/models/LowerLevel.h"
#include "tools/art/models/Shapes.h"

#include "sim/Arena.h"

#include <span>

// The arena is mirror-symmetric in x: everything here is laid out for the
// west half (x <= 0) from the arena's own numbers, and then mirrored.
namespace {

constexpr Vec3 UP{0, 1, 0};
constexpr Vec3 DOWN{0, -1, 0};
constexpr Vec3 WEST{-1, 0, 0};
constexpr Vec3 EAST{1, 0, 0};

constexpr float RAMP_BANDS[2][2] = {{SOUTH_RAMP_Z0, SOUTH_RAMP_Z1}, {NORTH_RAMP_Z0, NORTH_RAMP_Z1}};

// The upper level's grass quad near the ramp tops, and the ceiling: under
// that quad and the field (0.05), so neither shows through it.
constexpr float OUTER_GROUND_Y = OUTER_GROUND.y;
constexpr float CEILING_Y = -0.3f;
// The tunnel walls' tops, where a lintel over a tunnel mouth ends.
constexpr float WALL_TOP_Y = 0;

constexpr float LANE_BY_TUNNEL_Y = -15;
constexpr float TUNNEL_MOUTH_Y = TUNNEL[0].hFrom; // just above the lane
constexpr Slope RAMP = CORNER_RAMP;

Vec3 alongX(float x, float y, float z) {
    return vec(x, y, z);
}
Vec3 alongZ(float z, float y, float x) {
    return vec(x, y, z);
}

// One piece per quad, across the band [b0, b1] of the other axis; where two
// pieces do not meet in height, an upright face closes the step.
void addRun(Mesh* mesh, std::span<const Slope> pieces, float b0, float b1,
            Vec3 (*place)(float, float, float)) {
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Slope& s = pieces[i];
        addFace(mesh,
                {place(s.from, s.hFrom, b0), place(s.to, s.hTo, b0), place(s.to, s.hTo, b1),
                 place(s.from, s.hFrom, b1)},
                UP);
        if (i + 1 == pieces.size() || pieces[i + 1].hFrom == s.hTo)
            continue;
        const float lowSide = pieces[i + 1].hFrom < s.hTo ? 1.0f : -1.0f;
        addFace(mesh,
                {place(s.to, s.hTo, b0), place(s.to, pieces[i + 1].hFrom, b0),
                 place(s.to, pieces[i + 1].hFrom, b1), place(s.to, s.hTo, b1)},
                place(lowSide, 0, 0));
    }
}

// An upright face across x = const, seen from the side given by facing.
void addRiser(Mesh* mesh, float x, float z0, float z1, float yLow, float yHigh, Vec3 facing) {
    addFace(mesh, {vec(x, yLow, z0), vec(x, yLow, z1), vec(x, yHigh, z1), vec(x, yHigh, z0)},
            facing);
}

void addCeiling(Mesh* mesh, float x0, float x1, float z0, float z1) {
    addFace(mesh,
            {vec(x0, CEILING_Y, z0), vec(x1, CEILING_Y, z0), vec(x1, CEILING_Y, z1),
             vec(x0, CEILING_Y, z1)},
            DOWN);
}

void sculptWestFloors(Mesh* mesh) {
    addRun(mesh, LANE, LANE_OUTER_X, LANE_INNER_X, alongZ);
    for (const auto& band : TUNNEL_BANDS) {
        addRun(mesh, TUNNEL, band[0], band[1], alongX);
        addRiser(mesh, LANE_INNER_X, band[0], band[1], LANE_BY_TUNNEL_Y, TUNNEL_MOUTH_Y, WEST);
    }
    addRun(mesh, PASSAGE, PASSAGE_WEST_X, PASSAGE_EAST_X, alongZ);
    const Slope ramp[] = {RAMP};
    for (const auto& band : RAMP_BANDS) {
        addRun(mesh, ramp, band[0], band[1], alongX);
        addRiser(mesh, LANE_INNER_X, band[0], band[1], LANE_END_Y, RAMP.hFrom, WEST);
        addRiser(mesh, RAMP_TOP_X, band[0], band[1], OUTER_GROUND_Y, RAMP.hTo, EAST);
    }
}

void sculptWestCeilings(Mesh* mesh) {
    // Cut where the passages join, like the floors.
    for (const auto& band : TUNNEL_BANDS) {
        addCeiling(mesh, LANE_INNER_X, PASSAGE_WEST_X, band[0], band[1]);
        addCeiling(mesh, PASSAGE_WEST_X, PASSAGE_EAST_X, band[0], band[1]);
        addCeiling(mesh, PASSAGE_EAST_X, 0, band[0], band[1]);
        addRiser(mesh, LANE_INNER_X, band[0], band[1], CEILING_Y, WALL_TOP_Y, WEST);
    }
    addCeiling(mesh, PASSAGE_WEST_X, PASSAGE_EAST_X, PASSAGE_Z0, PASSAGE_Z1);
}

void appendBothHalves(Mesh* dst, const Mesh& west) {
    appendPosed(dst, west, Pose{});
    appendPosed(dst, west, mirroredX());
}

} // namespace

void sculptLowerFloors(Mesh* floors) {
    Mesh west;
    sculptWestFloors(&west);
    appendBothHalves(floors, west);
}

void sculptUnderfieldCeilings(Mesh* ceilings) {
    Mesh west;
    sculptWestCeilings(&west);
    appendBothHalves(ceilings, west);
}
