#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <gtest/gtest.h>

namespace {

struct FrameLoopTest : ::testing::Test {
    World world;
    FrameLoop loop;

    void SetUp() override { world.setUp(); }

    // Runs frames until the start countdown is over.
    int32_t runPastCountdown(int32_t now) {
        while (world.matchStatus.countdownActive) {
            now += 100;
            loop.simulate(world, now);
        }
        return now;
    }
};

TEST_F(FrameLoopTest, SetUpStartsATwoPlayerRaceWithItsCountdown) {
    EXPECT_EQ(world.playerCount, 2);
    EXPECT_EQ(world.gameMode, GAME_RACE);
    EXPECT_TRUE(world.matchStatus.countdownActive);
    EXPECT_FLOAT_EQ(world.matchStatus.countdownTime, 5);
    EXPECT_TRUE(world.matchStatus.showClock);
    EXPECT_FALSE(world.awaitingModeSelection);
}

TEST_F(FrameLoopTest, TheFirstFrameCountsFromClockZeroButAStallIsNotMadeUp) {
    // Loading took 1.5 s: only the quarter second the loop owns up to runs.
    FrameLoop::Step step = loop.simulate(world, 1500);
    EXPECT_TRUE(step.simulated);
    EXPECT_FLOAT_EQ(step.dt, 1.5f);
    EXPECT_EQ(step.ticks, 25);
    EXPECT_EQ(loop.backlog, 0);
    EXPECT_NEAR(world.matchStatus.countdownTime, 4.75f, 1e-4f);
}

TEST_F(FrameLoopTest, TheBacklogIsSpentInWholeTicks) {
    int32_t now = 0;
    loop.simulate(world, now);
    // A 0 ms frame runs nothing, yet is a frame of play that draws.
    FrameLoop::Step step = loop.simulate(world, now);
    EXPECT_TRUE(step.simulated);
    EXPECT_EQ(step.dt, 0.0f);
    EXPECT_EQ(step.ticks, 0);
    // 25 ms: two ticks, 5 ms carried over into the next frame.
    step = loop.simulate(world, now += 25);
    EXPECT_EQ(step.ticks, 2);
    EXPECT_EQ(loop.backlog, 5);
    EXPECT_FLOAT_EQ(loop.tickShare(), 0.5f);
    step = loop.simulate(world, now += 7);
    EXPECT_EQ(step.ticks, 1);
    EXPECT_EQ(loop.backlog, 2);
    // A stall of 4 s: 25 ticks, then on from where the game was.
    step = loop.simulate(world, now += 4000);
    EXPECT_EQ(step.ticks, 25);
    EXPECT_EQ(loop.backlog, 0);
    EXPECT_NEAR(world.matchStatus.countdownTime, 5 - 0.28f, 1e-4f);
}

TEST_F(FrameLoopTest, ATickThatLeavesForTheModeChoiceEndsTheFrame) {
    int32_t now = runPastCountdown(0);
    const float clock = world.matchStatus.matchClock;
    keyDown(world, '0');
    FrameLoop::Step step = loop.simulate(world, now += 95);
    EXPECT_TRUE(step.simulated); // the frozen picture is this frame's
    EXPECT_EQ(step.ticks, 1);
    EXPECT_EQ(loop.backlog, 0);
    EXPECT_TRUE(world.awaitingModeSelection);
    EXPECT_NEAR(world.matchStatus.matchClock, clock + 0.01f, 1e-5f);
}

TEST_F(FrameLoopTest, ModeSelectKeyIsIgnoredDuringTheCountdown) {
    keyDown(world, '0');
    loop.simulate(world, 1000);
    EXPECT_FALSE(world.awaitingModeSelection);
    // Still held when the countdown ends: now it takes effect.
    world.keyState[SLOT_MODE_SELECT] = 1;
    int32_t now = 1000;
    while (world.matchStatus.countdownShowing())
        loop.simulate(world, now += 500);
    loop.simulate(world, now += 16);
    EXPECT_TRUE(world.awaitingModeSelection);
}

TEST_F(FrameLoopTest, WaitingFramesNeitherDrawNorAdvanceTheWorld) {
    int32_t now = runPastCountdown(0);
    keyDown(world, '0');
    loop.simulate(world, now += 16);
    ASSERT_TRUE(world.awaitingModeSelection);
    keyUp(world, '0');
    float clock = world.matchStatus.matchClock;
    for (int i = 0; i < 5; ++i) {
        FrameLoop::Step step = loop.simulate(world, now += 1000);
        EXPECT_FALSE(step.simulated);
    }
    EXPECT_EQ(world.matchStatus.matchClock, clock);
}

TEST_F(FrameLoopTest, ChoosingAModeStartsItsMatchAndResetsTheClock) {
    int32_t now = runPastCountdown(0);
    keyDown(world, '0');
    loop.simulate(world, now += 16);
    keyDown(world, '6');
    FrameLoop::Step choosing = loop.simulate(world, now += 5000);
    EXPECT_FALSE(choosing.simulated);
    EXPECT_EQ(world.gameMode, GAME_TAG);
    EXPECT_FALSE(world.awaitingModeSelection);
    EXPECT_TRUE(world.matchStatus.countdownActive);
    EXPECT_EQ(world.matchStatus.matchClock, 0);
    // The match start released every key, the chosen one too.
    EXPECT_EQ(world.keyState[SLOT_CHOOSE_TAG], 0);
    // The long wait does not land in the next frame, nor any backlog.
    FrameLoop::Step next = loop.simulate(world, now + 20);
    EXPECT_FLOAT_EQ(next.dt, 0.02f);
    EXPECT_EQ(next.ticks, 2);
}

TEST_F(FrameLoopTest, RaceKeyWinsOverBallKey) {
    int32_t now = runPastCountdown(0);
    keyDown(world, '0');
    loop.simulate(world, now += 16);
    keyDown(world, '7');
    keyDown(world, '5');
    loop.simulate(world, now += 16);
    EXPECT_EQ(world.gameMode, GAME_RACE);
}

TEST_F(FrameLoopTest, PlayerCountKeysChangeOnlyTheDrawing) {
    keyDown(world, '1');
    EXPECT_EQ(world.playerCount, 1);
    keyDown(world, '2');
    EXPECT_EQ(world.playerCount, 2);
}

TEST(Input, KartKeysAreLowerCaseOnly) {
    EXPECT_EQ(KeyBindings{}.slotOf('q'), 0);
    EXPECT_EQ(KeyBindings{}.slotOf('w'), 1);
    EXPECT_EQ(KeyBindings{}.slotOf('r'), 9);
    EXPECT_EQ(KeyBindings{}.slotOf('u'), 10);
    EXPECT_EQ(KeyBindings{}.slotOf('y'), 19);
    EXPECT_EQ(KeyBindings{}.slotOf('W'), -1);
    EXPECT_EQ(KeyBindings{}.slotOf('c'), -1);
    EXPECT_EQ(KeyBindings{}.slotOf('5'), SLOT_CHOOSE_RACE);
    EXPECT_EQ(KeyBindings{}.slotOf('0'), SLOT_MODE_SELECT);
}

TEST(Input, PressAndReleaseSetAndClearTheSlot) {
    World world;
    keyDown(world, 'i');
    EXPECT_EQ(world.keyState[11], 1);
    // Let go once a tick has seen it: up at once.
    playFrame(world, TICK_SECONDS);
    EXPECT_EQ(world.keyState[11], 1);
    keyUp(world, 'i');
    EXPECT_EQ(world.keyState[11], 0);
}

TEST(Input, DuskSkyAndTitleBanner) {
    World world;
    keyDown(world, '3');
    EXPECT_FLOAT_EQ(world.skyColours.bottom[1], 151 / 255.0f);
    EXPECT_FLOAT_EQ(world.skyColours.top[0], 0.7f);
    keyDown(world, ';');
    EXPECT_TRUE(world.matchStatus.showTitle);
    keyUp(world, 'w');
    EXPECT_TRUE(world.matchStatus.showTitle);
    keyUp(world, ';');
    EXPECT_FALSE(world.matchStatus.showTitle);
}

TEST(MatchStatus, MessagesShowForTwoSeconds) {
    MatchStatus status;
    status.init(1280, 960);
    EXPECT_FLOAT_EQ(status.centreX, 640);
    EXPECT_FLOAT_EQ(status.centreY, 480);
    status.showGoal = true;
    status.step(1.0f);
    status.step(1.0f); // exactly 0 left: still showing
    EXPECT_TRUE(status.showGoal);
    status.step(0.01f);
    EXPECT_FALSE(status.showGoal);
    EXPECT_FLOAT_EQ(status.goalTime, 2);
}

TEST(MatchStatus, CountdownEndsAndStartsTheClockInTheSameStep) {
    MatchStatus status;
    status.init(1280, 960);
    status.beginCountdown();
    status.step(4.0f);
    EXPECT_TRUE(status.countdownShowing());
    status.step(1.5f);
    EXPECT_FALSE(status.countdownActive);
    EXPECT_TRUE(status.clockRunning);
    EXPECT_FLOAT_EQ(status.matchClock, 1.5f);
    EXPECT_FLOAT_EQ(status.countdownTime, 5);
    status.stopClock();
    status.step(1.0f);
    EXPECT_FLOAT_EQ(status.matchClock, 1.5f);
}

} // namespace
