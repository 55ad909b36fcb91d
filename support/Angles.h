#pragma once

// Every spelling of pi the game carries, each for its own purpose. The
// handling and the pictures depend on these very values: changing one
// changes how the game plays or looks.

// The rules' pi, the float nearest 3.14159, a touch short of the real one:
// every degree/radian conversion of the simulation carries it.
constexpr float PI = 3.14159f;

// The real one, where nothing was tuned to another: the boxes' turn, the
// drawn poses' blending, the autopilot's geometry.
constexpr double PI_EXACT = 3.14159265358979323846;
constexpr float TWO_PI = static_cast<float>(2 * PI_EXACT);

// The guide arrow turns by radians / ARROW_PI * 180 degrees.
constexpr double ARROW_PI = 3.14;

// Radians to degrees for the kart's drawing: 180 / 3.1415.
constexpr float DEG_PER_RAD = 57.29747f;

// A spin-out ends once the kart has turned this far.
constexpr float FULL_SPIN = 6.28f;
