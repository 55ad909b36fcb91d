#include "sim/Arena.h"

#include <gtest/gtest.h>

namespace {

constexpr int EAST_FIRST = 35, WEST_FIRST = 45, SIDE_ROWS = 10;

TEST(ArenaBuildings, WestSideIsTheEastSideTurnedHalfRoundTheFieldCentre) {
    for (int i = 0; i < SIDE_ROWS; ++i) {
        const BuildingPlace& east = BUILDINGS[EAST_FIRST + i];
        const BuildingPlace& west = BUILDINGS[WEST_FIRST + i];
        SCOPED_TRACE(i);
        EXPECT_EQ(west.model, east.model);
        EXPECT_FLOAT_EQ(west.x, -east.x);
        EXPECT_NEAR(west.z, 90 - east.z, 1e-4f);
        float turn = east.turn + 180;
        if (turn > 180)
            turn -= 360;
        EXPECT_FLOAT_EQ(west.turn, turn);
        EXPECT_FLOAT_EQ(west.widthScale, east.widthScale);
    }
}

TEST(ArenaBuildings, RowsFaceTheFieldFromTheirSides) {
    for (int i = 0; i < 15; ++i) {
        EXPECT_FLOAT_EQ(BUILDINGS[i].z, 0) << i;
        EXPECT_FLOAT_EQ(BUILDINGS[i].turn, 0) << i;
    }
    for (int i = 15; i < 30; ++i) {
        EXPECT_FLOAT_EQ(BUILDINGS[i].z, 90) << i;
        EXPECT_FLOAT_EQ(BUILDINGS[i].turn, 180) << i;
    }
    EXPECT_EQ(BUILDINGS[3].model, BUILDING_LANDMARK);
    EXPECT_FLOAT_EQ(BUILDINGS[3].x, 0);
}

TEST(ArenaBuildings, OnlyTheSmallSideBuildingsAreStretched) {
    int stretched = 0;
    for (const BuildingPlace& b : BUILDINGS) {
        if (b.widthScale != 1) {
            ++stretched;
            EXPECT_EQ(b.model, BUILDING_SMALL);
            EXPECT_FLOAT_EQ(b.widthScale, 1.1f);
            EXPECT_FLOAT_EQ(std::abs(b.turn), 90);
        }
    }
    EXPECT_EQ(stretched, 4);
}

} // namespace
