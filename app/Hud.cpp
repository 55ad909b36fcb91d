#include "app/Hud.h"

#include "app/World.h"

namespace {

constexpr float NEEDLE_SWEEP = 90; // degrees from rest to top speed
constexpr float NEEDLE_REST = -30;

} // namespace

ClockDigits clockDigits(float seconds) {
    // A clock that has run out shows zero: a tag clock stops a frame's time
    // past 0, and a long frame would otherwise show its overshoot as tenths.
    float v = seconds > 0 ? seconds : 0;
    if (!(v < 2e9f))
        v = 0; // past what an int holds, or not a number: nothing to show

    ClockDigits d{};
    d.hundreds = static_cast<int>(v) / 100;
    v = v - static_cast<float>(100 * d.hundreds);
    d.tens = static_cast<int>(v) / 10;
    v = v - static_cast<float>(10 * d.tens);
    d.units = static_cast<int>(v);
    v = v - static_cast<float>(d.units);
    d.tenths = static_cast<int>(10 * v);
    return d;
}

float speedometerAngle(const Kart& kart) {
    return NEEDLE_SWEEP / kart.maxSpeed * kart.speed + NEEDLE_REST;
}

OverlayRect centredMessage(const World& world, float width, float height) {
    const float cx = world.matchStatus.centreX, cy = world.matchStatus.centreY;
    return {cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2};
}

void prepareHud(World& world) {
    if (world.playerCount != 2 || world.gameMode != GAME_TAG)
        return;
    world.matchStatus.tagClockShown1 = world.karts[0].tagClock;
    world.matchStatus.tagClockShown2 = world.karts[1].tagClock;
    world.matchStatus.showClock = false;
}
