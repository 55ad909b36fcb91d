#include "KartOnTheField.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

constexpr float UPPER = 0;   // any height above -2
constexpr float LOWER = -10; // any height at or below -2

float heightAt(float x, float y, float z) {
    static Kart kart = kartAt();
    return kart.groundHeightAt(x, y, z);
}

TEST(KartGround, KnownPoints) {
    EXPECT_FLOAT_EQ(heightAt(30, 0, 50), 0);
    EXPECT_FLOAT_EQ(heightAt(-125, 1, -5), -4.5f);
    EXPECT_FLOAT_EQ(heightAt(140, -10, 45), -17.5f);
    EXPECT_FLOAT_EQ(heightAt(80, 0, 25), 0.4f);
}

struct Spot {
    float x, z, h;
};

void expectHeights(float y, std::initializer_list<Spot> spots) {
    for (const Spot& s : spots)
        EXPECT_FLOAT_EQ(heightAt(s.x, y, s.z), s.h) << "at " << s.x << ' ' << y << ' ' << s.z;
}

TEST(KartGround, TheUpperLevel) {
    // The field, closed at both ends, and the ground round it.
    expectHeights(UPPER, {{-50, 0, 0},
                          {-50, 90, 0},
                          {-50, 90.01f, 0.2f},
                          {-50, -0.01f, 0.2f},
                          {-104.9f, 30, 0},
                          {-105, 30, 0.2f},
                          {-125, 45, 0.2f}});
    // The corner ramps: half a unit down per unit towards -x.
    expectHeights(
        UPPER, {{-115.5f, 95, 0.25f}, {-135, -10, -9.5f}, {-135, 0, 0.2f}, {-135.01f, -5, 0.2f}});
    // Just above -2 is still the upper level.
    EXPECT_FLOAT_EQ(heightAt(-140, -1.99f, 45), 0.2f);
    EXPECT_FLOAT_EQ(heightAt(-140, -2, 45), -17.5f);
}

TEST(KartGround, TheLowerLevel) {
    // The outer lane dips twice, in ramps of 1 in 4.
    expectHeights(LOWER, {{-160, 45, -10},
                          {-155, -10, -10},
                          {-150, 10, -12.5f},
                          {-150, 20, -15},
                          {-150, 35, -16.25f},
                          {-150, 40, -17.5f},
                          {-150, 55, -16.25f},
                          {-150, 60, -15},
                          {-150, 80, -12.5f},
                          {-150, 90, -10},
                          {-150, 100, 0},
                          {-150, -10.01f, 0}});
    // Between the lane and the field.
    expectHeights(LOWER, {{-125, 95, -4.5f},
                          {-135, 45, -14.7f},
                          {-125, 70, 0},
                          {-115, 10, -19.7f},
                          {-100, 10, -14.7f},
                          {-85, 10, -10}});
    // Under the field.
    expectHeights(LOWER, {{-40, 30, -10},
                          {-40, 45, -12.5f},
                          {-40, 55, -11.25f},
                          {-40, 60, -10},
                          {-30, 45, -10},
                          {-25, 45, -10},
                          {-15, 45, -12.5f},
                          {-5, 45, -15},
                          {0, 45, -15}});
}

TEST(KartGround, TheArenaIsMirroredInX) {
    for (float y : {UPPER, LOWER})
        for (float x = 0; x <= 170; x += 2.5f)
            for (float z = -20; z <= 110; z += 2.5f)
                ASSERT_EQ(heightAt(x, y, z), heightAt(-x, y, z)) << x << ' ' << y << ' ' << z;
}

TEST(KartGround, PadsRaiseTheFieldOnlyOnTheUpperLevel) {
    EXPECT_FLOAT_EQ(heightAt(-40, UPPER, 65), 0.4f);
    EXPECT_FLOAT_EQ(heightAt(-40, UPPER, 76.9f), 0.4f);
    EXPECT_FLOAT_EQ(heightAt(-40, UPPER, 77), 0); // d² = 144 is off the pad
    EXPECT_FLOAT_EQ(heightAt(-68.1f, UPPER, 25), 0.4f);
    EXPECT_FLOAT_EQ(heightAt(-60, UPPER, 45), 0); // between the pads
    EXPECT_FLOAT_EQ(heightAt(-40, LOWER, 65), -10);
    EXPECT_FLOAT_EQ(heightAt(-80, LOWER, 25), -10);
}

TEST(KartGround, PadsThrowRedDustAtSpeedAndGreySmokeElsewhere) {
    const float dust[3] = {0.6f, 0.2f, 0.2f}, smoke[3] = {0.5f, 0.5f, 0.5f};
    auto colourIs = [](const Kart& kart, const float* c) {
        return kart.exhaust.colour[0] == c[0] && kart.exhaust.colour[1] == c[1] &&
               kart.exhaust.colour[2] == c[2];
    };
    Kart kart = kartAt();
    kart.speed = 10.5f;
    kart.groundHeightAt(80, UPPER, 25);
    EXPECT_TRUE(colourIs(kart, dust));
    EXPECT_TRUE(kart.exhaust.emitting);

    kart.groundHeightAt(80, UPPER, 50); // off the pads
    EXPECT_TRUE(colourIs(kart, smoke));

    // On a pad but slow, or in its outer ring: nothing changes.
    kart.exhaust.emitting = false;
    kart.exhaust.colour[0] = 0.9f;
    kart.groundHeightAt(80, UPPER, 25 + 11); // d² = 121
    kart.speed = 10;
    kart.groundHeightAt(80, UPPER, 25);
    EXPECT_FLOAT_EQ(kart.exhaust.colour[0], 0.9f);
    EXPECT_FALSE(kart.exhaust.emitting);

    // Down in the tunnel under a pad the smoke is grey.
    kart.speed = 20;
    kart.groundHeightAt(80, LOWER, 25);
    EXPECT_TRUE(colourIs(kart, smoke));
    EXPECT_FALSE(kart.exhaust.emitting);
}

TEST(KartGround, DrivingFastOverAPadKicksUpRedDust) {
    Kart kart = kartAt({-80, 0.4f, 20});
    kart.speed = 15;
    kart.update(0.01f);
    EXPECT_FLOAT_EQ(kart.exhaust.colour[0], 0.6f);
    EXPECT_TRUE(kart.exhaust.emitting);
    EXPECT_FLOAT_EQ(kart.position.y, 0.4f);
}

} // namespace
