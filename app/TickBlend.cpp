#include "app/TickBlend.h"

#include "app/World.h"

#include <cmath>

namespace {

constexpr float FULL_CIRCLE_DEGREES = 360;
// Nothing the rules move goes this far in one tick: farther is a jump.
constexpr float JUMP = 20;

float blend(float a, float b, float share) {
    return a + share * (b - a);
}

Vec3 blend(Vec3 a, Vec3 b, float share) {
    return {blend(a.x, b.x, share), blend(a.y, b.y, share), blend(a.z, b.z, share)};
}

bool jumped(Vec3 a, Vec3 b) {
    return length3(subtract(b, a)) > JUMP;
}

KartPoseAtTick poseOf(const Kart& kart) {
    KartPoseAtTick p;
    p.position = kart.position;
    p.heading = kart.heading;
    p.spinAngle = kart.spinAngle;
    p.pitch = kart.pitch;
    p.roll = kart.roll;
    p.bodyPitch = kart.bodyPitch;
    p.bodyLean = kart.bodyLean;
    p.bumpTime = kart.bumpTime;
    p.wheelRoll = kart.wheelRoll;
    p.turnRate = kart.turnRate;
    for (int w = 0; w < WHEEL_COUNT; ++w)
        p.groundHeight[w] = kart.groundHeight[w];
    return p;
}

void blendKart(const KartPoseAtTick& was, float s, Kart& kart) {
    if (jumped(was.position, kart.position))
        return;
    kart.position = blend(was.position, kart.position, s);
    kart.heading = blendAngle(was.heading, kart.heading, s, TWO_PI);
    kart.spinAngle = blendAngle(was.spinAngle, kart.spinAngle, s, TWO_PI);
    kart.pitch = blend(was.pitch, kart.pitch, s);
    kart.roll = blend(was.roll, kart.roll, s);
    kart.bodyPitch = blend(was.bodyPitch, kart.bodyPitch, s);
    kart.bodyLean = blend(was.bodyLean, kart.bodyLean, s);
    kart.bumpTime = blend(was.bumpTime, kart.bumpTime, s);
    kart.wheelRoll = blendAngle(was.wheelRoll, kart.wheelRoll, s, FULL_CIRCLE_DEGREES);
    kart.turnRate = blend(was.turnRate, kart.turnRate, s);
    for (int w = 0; w < WHEEL_COUNT; ++w)
        kart.groundHeight[w] = blend(was.groundHeight[w], kart.groundHeight[w], s);
}

} // namespace

float blendAngle(float a, float b, float share, float fullTurn) {
    if (share >= 1)
        return b;
    float d = std::fmod(b - a, fullTurn);
    if (d > fullTurn / 2)
        d -= fullTurn;
    else if (d < -fullTurn / 2)
        d += fullTurn;
    return a + share * d;
}

void TickPoses::capture(const World& world) {
    taken = true;
    for (int k = 0; k < 2; ++k)
        karts[k] = poseOf(world.karts[k]);
    ball = world.ball.position;
    const ProjectileTable& table = world.projectiles;
    for (int i = 0; i < PROJECTILE_SLOTS; ++i) {
        coconutUsed[i] = table.used[i];
        coconutAt[i] = table.slots[i].position;
        coconutLife[i] = table.slots[i].life;
    }
}

void blendMotion(const World& world, const TickPoses& before, float share, DrawnMotion* drawn) {
    drawn->karts[0] = world.karts[0];
    drawn->karts[1] = world.karts[1];
    drawn->ball = world.ball;
    drawn->projectiles = world.projectiles;
    if (!before.taken || share >= 1)
        return;
    const float s = share < 0 ? 0 : share;
    for (int k = 0; k < 2; ++k)
        blendKart(before.karts[k], s, drawn->karts[k]);
    if (!jumped(before.ball, drawn->ball.position))
        drawn->ball.position = blend(before.ball, drawn->ball.position, s);
    ProjectileTable& table = drawn->projectiles;
    for (int i = 0; i < PROJECTILE_SLOTS; ++i) {
        Projectile& coconut = table.slots[i];
        // A fresh throw into a reused slot has more life than the one before.
        if (!table.used[i] || !before.coconutUsed[i] || coconut.life > before.coconutLife[i] ||
            jumped(before.coconutAt[i], coconut.position))
            continue;
        coconut.position = blend(before.coconutAt[i], coconut.position, s);
        coconut.sprite.position = coconut.position;
    }
}
