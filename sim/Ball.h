#pragma once

#include "support/Vec3.h"

struct Kart;

// The ball of the ball game: it rolls only in the horizontal plane at a
// fixed height, is pushed by karts that touch it, loses 1 % of its velocity
// per update, bounces off the field's edges and, near a goal point, is drawn
// into it. The renderer owns the sphere it is drawn with.
struct Ball {
    Vec3 position; // y never changes after reset
    float radius = 0;
    float previousX = 0, previousZ = 0;
    float velocityX = 0, velocityZ = 0; // per update, not per second
    float kickFactor = 0.005f;
    bool inGoal = false;

    void reset(float x, float y, float z, float ballRadius);
    // Once per update, whatever the frame time.
    void step();
    // A kart touching the ball bounces off it and pushes it from where it
    // touched: harder near the rim, and a reversing kart pulls it.
    void kick(Kart& kart);
    void bounce(float minX, float maxX, float minZ, float maxZ);
    bool nearGoal(float goalX, float goalZ) const;
    bool isInGoal() const { return inGoal; }
    // A 75th of the way there per update; on it, the ball is in.
    void slideIntoGoal(float goalX, float goalZ);
};
