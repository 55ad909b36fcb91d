#pragma once

#include <cstdint>

struct World;

// The World's key table holds keys by action slot, not by character: 0-9
// player 1, 10-19 player 2, 105/107/108 the mode keys, 110 back to mode
// selection.
constexpr int SLOT_CHOOSE_RACE = 105;
constexpr int SLOT_CHOOSE_TAG = 107;
constexpr int SLOT_CHOOSE_BALL = 108;
constexpr int SLOT_MODE_SELECT = 110;

// The action slot of a key, or -1 when it has none.
int keySlot(unsigned char key);

// Keyboard callbacks; the pointer position is not used.
void keyDown(World& world, unsigned char key);
void keyUp(World& world, unsigned char key);

// Turns the held keys into actions, once per simulated frame.
void applyInput(World& world);
