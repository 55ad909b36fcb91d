#pragma once

#include <cstdint>

// Match types. 2 is a collect-the-point rule set no key offers.
using GameMode = int32_t;
constexpr GameMode GAME_RACE = 1;
constexpr GameMode GAME_COLLECT = 2;
constexpr GameMode GAME_TAG = 3;
constexpr GameMode GAME_BALL = 4;
