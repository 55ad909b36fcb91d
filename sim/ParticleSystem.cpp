#include "sim/ParticleSystem.h"

#include <cstdlib>

namespace {

constexpr float RELEASE_INTERVAL = 0.05f; // seconds between puffs
constexpr float PARTICLE_LIFE = 0.75f;
constexpr float FADE_TIME = 0.25f; // the last part of a life, fading
constexpr float FADE_STEP = 0.05f; // alpha lost per update while fading
constexpr float START_ALPHA = 0.5f;
constexpr float RISE = 0.01f; // per update

} // namespace

ParticleSystem::ParticleSystem(int particleCount)
    : count(particleCount < PARTICLE_CAPACITY ? particleCount : PARTICLE_CAPACITY), emitting(true) {
    for (int i = 0; i < count; ++i) {
        particles[i].sprite.init(emitter.x, emitter.y, emitter.z, 1, 1, LOOK_PUFF);
        resetParticle(i);
    }
}

ParticleSystem ParticleSystem::exhaust() {
    ParticleSystem system(EXHAUST_PARTICLES);
    system.colour[0] = system.colour[1] = system.colour[2] = 0.5f;
    system.emitting = false;
    return system;
}

void ParticleSystem::resetParticle(int i) {
    Particle& p = particles[i];
    p.alive = false;
    p.life = PARTICLE_LIFE;
    p.growth = static_cast<float>(std::rand() % 4) / 2;
    p.size = static_cast<float>(std::rand() % 4) / 4 + 1;
    p.alpha = START_ALPHA;
    // z is drawn before x.
    const float vz = static_cast<float>(std::rand() % 10) / 1000 - 0.005f;
    const float vx = static_cast<float>(std::rand() % 10) / 1000 - 0.005f;
    p.velocity = {vx, RISE, vz};
}

void ParticleSystem::update(float dt) {
    // One release per update at most: after a long frame the timer catches up
    // over the following updates.
    if (emitting && count > 0) {
        spawnTimer += dt;
        if (spawnTimer > RELEASE_INTERVAL) {
            spawnTimer -= RELEASE_INTERVAL;
            const int i = nextIndex;
            nextIndex = nextIndex + 1 >= count ? 0 : nextIndex + 1;
            // A puff still alive when the ring comes round is moved, not reset.
            particles[i].alive = true;
            particles[i].sprite.position = emitter;
        }
    }
    for (int i = 0; i < count; ++i) {
        Particle& p = particles[i];
        if (!p.alive)
            continue;
        p.sprite.position = add(p.sprite.position, p.velocity);
        p.size += dt * p.growth;
        p.life -= dt;
        if (p.life < 0)
            resetParticle(i);
        else if (p.life < FADE_TIME)
            p.alpha -= FADE_STEP;
    }
}
