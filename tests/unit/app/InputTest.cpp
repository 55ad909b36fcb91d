#include "app/Input.h"
#include "../sim/KartOnTheField.h"
#include "app/World.h"
#include "support/Sound.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// Both karts on the field and every key up; keys pressed through the real
// callbacks, then one tick's input (its taps let go after it, as playFrame
// does).
struct InputTest : ::testing::Test {
    World world;
    Kart& kart1 = world.karts[0];
    Kart& kart2 = world.karts[1];

    void SetUp() override {
        kart1 = kartAt({30, 0, 50}, 0);
        kart2 = kartAt({-30, 0, 50}, 1);
    }

    void hold(const char* keys) {
        for (const char* key = keys; *key; ++key)
            keyDown(world, static_cast<unsigned char>(*key));
    }
    void release(const char* keys) {
        for (const char* key = keys; *key; ++key)
            keyUp(world, static_cast<unsigned char>(*key));
    }
    void tick() {
        applyInput(world);
        world.releaseTaps();
    }
};

TEST_F(InputTest, KartKeysHaveLowerCaseSlotsAndCapitalsDriveThemToo) {
    const char* keys = "qwevasdfxruiobjklhmy";
    for (int slot = 0; slot < 20; ++slot) {
        EXPECT_EQ(world.bindings.slotOf(static_cast<unsigned char>(keys[slot])), slot)
            << keys[slot];
        EXPECT_EQ(world.bindings.slotOf(static_cast<unsigned char>(keys[slot] - 'a' + 'A')), -1);
    }
    // Caps lock or shift: the same keys.
    hold("WAF");
    tick();
    EXPECT_FLOAT_EQ(kart1.acceleration, 50); // boost over throttle
    EXPECT_FLOAT_EQ(kart1.turnRate, -0.2f);  // as the lower-case steer-left key
    // Pressed in one case and let go in the other, a key is one key.
    release("waf");
    for (int slot : {ACTION_THROTTLE, ACTION_STEER_LEFT, ACTION_BOOST})
        EXPECT_EQ(world.keyState[slot], 0) << slot;
    hold("u");
    tick();
    release("U");
    EXPECT_EQ(world.keyState[KART_ACTIONS + ACTION_SLIDE_LEFT], 0);
    // The game's own letter keys as well.
    world.cameras[0].mode = CAMERA_FAR;
    hold("C");
    EXPECT_EQ(world.cameras[0].mode, CAMERA_DRIVER);
    hold("P");
    EXPECT_TRUE(world.paused);
    hold("p");
    EXPECT_FALSE(world.paused);
}

TEST_F(InputTest, OppositeSteerKeysCancelAndTheFirstSlideKeyWins) {
    hold("ad");
    hold("jl");
    hold("qe");
    hold("o");
    tick();
    EXPECT_EQ(kart1.turnRate, 0);
    EXPECT_EQ(kart2.turnRate, 0);
    EXPECT_EQ(kart1.slideRate, 20);
    EXPECT_EQ(kart2.slideRate, -20);

    release("dj");
    tick();
    EXPECT_FLOAT_EQ(kart1.turnRate, -0.2f);
    EXPECT_FLOAT_EQ(kart2.turnRate, 0.2f);
}

TEST_F(InputTest, TheLastControlThatAppliesSetsTheAcceleration) {
    kart1.speed = kart2.speed = 5;
    hold("wfsx");
    hold("ihkm");
    auto accelerations = [&](float expected) {
        tick();
        EXPECT_FLOAT_EQ(kart1.acceleration, expected);
        EXPECT_FLOAT_EQ(kart2.acceleration, expected);
    };
    accelerations(-15); // reverse
    release("xm");
    accelerations(-20); // brake
    EXPECT_EQ(kart1.braking, 1);
    release("sk");
    accelerations(50); // boost
    release("fh");
    accelerations(15); // throttle
    EXPECT_EQ(kart1.braking, 0);
    release("wi");
    accelerations(-4); // rolling resistance

    // The brake only holds back a kart rolling forwards.
    kart1.speed = 0;
    hold("ws");
    tick();
    EXPECT_FLOAT_EQ(kart1.acceleration, 15);
    EXPECT_EQ(kart1.braking, 1);
}

TEST_F(InputTest, RespawnKeysDropTheirOwnKart) {
    hold("v");
    tick();
    EXPECT_FLOAT_EQ(kart1.position.y, 400);
    EXPECT_FLOAT_EQ(kart2.position.y, 0);
    release("v");
    hold("b");
    tick();
    EXPECT_FLOAT_EQ(kart2.position.y, 400);
}

TEST_F(InputTest, TheModeKeyStopsEveryOtherControlThatFrame) {
    hold("0wvaqf");
    tick();
    EXPECT_TRUE(world.awaitingModeSelection);
    EXPECT_EQ(kart1.acceleration, 0);
    EXPECT_EQ(kart1.turnRate, 0);
    EXPECT_EQ(kart1.slideRate, 0);
    EXPECT_FLOAT_EQ(kart1.position.y, 0);
}

TEST_F(InputTest, CameraKeysTurnOnlyTheirPlayersViewOnPress) {
    world.cameras[0].mode = world.cameras[1].mode = CAMERA_FAR;
    hold("c");
    EXPECT_EQ(world.cameras[0].mode, CAMERA_DRIVER);
    EXPECT_EQ(world.cameras[1].mode, CAMERA_FAR);
    release("c");
    hold("c");
    EXPECT_EQ(world.cameras[0].mode, CAMERA_CLOSE);
    hold("n");
    EXPECT_EQ(world.cameras[1].mode, CAMERA_DRIVER);
    EXPECT_EQ(world.cameras[0].mode, CAMERA_CLOSE);
}

TEST_F(InputTest, ReleasingNineTogglesTheEngineSound) {
    const bool before = world.sound.soundEnabled;
    hold("9");
    EXPECT_EQ(world.sound.soundEnabled, before);
    release("9");
    EXPECT_EQ(world.sound.soundEnabled, !before);
    hold("9");
    release("9");
    EXPECT_EQ(world.sound.soundEnabled, before);
}

TEST_F(InputTest, AMatchStartReleasesEveryKey) {
    hold("wf0");
    world.keyState[200] = 1;
    world.startMatch();
    for (int slot = 0; slot < 256; ++slot)
        ASSERT_EQ(world.keyState[slot], 0) << slot;
}

} // namespace
