#pragma once

// Tag: the kart that is "it" loses time from its clock; touching the other
// kart passes "it" on, and then neither clock runs for a while. When the
// clock of the kart that is it runs out, the other player wins.

constexpr float TAG_CLOCK_SECONDS = 120; // each kart's clock at the start
constexpr float TAG_COOLDOWN = 2;        // seconds before "it" can pass back
constexpr float HURRY_UP_SECONDS = 10;   // below this the player is told to hurry
