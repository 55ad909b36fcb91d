#include "KartOnTheField.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A kart at the origin facing +z: half extents 0.61 across, 0.875 up, 0.9 along.
Kart kartAtOrigin() {
    Kart kart = kartAt({0, 0, 0});
    kart.previousX = kart.previousZ = 0;
    return kart;
}

TEST(KartCollision, TouchingFacesOverlap) {
    Kart kart = kartAtOrigin();
    SceneryObject box;
    const float touching = kart.halfSize.x + 1.0f; // a 2-wide box just beside the kart
    box.place(touching, 0, 0, 0, 2, 2, 2);
    EXPECT_EQ(kart.testBox(box), 0);
    box.place(std::nextafter(touching, 10.0f), 0, 0, 0, 2, 2, 2);
    EXPECT_EQ(kart.testBox(box), -1);

    box.place(0, 0, kart.halfSize.z + 1.0f, 0, 2, 2, 2);
    EXPECT_NE(kart.testBox(box), -1);
}

TEST(KartCollision, AKartInsideAFreshBoxMeetsItsSideEveryTest) {
    Kart kart = kartAtOrigin();
    SceneryObject box;
    box.place(0.5f, 0, 0.5f, 20, 3, 3, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(kart.testBox(box), 0);
    // Another kart's row is its own: it meets the box fresh too.
    Kart other = kartAt({0, 0, 0}, 1);
    EXPECT_EQ(other.testBox(box), 0);
}

TEST(KartCollision, TheFaceCrossedAnswersUntilTheKartLeaves) {
    Kart kart = kartAtOrigin();
    SceneryObject wall;
    wall.place(0, 0, 2, 0, 10, 4, 1);
    EXPECT_EQ(kart.testBox(wall), -1); // 0.6 short of it
    kart.position.z = 1;
    EXPECT_EQ(kart.testBox(wall), 2);
    EXPECT_EQ(kart.testBox(wall), 2);
    kart.position.z = -1;
    EXPECT_EQ(kart.testBox(wall), -1);
}

TEST(KartCollision, NoseIntoAWallSlidesAcrossAndRestoresTheHeading) {
    const float heading = degToRad(30);
    Kart kart = kartAtOrigin();
    face(kart, heading);
    SceneryObject wall; // turned like the kart, 2 ahead of it
    wall.place(2 * std::sin(heading), 0, 2 * std::cos(heading), 30, 20, 4, 1);
    ASSERT_EQ(kart.testBox(wall), -1);

    // It moved 1 towards the wall and 0.5 to its right, turning a little.
    const Vec3 across{std::cos(heading), 0, -std::sin(heading)};
    const Vec3 ahead{std::sin(heading), 0, std::cos(heading)};
    kart.position = {ahead.x + 0.5f * across.x, 0, ahead.z + 0.5f * across.z};
    kart.heading = heading + 0.02f;
    const int axis = kart.testBox(wall);
    ASSERT_EQ(axis, 2);
    kart.speed = 10;
    kart.resolveContact(axis, wall);
    EXPECT_FLOAT_EQ(kart.heading, heading);
    EXPECT_FLOAT_EQ(kart.speed, 9.8f);
    EXPECT_NEAR(kart.position.x, 0.5f * across.x, 1e-5f);
    EXPECT_NEAR(kart.position.z, 0.5f * across.z, 1e-5f);
}

TEST(KartCollision, SideAndBoxFacesSlideAlongTheirSurface) {
    // Kart side: slides on along its own facing.
    Kart kart = kartAtOrigin();
    kart.position = {0.3f, 0, 0.4f};
    kart.heading = 0.1f;
    SceneryObject box;
    box.place(5, 0, 0, 0, 2, 2, 2);
    kart.resolveContact(0, box);
    EXPECT_EQ(kart.heading, 0);
    EXPECT_NEAR(kart.position.x, 0, 1e-6f);
    EXPECT_NEAR(kart.position.z, 0.4f, 1e-6f);

    // The box's x face, turned 90°: its local z is world +x.
    box.place(5, 0, 0, 90, 2, 2, 2);
    kart.position = {0.3f, 0, 0.4f};
    kart.resolveContact(3, box);
    EXPECT_NEAR(kart.position.x, 0.3f, 1e-6f);
    EXPECT_NEAR(kart.position.z, 0, 1e-6f);

    // And its z face: its local x is world -z.
    kart.position = {0.3f, 0, 0.4f};
    kart.resolveContact(5, box);
    EXPECT_NEAR(kart.position.x, 0, 1e-6f);
    EXPECT_NEAR(kart.position.z, 0.4f, 1e-6f);
}

TEST(KartCollision, FallingOntoABoxBouncesBack) {
    Kart kart = kartAtOrigin();
    SceneryObject crate;
    crate.place(0, 0, 0, 45, 3, 2, 3);
    kart.position = {0.2f, 3, 0.2f};
    EXPECT_EQ(kart.testBox(crate), -1);
    kart.position = {0.3f, 1.5f, 0.3f};
    kart.previousX = kart.previousZ = 0.2f;
    kart.speed = 4;
    const int axis = kart.testBox(crate);
    ASSERT_EQ(axis, 1);
    kart.resolveContact(axis, crate);
    EXPECT_TRUE(kart.bumping);
    EXPECT_FLOAT_EQ(kart.bumpSpeed, -0.98f * 4);
    EXPECT_FLOAT_EQ(kart.position.x, 0.2f);
    EXPECT_FLOAT_EQ(kart.position.z, 0.2f);
    EXPECT_FLOAT_EQ(kart.position.y, 1.5f);
}

TEST(KartCollision, AnInactiveBoxIsNeverHitNorMarked) {
    Kart kart = kartAtOrigin();
    SceneryObject box;
    box.place(0, 0, 0, 0, 2, 2, 2);
    box.active = false;
    EXPECT_TRUE(kart.isNear(box));
    EXPECT_EQ(kart.testBox(box), -1);
    for (bool axis : box.separated[0])
        EXPECT_TRUE(axis);
}

TEST(KartCollision, TheBoxsUpAxisIsNeverTheAnswer) {
    std::srand(7);
    auto random = [](float low, float high) {
        return low + (high - low) * static_cast<float>(std::rand()) / RAND_MAX;
    };
    int contacts[6] = {};
    for (int trial = 0; trial < 4000; ++trial) {
        Kart kart = kartAtOrigin();
        kart.heading = random(-3.14f, 3.14f);
        SceneryObject box;
        box.place(0, random(-1, 1), 0, random(0, 360), random(0.5f, 4), random(0.5f, 3),
                  random(0.5f, 4));
        kart.position = {random(-5, 5), random(-4, 4), random(-5, 5)};
        kart.testBox(box);
        kart.position = {random(-1, 1), random(-1, 1), random(-1, 1)};
        const int axis = kart.testBox(box);
        ASSERT_NE(axis, 4);
        if (axis >= 0)
            ++contacts[axis];
    }
    // Every other axis does answer from some approach.
    for (int axis : {0, 1, 2, 3, 5})
        EXPECT_GT(contacts[axis], 0) << axis;
}

} // namespace
