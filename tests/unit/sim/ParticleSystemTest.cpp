#include "sim/ParticleSystem.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

int aliveCount(const ParticleSystem& system) {
    int alive = 0;
    for (int i = 0; i < system.count; ++i)
        alive += system.particles[i].alive;
    return alive;
}

TEST(ParticleSystem, AFreshParticleDrawsItsLooksFromRandInOrder) {
    std::srand(1234);
    int r[4];
    for (int& value : r)
        value = std::rand();
    std::srand(1234);
    ParticleSystem system(1);
    const Particle& p = system.particles[0];
    EXPECT_FALSE(p.alive);
    EXPECT_FLOAT_EQ(p.life, 0.75f);
    EXPECT_FLOAT_EQ(p.alpha, 0.5f);
    EXPECT_FLOAT_EQ(p.growth, (r[0] % 4) / 2.0f);
    EXPECT_FLOAT_EQ(p.size, (r[1] % 4) / 4.0f + 1);
    EXPECT_FLOAT_EQ(p.velocity.z, (r[2] % 10) / 1000.0f - 0.005f);
    EXPECT_FLOAT_EQ(p.velocity.x, (r[3] % 10) / 1000.0f - 0.005f);
    EXPECT_FLOAT_EQ(p.velocity.y, 0.01f);
    EXPECT_EQ(p.sprite.look, LOOK_PUFF);
    EXPECT_TRUE(system.emitting);
}

TEST(ParticleSystem, TheExhaustIsTwentyGreyPuffsAndSilent) {
    ParticleSystem exhaust = ParticleSystem::exhaust();
    EXPECT_EQ(exhaust.count, 20);
    EXPECT_FALSE(exhaust.emitting);
    for (float c : exhaust.colour)
        EXPECT_FLOAT_EQ(c, 0.5f);
    exhaust.update(1);
    EXPECT_EQ(aliveCount(exhaust), 0);
    EXPECT_EQ(exhaust.spawnTimer, 0);
}

TEST(ParticleSystem, ALongFrameReleasesOneNowAndTheRestOverTheNextUpdates) {
    ParticleSystem system(15);
    system.emitter = {1, 2, 3};
    system.update(0.3f);
    EXPECT_EQ(aliveCount(system), 1);
    EXPECT_NEAR(system.spawnTimer, 0.25f, 1e-6f);
    int updates = 0;
    while (system.spawnTimer > 0.05f) {
        system.update(0.001f);
        ++updates;
    }
    EXPECT_EQ(updates, 5);
    EXPECT_EQ(aliveCount(system), 6);
    EXPECT_EQ(system.nextIndex, 6);
}

TEST(ParticleSystem, PuffsDriftAndFadePerUpdateButGrowAndAgePerSecond) {
    ParticleSystem system(1);
    system.particles[0].growth = 1;
    const Particle& p = system.particles[0];
    const float size = p.size;
    system.update(0.06f); // released and moved at once
    ASSERT_TRUE(p.alive);
    system.emitting = false; // no release puts it back at the emitter
    for (int i = 0; i < 10; ++i)
        system.update(0.06f);
    EXPECT_FLOAT_EQ(p.sprite.position.y, 11 * 0.01f);
    EXPECT_FLOAT_EQ(p.size, size + 11 * 0.06f);
    EXPECT_NEAR(p.life, 0.09f, 1e-5f);
    EXPECT_NEAR(p.alpha, 0.5f - 3 * 0.05f, 1e-6f); // below 0.25 s left, three times
    system.update(0.06f);
    EXPECT_TRUE(p.alive);
    system.update(0.06f);
    EXPECT_FALSE(p.alive); // died and reset: a fresh life at full alpha
    EXPECT_FLOAT_EQ(p.life, 0.75f);
    EXPECT_FLOAT_EQ(p.alpha, 0.5f);
}

TEST(ParticleSystem, AStillLivingPuffIsReusedWhenTheRingComesRound) {
    ParticleSystem system(2);
    system.emitter = {5, 0, 5};
    system.update(0.06f);
    system.update(0.06f);
    const float life = system.particles[0].life;
    system.emitter = {-5, 0, -5};
    system.update(0.06f);
    const Particle& p = system.particles[0];
    EXPECT_TRUE(p.alive);
    EXPECT_FLOAT_EQ(p.life, life - 0.06f); // moved, not reset
    EXPECT_FLOAT_EQ(p.sprite.position.x, -5 + p.velocity.x);
}

} // namespace
