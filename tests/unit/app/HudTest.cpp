#include "app/Hud.h"
#include "app/World.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

void expectDigits(float v, int hundreds, int tens, int units, int tenths) {
    SCOPED_TRACE(v);
    const ClockDigits d = clockDigits(v);
    EXPECT_EQ(d.hundreds, hundreds);
    EXPECT_EQ(d.tens, tens);
    EXPECT_EQ(d.units, units);
    EXPECT_EQ(d.tenths, tenths);
}

TEST(Hud, ClockDigitsAsTheOverlayDrawsThem) {
    expectDigits(83.46f, 0, 8, 3, 4);
    expectDigits(120, 1, 2, 0, 0);
    expectDigits(0, 0, 0, 0, 0);
    expectDigits(9.99f, 0, 0, 9, 9);
    // From 1000 on the glyphs wrap: 12 shows as 2, so 1234.5 reads 234.5.
    expectDigits(1234.5f, 12, 3, 4, 5);
    // A tag clock that has just run out, even by a long frame, shows zero.
    expectDigits(-0.05f, 0, 0, 0, 0);
    expectDigits(-0.5f, 0, 0, 0, 0);
    expectDigits(std::numeric_limits<float>::infinity(), 0, 0, 0, 0);
    expectDigits(std::numeric_limits<float>::quiet_NaN(), 0, 0, 0, 0);
}

TEST(Hud, NeedleTurnsNinetyDegreesFromRestToTopSpeed) {
    Kart kart;
    EXPECT_FLOAT_EQ(speedometerAngle(kart), -30);
    kart.speed = 12;
    EXPECT_FLOAT_EQ(speedometerAngle(kart), 15);
    kart.speed = 24;
    EXPECT_FLOAT_EQ(speedometerAngle(kart), 60);
    kart.speed = -8;
    EXPECT_LT(speedometerAngle(kart), -30);
}

TEST(Hud, TwoPlayerTagShowsTheKartsClocksAndPutsTheMatchClockAwayForGood) {
    auto world = std::make_unique<World>();
    world->setUp();
    const OverlayRect message = centredMessage(*world, 250, 100);
    EXPECT_FLOAT_EQ(message.left, 515);
    EXPECT_FLOAT_EQ(message.bottom, 530);

    prepareHud(*world); // a race: nothing to do
    EXPECT_TRUE(world->matchStatus.showClock);

    world->gameMode = GAME_TAG;
    world->playerCount = 1; // one player: no tag clocks, the match clock stays
    prepareHud(*world);
    EXPECT_TRUE(world->matchStatus.showClock);

    world->playerCount = 2;
    world->karts[0].tagClock = 97.5f;
    world->karts[1].tagClock = 12;
    prepareHud(*world);
    EXPECT_FLOAT_EQ(world->matchStatus.tagClockShown1, 97.5f);
    EXPECT_FLOAT_EQ(world->matchStatus.tagClockShown2, 12);
    EXPECT_FALSE(world->matchStatus.showClock);

    world->gameMode = GAME_RACE;
    world->playerCount = 1;
    prepareHud(*world);
    EXPECT_FALSE(world->matchStatus.showClock);
}

} // namespace
