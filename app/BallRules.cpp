// The ball game: push the ball into the other player's goal; a goal sends
// karts and ball back to the kick-off, and three goals win.

#include "app/World.h"

namespace {

constexpr int GOALS_TO_WIN = 3;

} // namespace

void World::startBall() {
    moveToRaceStart();
    ball.reset(BALL_START.x, BALL_START.y, BALL_START.z, BALL_RADIUS);
    matchStatus.beginCountdown();
}

// The karts go back to the kick-off, positions only: they drop onto the
// field with the speed and heading they had.
void World::kickOff() {
    for (int k = 0; k < 2; ++k) {
        karts[k].position = KICK_OFF[k];
        // Wheels left on the lower level would put a kart inside the rock
        // under the field; set them under the kart, as a match start does.
        karts[k].settleWheels();
    }
    ball.reset(BALL_START.x, BALL_START.y, BALL_START.z, BALL_RADIUS);
}

void World::ballStep() {
    ball.step();
    for (int k = 0; k < 2; ++k) {
        const float goalX = GOAL_POINTS[k].x, goalZ = GOAL_POINTS[k].z;
        if (!ball.nearGoal(goalX, goalZ))
            continue;
        // Near a goal the ball is neither kicked nor bounced: it slides in,
        // and counts on the step after it settles.
        ball.velocityX = ball.velocityZ = 0;
        if (!ball.isInGoal()) {
            ball.slideIntoGoal(goalX, goalZ);
            return;
        }
        Kart& scorer = karts[k];
        ++scorer.goals;
        // After the winning goal the ball stays in, and the count keeps rising.
        if (scorer.goals <= GOALS_TO_WIN)
            matchStatus.showGoal = true;
        if (scorer.goals >= GOALS_TO_WIN)
            (k == 0 ? matchStatus.showP1Wins : matchStatus.showP2Wins) = true;
        else
            kickOff();
        return;
    }
    ball.kick(karts[0]);
    ball.kick(karts[1]);
    ball.bounce(BALL_FIELD_MIN_X, BALL_FIELD_MAX_X, BALL_FIELD_MIN_Z, BALL_FIELD_MAX_Z);
}
