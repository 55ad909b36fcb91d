#include "sim/Ball.h"

#include "sim/Kart.h"

#include <cmath>

namespace {

constexpr float ROLLING_LOSS = 0.99f; // velocity kept per update
constexpr float REST = 0.001f;
constexpr float GOAL_REACH = 2.5f; // radii
constexpr float SLIDE_SHARE = 75;
constexpr float ON_GOAL = 0.01f;

} // namespace

void Ball::reset(float x, float y, float z, float ballRadius) {
    position = {x, y, z};
    previousX = x;
    previousZ = z;
    radius = ballRadius;
    velocityX = velocityZ = 0;
    kickFactor = 0.005f;
    inGoal = false;
}

void Ball::step() {
    previousX = position.x;
    previousZ = position.z;
    velocityX *= ROLLING_LOSS;
    velocityZ *= ROLLING_LOSS;
    if (std::fabs(velocityX) < REST)
        velocityX = 0;
    if (std::fabs(velocityZ) < REST)
        velocityZ = 0;
    position.x += velocityX;
    position.z += velocityZ;
}

void Ball::kick(Kart& kart) {
    const float dx = position.x - kart.position.x, dz = position.z - kart.position.z;
    if (std::sqrt(dx * dx + dz * dz) >= radius)
        return;
    kart.bump();
    velocityX += dx * kart.speed * kickFactor;
    velocityZ += dz * kart.speed * kickFactor;
}

void Ball::bounce(float minX, float maxX, float minZ, float maxZ) {
    if (position.x - radius < minX || position.x + radius > maxX) {
        position.x = previousX;
        velocityX = -velocityX;
    }
    if (position.z - radius < minZ || position.z + radius > maxZ) {
        position.z = previousZ;
        velocityZ = -velocityZ;
    }
}

bool Ball::nearGoal(float goalX, float goalZ) const {
    const float dx = goalX - position.x, dz = goalZ - position.z;
    return std::sqrt(dx * dx + dz * dz) <= GOAL_REACH * radius;
}

void Ball::slideIntoGoal(float goalX, float goalZ) {
    if (std::fabs(goalX - position.x) >= ON_GOAL || std::fabs(goalZ - position.z) >= ON_GOAL) {
        position.x += (goalX - position.x) / SLIDE_SHARE;
        position.z += (goalZ - position.z) / SLIDE_SHARE;
        return;
    }
    position.x = goalX;
    position.z = goalZ;
    inGoal = true;
}
