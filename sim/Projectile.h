#pragma once

#include "sim/Sprite.h"
#include "support/Vec3.h"

#include <cstdint>

struct Kart;

// A thrown coconut: a billboard on a ballistic arc that slides along the
// height-0 plane once down, and spins out the first other kart it touches.
struct Projectile {
    Vec3 position;
    Vec3 velocity; // units per 1/50 s
    float radius = 1;
    int life = 0;  // 1/50-second ticks left; spent below 1
    int owner = 0; // id of the kart that threw it
    Sprite sprite; // 1 wide, 1 high, standing on position

    void init(float x, float y, float z, float vx, float vy, float vz, int ticks, int ownerId);
    // One flight step of dt seconds.
    void step(float dt);
    // Horizontal only: a coconut hits a kart above or below it all the same.
    void hitTest(Kart& kart);
};

constexpr int PROJECTILE_SLOTS = 128;

// Every coconut in flight, in 128 fixed slots.
struct ProjectileTable {
    Projectile slots[PROJECTILE_SLOTS];
    bool used[PROJECTILE_SLOTS] = {};
    int liveCount = 0;

    // Into the lowest empty slot; with none empty, over the coconut in slot 0.
    void spawn(float x, float y, float z, float vx, float vy, float vz, int life, int owner);
    // Steps every coconut and empties the slots of the spent ones.
    void update(float dt);
    // Every live coconut against both karts, slot by slot.
    void hitTest(Kart& first, Kart& second);
    void clear();
};
