#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct MatchRulesTest : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();

    void SetUp() override { world->setUp(); }

    void start(GameMode mode) {
        world->gameMode = mode;
        world->startMatch();
    }
    // Frames of play with no key held, past the countdown if it is on.
    void play(int frames, float dt = 0.02f) {
        for (int i = 0; i < frames; ++i)
            playFrame(*world, dt);
    }
    void passCountdown() {
        while (world->matchStatus.countdownActive)
            playFrame(*world, 0.02f);
    }
    // Puts a kart on a point, at rest, as if it had driven there.
    void park(Kart& kart, Vec3 at) {
        kart.position = at;
        kart.settleWheels();
    }
};

TEST_F(MatchRulesTest, RaceCountsOnlyTheCurrentCheckpoint) {
    start(GAME_RACE);
    Kart& kart = world->karts[0];
    EXPECT_EQ(kart.checkpoints.count, 36);
    EXPECT_FLOAT_EQ(world->karts[1].checkpoints.points[5].x, -0.5f);
    EXPECT_FLOAT_EQ(world->karts[1].checkpoints.points[5].z, 134.5f);
    passCountdown();
    // Checkpoint 2 before checkpoint 1: nothing.
    park(kart, {0.25f, 0, 92.25f});
    play(1);
    EXPECT_EQ(kart.checkpoints.index, 0);
    park(kart, {-140, -10, 95});
    play(1);
    EXPECT_EQ(kart.checkpoints.index, 1);
    play(1); // still inside it: the next one is the target now
    EXPECT_EQ(kart.checkpoints.index, 1);
}

TEST_F(MatchRulesTest, FinishingRaisesTheWinAndFreezesTheClockWhileItShows) {
    start(GAME_RACE);
    passCountdown();
    play(50);
    Kart& kart = world->karts[1];
    kart.checkpoints.index = 35;
    const Checkpoint last = kart.checkpoints.current();
    park(kart, {last.x, last.y, last.z});
    play(1);
    EXPECT_TRUE(kart.checkpoints.isFinished());
    EXPECT_TRUE(world->matchStatus.showP2Wins);
    EXPECT_FALSE(world->matchStatus.showP1Wins);
    const float finish = world->matchStatus.matchClock;
    play(400); // 8 s: the message expires and is raised again
    EXPECT_EQ(world->matchStatus.matchClock, finish);
    EXPECT_TRUE(world->matchStatus.showP2Wins);
}

TEST_F(MatchRulesTest, ItsClockRunsOnlyOutsideTheCooldownAndAMeetingSwapsOnce) {
    start(GAME_TAG);
    EXPECT_TRUE(world->karts[0].isIt);
    EXPECT_FALSE(world->karts[1].isIt);
    play(100); // the countdown: no clock runs
    EXPECT_FLOAT_EQ(world->karts[0].tagClock, 120);
    passCountdown();
    play(50);
    EXPECT_NEAR(world->karts[0].tagClock, 119, 0.01f);
    EXPECT_FLOAT_EQ(world->karts[1].tagClock, 120);

    // Kart 2 drives into kart 1 and they stay together.
    Kart& first = world->karts[0];
    Kart& second = world->karts[1];
    park(first, {-150, -15, 60});
    park(second, {-150, -15, 61});
    play(2); // the first step poses their boxes, the second finds them touching
    EXPECT_FALSE(first.isIt);
    EXPECT_TRUE(second.isIt);
    const float firstClock = first.tagClock, secondClock = second.tagClock;
    for (int i = 0; i < 90; ++i) { // 1.8 s of contact: no second swap, no clock
        park(first, {-150, -15, 60});
        park(second, {-150, -15, 61});
        play(1);
    }
    EXPECT_TRUE(second.isIt);
    EXPECT_EQ(first.tagClock, firstClock);
    EXPECT_EQ(second.tagClock, secondClock);
    // Apart now, kart 2's clock runs once the two seconds are out.
    park(second, {-150, -15, 80});
    play(20);
    EXPECT_LT(second.tagClock, secondClock);
    EXPECT_EQ(first.tagClock, firstClock);
}

TEST_F(MatchRulesTest, AClockAtZeroGivesTheOtherPlayerTheWin) {
    start(GAME_TAG);
    passCountdown();
    world->karts[0].tagClock = 0.01f;
    play(1);
    EXPECT_LE(world->karts[0].tagClock, 0);
    play(1);
    EXPECT_TRUE(world->matchStatus.showP2Wins);
    EXPECT_FALSE(world->matchStatus.showP1Wins);
    const float stopped = world->karts[0].tagClock;
    play(10);
    EXPECT_EQ(world->karts[0].tagClock, stopped);
}

TEST_F(MatchRulesTest, TwoGoalsRestoreTheKickOffAndTheThirdWins) {
    start(GAME_BALL);
    EXPECT_FLOAT_EQ(world->ball.position.z, 60);
    passCountdown();
    for (int goal = 1; goal <= 3; ++goal) {
        world->ball.position = {-100, 3, 45};          // in reach of player 2's goal
        world->karts[1].position = {-140, -17.5f, 43}; // far below, out of the way
        int frames = 0;
        while (world->karts[1].goals < goal && frames++ < 2000)
            play(1);
        ASSERT_EQ(world->karts[1].goals, goal);
        EXPECT_TRUE(world->matchStatus.showGoal);
        if (goal < 3) {
            EXPECT_FLOAT_EQ(world->ball.position.x, 0);
            EXPECT_FLOAT_EQ(world->karts[0].position.x, -10);
            EXPECT_FLOAT_EQ(world->karts[1].position.x, 10);
            EXPECT_FALSE(world->matchStatus.showP2Wins);
        }
    }
    EXPECT_TRUE(world->matchStatus.showP2Wins);
    EXPECT_FALSE(world->matchStatus.showP1Wins);
    play(3); // the ball stays in, and the count keeps rising
    EXPECT_EQ(world->karts[1].goals, 6);
    EXPECT_FLOAT_EQ(world->ball.position.x, -107);
}

TEST_F(MatchRulesTest, KickOffDropsBothKartsOntoTheField) {
    start(GAME_BALL);
    passCountdown();
    world->karts[0].goals = 0;
    world->ball.position = {107, 3, 45};
    world->ball.inGoal = true;
    play(1);
    ASSERT_EQ(world->karts[0].goals, 1);
    play(150);
    for (const Kart& kart : world->karts) {
        EXPECT_NEAR(kart.position.y, 0, 0.5f); // on the field, not in the rock below it
        EXPECT_NEAR(kart.position.z, 30, 3);
    }
}

TEST_F(MatchRulesTest, AMessageShowsForTwoSeconds) {
    start(GAME_TAG);
    passCountdown();
    world->matchStatus.showGoal = true;
    play(99); // 1.98 s
    EXPECT_TRUE(world->matchStatus.showGoal);
    play(2);
    EXPECT_FALSE(world->matchStatus.showGoal);
    EXPECT_FLOAT_EQ(world->matchStatus.goalTime, 2);
}

TEST_F(MatchRulesTest, FiringThrowsACoconutAndHoldingFiresAgainAfterTheCooldown) {
    start(GAME_RACE);
    passCountdown();
    testing::internal::CaptureStdout();
    keyDown(*world, 'r');
    keyDown(*world, 'y');
    play(1);
    EXPECT_EQ(world->projectiles.liveCount, 2);
    EXPECT_EQ(world->projectiles.slots[0].owner, 0);
    EXPECT_FLOAT_EQ(world->projectiles.slots[0].velocity.z, 1);
    play(14); // 0.28 s: still cooling down
    EXPECT_EQ(world->projectiles.liveCount, 2);
    play(2);
    EXPECT_EQ(world->projectiles.liveCount, 4);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "adding projectile!\nadding projectile!\n");
    keyUp(*world, 'r');
    keyUp(*world, 'y');
}

TEST_F(MatchRulesTest, TheCollectCourseFillsUpOverManyStartsAndSaysSo) {
    std::FILE* said = std::tmpfile();
    world->diagnostics = said;
    for (int i = 0; i < 13; ++i)
        start(GAME_COLLECT);
    world->diagnostics = stdout;
    EXPECT_EQ(world->goalList.count, 63);
    std::rewind(said);
    char line[128] = {};
    int lines = 0;
    while (std::fgets(line, sizeof line, said) != nullptr) {
        EXPECT_STREQ(line, "warning, loaded too many checkpoints\n");
        ++lines;
    }
    std::fclose(said);
    EXPECT_EQ(lines, 2); // 13 starts of five points: two past the 63rd
}

} // namespace
