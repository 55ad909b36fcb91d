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

// World::keyLatch values: a key no tick has seen since its press, and one
// let go again before any did (still held in the table until the next tick
// has run).
constexpr uint8_t KEY_PRESSED_SINCE_TICK = 1;
constexpr uint8_t KEY_RELEASE_DUE = 2;

// Which key each player's kart actions are on, in lower case: the keyboard
// callbacks fold capitals to lower case first, so shift and caps lock change
// nothing.
struct KeyBindings {
    unsigned char kart[2][KART_ACTIONS] = {{'q', 'w', 'e', 'v', 'a', 's', 'd', 'f', 'x', 'r'},
                                           {'u', 'i', 'o', 'b', 'j', 'k', 'l', 'h', 'm', 'y'}};

    // The action slot of a key, or -1 when it has none.
    int slotOf(unsigned char key) const;
};

// Keyboard callbacks; the pointer position is not used. Letters count in
// either case ('W' down, 'w' up is one key). A key let go before any tick
// has run since its press stays held until the next tick has run.
void keyDown(World& world, unsigned char key);
void keyUp(World& world, unsigned char key);

// A slot pressed and let go at once, as a tapped key would be: held for the
// next tick only. Not while paused.
void tapSlot(World& world, int slot);

// Once per drawn frame, from the shell: each seat's pad as now read into
// world.pads, and pressed (every button press since the last reading, by
// seat, triggers included) into the latches, so a press let go before the
// next tick still drives it.
void takePadReadings(World& world, const PadInput (&now)[2], const bool (&pressed)[2][PAD_BUTTONS]);

// A seat's pad as the next tick reads it: as last read, with the buttons
// pressed since the last tick down.
PadInput padForTick(const World& world, int seat);

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
