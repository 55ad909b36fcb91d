// The CPU driver's picture of the game, checked against the game itself:
// its model of the steering and the slide against a kart's, and its grid
// against the arena.

#include "app/cpu/Driver.h"
#include "app/cpu/NavGrid.h"

#include "app/FrameLoop.h"
#include "app/World.h"
#include "assets/TextureSlots.h"
#include "sim/Kart.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

Kart rollingKart(float turnRate) {
    Kart kart(0);
    kart.position = {30, 0, 50}; // level field, off the pads
    kart.settleWheels();
    kart.speed = 10;
    kart.turnRate = turnRate;
    return kart;
}

// The steering is picked by what it does over the next step: when the
// kart's rules change, this picture of them must change too.
TEST(CpuSteering, PredictsTheKartsOwnTurnRate) {
    for (float dt : {TICK_SECONDS, 0.02f, 0.033f, 0.1f})
        for (float t : {-1.5f, -0.6f, -0.1f, 0.0f, 0.1f, 0.6f, 1.5f})
            for (int direction : {-1, 0, 1}) {
                Kart kart = rollingKart(t);
                kart.setThrottle(true);
                kart.steer(direction);
                kart.update(dt);
                EXPECT_FLOAT_EQ(kart.turnRate, turnRateAfter(t, direction, dt))
                    << "a step of " << dt << " s from " << t << " steering " << direction;
            }
    // To raise the heading (a negative turn rate), steer its own way.
    EXPECT_EQ(steerToward(0, -1, TICK_SECONDS), 1);
    EXPECT_EQ(steerToward(0, 1, TICK_SECONDS), -1);
}

// A slide into a turn pushes the kart off its heading: the driver steers by
// the way it actually goes. Turning, the kart pivots on a rear wheel, so the
// slide's share is what one sliding kart does beyond its twin that is not.
TEST(CpuSteering, KnowsWhichWayASlidingKartGoes) {
    const auto step = [](float turn, float slide, float* predicted) {
        Kart kart = rollingKart(turn);
        kart.heading = 0.3f;
        kart.forward = {std::sin(kart.heading), 0, std::cos(kart.heading)};
        kart.slide = slide;
        kart.slideRate = slide > 0 ? 20 : slide < 0 ? -20 : 0;
        *predicted = travelHeading(kart) - kart.heading;
        const Vec3 from = kart.position;
        kart.update(TICK_SECONDS);
        return std::atan2(kart.position.x - from.x, kart.position.z - from.z);
    };
    for (float turn : {-1.2f, -0.3f, 0.3f, 1.2f}) {
        float none = 0;
        const float straight = step(turn, 0, &none);
        EXPECT_EQ(none, 0);
        for (float slide : {-5.0f, -2.5f, 2.5f, 5.0f}) {
            float predicted = 0;
            const float went = step(turn, slide, &predicted) - straight;
            EXPECT_NEAR(went, predicted, 0.035f) << "slide " << slide << ", turning " << turn;
        }
    }
}

struct ArenaGrid : ::testing::Test {
    static std::unique_ptr<World> world;
    static std::unique_ptr<NavGrid> grid;

    static void SetUpTestSuite() {
        std::srand(1);
        world = std::make_unique<World>();
        world->setUp();
        grid = std::make_unique<NavGrid>();
        buildNavGrid(*grid, *world);
    }
};
std::unique_ptr<World> ArenaGrid::world;
std::unique_ptr<NavGrid> ArenaGrid::grid;

TEST_F(ArenaGrid, StandsAKartOnTheLevelItIsOn) {
    const NodeId start = grid->nodeAt(world->karts[0].position);
    ASSERT_NE(start, NO_NODE);
    EXPECT_FLOAT_EQ(grid->pointOf(start).y, -17.5f);
    const NodeId above = grid->nodeAt({-150, 0.2f, 43});
    ASSERT_NE(above, NO_NODE);
    EXPECT_FLOAT_EQ(grid->pointOf(above).y, 0.2f);
    // High in the air after a respawn: the field under it.
    EXPECT_FLOAT_EQ(grid->pointOf(grid->nodeAt({0, 400, 10})).y, 0);
}

TEST_F(ArenaGrid, LinesStopAtWallsPostsAndPoles) {
    const auto clear = [this](Vec3 a, Vec3 b) {
        return grid->clearLine(a, grid->nodeAt(a), b, 1.3f);
    };
    EXPECT_TRUE(clear({-60, 0, 45}, {60, 0, 45}));
    EXPECT_TRUE(clear({0, 0, 60}, {0, 0.2f, -5}));         // the south fence's gap
    EXPECT_FALSE(clear({32.5f, 0, 5}, {32.5f, 0.2f, -5})); // a fence post
    EXPECT_FALSE(clear({60, 0, 25}, {100, 0, 25}));        // a lamp at (70, 25)
    EXPECT_TRUE(clear({0, -15, 25}, {-60, -10, 25}));      // along the south tunnel
    EXPECT_FALSE(clear({0, -15, 25}, {0, -15, 40}));       // into the rock under the field
}

// The field's level and the lower circuit join only on the corner ramps.
TEST_F(ArenaGrid, LevelsMeetOnlyOnTheCornerRamps) {
    int joins = 0;
    NodeId around[8];
    float cost[8];
    constexpr int CELLS = NavGrid::COLUMNS * NavGrid::ROWS;
    for (NodeId n = 0; n < CELLS; ++n) {
        if (!grid->isFree(n))
            continue;
        const int count = grid->neighbours(n, around, cost);
        for (int i = 0; i < count; ++i) {
            if (around[i] < CELLS)
                continue;
            ++joins;
            const Vec3 p = grid->pointOf(n);
            EXPECT_TRUE(std::fabs(p.x) > 115 && std::fabs(p.x) < 125) << p.x << ", " << p.z;
            EXPECT_TRUE((p.z > -10 && p.z < 0) || (p.z > 90 && p.z < 100)) << p.x << ", " << p.z;
        }
    }
    EXPECT_GT(joins, 4 * 3); // each ramp is more than a cell wide
}

// Each kart's course can be driven point after point, from its start.
TEST_F(ArenaGrid, TheRaceCourseLeadsOnFromEveryCheckpoint) {
    for (const Kart& kart : world->karts) {
        const CheckpointList& course = kart.checkpoints;
        Vec3 from = kart.position;
        RouteField field;
        for (int i = 0; i < 12; ++i) {
            const Checkpoint& c = course.points[i];
            const std::vector<NodeId> goals = nodesNear(*grid, {c.x, c.y, c.z}, c.radius - 1);
            ASSERT_FALSE(goals.empty()) << "no ground inside checkpoint " << i + 1;
            searchFrom(*grid, goals, field);
            EXPECT_TRUE(field.reaches(grid->nodeAt(from)))
                << "kart " << kart.id + 1 << " cannot get to checkpoint " << i + 1;
            from = {c.x, c.y, c.z};
        }
    }
}

} // namespace
