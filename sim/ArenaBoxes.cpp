#include "sim/Arena.h"

namespace {

// Posts fence the field and line the roads: 0.9 square, 4 high, on the ground.
constexpr float POST_SIDE = 0.9f;
constexpr float POST_HEIGHT = 4;
constexpr float POST_STEP = 5;
// Walls under the floor reach from the lower circuit to well above the field.
constexpr float DEEP_Y = -10;
constexpr float DEEP_HEIGHT = 36;
constexpr float LOW_WALL_Y = 2;
constexpr float LOW_WALL_HEIGHT = 4;

// Fills scenery slots one after another.
struct BoxLayer {
    SceneryObject* slots;
    int next = 0;

    void box(float x, float y, float z, float width, float height, float length) {
        slots[next++].place(x, y, z, 0, width, height, length);
    }
    void post(float x, float z) { box(x, POST_HEIGHT / 2, z, POST_SIDE, POST_HEIGHT, POST_SIDE); }
    // count posts from (x, z), each step apart along x.
    void postsAlongX(float x, float z, float step, int count) {
        for (int i = 0; i < count; ++i)
            post(x + step * i, z);
    }
    void postsAlongZ(float x, float z, float step, int count) {
        for (int i = 0; i < count; ++i)
            post(x, z + step * i);
    }
};

// The fences of the ball field's long sides, the corners and the goal mouths.
void layOutFieldFence(BoxLayer& layer) {
    layer.postsAlongX(17.5f, -0.45f, POST_STEP, 18);
    layer.postsAlongX(-17.5f, -0.45f, -POST_STEP, 18);
    layer.postsAlongX(17.5f, 90.45f, POST_STEP, 18);
    layer.postsAlongX(-17.5f, 90.45f, -POST_STEP, 18);

    for (float z : {-0.45f, 90.45f}) {
        const float zEnd = z < 0 ? 0.8f : 89.2f;
        for (float side : {1.0f, -1.0f}) {
            layer.box(side * 103.975f, LOW_WALL_Y, z, 3.85f, LOW_WALL_HEIGHT, 0.9f);
            layer.box(side * 105.45f, LOW_WALL_Y, zEnd, 0.9f, LOW_WALL_HEIGHT, 3.4f);
        }
    }
    // Where the ramps leave the field's corners.
    const float RAMP_POSTS[8][2] = {{-114.55f, -1}, {-114.55f, -9}, {114.55f, -1}, {114.55f, -9},
                                    {-114.55f, 99}, {-114.55f, 91}, {114.55f, 99}, {114.55f, 91}};
    for (const auto& p : RAMP_POSTS)
        layer.box(p[0], LOW_WALL_Y, p[1], 1, LOW_WALL_HEIGHT, 3);

    // Behind each goal mouth.
    const float GOAL_BACKS[8][2] = {{106.17f, 36.45f},   {113.43f, 36.45f},  {106.17f, 53.477f},
                                    {113.43f, 53.477f},  {-106.17f, 36.45f}, {-113.43f, 36.45f},
                                    {-106.17f, 53.477f}, {-113.43f, 53.477f}};
    for (const auto& p : GOAL_BACKS)
        layer.box(p[0], DEEP_Y, p[1], 2.4f, DEEP_HEIGHT, 8);

    // The tall pillars in the gaps of the long sides.
    const float NORTH_PILLARS[8][2] = {{-12, 90.45f},  {-4.6f, 90.45f}, {12, 90.45f},
                                       {4.6f, 90.45f}, {-12, 99.43f},   {-4.6f, 99.43f},
                                       {12, 99.43f},   {4.6f, 99.43f}};
    for (const auto& p : NORTH_PILLARS) {
        const bool outer = p[0] == 12 || p[0] == -12;
        layer.box(p[0], DEEP_Y, p[1], outer ? 2 : 3.4f, DEEP_HEIGHT, 0.9f);
    }
    const float SOUTH_PILLARS[4] = {-10.7f, -3.35f, 10.7f, 3.35f};
    for (float x : SOUTH_PILLARS) {
        const bool outer = x == 10.7f || x == -10.7f;
        layer.box(x, DEEP_Y, -0.45f, outer ? 4.6f : 2.55f, DEEP_HEIGHT, 0.9f);
    }

    // The short sides, either side of the goal mouths.
    layer.postsAlongZ(105.45f, 2.5f, POST_STEP, 7);
    layer.postsAlongZ(105.45f, 57.5f, POST_STEP, 7);
    layer.postsAlongZ(-105.45f, 2.5f, POST_STEP, 7);
    layer.postsAlongZ(-105.45f, 57.5f, POST_STEP, 7);
}

// The buildings, the raised ground and the solid rock of the lower circuit.
void layOutBlocks(BoxLayer& layer) {
    layer.box(80, 5, 109.55f, 105, 10, 20.9f);
    layer.box(-80, 5, 109.55f, 105, 10, 20.9f);
    for (float x : {132.0f, -132.0f}) {
        layer.box(x, 5, 13.75f, 36.25f, 10, 27.5f);
        layer.box(x, 5, 76.25f, 36.25f, 10, 27.5f);
    }
    layer.box(0, 0.5f, -19.1f, 400, 30, 20);
    layer.box(135, 0.5f, 102, 40, 30, 5);
    layer.box(-135, 0.5f, 102, 40, 30, 5);
    layer.box(0, -20, 105, 400, 36, 10);
    layer.box(160, -20, 45, 11, 36, 120);
    layer.box(-160, -20, 45, 11, 36, 120);
    layer.box(0, -20, 10, 273, 35, 23);
    layer.box(0, -20, 80, 273, 35, 23);
    layer.box(-125, -20, 10, 22.5f, 50, 24);
    layer.box(-125, -20, 80, 22.5f, 50, 24);
    layer.box(125, -20, 10, 22.5f, 50, 24);
    layer.box(125, -20, 80, 22.5f, 50, 24);
    layer.box(0, -20, 45, 64, 34, 32);
    layer.box(-92.5f, -20, 45, 89, 34, 32);
    layer.box(92.5f, -20, 45, 89, 34, 32);
}

// The goal approaches, the outer walls and the north street.
void layOutOuterCourse(BoxLayer& layer) {
    layer.postsAlongX(115, 32.85f, POST_STEP, 6);
    layer.postsAlongX(115, 57.05f, POST_STEP, 6);
    layer.postsAlongX(-115, 32.85f, -POST_STEP, 6);
    layer.postsAlongX(-115, 57.05f, -POST_STEP, 6);

    layer.box(147, LOW_WALL_Y, 45, 5, LOW_WALL_HEIGHT, 120);
    layer.box(-147, LOW_WALL_Y, 45, 5, LOW_WALL_HEIGHT, 120);
    layer.box(32, LOW_WALL_Y, 140, 5, LOW_WALL_HEIGHT, 42);
    layer.box(-32, LOW_WALL_Y, 140, 5, LOW_WALL_HEIGHT, 42);
    layer.box(0, LOW_WALL_Y, 162.5f, 70, LOW_WALL_HEIGHT, 5);
    layer.box(15, LOW_WALL_Y, 155, 10, LOW_WALL_HEIGHT, 10);
    layer.box(-15, LOW_WALL_Y, 155, 10, LOW_WALL_HEIGHT, 10);

    // The street's two rows are not mirror images: the west one stands
    // 0.85 further out.
    layer.postsAlongZ(-20.85f, 100, POST_STEP, 13);
    layer.postsAlongZ(20, 100, POST_STEP, 13);
    for (float x : {27.5f, 25.0f, 20.0f, 15.0f, -27.5f, -25.0f, -20.0f, -15.0f})
        layer.post(x, 99.5f);
}

} // namespace

void layOutArenaBoxes(SceneryObject (&slots)[SCENERY_SLOTS]) {
    BoxLayer layer{slots};
    layOutFieldFence(layer);
    layOutBlocks(layer);
    layOutOuterCourse(layer);
}
