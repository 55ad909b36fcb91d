#include "sim/Sprite.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Sprite, InitSetsTheQuadAndFullOpacity) {
    Sprite s;
    s.alpha = 0.2f;
    s.init(1, 2, 3, 5, 15, LOOK_PALM);
    EXPECT_FLOAT_EQ(s.halfWidth, 2.5f);
    EXPECT_FLOAT_EQ(s.height, 15);
    EXPECT_EQ(s.look, LOOK_PALM);
    EXPECT_FLOAT_EQ(s.alpha, 1);
    s.setSize(2);
    EXPECT_FLOAT_EQ(s.halfWidth, 1);
    EXPECT_FLOAT_EQ(s.height, 2);
}

TEST(Sprite, FacesTheViewerSquarely) {
    Sprite s;
    s.init(10, 0, 10, 4, 4, LOOK_LAMP);
    for (auto [cx, cz] : {std::pair{0.0f, 0.0f}, {10.0f, -5.0f}, {-3.0f, 40.0f}}) {
        const Vec3 across = s.acrossFor(cx, cz);
        const Vec3 view{10 - cx, 0, 10 - cz};
        EXPECT_NEAR(length3(across), 2, 1e-5f);
        EXPECT_FLOAT_EQ(across.y, 0);
        EXPECT_NEAR(across.x * view.x + across.z * view.z, 0, 1e-4f);
    }
    // across = view x up: from the south it points to -x.
    const Vec3 fromSouth = s.acrossFor(10, 0);
    EXPECT_NEAR(fromSouth.x, -2, 1e-6f);
}

TEST(Sprite, AViewerStraightAboveSeesNoWidth) {
    Sprite s;
    s.init(7, 0, -3, 4, 4, LOOK_LAMP);
    const Vec3 across = s.acrossFor(7, -3);
    EXPECT_FLOAT_EQ(length3(across), 0);
}

TEST(CirclingSprite, IsAWideCloudBandThatKeepsItsAngleInOneTurn) {
    CirclingSprite cloud;
    cloud.init(LOOK_CLOUD_2, 3, 90, 4, 100);
    EXPECT_FLOAT_EQ(cloud.sprite.halfWidth, 100);
    EXPECT_FLOAT_EQ(cloud.sprite.height, 50);
    EXPECT_FLOAT_EQ(cloud.sprite.position.y, 4);
    EXPECT_EQ(cloud.sprite.look, LOOK_CLOUD_2);

    for (int i = 0; i < 1200; ++i) { // 120 s
        cloud.update(0.1f);
        ASSERT_GE(cloud.angle, 0);
        ASSERT_LE(cloud.angle, 360);
    }
    EXPECT_NEAR(cloud.angle, 90, 0.05f) << "a full turn at 3 degrees a second";

    cloud.update(119.9f);
    EXPECT_GE(cloud.angle, 0);
    EXPECT_LE(cloud.angle, 360);

    cloud.rate = -5;
    cloud.angle = 1;
    cloud.update(1);
    EXPECT_FLOAT_EQ(cloud.angle, 356);
}

} // namespace
