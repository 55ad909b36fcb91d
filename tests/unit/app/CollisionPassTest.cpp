#include "../sim/KartOnTheField.h"
#include "app/World.h"
#include "sim/Arena.h"

#include <gtest/gtest.h>

namespace {

// A bare World (no arena, no countdown) with both karts standing where a
// test puts them and no palms or lamps but its own.
struct CollisionPassTest : ::testing::Test {
    World world;

    void SetUp() override {
        put(0, {30, 0, 50});
        put(1, {-30, 0, 50});
    }

    void put(int k, Vec3 at) {
        world.karts[k] = kartAt(at, k);
        world.karts[k].update(0); // poses its box
    }
};

TEST_F(CollisionPassTest, KartsInContactEachBounceBackWithoutSliding) {
    put(1, {30, 0, 51.5f});
    world.karts[0].speed = 5;
    world.karts[1].speed = -3;
    world.karts[0].isIt = true;
    world.collide();
    EXPECT_TRUE(world.karts[0].bumping);
    EXPECT_TRUE(world.karts[1].bumping);
    EXPECT_FLOAT_EQ(world.karts[0].bumpSpeed, -5);
    EXPECT_FLOAT_EQ(world.karts[1].bumpSpeed, 3);
    EXPECT_FLOAT_EQ(world.karts[0].speed, 5); // no contact drag either
    EXPECT_FLOAT_EQ(world.karts[0].position.z, 50);
    EXPECT_FLOAT_EQ(world.karts[1].position.z, 51.5f);
    // Both saw the contact, but "it" changed hands once.
    EXPECT_FALSE(world.karts[0].isIt);
    EXPECT_TRUE(world.karts[1].isIt);
    EXPECT_FLOAT_EQ(world.tagCooldown, 2);
}

TEST_F(CollisionPassTest, ItChangesHandsOnceEveryTwoSecondsOfContact) {
    put(1, {30, 0, 51.5f});
    world.karts[0].isIt = true;
    int swaps = 0;
    for (int i = 0; i < 20; ++i) { // 5 s
        const bool before = world.karts[0].isIt;
        world.update(0.25f);
        swaps += world.karts[0].isIt != before;
        EXPECT_NE(world.karts[0].isIt, world.karts[1].isIt);
    }
    EXPECT_EQ(swaps, 3); // at 0, 2 and 4 s
}

TEST_F(CollisionPassTest, ABoxInTheLastSlotStopsAKart) {
    world.scenery[SCENERY_SLOTS - 1].place(30, 1, 60, 0, 10, 2, 1);
    world.karts[0].speed = 10;
    for (int i = 0; i < 100; ++i)
        world.update(0.02f);
    // Its nose stays at the wall's face, 1.4 before the wall's centre.
    EXPECT_LT(world.karts[0].position.z, 58.6f + 0.2f);
    EXPECT_GT(world.karts[0].position.z, 58);
    EXPECT_FLOAT_EQ(world.karts[0].position.x, 30);
}

TEST_F(CollisionPassTest, PalmsAndLampsBumpKartsOnTheUpperLevelOnly) {
    std::vector<Placement>& placements = world.placements;
    placements.push_back({30.5f, 50.5f, LOOK_PALM});  // 0.71 away from kart 1
    placements.push_back({-30, 49.05f, LOOK_LAMP});   // 0.95 away from kart 2
    placements.push_back({-30.2f, 50.2f, LOOK_MOON}); // something else: no pole
    world.collide();
    EXPECT_TRUE(world.karts[0].bumping);
    EXPECT_FALSE(world.karts[1].bumping);

    placements[1].z = 49.15f; // now 0.85 away
    world.collide();
    EXPECT_TRUE(world.karts[1].bumping);

    // The same palm over the lower circuit is out of reach.
    put(0, {30, -10, 50});
    world.collide();
    EXPECT_FALSE(world.karts[0].bumping);
}

} // namespace
