#pragma once

#include "app/Controls.h"
#include "app/FrameLoop.h"

#include <cstdint>

struct World;

// The World's key table holds keys by action slot, not by character: 0-9
// player 1's kart actions, 10-19 player 2's (in KartAction order),
// 105/107/108 the mode keys, 110 back to mode selection.
constexpr int SLOT_CHOOSE_RACE = 105;
constexpr int SLOT_CHOOSE_TAG = 107;
constexpr int SLOT_CHOOSE_BALL = 108;
constexpr int SLOT_MODE_SELECT = 110;

// Which key each player's kart actions are on. Lower-case letters: with
// shift or caps lock no kart control answers.
struct KeyBindings {
    unsigned char kart[2][KART_ACTIONS] = {{'q', 'w', 'e', 'v', 'a', 's', 'd', 'f', 'x', 'r'},
                                           {'u', 'i', 'o', 'b', 'j', 'k', 'l', 'h', 'm', 'y'}};

    // The action slot of a key, or -1 when it has none.
    int slotOf(unsigned char key) const;
};

// Keyboard callbacks; the pointer position is not used.
void keyDown(World& world, unsigned char key);
void keyUp(World& world, unsigned char key);

// 'F1' and 'F2': the computer takes player 1's or player 2's seat (player
// 0 or 1), or hands it back; while it drives, that player's keys and pad
// are not heard. 'F3': the computer's next level, easy, normal, hard, round.
// Neither answers while paused.
void toggleCpu(World& world, int player);
void cycleCpuLevel(World& world);

// One player's held keys as kart controls.
PlayerControls keyControls(const uint8_t* keyState, int player);

// Once per step of dt seconds (a tick): the mode-select key, or every
// kart's controls (keys and pad together, or the computer's for a seat it
// drives) into the karts and the coconut table.
void applyInput(World& world, float dt = TICK_SECONDS);

// The controls into the karts, both karts control by control, kart 1
// first: throttle sets the acceleration, and boost, brake and reverse
// override it in that order.
void applyControls(World& world, const PlayerControls (&controls)[2]);
