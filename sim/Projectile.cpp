#include "sim/Projectile.h"

#include "sim/Kart.h"

#include <cmath>

namespace {

constexpr float TICKS_PER_SECOND = 50;
constexpr float GRAVITY = 0.013f; // per tick, per tick

} // namespace

void Projectile::init(float x, float y, float z, float vx, float vy, float vz, int ticks,
                      int ownerId) {
    position = {x, y, z};
    velocity = {vx, vy, vz};
    radius = 1;
    life = ticks;
    owner = ownerId;
    sprite.init(x, y, z, 1, 1, LOOK_COCONUT);
}

void Projectile::step(float dt) {
    const float k = TICKS_PER_SECOND * dt;
    // Whole ticks only: life falls by the next whole number at or above k.
    life = static_cast<int>(static_cast<float>(life) - k);
    position.x += k * velocity.x;
    velocity.y -= GRAVITY * k;
    position.y += k * velocity.y;
    if (position.y < 0)
        position.y = 0; // slides on along the ground plane
    position.z += k * velocity.z;
    sprite.position = position;
}

void Projectile::hitTest(Kart& kart) {
    if (life <= 0 || kart.id == owner)
        return;
    const float reach =
        std::sqrt(kart.halfSize.x * kart.halfSize.x + kart.halfSize.z * kart.halfSize.z);
    const float dx = kart.position.x - position.x, dz = kart.position.z - position.z;
    if (std::sqrt(dx * dx + dz * dz) < reach + radius) {
        kart.startSpin();
        life = 0; // its slot empties at the next update
    }
}

void ProjectileTable::spawn(float x, float y, float z, float vx, float vy, float vz, int life,
                            int owner) {
    int slot = 0;
    while (slot < PROJECTILE_SLOTS && used[slot])
        ++slot;
    if (slot == PROJECTILE_SLOTS)
        slot = 0; // full: the oldest slot gives way
    else
        ++liveCount;
    used[slot] = true;
    slots[slot].init(x, y, z, vx, vy, vz, life, owner);
}

void ProjectileTable::update(float dt) {
    for (int i = 0; i < PROJECTILE_SLOTS; ++i) {
        if (!used[i])
            continue;
        slots[i].step(dt);
        if (slots[i].life < 1) {
            used[i] = false;
            --liveCount;
        }
    }
}

void ProjectileTable::hitTest(Kart& first, Kart& second) {
    for (int i = 0; i < PROJECTILE_SLOTS; ++i) {
        if (!used[i])
            continue;
        slots[i].hitTest(first);
        slots[i].hitTest(second);
    }
}

void ProjectileTable::clear() {
    for (bool& slot : used)
        slot = false;
    liveCount = 0;
}
