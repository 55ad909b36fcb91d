#include "sim/SceneryObject.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(SceneryObject, StartsInactive) {
    SceneryObject box;
    EXPECT_FALSE(box.active);
}

TEST(SceneryObject, PlaceStoresTheBoxAndForgetsEveryPastTest) {
    SceneryObject box;
    box.separated[0][3] = false;
    box.separated[23][5] = false;
    box.place(1, 2, 3, 0, 4, 6, 12);
    EXPECT_TRUE(box.active);
    EXPECT_FLOAT_EQ(box.position.x, 1);
    EXPECT_FLOAT_EQ(box.position.y, 2);
    EXPECT_FLOAT_EQ(box.position.z, 3);
    EXPECT_FLOAT_EQ(box.width, 4);
    EXPECT_FLOAT_EQ(box.height, 6);
    EXPECT_FLOAT_EQ(box.length, 12);
    EXPECT_FLOAT_EQ(box.radius, 7); // half of the 4-6-12 diagonal, 14
    for (const auto& row : box.separated)
        for (bool axis : row)
            EXPECT_TRUE(axis);
}

TEST(SceneryObject, OrientationIsTheTurnByMinusYaw) {
    SceneryObject box;
    box.place(0, 0, 0, 0, 1, 1, 1);
    const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_FLOAT_EQ(box.orientation[i], identity[i]) << i;

    box.place(0, 0, 0, 90, 1, 1, 1);
    EXPECT_FLOAT_EQ(box.yaw, 90);
    // Local x points to world -z, local z to world +x.
    const float quarter[9] = {0, 0, -1, 0, 1, 0, 1, 0, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(box.orientation[i], quarter[i], 1e-7f) << i;

    float m[9];
    yawMatrix(30, m);
    EXPECT_NEAR(m[0], std::cos(0.5235988f), 1e-6f);
    EXPECT_NEAR(m[2], -0.5f, 1e-6f);
    EXPECT_NEAR(m[6], 0.5f, 1e-6f);
}

} // namespace
