#include "sim/Projectile.h"
#include "sim/Kart.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

Kart kartAt(int id, float x, float z) {
    Kart kart(id);
    kart.position = {x, 0, z};
    return kart;
}

TEST(Projectile, FliesAtFiftyUnitsASecondAndSlidesOnTheGround) {
    Projectile p;
    p.init(0, 0, 0, 1, 0.2f, 0, 1000, 0);
    p.step(0.02f); // one tick
    EXPECT_EQ(p.life, 999);
    EXPECT_FLOAT_EQ(p.position.x, 1);
    EXPECT_FLOAT_EQ(p.velocity.y, 0.2f - 0.013f);
    EXPECT_FLOAT_EQ(p.position.y, 0.187f);
    EXPECT_FLOAT_EQ(p.sprite.position.x, 1);
    for (int i = 0; i < 100; ++i)
        p.step(0.02f);
    EXPECT_EQ(p.position.y, 0); // down, and sliding on
    EXPECT_FLOAT_EQ(p.position.x, 101);
}

TEST(Projectile, LifeFallsByWholeTicksRoundedUp) {
    Projectile p;
    p.init(0, 0, 0, 0, 0, 0, 1000, 0);
    p.step(0.04f); // 25 frames a second: two ticks
    EXPECT_EQ(p.life, 998);
    p.step(1.0f / 60); // under a tick still costs one
    EXPECT_EQ(p.life, 997);
}

TEST(Projectile, ThrownBelowTheFieldIsLiftedToTheGroundAndStillHits) {
    Projectile p;
    p.init(-150, -17, 43, 0, 0.2f, 1, 1000, 0);
    p.step(0.02f);
    EXPECT_EQ(p.position.y, 0);
    Kart target = kartAt(1, -150, 45);
    target.position.y = -17.5f;
    p.hitTest(target);
    EXPECT_TRUE(target.spinning);
    EXPECT_EQ(p.life, 0);
}

TEST(Projectile, HitsOnlyOtherKartsWithinReach) {
    Projectile p;
    p.init(0, 0, 0, 0, 0, 0, 1000, 0);
    Kart own = kartAt(0, 0, 0);
    p.hitTest(own);
    EXPECT_FALSE(own.spinning);
    Kart far = kartAt(1, 2.1f, 0); // reach: 1 + about 1.087
    p.hitTest(far);
    EXPECT_FALSE(far.spinning);
    Kart near = kartAt(1, 2.0f, 0);
    p.hitTest(near);
    EXPECT_TRUE(near.spinning);
}

TEST(ProjectileTable, FirstFreeSlotThenSlotZeroWhenFullAndSpentSlotsEmpty) {
    auto table = std::make_unique<ProjectileTable>();
    for (int i = 0; i < PROJECTILE_SLOTS; ++i)
        table->spawn(static_cast<float>(i), 0, 0, 0, 0, 0, 1000, 0);
    EXPECT_EQ(table->liveCount, PROJECTILE_SLOTS);
    table->spawn(-1, 0, 0, 0, 0, 0, 1000, 1);
    EXPECT_EQ(table->liveCount, PROJECTILE_SLOTS);
    EXPECT_EQ(table->slots[0].position.x, -1);
    EXPECT_EQ(table->slots[0].owner, 1);
    EXPECT_EQ(table->slots[1].position.x, 1);

    table->slots[5].life = 1; // spent by the next step
    table->update(0.02f);
    EXPECT_FALSE(table->used[5]);
    EXPECT_EQ(table->liveCount, PROJECTILE_SLOTS - 1);
    table->spawn(99, 0, 0, 0, 0, 0, 1000, 0);
    EXPECT_EQ(table->slots[5].position.x, 99);
}

TEST(ProjectileTable, OneCoconutWithinReachOfBothKartsHitsOnlyKartOne) {
    auto table = std::make_unique<ProjectileTable>();
    table->spawn(0, 0, 0, 0, 0, 0, 1000, 5); // thrown by neither
    Kart first = kartAt(0, 0.5f, 0), second = kartAt(1, -0.5f, 0);
    table->hitTest(first, second);
    EXPECT_TRUE(first.spinning);
    EXPECT_FALSE(second.spinning);
    table->update(0.02f);
    EXPECT_EQ(table->liveCount, 0);
}

} // namespace
