#pragma once

#include "sim/Sprite.h"
#include "support/Vec3.h"

#include <cstdint>

// One puff: a billboard that drifts, grows and fades.
struct Particle {
    Sprite sprite;    // its position is the particle's
    Vec3 velocity;    // drift per update, not per second
    float growth = 0; // size per second
    float alpha = 0;
    float size = 0;
    float life = 0; // seconds left
    bool alive = false;
};

constexpr int PARTICLE_CAPACITY = 25;
constexpr int WORLD_PARTICLES = 15;
constexpr int EXHAUST_PARTICLES = 20;

// A small ring of puffs released one at a time from an emitter: each kart's
// exhaust and the arena's steam vents. A plain value, copied into place.
struct ParticleSystem {
    int count = 0;
    Particle particles[PARTICLE_CAPACITY];
    Vec3 emitter;
    float colour[3] = {0, 0, 0};
    float spawnTimer = 0;
    int nextIndex = 0;
    bool emitting = false;

    ParticleSystem() = default;
    // A vent: emitting at once; the owner sets the colour. Draws 4 * count
    // numbers from rand().
    explicit ParticleSystem(int particleCount);
    // A kart's exhaust: grey, 20 puffs, silent until the kart switches it on.
    static ParticleSystem exhaust();

    void setEmitting(bool on) { emitting = on; }
    // Fresh growth, size, life, alpha and drift for particle i, dead.
    void resetParticle(int i);
    void update(float dt);
};
