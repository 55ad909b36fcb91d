#include "app/Controls.h"

PlayerControls padControls(const PadInput& pad, const PadLayout& layout) {
    PlayerControls c;
    if (!pad.connected)
        return c;
    for (int a = 0; a < KART_ACTIONS; ++a) {
        const PadButton b = layout.button[a];
        if (b != PAD_NONE && b < PAD_BUTTONS && pad.down[b])
            c.held[a] = true;
    }
    // The brake button brakes, then reverses: the rules decide which.
    if (c.held[ACTION_BRAKE]) {
        c.held[ACTION_BRAKE] = false;
        c.brakeOrReverse = true;
    }
    const float lean = pad.stick < -1 ? -1 : pad.stick > 1 ? 1 : pad.stick;
    const float beyond = (lean < 0 ? -lean : lean) - STICK_DEAD_ZONE;
    if (beyond > 0) {
        const float share = beyond / (1 - STICK_DEAD_ZONE);
        c.steer = lean < 0 ? -share : share;
    }
    return c;
}

bool padAtRest(const PadInput& pad) {
    if (!pad.connected)
        return true;
    for (bool down : pad.down)
        if (down)
            return false;
    return pad.stick > -STICK_DEAD_ZONE && pad.stick < STICK_DEAD_ZONE;
}

PlayerControls combinedControls(const PlayerControls& keys, const PlayerControls& pad) {
    PlayerControls c;
    for (int a = 0; a < KART_ACTIONS; ++a)
        c.held[a] = keys.held[a] || pad.held[a];
    c.brakeOrReverse = keys.brakeOrReverse || pad.brakeOrReverse;
    const bool keySteers = keys.held[ACTION_STEER_LEFT] || keys.held[ACTION_STEER_RIGHT];
    c.steer = keySteers ? keys.steer : pad.steer;
    return c;
}
