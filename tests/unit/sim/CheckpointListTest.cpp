#include "sim/CheckpointList.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(CheckpointList, PointsPastThe63rdAreRefusedAndNeverJoin) {
    CheckpointList list;
    for (int i = 0; i < 63; ++i)
        ASSERT_TRUE(list.add(static_cast<float>(i), 0, 0, 5));
    EXPECT_FALSE(list.add(100, 0, 0, 5));
    EXPECT_FALSE(list.add(200, 0, 0, 5));
    EXPECT_EQ(list.count, 63);
    EXPECT_FLOAT_EQ(list.points[63].x, 200); // the spare slot
    for (int i = 0; i < 62; ++i)
        list.advance();
    EXPECT_FLOAT_EQ(list.current().x, 62);
    EXPECT_FALSE(list.isFinished());
}

TEST(CheckpointList, PassingTheLastPointFinishesAndStaysOnIt) {
    CheckpointList list;
    list.add(0, 0, 0, 5);
    list.add(10, 0, 0, 5);
    EXPECT_FLOAT_EQ(list.current().x, 0);
    list.advance();
    EXPECT_FALSE(list.isFinished());
    list.advance();
    EXPECT_TRUE(list.isFinished());
    EXPECT_EQ(list.index, 1);
    EXPECT_TRUE(list.current().reached(10, 0, 1));
    list.advance();
    EXPECT_EQ(list.index, 1);
}

TEST(CheckpointList, ArrivingMeansStrictlyInside) {
    const Checkpoint point{1, 2, 3, 5};
    EXPECT_FALSE(point.reached(4, 6, 3)); // 3-4-5: exactly on the sphere
    EXPECT_TRUE(point.reached(4, 5.99f, 3));
    EXPECT_FALSE(point.reached(1, 2, 8.01f));
}

// What rand() gives after seeding with 99 and skipping some draws.
int randAfterSkipping(int draws) {
    std::srand(99);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand();
}

TEST(CheckpointList, ShuffleDrawsTwoNumbersPerPointAndKeepsEveryPoint) {
    CheckpointList one;
    one.add(7, 0, 0, 5);
    std::srand(99);
    one.shuffle();
    const int afterOne = std::rand();
    EXPECT_EQ(afterOne, randAfterSkipping(2));
    EXPECT_FLOAT_EQ(one.current().x, 7);

    CheckpointList five;
    for (int i = 0; i < 5; ++i)
        five.add(static_cast<float>(i), 0, 0, 5);
    std::srand(99);
    five.shuffle();
    const int afterFive = std::rand();
    EXPECT_EQ(afterFive, randAfterSkipping(10));
    float sum = 0, product = 1;
    for (int i = 0; i < 5; ++i) {
        sum += five.points[i].x;
        product *= five.points[i].x + 1;
    }
    EXPECT_EQ(sum, 10);
    EXPECT_EQ(product, 120);
}

} // namespace
