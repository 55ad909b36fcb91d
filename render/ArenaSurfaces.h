#pragma once

// The arena's own surfaces as data: the brick faces of the raised ground, the
// floor, its tiled border and the church picture, each a textured quad whose
// corners carry the brick gradient's colours. No GL here: the draw order is
// worked out, and tested, from these alone.

enum ArenaColour : int { WHITE, TOP, TOP_DARK, TOP_BRIGHT, BOTTOM };

// Brick tops are terracotta, in two further tints on the inner faces so
// parallel walls read apart; most fade to deep brown at the foot.
inline constexpr float ARENA_COLOURS[5][3] = {
    {1, 1, 1},         {0.38f, 0.15f, 0.04f}, {0.304f, 0.12f, 0.032f}, {0.456f, 0.18f, 0.048f},
    {0.25f, 0.04f, 0},
};

struct ArenaCorner {
    float x, y, z;
    float s, t; // far above 1 on the long faces: the textures repeat
    ArenaColour colour;
};

struct ArenaQuad {
    ArenaCorner corners[4];
};

// Brick faces (0-31), the floor (32), the arcade tile strips (33-36) and the
// church picture on the landmark's front (37).
inline constexpr ArenaQuad ARENA_QUADS[] = {
    {{{156, 0, -10, 100, 0, TOP},
      {-156, 0, -10, 0, 0, TOP},
      {-156, -11, -10, 0, 5, BOTTOM},
      {156, -11, -10, 100, 5, BOTTOM}}}, // 1
    {{{-156, 0, 100, 100, 0, TOP},
      {156, 0, 100, 0, 0, TOP},
      {156, -11, 100, 0, 5, TOP},
      {-156, -11, 100, 100, 5, TOP}}}, // 2
    {{{-155, 0, -11, 50, 0, TOP},
      {-155, 0, 101, 0, 0, TOP},
      {-155, -20, 101, 0, 10, BOTTOM},
      {-155, -20, -11, 50, 10, BOTTOM}}}, // 3
    {{{155, 0, 101, 50, 0, TOP},
      {155, 0, -11, 0, 0, TOP},
      {155, -20, -11, 0, 10, BOTTOM},
      {155, -20, 101, 50, 10, BOTTOM}}}, // 4
    {{{135, 0, 20, 80, 0, TOP_DARK},
      {-135, 0, 20, 0, 0, TOP_DARK},
      {-135, -20, 20, 0, 10, BOTTOM},
      {135, -20, 20, 80, 10, BOTTOM}}}, // 5
    {{{135, 0, 90, 80, 0, TOP_DARK},
      {-135, 0, 90, 0, 0, TOP_DARK},
      {-135, -20, 90, 0, 10, BOTTOM},
      {135, -20, 90, 80, 10, BOTTOM}}}, // 6
    {{{-50, 0, 60, 20, 0, TOP_DARK},
      {-135, 0, 60, 0, 0, TOP_DARK},
      {-135, -20, 60, 0, 10, BOTTOM},
      {-50, -20, 60, 20, 10, BOTTOM}}}, // 7
    {{{30, 0, 60, 20, 0, TOP_DARK},
      {-30, 0, 60, 0, 0, TOP_DARK},
      {-30, -20, 60, 0, 10, BOTTOM},
      {30, -20, 60, 20, 10, BOTTOM}}}, // 8
    {{{135, 0, 60, 20, 0, TOP_DARK},
      {50, 0, 60, 0, 0, TOP_DARK},
      {50, -20, 60, 0, 10, BOTTOM},
      {135, -20, 60, 20, 10, BOTTOM}}}, // 9
    {{{115, 6, 100, 10, 0, TOP},
      {135, 6, 100, 0, 0, TOP},
      {135, -0.1f, 100, 0, 5, TOP},
      {115, -0.1f, 100, 10, 5, TOP}}}, // 10
    {{{115, 6, 0, 10, 0, TOP},
      {135, 6, 0, 0, 0, TOP},
      {135, -0.1f, 0, 0, 5, TOP},
      {115, -0.1f, 0, 10, 5, TOP}}}, // 11
    {{{-115, -0.1f, 100, 10, 0, TOP},
      {-135, -0.1f, 100, 0, 0, TOP},
      {-135, 6, 100, 0, 5, TOP},
      {-115, 6, 100, 10, 5, TOP}}}, // 12
    {{{-115, -0.1f, 0, 10, 0, TOP},
      {-135, -0.1f, 0, 0, 0, TOP},
      {-135, 6, 0, 0, 5, TOP},
      {-115, 6, 0, 10, 5, TOP}}}, // 13
    {{{-135, 0, 0, 80, 0, TOP_BRIGHT},
      {135, 0, 0, 0, 0, TOP_BRIGHT},
      {135, -11, 0, 0, 10, BOTTOM},
      {-135, -11, 0, 80, 10, BOTTOM}}}, // 14
    {{{-135, 0, 70, 80, 0, TOP_BRIGHT},
      {135, 0, 70, 0, 0, TOP_BRIGHT},
      {135, -20, 70, 0, 10, BOTTOM},
      {-135, -20, 70, 80, 10, BOTTOM}}}, // 15
    {{{-135, 0, 30, 20, 0, TOP_BRIGHT},
      {-50, 0, 30, 0, 0, TOP_BRIGHT},
      {-50, -20, 30, 0, 10, BOTTOM},
      {-135, -20, 30, 20, 10, BOTTOM}}}, // 16
    {{{-30, 0, 30, 20, 0, TOP_BRIGHT},
      {30, 0, 30, 0, 0, TOP_BRIGHT},
      {30, -20, 30, 0, 10, BOTTOM},
      {-30, -20, 30, 20, 10, BOTTOM}}}, // 17
    {{{50, 0, 30, 20, 0, TOP_BRIGHT},
      {135, 0, 30, 0, 0, TOP_BRIGHT},
      {135, -20, 30, 0, 10, BOTTOM},
      {50, -20, 30, 20, 10, BOTTOM}}}, // 18
    {{{115, -0.1f, 90, 10, 0, TOP},
      {135, -0.1f, 90, 0, 0, TOP},
      {135, 6, 90, 0, 5, TOP},
      {115, 6, 90, 10, 5, TOP}}}, // 19
    {{{115, -0.1f, -10, 10, 0, TOP},
      {135, -0.1f, -10, 0, 0, TOP},
      {135, 6, -10, 0, 5, TOP},
      {115, 6, -10, 10, 5, TOP}}}, // 20
    {{{-135, -0.1f, 90, 10, 0, TOP},
      {-115, -0.1f, 90, 0, 0, TOP},
      {-115, 6, 90, 0, 5, TOP},
      {-135, 6, 90, 10, 5, TOP}}}, // 21
    {{{-135, -0.1f, -10, 10, 0, TOP},
      {-115, -0.1f, -10, 0, 0, TOP},
      {-115, 6, -10, 0, 5, TOP},
      {-135, 6, -10, 10, 5, TOP}}}, // 22
    {{{135, 0, 0, 10, 0, TOP},
      {135, 0, 20, 0, 0, TOP},
      {135, -20, 20, 0, 10, BOTTOM},
      {135, -20, 0, 10, 10, BOTTOM}}}, // 23
    {{{135, 0, 30, 10, 0, TOP},
      {135, 0, 60, 0, 0, TOP},
      {135, -20, 60, 0, 10, BOTTOM},
      {135, -20, 30, 10, 10, BOTTOM}}}, // 24
    {{{135, 0, 70, 10, 0, TOP},
      {135, 0, 90, 0, 0, TOP},
      {135, -20, 90, 0, 10, BOTTOM},
      {135, -20, 70, 10, 10, BOTTOM}}}, // 25
    {{{30, 0, 30, 10, 0, TOP},
      {30, 0, 60, 0, 0, TOP},
      {30, -20, 60, 0, 10, BOTTOM},
      {30, -20, 30, 10, 10, BOTTOM}}}, // 26
    {{{-50, 0, 30, 10, 0, TOP},
      {-50, 0, 60, 0, 0, TOP},
      {-50, -20, 60, 0, 10, BOTTOM},
      {-50, -20, 30, 10, 10, BOTTOM}}}, // 27
    {{{-135, 0, 20, 10, 0, TOP},
      {-135, 0, 0, 0, 0, TOP},
      {-135, -20, 0, 0, 10, BOTTOM},
      {-135, -20, 20, 10, 10, BOTTOM}}}, // 28
    {{{-135, 0, 60, 10, 0, TOP},
      {-135, 0, 30, 0, 0, TOP},
      {-135, -20, 30, 0, 10, BOTTOM},
      {-135, -20, 60, 10, 10, BOTTOM}}}, // 29
    {{{-135, 0, 90, 10, 0, TOP},
      {-135, 0, 70, 0, 0, TOP},
      {-135, -20, 70, 0, 10, BOTTOM},
      {-135, -20, 90, 10, 10, BOTTOM}}}, // 30
    {{{-30, 0, 60, 10, 0, TOP},
      {-30, 0, 30, 0, 0, TOP},
      {-30, -20, 30, 0, 10, BOTTOM},
      {-30, -20, 60, 10, 10, BOTTOM}}}, // 31
    {{{50, 0, 60, 10, 0, TOP},
      {50, 0, 30, 0, 0, TOP},
      {50, -20, 30, 0, 10, BOTTOM},
      {50, -20, 60, 10, 10, BOTTOM}}}, // 32
    {{{106, 0.05f, 91, 172, 0, WHITE},
      {106, 0.05f, -1, 0, 0, WHITE},
      {-106, 0.05f, -1, 0, 400, WHITE},
      {-106, 0.05f, 91, 172, 400, WHITE}}}, // 33
    {{{-105, 0.22f, -9, 0, 0, WHITE},
      {-105, 0.22f, -1, 4, 0, WHITE},
      {105, 0.22f, -1, 4, 93, WHITE},
      {105, 0.22f, -9, 0, 93, WHITE}}}, // 34
    {{{-105, 0.22f, 91, 0, 0, WHITE},
      {-105, 0.22f, 99, 4, 0, WHITE},
      {105, 0.22f, 99, 4, 93, WHITE},
      {105, 0.22f, 91, 0, 93, WHITE}}}, // 35
    {{{105, 0.22f, 90, 0, 0, WHITE},
      {115, 0.22f, 90, 4, 0, WHITE},
      {115, 0.22f, 0, 4, 40, WHITE},
      {105, 0.22f, 0, 0, 40, WHITE}}}, // 36
    {{{-105, 0.22f, 0, 0, 0, WHITE},
      {-115, 0.22f, 0, 4, 0, WHITE},
      {-115, 0.22f, 90, 4, 40, WHITE},
      {-105, 0.22f, 90, 0, 40, WHITE}}}, // 37
    {{{-12.5f, 3, 0.05f, 1, 0, WHITE},
      {12.5f, 3, 0.05f, 0, 0, WHITE},
      {12.5f, 25, 0.05f, 0, 1, WHITE},
      {-12.5f, 25, 0.05f, 1, 1, WHITE}}}, // 38
};
static_assert(sizeof ARENA_QUADS / sizeof ARENA_QUADS[0] == 38);

constexpr int FIRST_BRICK = 0, FLOOR = 32, FIRST_ARCADE_TILE = 33, CHURCH_PICTURE = 37;
// The opaque ones, drawn before the sky; the church picture is see-through.
constexpr int OPAQUE_ARENA_QUADS = CHURCH_PICTURE;
