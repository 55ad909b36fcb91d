#pragma once

#include <cstdint>

struct Kart;
struct World;

// What the overlay shows, worked out without drawing it: the renderer's HUD
// pass only reads these. Overlay coordinates are pixels of the 1280 x 960
// logical window, origin top left, y down.

// A clock value as the overlay draws it: three digits, a point and tenths.
// Each digit picks its glyph modulo 10, so from 1000 on only the last three
// whole digits show.
struct ClockDigits {
    int hundreds, tens, units, tenths;
};
ClockDigits clockDigits(float seconds);

// The speedometer needle's turn in degrees: -30 at rest, 60 at top speed,
// below rest when reversing.
float speedometerAngle(const Kart& kart);

// A rectangle of the overlay.
struct OverlayRect {
    float left, top, right, bottom;
};
// A message image of the given size, centred on the window.
OverlayRect centredMessage(const World& world, float width, float height);

// The HUD's own state, updated once per drawn frame before the HUD is drawn:
// with two players in tag, the clocks shown follow the karts' tag clocks and
// the match clock is put away for good.
void prepareHud(World& world);
