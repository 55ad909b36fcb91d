// The lower circuit's floors and the ceilings over it ride in the steam
// model: the floors must sit where the karts' wheels stand, face up and leave
// no cracks; the ceilings must face down, under the field's ground quads.
#include "tests/unit/art/modelsGenerated.h"

#include "sim/Arena.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

constexpr int FLOORS = 5;   // stone, lit from the front and above
constexpr int CEILINGS = 1; // steel, lit from the side
constexpr float ON_THE_FLOOR = 0.02f;

// The karts' own ground on the lower level.
float lowerLevelHeight(float x, float z) {
    return arenaGround(x, LOWER_LEVEL_TOP - 1, z).height;
}

struct Area {
    float x0, x1, z0, z1; // west half; the east half is its mirror
};

constexpr Area LANE_AREA{LANE_OUTER_X, LANE_INNER_X, SOUTH_RAMP_Z0, NORTH_RAMP_Z1};
constexpr Area RAMPS[2] = {{LANE_INNER_X, RAMP_TOP_X, SOUTH_RAMP_Z0, SOUTH_RAMP_Z1},
                           {LANE_INNER_X, RAMP_TOP_X, NORTH_RAMP_Z0, NORTH_RAMP_Z1}};
constexpr Area TUNNELS[2] = {{LANE_INNER_X, 0, TUNNEL_BANDS[0][0], TUNNEL_BANDS[0][1]},
                             {LANE_INNER_X, 0, TUNNEL_BANDS[1][0], TUNNEL_BANDS[1][1]}};
constexpr Area PASSAGE_AREA{PASSAGE_WEST_X, PASSAGE_EAST_X, PASSAGE_Z0, PASSAGE_Z1};

// Both halves, on a grid that comes within a few hundredths of every edge.
std::vector<Vec3> samplesIn(const Area& a, float step) {
    constexpr float INSET = 0.03f;
    auto along = [&](float lo, float hi) {
        std::vector<float> v;
        for (float t = lo + INSET; t < hi - INSET; t += step)
            v.push_back(t);
        v.push_back(hi - INSET);
        return v;
    };
    std::vector<Vec3> points;
    for (float x : along(a.x0, a.x1))
        for (float z : along(a.z0, a.z1)) {
            points.push_back({x, 0, z});
            points.push_back({-x, 0, z});
        }
    return points;
}

// The vents stand on the floor; their plates and plinths hide it.
bool underAVent(Vec3 p) {
    const float vents[5][2] = {{-40, 22}, {-40, 68}, {40, 22}, {40, 68}, {32, 45}};
    for (const auto& v : vents)
        if (std::hypot(p.x - v[0], p.z - v[1]) < 3)
            return true;
    return false;
}

Vec3 corner(const MeshObject& o, const Face& f, int i) {
    return o.vertices[i == 0 ? f.a : i == 1 ? f.b : f.c];
}

Vec3 unitNormal(const MeshObject& o, const Face& f) {
    Vec3 n = cross(subtract(corner(o, f, 1), corner(o, f, 0)),
                   subtract(corner(o, f, 2), corner(o, f, 0)));
    normalize(&n);
    return n;
}

// The height of face f above (x, z), if the face lies over that point.
std::optional<float> heightOver(const MeshObject& o, const Face& f, float x, float z) {
    const Vec3 a = corner(o, f, 0), b = corner(o, f, 1), c = corner(o, f, 2);
    const float d = (b.x - a.x) * (c.z - a.z) - (c.x - a.x) * (b.z - a.z);
    if (std::fabs(d) < 1e-6f)
        return std::nullopt; // upright
    const float u = ((x - a.x) * (c.z - a.z) - (c.x - a.x) * (z - a.z)) / d;
    const float v = ((b.x - a.x) * (z - a.z) - (x - a.x) * (b.z - a.z)) / d;
    constexpr float EDGE = -1e-4f;
    if (u < EDGE || v < EDGE || u + v > 1 - EDGE)
        return std::nullopt;
    return a.y + u * (b.y - a.y) + v * (c.y - a.y);
}

// The highest upward face of the floors object over (x, z).
std::optional<float> floorAt(const MeshObject& floors, float x, float z) {
    std::optional<float> top;
    for (const Face& f : floors.faces) {
        if (unitNormal(floors, f).y <= 0)
            continue;
        if (auto h = heightOver(floors, f, x, z); h && (!top || *h > *top))
            top = h;
    }
    return top;
}

void expectFloorFollowsGround(const Area& area, float (*expected)(float, float)) {
    const MeshObject& floors = generatedModel("steam.ASE").objects[FLOORS];
    int checked = 0;
    for (Vec3 p : samplesIn(area, 0.5f)) {
        if (underAVent(p))
            continue;
        std::optional<float> h = floorAt(floors, p.x, p.z);
        ASSERT_TRUE(h) << "no floor at " << p.x << " " << p.z;
        ASSERT_NEAR(*h, expected(p.x, p.z), ON_THE_FLOOR) << "at " << p.x << " " << p.z;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(LowerLevel, FloorsStandWhereTheKartsWheelsDo) {
    expectFloorFollowsGround(LANE_AREA, lowerLevelHeight);
    for (const Area& tunnel : TUNNELS)
        expectFloorFollowsGround(tunnel, lowerLevelHeight);
    expectFloorFollowsGround(PASSAGE_AREA, lowerLevelHeight);
}

// The upper level's ground on the ramps, which karts coming down from the
// walkway drive on.
float upperRampHeight(float x, float z) {
    return arenaGround(x, LOWER_LEVEL_TOP + 1, z).height;
}

TEST(LowerLevel, RampsDownFromTheUpperLevelAreDrawn) {
    for (const Area& ramp : RAMPS) {
        expectFloorFollowsGround(ramp, upperRampHeight);
        expectFloorFollowsGround(ramp, lowerLevelHeight);
    }
}

// Where two pieces meet at different heights an upright face must fill the
// step, or the clear colour shows through the crack.
TEST(LowerLevel, StepsBetweenPiecesAreClosed) {
    struct Step {
        float x, z0, z1, yLow, yHigh;
    };
    const Step steps[] = {
        {-135, 20, 30, -15, -14.7f}, {-135, 60, 70, -15, -14.7f},  // lane to tunnel
        {-85, 20, 30, -10, -9.7f},   {-85, 60, 70, -10, -9.7f},    // trough to flat
        {-135, -10, 0, -10, -9.5f},  {-135, 90, 100, -10, -9.5f},  // lane to ramp
        {-115, -10, 0, -0.1f, 0.5f}, {-115, 90, 100, -0.1f, 0.5f}, // ramp to walkway
    };
    const MeshObject& floors = generatedModel("steam.ASE").objects[FLOORS];
    for (const Step& s : steps)
        for (float x : {s.x, -s.x}) {
            const float z = (s.z0 + s.z1) / 2, y = (s.yLow + s.yHigh) / 2;
            bool closed = false;
            for (const Face& f : floors.faces) {
                const Vec3 a = corner(floors, f, 0), b = corner(floors, f, 1),
                           c = corner(floors, f, 2);
                if (std::fabs(a.x - x) > 1e-3f || std::fabs(b.x - x) > 1e-3f ||
                    std::fabs(c.x - x) > 1e-3f)
                    continue;
                // Inside the triangle in the upright (z, y) plane.
                auto side = [&](Vec3 p, Vec3 q) {
                    return (q.z - p.z) * (y - p.y) - (q.y - p.y) * (z - p.z);
                };
                const float s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
                closed =
                    closed || (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
            }
            EXPECT_TRUE(closed) << "open step at x " << x << " z " << z;
        }
}

TEST(LowerLevel, FloorsFaceUp) {
    const MeshObject& floors = generatedModel("steam.ASE").objects[FLOORS];
    for (const Face& f : floors.faces)
        EXPECT_GT(unitNormal(floors, f).y, -1e-3f)
            << "face at " << corner(floors, f, 0).x << " " << corner(floors, f, 0).z;
    // Found among the upward faces: seen from above, its corners run
    // counter-clockwise.
    const float h = *floorAt(floors, -145, 45);
    EXPECT_NEAR(h, -17.5f, ON_THE_FLOOR);
}

TEST(LowerLevel, CeilingsCoverTunnelsAndPassagesFacingDown) {
    const MeshObject& ceilings = generatedModel("steam.ASE").objects[CEILINGS];
    std::vector<Vec3> points;
    for (const Area& a : {TUNNELS[0], TUNNELS[1], PASSAGE_AREA})
        for (Vec3 p : samplesIn(a, 2))
            points.push_back(p);
    for (Vec3 p : points) {
        bool covered = false;
        for (const Face& f : ceilings.faces) {
            std::optional<float> h = heightOver(ceilings, f, p.x, p.z);
            if (!h || *h < -1 || *h > 0)
                continue;
            // Under the grass quad (-0.1) and the field (0.05), high over the karts.
            EXPECT_LT(*h, -0.1f);
            EXPECT_LT(unitNormal(ceilings, f).y, -0.99f) << "at " << p.x << " " << p.z;
            covered = true;
        }
        EXPECT_TRUE(covered) << "no ceiling at " << p.x << " " << p.z;
    }
}

TEST(LowerLevel, SteamKeepsItsNineObjects) {
    const Model& steam = generatedModel("steam.ASE");
    EXPECT_EQ(steam.objectCount, 9);
    EXPECT_EQ(steam.materialCount, 9);
}

} // namespace
