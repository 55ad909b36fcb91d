#include "app/Input.h"
#include "app/World.h"
#include "assets/TextureSlots.h"
#include "sim/Arena.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ArenaLayoutTest : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();

    void SetUp() override { layOutArenaBoxes(world->scenery); }

    void expectBox(int slot, Vec3 centre, Vec3 size) {
        SCOPED_TRACE(slot);
        const SceneryObject& box = world->scenery[slot];
        EXPECT_TRUE(box.active);
        EXPECT_FLOAT_EQ(box.position.x, centre.x);
        EXPECT_FLOAT_EQ(box.position.y, centre.y);
        EXPECT_FLOAT_EQ(box.position.z, centre.z);
        EXPECT_FLOAT_EQ(box.width, size.x);
        EXPECT_FLOAT_EQ(box.height, size.y);
        EXPECT_FLOAT_EQ(box.length, size.z);
        EXPECT_FLOAT_EQ(box.yaw, 0);
    }
    void expectPost(int slot, float x, float z) { expectBox(slot, {x, 2, z}, {0.9f, 4, 0.9f}); }
};

TEST_F(ArenaLayoutTest, FillsExactlyTheFirst222Slots) {
    for (int i = 0; i < 222; ++i)
        EXPECT_TRUE(world->scenery[i].active) << i;
    for (int i = 222; i < SCENERY_SLOTS; ++i)
        EXPECT_FALSE(world->scenery[i].active) << i;
}

TEST_F(ArenaLayoutTest, PostRunsStepFiveFromTheirFirstPost) {
    expectPost(0, 17.5f, -0.45f);
    expectPost(17, 102.5f, -0.45f);
    expectPost(18, -17.5f, -0.45f);
    expectPost(35, -102.5f, -0.45f);
    expectPost(36, 17.5f, 90.45f);
    expectPost(71, -102.5f, 90.45f);
    expectPost(108, 105.45f, 2.5f);
    expectPost(114, 105.45f, 32.5f);
    expectPost(121, 105.45f, 87.5f);
    expectPost(129, -105.45f, 57.5f);
    expectPost(162, 140, 32.85f);
    expectPost(169, -115, 32.85f);
    expectPost(180, -140, 57.05f);
    expectPost(188, -20.85f, 100);
    expectPost(200, -20.85f, 160);
    expectPost(201, 20, 100);
    expectPost(213, 20, 160);
    expectPost(214, 27.5f, 99.5f);
    expectPost(221, -15, 99.5f);
}

TEST_F(ArenaLayoutTest, LongSideFencesAreMirrorImages) {
    for (int i = 0; i < 18; ++i) {
        EXPECT_FLOAT_EQ(world->scenery[18 + i].position.x, -world->scenery[i].position.x) << i;
        EXPECT_FLOAT_EQ(world->scenery[54 + i].position.x, -world->scenery[36 + i].position.x);
    }
    // The north street's rows are not: the west one stands further out.
    for (int i = 0; i < 13; ++i)
        EXPECT_NE(world->scenery[188 + i].position.x, -world->scenery[201 + i].position.x);
}

TEST_F(ArenaLayoutTest, GoalMouthsAreOpenBetweenTheirPosts) {
    // Nothing fences the short sides between the posts at z = 32.5 and 57.5.
    for (int i = 0; i < 222; ++i) {
        const SceneryObject& box = world->scenery[i];
        const bool onShortSide = std::abs(std::abs(box.position.x) - 105.45f) < 0.5f;
        const bool aboveGround = box.position.y - box.height / 2 >= 0;
        if (onShortSide && aboveGround) {
            const bool inMouth =
                box.position.z + box.length / 2 > 33 && box.position.z - box.length / 2 < 57;
            EXPECT_FALSE(inMouth) << i;
        }
    }
}

struct PlacementCount {
    int palms = 0, lamps = 0, others = 0;
};

PlacementCount count(const std::vector<Placement>& list) {
    PlacementCount c;
    for (const Placement& p : list)
        ++(p.look == LOOK_PALM ? c.palms : p.look == LOOK_LAMP ? c.lamps : c.others);
    return c;
}

struct PlacementTest : ::testing::Test {};

TEST_F(PlacementTest, PalmRowsComeFirstAndGoalLampsLast) {
    std::srand(1);
    std::vector<Placement> list;
    fillPlacements(list);
    ASSERT_GE(list.size(), 28u);
    const SpriteLook palm = LOOK_PALM, lamp = LOOK_LAMP;
    for (int i = 0; i < 6; ++i) {
        const float out = 135.0f + 5 * i;
        const float expected[4][2] = {{-out, 35}, {-out, 55}, {out, 35}, {out, 55}};
        for (int j = 0; j < 4; ++j) {
            const Placement& p = list[4 * i + j];
            EXPECT_EQ(p.look, palm);
            EXPECT_FLOAT_EQ(p.x, expected[j][0]);
            EXPECT_FLOAT_EQ(p.z, expected[j][1]);
        }
    }
    // The first cross: (-80, 25).
    EXPECT_EQ(list[24].look, lamp);
    EXPECT_FLOAT_EQ(list[24].x, -70);
    EXPECT_FLOAT_EQ(list[25].z, 35);
    EXPECT_FLOAT_EQ(list[26].x, -90);
    EXPECT_FLOAT_EQ(list[27].z, 15);
    const float goalLamps[4][2] = {{155, 47.5f}, {155, 42.5f}, {-155, 47.5f}, {-155, 42.5f}};
    for (int j = 0; j < 4; ++j) {
        const Placement& p = list[list.size() - 4 + j];
        EXPECT_EQ(p.look, lamp);
        EXPECT_FLOAT_EQ(p.x, goalLamps[j][0]);
        EXPECT_FLOAT_EQ(p.z, goalLamps[j][1]);
    }
}

TEST_F(PlacementTest, ScatteredPalmsStayNearTheirCrossesForAnySeed) {
    const int crossX[4] = {-80, -40, 40, 80};
    for (unsigned seed = 0; seed < 200; ++seed) {
        std::srand(seed);
        std::vector<Placement> list;
        fillPlacements(list);
        const PlacementCount c = count(list);
        ASSERT_EQ(c.lamps, 36);
        ASSERT_EQ(c.others, 0);
        ASSERT_GE(c.palms, 48);
        ASSERT_LE(c.palms, 80);
        ASSERT_EQ(list.size(), static_cast<size_t>(c.palms + c.lamps));

        // Walk the crosses: four lamps, then that cross's palms.
        size_t i = 24;
        for (int e : {25, 65}) {
            for (int f : crossX) {
                i += 4;
                int palms = 0;
                while (i < list.size() - 4 && list[i].look == LOOK_PALM) {
                    ASSERT_GE(list[i].x, f - 10);
                    ASSERT_LE(list[i].x, f + 9);
                    ASSERT_GE(list[i].z, e - 10);
                    ASSERT_LE(list[i].z, e + 9);
                    ++palms;
                    ++i;
                }
                ASSERT_GE(palms, 3);
                ASSERT_LE(palms, 7);
            }
        }
        ASSERT_EQ(i, list.size() - 4);
    }
}

TEST_F(PlacementTest, TheScatterFollowsTheSeed) {
    std::vector<Placement> a, b, c;
    std::srand(7);
    fillPlacements(a);
    std::srand(7);
    fillPlacements(b);
    std::srand(8);
    fillPlacements(c);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].x, b[i].x);
        EXPECT_EQ(a[i].z, b[i].z);
    }
    bool differs = a.size() != c.size();
    for (size_t i = 0; !differs && i < a.size(); ++i)
        differs = a[i].x != c[i].x || a[i].z != c[i].z;
    EXPECT_TRUE(differs);
}

TEST(ArenaSetUp, KartsCamerasCloudsAndSpritesAreReadyForTheFirstRace) {
    auto world = std::make_unique<World>();
    world->setUp();

    EXPECT_EQ(world->karts[0].id, 0);
    EXPECT_EQ(world->karts[1].id, 1);
    EXPECT_FLOAT_EQ(world->karts[0].position.x, -150);
    EXPECT_FLOAT_EQ(world->karts[0].position.y, -17);
    EXPECT_FLOAT_EQ(world->karts[0].position.z, 43);
    EXPECT_FLOAT_EQ(world->karts[1].position.x, -145);
    EXPECT_EQ(world->karts[0].colour[2], 110);
    EXPECT_EQ(world->karts[1].colour[1], 110);

    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(world->cameras[i].kart, &world->karts[i]);
        EXPECT_EQ(world->cameras[i].mode, CAMERA_FAR);
    }
    EXPECT_EQ(world->clouds[1].sprite.look, LOOK_CLOUD_2);
    EXPECT_FLOAT_EQ(world->clouds[2].distance, 100);
    EXPECT_FLOAT_EQ(world->clouds[2].angle, 90);
    EXPECT_FLOAT_EQ(world->clouds[0].sprite.position.y, 5);
    EXPECT_EQ(world->moonSprite.look, LOOK_MOON);
    EXPECT_FLOAT_EQ(world->moonSprite.position.z, -160);
    EXPECT_FLOAT_EQ(world->palmSprite.height, 15);
    EXPECT_FLOAT_EQ(world->lampSprite.halfWidth, 0.5f);
    EXPECT_TRUE(world->scenery[221].active);

    world->update(2);
    EXPECT_FLOAT_EQ(world->clouds[0].angle, 2);
    EXPECT_FLOAT_EQ(world->clouds[2].angle, 96);
}

TEST(ArenaSetUp, ASecondSetUpLaysOutTheSameArenaNotASecondOne) {
    auto world = std::make_unique<World>();
    std::srand(5);
    world->setUp();
    const std::vector<Placement> first = world->placements;
    std::srand(5);
    world->setUp();
    ASSERT_EQ(world->placements.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(world->placements[i].x, first[i].x);
        EXPECT_EQ(world->placements[i].z, first[i].z);
        EXPECT_EQ(world->placements[i].look, first[i].look);
    }
}

TEST(ArenaSetUp, AModeWithoutAStartLeavesTheKartsAboveTheField) {
    auto world = std::make_unique<World>();
    world->gameMode = GAME_COLLECT;
    world->startMatch();
    EXPECT_FLOAT_EQ(world->karts[0].position.y, 30);
    EXPECT_FLOAT_EQ(world->karts[0].position.x, 5);
    EXPECT_FLOAT_EQ(world->karts[1].position.x, -5);
}

TEST(ArenaSetUp, CameraKeysCycleOnlyTheirOwnPlayersCamera) {
    auto world = std::make_unique<World>();
    world->setUp();
    keyDown(*world, 'c');
    EXPECT_EQ(world->cameras[0].mode, CAMERA_DRIVER);
    EXPECT_EQ(world->cameras[1].mode, CAMERA_FAR);
    keyDown(*world, 'n');
    keyDown(*world, 'n');
    EXPECT_EQ(world->cameras[1].mode, CAMERA_CLOSE);
    EXPECT_EQ(world->cameras[0].mode, CAMERA_DRIVER);
}

} // namespace
