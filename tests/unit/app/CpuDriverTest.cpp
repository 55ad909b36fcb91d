// The CPU in its seat: the stuck rule, what it throws at, and that a seat
// it drives hears nothing of its player's keys.

#include "../sim/KartOnTheField.h"
#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "app/cpu/CpuPlayers.h"
#include "app/cpu/Flat.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TICKS_PER_SECOND = 100;

// A kart that never gets anywhere, whatever it is told: the stuck rule's
// clock alone.
TEST(CpuStuckRule, BacksOutAfterThreeSecondsAndRespawnsAfterSix) {
    std::srand(1);
    auto world = std::make_unique<World>();
    world->setUp();
    Tactics tactics(*world);
    Kart kart = kartAt({30, 0, 50});
    Driver driver;
    driver.restart(kart.position);
    Aim aim;
    aim.point = {30, 0, 90};
    int firstReverse = -1, respawnAt = -1, respawns = 0;
    for (int tick = 0; tick < 7 * TICKS_PER_SECOND; ++tick) {
        const PlayerControls c = driver.drive(kart, tactics.grid, aim, TICK_SECONDS);
        if (c.held[ACTION_REVERSE] && firstReverse < 0)
            firstReverse = tick;
        if (c.held[ACTION_RESPAWN]) {
            respawns++;
            if (respawnAt < 0)
                respawnAt = tick;
        }
        if (tick < 3 * TICKS_PER_SECOND - 1) {
            EXPECT_TRUE(c.held[ACTION_THROTTLE] && !c.held[ACTION_REVERSE]) << tick;
        }
    }
    EXPECT_NEAR(firstReverse, 3 * TICKS_PER_SECOND, 2);
    EXPECT_NEAR(respawnAt, 6 * TICKS_PER_SECOND, 2);
    EXPECT_EQ(respawns, 1);
    EXPECT_EQ(driver.backOuts, 1);

    // Spinning out after a coconut is no sign of being stuck.
    Driver spun;
    kart.spinning = true;
    spun.restart(kart.position);
    for (int tick = 0; tick < 7 * TICKS_PER_SECOND; ++tick) {
        const PlayerControls c = spun.drive(kart, tactics.grid, aim, TICK_SECONDS);
        EXPECT_FALSE(c.held[ACTION_REVERSE] || c.held[ACTION_RESPAWN]) << tick;
    }
}

// One World for the matches below: set up once, its grid built once.
struct CpuSeat : ::testing::Test {
    static std::unique_ptr<World> world;

    static void SetUpTestSuite() {
        std::srand(1);
        world = std::make_unique<World>();
        world->setUp();
    }
    static void TearDownTestSuite() { world.reset(); }

    void SetUp() override {
        world->cpu.drives[0] = world->cpu.drives[1] = false;
        world->cpu.level = CPU_NORMAL;
        world->gameMode = GAME_RACE;
        world->startMatch();
        while (world->matchStatus.countdownShowing())
            playFrame(*world, TICK_SECONDS);
    }

    // Kart k at rest at a point, facing a heading, on its course as it was.
    static void place(int k, Vec3 at, float heading) {
        Kart& kart = world->karts[k];
        Kart placed = kartAt(at, k);
        placed.checkpoints = kart.checkpoints;
        face(placed, heading);
        kart = placed;
    }
    static void play(float seconds) {
        for (int i = 0; i < static_cast<int>(seconds * TICKS_PER_SECOND); ++i)
            playFrame(*world, TICK_SECONDS);
    }
    static const Driver& driver(int k) { return world->cpu.tactics->plans[k].driver; }
};
std::unique_ptr<World> CpuSeat::world;

// Nose to the lane's west wall, turned into the other kart parked against
// its flank: locked together, neither can drive off the other (a kart that
// touches another bounces back at its own speed, here none). At 3 s it backs
// out, to no avail; at 6 s it respawns, and from the field above it finds
// its way back to its first checkpoint.
TEST_F(CpuSeat, BoxedInByTheOtherKartItBacksOutThenRespawns) {
    toggleCpu(*world, 0);
    place(0, {-152.5f, -17.5f, 44}, -PI_F / 2);
    place(1, {-152.5f, -17.5f, 45.9f}, -PI_F / 2);
    int firstReverse = -1, respawnAt = -1;
    for (int tick = 0; tick < 30 * TICKS_PER_SECOND; ++tick) {
        playFrame(*world, TICK_SECONDS);
        const PlayerControls& c = world->cpu.last[0];
        if (c.held[ACTION_REVERSE] && firstReverse < 0)
            firstReverse = tick;
        if (c.held[ACTION_RESPAWN] && respawnAt < 0)
            respawnAt = tick;
        if (world->karts[0].checkpoints.index > 0)
            break;
    }
    EXPECT_NEAR(firstReverse, 3 * TICKS_PER_SECOND, 10);
    EXPECT_NEAR(respawnAt, 6 * TICKS_PER_SECOND, 10);
    EXPECT_EQ(driver(0).backOuts, 1);
    EXPECT_EQ(driver(0).respawns, 1);
    EXPECT_EQ(world->karts[0].checkpoints.index, 1) << "kart 1 never got to its first checkpoint";
}

// Its nose on the other kart's tail by the wall, it bounces off, turns
// away and drives round: no stuck rule needed.
TEST_F(CpuSeat, StuckBehindTheOtherKartItGetsRound) {
    toggleCpu(*world, 0);
    place(0, {-153.5f, -17.5f, 44}, 0);
    place(1, {-153.5f, -17.5f, 46}, 0);
    play(10);
    EXPECT_GE(world->karts[0].checkpoints.index, 1);
    EXPECT_EQ(driver(0).backOuts, 0);
    EXPECT_EQ(driver(0).respawns, 0);
}

// Dropped back onto the field (as a respawn does), far from its course on
// the lower level, it finds its way down to its next checkpoint.
TEST_F(CpuSeat, AfterARespawnItFindsItsCourseAgain) {
    toggleCpu(*world, 1);
    play(2);
    world->karts[1].respawn();
    play(40);
    EXPECT_GE(world->karts[1].checkpoints.index, 1);
    EXPECT_EQ(driver(1).respawns, 0);
}

// While the CPU has the seat its player's keys do nothing; the other
// player's keys drive as ever; and the seat and level last into the next
// match.
TEST_F(CpuSeat, TakesTheSeatFromItsPlayersKeysUntilHandedBack) {
    toggleCpu(*world, 1);
    keyDown(*world, 'm'); // player 2's reverse
    keyDown(*world, 'w'); // player 1's throttle
    play(1);
    EXPECT_GT(world->karts[1].speed, 3) << "the CPU drives kart 2 forward";
    EXPECT_GT(world->karts[0].speed, 3) << "player 1's key drives kart 1";

    cycleCpuLevel(*world);
    EXPECT_EQ(world->cpu.level, CPU_HARD);
    world->startMatch();
    EXPECT_TRUE(world->cpu.drives[1]);
    EXPECT_FALSE(world->cpu.drives[0]);
    EXPECT_EQ(world->cpu.level, CPU_HARD);
    cycleCpuLevel(*world);
    EXPECT_EQ(world->cpu.level, CPU_EASY);

    world->setPaused(true);
    toggleCpu(*world, 1);
    cycleCpuLevel(*world);
    EXPECT_TRUE(world->cpu.drives[1]) << "paused, F2 does nothing";
    EXPECT_EQ(world->cpu.level, CPU_EASY) << "paused, F3 does nothing";
    world->setPaused(false);

    toggleCpu(*world, 1);
    while (world->matchStatus.countdownShowing())
        playFrame(*world, TICK_SECONDS);
    keyDown(*world, 'm');
    play(1);
    EXPECT_LT(world->karts[1].speed, 0) << "handed back, player 2's reverse key is heard";
}

// A coconut flies 50 units a second along the thrower's heading and hits a
// kart it passes within about two units of.
TEST(CpuLineOfFire, ThrowsWhereTheCoconutWillMeetTheOtherKart) {
    Kart thrower = kartAt({30, 0, 50});
    Kart target = kartAt({30, 0, 70}, 1);
    EXPECT_TRUE(inLineOfFire(thrower, target, false)) << "straight ahead";
    target.position = {31.5f, 0, 80};
    EXPECT_TRUE(inLineOfFire(thrower, target, false)) << "a little to one side";
    target.position = {33, 0, 80};
    EXPECT_FALSE(inLineOfFire(thrower, target, false)) << "too far to one side";
    target.position = {30, 0, 30};
    EXPECT_FALSE(inLineOfFire(thrower, target, false)) << "behind";
    target.position = {30, 0, 130};
    EXPECT_FALSE(inLineOfFire(thrower, target, false)) << "out of range";

    // Crossing the line 25 ahead at 20 units a second, 10 short of it: the
    // coconut needs half a second to get there, when the kart will be on it.
    target.position = {40, 0, 75};
    target.speed = 20;
    target.heading = -PI_F / 2;
    EXPECT_TRUE(inLineOfFire(thrower, target, true));
    EXPECT_FALSE(inLineOfFire(thrower, target, false));
    // Going away from the line, the lead says no.
    target.heading = PI_F / 2;
    EXPECT_FALSE(inLineOfFire(thrower, target, true));
}

// The easy level never throws; the others throw at the kart ahead, then
// hold their fire a while: one coconut after another would keep the other
// kart spinning for good.
TEST_F(CpuSeat, ThrowsNowAndThenExceptAtTheEasyLevel) {
    for (CpuLevel level : {CPU_EASY, CPU_NORMAL, CPU_HARD}) {
        toggleCpu(*world, 0); // a fresh seat, nothing thrown yet
        world->cpu.level = level;
        int throws = 0;
        for (int tick = 0; tick < TICKS_PER_SECOND; ++tick) {
            place(0, {-145, -17.5f, 40}, 0);
            place(1, {-145, -17.5f, 60}, 0);
            playFrame(*world, TICK_SECONDS);
            throws += world->cpu.last[0].held[ACTION_FIRE] ? 1 : 0;
        }
        EXPECT_EQ(throws, level == CPU_EASY ? 0 : 1) << cpuLevelName(level);
        toggleCpu(*world, 0);
    }
}

} // namespace
