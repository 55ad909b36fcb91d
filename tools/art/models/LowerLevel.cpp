#include "tools/art/models/LowerLevel.h"
#include "tools/art/models/Shapes.h"

#include <span>

// The arena is mirror-symmetric in x: everything here is laid out for the
// west half (x <= 0) and then mirrored.
namespace {

// One planar piece of a floor whose height changes along a single axis,
// from height hFrom at coordinate from to hTo at coordinate to.
struct Slope {
    float from, to, hFrom, hTo;
};

constexpr Vec3 UP{0, 1, 0};
constexpr Vec3 DOWN{0, -1, 0};
constexpr Vec3 WEST{-1, 0, 0};
constexpr Vec3 EAST{1, 0, 0};

// Lane, tunnel and passage bounds (west half).
constexpr float LANE_OUTER_X = -155, LANE_INNER_X = -135;
constexpr float RAMP_TOP_X = -115;
constexpr float PASSAGE_WEST_X = -50, PASSAGE_EAST_X = -30;
constexpr float SOUTH_RAMP_Z0 = -10, SOUTH_RAMP_Z1 = 0;
constexpr float NORTH_RAMP_Z0 = 90, NORTH_RAMP_Z1 = 100;
constexpr float PASSAGE_Z0 = 30, PASSAGE_Z1 = 60;
constexpr float TUNNEL_BANDS[2][2] = {{20, 30}, {60, 70}};
constexpr float RAMP_BANDS[2][2] = {{SOUTH_RAMP_Z0, SOUTH_RAMP_Z1}, {NORTH_RAMP_Z0, NORTH_RAMP_Z1}};

// The upper level's grass quad near the ramp tops, and the ceiling: under
// that quad (y -0.1) and the field (0.05), so neither shows through it.
constexpr float OUTER_GROUND_Y = -0.1f;
constexpr float CEILING_Y = -0.3f;
// The tunnel walls' tops, where a lintel over a tunnel mouth ends.
constexpr float WALL_TOP_Y = 0;

// The lane dips under each tunnel mouth and deepest beside the goal.
constexpr Slope LANE[] = {{-10, 0, -10, -10},    {0, 20, -10, -15},        {20, 30, -15, -15},
                          {30, 40, -15, -17.5f}, {40, 50, -17.5f, -17.5f}, {50, 60, -17.5f, -15},
                          {60, 70, -15, -15},    {70, 90, -15, -10},       {90, 100, -10, -10}};

// Each tunnel drops from the lane into a trough at the field's edge, climbs
// to the passages' level and dips again under the middle of the field. The
// flat stretch is cut where the passages join, so no edge ends mid-edge.
constexpr Slope TUNNEL[] = {{-135, -115, -14.7f, -19.7f},
                            {-115, -85, -19.7f, -9.7f},
                            {-85, -50, -10, -10},
                            {-50, -30, -10, -10},
                            {-30, -25, -10, -10},
                            {-25, -5, -10, -15},
                            {-5, 0, -15, -15}};
constexpr float LANE_BY_TUNNEL_Y = -15;
constexpr float TUNNEL_MOUTH_Y = -14.7f; // where the tunnel starts, just above the lane

constexpr Slope PASSAGE[] = {
    {30, 40, -10, -12.5f}, {40, 50, -12.5f, -12.5f}, {50, 60, -12.5f, -10}};

constexpr Slope RAMP{LANE_INNER_X, RAMP_TOP_X, -9.5f, 0.5f};
constexpr float LANE_END_Y = -10; // the lane's height beside both ramps

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
