#include "sim/Ball.h"
#include "sim/Kart.h"

#include <gtest/gtest.h>

namespace {

Ball ballAt(float x, float z) {
    Ball ball;
    ball.reset(x, 3, z, 3);
    return ball;
}

TEST(Ball, LosesOnePercentPerUpdateAndStopsBelowAThousandth) {
    Ball ball = ballAt(0, 45);
    ball.velocityX = 0.0011f;
    ball.velocityZ = -0.5f;
    ball.step();
    EXPECT_FLOAT_EQ(ball.velocityX, 0.0011f * 0.99f);
    EXPECT_FLOAT_EQ(ball.position.z, 45 - 0.495f);
    EXPECT_FLOAT_EQ(ball.previousZ, 45);
    ball.step(); // 0.00107811 * 0.99 is still above 0.001
    ball.step();
    ball.step();
    ball.step();
    ball.step();
    ball.step();
    ball.step();
    ball.step();
    ball.step();
    EXPECT_EQ(ball.velocityX, 0);
    EXPECT_NE(ball.velocityZ, 0);
}

TEST(Ball, AKartTouchingItBouncesAndPushesItFromWhereItTouched) {
    Kart kart(0);
    kart.position = {0, 0, 58};
    kart.speed = 20;
    Ball ball = ballAt(1, 60);
    ball.kick(kart);
    EXPECT_TRUE(kart.bumping);
    EXPECT_FLOAT_EQ(kart.bumpSpeed, -20);
    EXPECT_FLOAT_EQ(ball.velocityX, 1 * 20 * 0.005f);
    EXPECT_FLOAT_EQ(ball.velocityZ, 2 * 20 * 0.005f);

    Kart still(1); // at rest: bounces, does not move the ball
    still.position = {1, 0, 61};
    Ball other = ballAt(1, 60);
    other.kick(still);
    EXPECT_TRUE(still.bumping);
    EXPECT_EQ(other.velocityX, 0);
    EXPECT_EQ(other.velocityZ, 0);

    Kart away(1);
    away.position = {4, 0, 60}; // exactly a radius away: no touch
    away.speed = 10;
    other.kick(away);
    EXPECT_FALSE(away.bumping);
}

TEST(Ball, BouncesOffAnEdgeItCrossesAndKeepsTheOtherMotion) {
    Ball ball = ballAt(101.5f, 45);
    ball.velocityX = 1;
    ball.velocityZ = 0.5f;
    ball.step();
    ball.bounce(-105, 105, 0, 90);
    EXPECT_FLOAT_EQ(ball.position.x, 101.5f); // back where it was
    EXPECT_FLOAT_EQ(ball.velocityX, -0.99f);
    EXPECT_FLOAT_EQ(ball.position.z, 45 + 0.495f);
    EXPECT_FLOAT_EQ(ball.velocityZ, 0.495f);
}

TEST(Ball, SlidesIntoEitherGoalAlikeAndThenIsIn) {
    for (float goalX : {107.0f, -107.0f}) {
        SCOPED_TRACE(goalX);
        Ball ball = ballAt(goalX > 0 ? 100 : -100, 45);
        EXPECT_TRUE(ball.nearGoal(goalX, 45));
        EXPECT_FALSE(ball.nearGoal(goalX, 45 + 7.6f));
        int updates = 0;
        while (!ball.isInGoal() && updates < 1000) {
            ball.slideIntoGoal(goalX, 45);
            ++updates;
        }
        EXPECT_TRUE(ball.isInGoal());
        EXPECT_EQ(ball.position.x, goalX);
        EXPECT_GT(updates, 300); // a 75th of the way per update
    }
}

} // namespace
