#pragma once

// The arena's numbers, in one place: its two ground levels, the pads, the
// boxes karts collide with, the palms and lamps, the courses, the goals and
// where karts and ball start. The game, the art generator and the autopilot
// all read them from here. The arena is mirror-symmetric in x, so the ground
// is given for the west half (x <= 0).

#include "sim/SceneryObject.h"
#include "sim/Sprite.h"
#include "support/Vec3.h"

#include <vector>

// --- The two levels -------------------------------------------------------

// The tunnels and the lower circuit lie below this height; above it is the
// field's level.
constexpr float LOWER_LEVEL_TOP = -2;

constexpr float FIELD_Y = 0;           // the ball field
constexpr float UPPER_GROUND_Y = 0.2f; // the raised ground round the field
constexpr float FIELD_PAD_Y = 0.4f;

// x bounds on the west half, from the outer wall inward.
constexpr float LANE_OUTER_X = -155; // the outer lane of the lower circuit
constexpr float LANE_INNER_X = -135;
constexpr float RAMP_TOP_X = -115;  // where the corner ramps meet the upper ground
constexpr float TROUGH_END_X = -85; // the tunnels climb out of their trough here
constexpr float PASSAGE_WEST_X = -50;
constexpr float PASSAGE_EAST_X = -30;
constexpr float DIP_WEST_X = -25; // the tunnels dip under the middle of the field
constexpr float DIP_EAST_X = -5;
constexpr float FIELD_WEST_X = -105; // the ball field's short side

// z bands.
constexpr float SOUTH_RAMP_Z0 = -10, SOUTH_RAMP_Z1 = 0;
constexpr float NORTH_RAMP_Z0 = 90, NORTH_RAMP_Z1 = 100;
constexpr float FIELD_SOUTH_Z = 0, FIELD_NORTH_Z = 90;
constexpr float TUNNEL_BANDS[2][2] = {{20, 30}, {60, 70}};
constexpr float TUNNELS_Z0 = 20, TUNNELS_Z1 = 70; // both tunnels and what lies between
constexpr float PASSAGE_Z0 = 30, PASSAGE_Z1 = 60;

// One planar piece of a floor whose height changes along a single axis, from
// hFrom at coordinate from to hTo at coordinate to.
struct Slope {
    float from, to, hFrom, hTo;
};

// The outer lane along z: it dips under each tunnel mouth and deepest beside
// the goal.
constexpr Slope LANE[] = {{-10, 0, -10, -10},    {0, 20, -10, -15},        {20, 30, -15, -15},
                          {30, 40, -15, -17.5f}, {40, 50, -17.5f, -17.5f}, {50, 60, -17.5f, -15},
                          {60, 70, -15, -15},    {70, 90, -15, -10},       {90, 100, -10, -10}};

// The passage between the tunnels along z, under the pads.
constexpr Slope PASSAGE[] = {
    {30, 40, -10, -12.5f}, {40, 50, -12.5f, -12.5f}, {50, 60, -12.5f, -10}};

// Each tunnel along x: down from the lane into a trough at the field's edge,
// up to the passages' level, and down again under the middle of the field.
// The flat stretch is cut where the passages join.
// Down in the trough the floor stands FLOOR_LIFT above a line through
// TROUGH_DEPTH at RAMP_TOP_X.
constexpr float TROUGH_DEPTH = -20;
constexpr float FLOOR_LIFT = 0.3f;
constexpr float TUNNEL_Y = -10;
constexpr float DIP_Y = -15;
constexpr Slope TUNNEL[] = {{LANE_INNER_X, RAMP_TOP_X, -14.7f, -19.7f},
                            {RAMP_TOP_X, TROUGH_END_X, -19.7f, -9.7f},
                            {TROUGH_END_X, PASSAGE_WEST_X, TUNNEL_Y, TUNNEL_Y},
                            {PASSAGE_WEST_X, PASSAGE_EAST_X, TUNNEL_Y, TUNNEL_Y},
                            {PASSAGE_EAST_X, DIP_WEST_X, TUNNEL_Y, TUNNEL_Y},
                            {DIP_WEST_X, DIP_EAST_X, TUNNEL_Y, DIP_Y},
                            {DIP_EAST_X, 0, DIP_Y, DIP_Y}};

// The corner ramps along x, from the lane's end up to the upper ground.
constexpr Slope CORNER_RAMP{LANE_INNER_X, RAMP_TOP_X, -9.5f, 0.5f};
constexpr float LANE_END_Y = -10;  // the lane's height beside both ramps
constexpr float WEST_LANE_Y = -10; // beyond the outer lane's wall

// What the ground under a point is: its height, and whether it is one of the
// field's pads and the dusty inner part of one.
struct ArenaGround {
    float height;
    bool onPad = false;
    bool dusty = false;
};

// The ground under (x, z) on the level y is on: the lower circuit at or
// below LOWER_LEVEL_TOP, the field's level above it.
ArenaGround arenaGround(float x, float y, float z);

// --- The pads ------------------------------------------------------------

// Discs on the field, two rows of two on each half; centres on the west half.
constexpr float PAD_RADIUS_SQUARED = 144;
constexpr float DUST_RADIUS_SQUARED = 120; // red dust from the pad's inner part
constexpr float PAD_CENTRES_X[2] = {-80, -40};
constexpr float PAD_CENTRES_Z[2] = {25, 65};

// --- Boxes, palms and lamps ------------------------------------------------

constexpr int SCENERY_SLOTS = 1024;

// The invisible boxes karts collide with, into the first slots: the field's
// fences, the buildings and the rock of the lower circuit, the outer walls.
void layOutArenaBoxes(SceneryObject (&slots)[SCENERY_SLOTS]);

// One palm or lamp billboard standing on the ground.
struct Placement {
    float x, z;      // foot of the billboard
    SpriteLook look; // LOOK_PALM or LOOK_LAMP
};

// Appends the palm rows, the lamp crosses with their randomly scattered
// palms (rand(), so seed first) and the four goal lamps.
void fillPlacements(std::vector<Placement>& list);

// Grass under everything outside the brick walls, just under the field.
struct GroundQuad {
    float x0, x1, z0, z1, y;
};
constexpr GroundQuad OUTER_GROUND{-115, 115, -300, 300, -0.1f};

// --- The buildings round the field ------------------------------------------

enum BuildingModel : int {
    BUILDING_ARCH_OPEN,
    BUILDING_ARCH_CAPPED,
    BUILDING_ARCH_PAIR,
    BUILDING_ARCH_TRIPLE,
    BUILDING_ARCH_CORNER,
    BUILDING_TOWER,
    BUILDING_LANDMARK,
    BUILDING_ARCH_FRONT,
    BUILDING_BIG,
    BUILDING_SMALL,
    BUILDING_FRONT_CAP,
    BUILDING_SIDE_CAP,
};

// Where each building stands: its origin's x and z, its turn about +y in
// degrees, and a stretch along its own x before turning.
struct BuildingPlace {
    BuildingModel model;
    float x, z;
    float turn;
    float widthScale;
};

constexpr int BUILDING_COUNT = 55;
extern const BuildingPlace BUILDINGS[BUILDING_COUNT];

// --- Courses, goals and starts ---------------------------------------------

// Both karts line up here for every match that has a start.
constexpr Vec3 RACE_START[2] = {{-150, -17, 43}, {-145, -17, 43}};
// Where a match without a start leaves the karts, above the field.
constexpr Vec3 DROP_START[2] = {{5, 30, 5}, {-5, 30, 5}};
// A respawned kart falls back onto the arena from here.
constexpr Vec3 RESPAWN_POINT{0, 400, 10};

// Each kart's race: twelve points round both levels, three laps. Kart 2's
// points sit half a unit off kart 1's, so the two guides never coincide.
constexpr int RACE_POINTS = 12;
constexpr int RACE_LAPS = 3;
constexpr float CHECKPOINT_RADIUS = 5;
constexpr float KART_2_OFFSET = 0.5f;
constexpr Vec3 RACE_COURSE[RACE_POINTS] = {
    {-140, -10, 95},       {0.25f, 0, 92.25f}, {0.25f, 0, 0.25f},    {-109.75f, 0, -4.75f},
    {-109.75f, 0, 95.25f}, {0, 0, 135},        {110.25f, 0, 95.25f}, {137, -15, 65},
    {46, -10, 60},         {29, -10, 26},      {-81, -10, 25},       {-139, -15, 29},
};

// The collect-the-point course: its five points.
constexpr Vec3 COLLECT_POINTS[5] = {
    {0, 0, 92}, {0, 0, 0}, {-110, 0, -5}, {-110, 0, 95}, {110, 0, 95}};

// The ball game: the ball's spot, and the goal points, player 1's at the +x
// end, player 2's at the -x end (y: the height a guide points at). After a
// goal the karts drop back onto the field at the kick-off points.
constexpr Vec3 BALL_START{0, 3, 60};
constexpr float BALL_RADIUS = 3;
constexpr Vec3 GOAL_POINTS[2] = {{107, 3, 45}, {-107, 3, 45}};
constexpr float KICK_OFF_Y = 5;
constexpr Vec3 KICK_OFF[2] = {{-10, KICK_OFF_Y, 30}, {10, KICK_OFF_Y, 30}};
// The ball bounces off the field's edges.
constexpr float BALL_FIELD_MIN_X = FIELD_WEST_X, BALL_FIELD_MAX_X = -FIELD_WEST_X;
constexpr float BALL_FIELD_MIN_Z = FIELD_SOUTH_Z, BALL_FIELD_MAX_Z = FIELD_NORTH_Z;

// Steam rises from vents in the lower circuit's floor.
constexpr int STEAM_VENTS = 6;
constexpr Vec3 STEAM_VENT_AT[STEAM_VENTS] = {{-40, -10, 22}, {-40, -10, 68}, {40, -10, 22},
                                             {40, -10, 68},  {25, -10, 45},  {-130, -10, 45}};
