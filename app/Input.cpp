#include "app/Input.h"

#include "app/World.h"

uint8_t keyState[256];

int keySlot(unsigned char key) {
    // Lower-case letters only: with shift or caps lock no kart control answers.
    static const char KART_KEYS[] = "qwevasdfxruiobjklhmy";
    for (int slot = 0; KART_KEYS[slot] != '\0'; ++slot)
        if (KART_KEYS[slot] == key)
            return slot;
    switch (key) {
    case '5':
        return SLOT_CHOOSE_RACE;
    case '6':
        return SLOT_CHOOSE_TAG;
    case '7':
        return SLOT_CHOOSE_BALL;
    case '0':
        return SLOT_MODE_SELECT;
    default:
        return -1;
    }
}

void keyDown(World& world, unsigned char key) {
    int slot = keySlot(key);
    if (slot >= 0) {
        keyState[slot] = 1;
        return;
    }
    switch (key) {
    case '1':
        world.playerCount = 1;
        break;
    case '2':
        world.playerCount = 2;
        break;
    case '3':
        world.skyColours = DUSK_SKY;
        break;
    case 'c':
        world.cameras[0].nextMode();
        break;
    case 'n':
        world.cameras[1].nextMode();
        break;
    case ';':
        world.matchStatus.showTitle = true;
        break;
    default:
        break;
    }
}

void keyUp(World& world, unsigned char key) {
    int slot = keySlot(key);
    if (slot >= 0) {
        keyState[slot] = 0;
        return;
    }
    // The banner shows while ';' is held.
    if (key == ';')
        world.matchStatus.showTitle = false;
}

void applyInput(World& world) {
    if (keyState[SLOT_MODE_SELECT]) {
        world.awaitingModeSelection = true;
        return;
    }
}
