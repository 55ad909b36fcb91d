// What each kind of match checks on every step, and when a player has won.

#include "app/World.h"

namespace {

constexpr float KICK_OFF_Y = 5; // the karts drop back onto the field from here
constexpr Vec3 KICK_OFF[2] = {{-10, KICK_OFF_Y, 30}, {10, KICK_OFF_Y, 30}};
constexpr int GOALS_TO_WIN = 3;
constexpr float FIELD_MIN_X = -105, FIELD_MAX_X = 105, FIELD_MIN_Z = 0, FIELD_MAX_Z = 90;
// A tag clock that falls below this tells its player to hurry.
constexpr float HURRY_UP_SECONDS = 10;

} // namespace

void World::raceStep() {
    for (Kart& kart : karts) {
        CheckpointList& course = kart.checkpoints;
        if (course.current().reached(kart.position.x, kart.position.y, kart.position.z))
            course.advance();
    }
    // A finished list stays finished: its message is raised again every step.
    if (karts[0].checkpoints.isFinished()) {
        matchStatus.showP1Wins = true;
        matchStatus.stopClock();
    }
    if (karts[1].checkpoints.isFinished()) {
        matchStatus.showP2Wins = true;
        matchStatus.stopClock();
    }
}

void World::collectStep() {
    const Checkpoint& point = goalList.current();
    for (Kart& kart : karts) {
        if (point.reached(kart.position.x, kart.position.y, kart.position.z)) {
            goalList.advance();
            ++kart.score;
            return; // kart 1 wins a tie
        }
    }
}

void World::tagStep(float dt) {
    if (karts[0].tagClock <= 0) {
        matchStatus.showP2Wins = true;
        return;
    }
    if (karts[1].tagClock <= 0) {
        matchStatus.showP1Wins = true;
        return;
    }
    // Neither clock runs while "it" has just changed hands.
    if (tagCooldown > 0 || matchStatus.countdownActive)
        return;
    Kart& it = karts[0].isIt ? karts[0] : karts[1];
    if (!it.isIt)
        return;
    const bool hurried = it.tagClock < HURRY_UP_SECONDS;
    it.tagClock -= dt;
    if (!hurried && it.tagClock < HURRY_UP_SECONDS)
        matchStatus.showHurryUp = true;
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
    ball.bounce(FIELD_MIN_X, FIELD_MAX_X, FIELD_MIN_Z, FIELD_MAX_Z);
}

void World::applyRules(float dt) {
    switch (gameMode) {
    case GAME_RACE:
        raceStep();
        break;
    case GAME_COLLECT:
        collectStep();
        break;
    case GAME_TAG:
        tagStep(dt);
        break;
    case GAME_BALL:
        ballStep();
        break;
    default:
        break;
    }
}
