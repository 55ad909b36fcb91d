#pragma once

#include "sim/Ball.h"
#include "sim/Kart.h"
#include "sim/Projectile.h"
#include "support/Vec3.h"

struct World;

// The rules step 100 times a second and screens refresh at their own rates,
// so the karts, the ball and the coconuts are drawn where they are between
// the last two ticks. Only what the eye follows is blended; the rules never
// see any of it.

// What the eye follows of a kart.
struct KartPoseAtTick {
    Vec3 position;
    float heading = 0, spinAngle = 0, pitch = 0, roll = 0;
    float bodyPitch = 0, bodyLean = 0, bumpTime = 0;
    float wheelRoll = 0; // degrees
    float turnRate = 0;  // the front wheels' steer
    float groundHeight[WHEEL_COUNT] = {};
};

// The moving things as a tick found them.
struct TickPoses {
    bool taken = false;
    KartPoseAtTick karts[2];
    Vec3 ball;
    Vec3 coconutAt[PROJECTILE_SLOTS];
    int coconutLife[PROJECTILE_SLOTS] = {};
    bool coconutUsed[PROJECTILE_SLOTS] = {};

    void capture(const World& world);
};

// Copies of the moving things, posed for one drawn frame.
struct DrawnMotion {
    Kart karts[2];
    Ball ball;
    ProjectileTable projectiles;
};

// Between `before` and the World as it is: share 0 draws `before`, 1 the
// World itself; before any tick was captured, the World itself. Whatever jumped in one tick
// (a respawn, a kick-off, a new coconut in a reused slot) is drawn where it
// is now.
void blendMotion(const World& world, const TickPoses& before, float share, DrawnMotion* drawn);

// The shorter way round between two angles, as a blend: a + share * (b - a).
float blendAngle(float a, float b, float share, float fullTurn);
